#include "report/DriveSpan.h"

#include "library/RecordingNaming.h"
#include "media/ClipPlan.h"

#include <algorithm>
#include <sys/stat.h>

namespace vemora::report {

namespace {

bool IsFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The first recording of index's group on index's camera.
size_t FirstOfGroup(const std::vector<RecordingInfo>& records, size_t index) {
    const bool rear = IsRearFile(records[index].GetFullPath());
    size_t first = index;
    for (size_t i = index; i > 0 && records[i].startsGroup == 0;) {
        --i;
        if (IsRearFile(records[i].GetFullPath()) == rear)
            first = i;
    }
    return first;
}

} // namespace

DriveSpan::DriveSpan(const std::vector<RecordingInfo>& records, size_t index) {
    if (index >= records.size())
        return;
    double at = 0;
    double chosenAt = 0;
    for (size_t i : media::DriveFrom(records, FirstOfGroup(records, index))) {
        if (i == index)
            chosenAt = at;
        const double length = records[i].summary.durationMs;
        recordings_.push_back({i, at, length});
        at += length;
    }
    for (SpanRecording& r : recordings_)
        r.startMs -= chosenAt;
}

std::optional<SpanPlace> DriveSpan::Locate(double t) const {
    if (recordings_.empty())
        return std::nullopt;
    t = std::clamp(t, StartMs(), EndMs());
    for (size_t k = recordings_.size(); k-- > 0;)
        if (t >= recordings_[k].startMs || k == 0) {
            const SpanRecording& r = recordings_[k];
            return SpanPlace{r.record, std::min(t - r.startMs, r.lengthMs)};
        }
    return std::nullopt;
}

std::vector<SpanRecording> DriveSpan::Overlapping(double fromMs, double toMs) const {
    std::vector<SpanRecording> found;
    for (const SpanRecording& r : recordings_)
        if (r.EndMs() > fromMs && r.startMs < toMs)
            found.push_back(r);
    return found;
}

CameraFiles CameraFilesOf(const RecordingInfo& record) {
    const std::string path = record.GetFullPath();
    CameraFiles files;
    files.front = IsRearFile(path) ? GetFrontPartner(path) : path;
    files.rear = IsRearFile(path) ? path : GetRearPartner(path);
    if (files.rear == files.front)
        files.rear.clear();
    if (!IsFile(files.front))
        files.front.clear();
    if (!IsFile(files.rear))
        files.rear.clear();
    return files;
}

} // namespace vemora::report
