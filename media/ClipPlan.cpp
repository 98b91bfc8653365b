#include "media/ClipPlan.h"

#include "library/RecordingNaming.h"
#include "map/NumberText.h"
#include "media/StreamReader.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace vemora::media {

namespace {

std::string Seconds(double ms) {
    return FixedText(ms / 1000.0, 3) + " s";
}

std::string FrontOf(const std::string& path) {
    return IsRearFile(path) ? GetFrontPartner(path) : path;
}

std::string RearOf(const std::string& path) {
    if (IsRearFile(path))
        return path;
    std::string rear = GetRearPartner(path);
    return rear == path ? std::string() : rear; // a file that is neither camera's by name
}

// The key of the recording a file belongs to: its front file's path, or its own without one.
std::string RecordingKey(const std::string& path) {
    std::string front = FrontOf(path);
    return front.empty() ? path : front;
}

// Lengths already read, by path, size and modification time: the dialog asks for the same
// drive's lengths several times while the user picks a range.
struct LengthKey {
    std::string path;
    int64_t size = 0, mtimeNs = 0;
    bool operator<(const LengthKey& o) const {
        return std::tie(path, size, mtimeNs) < std::tie(o.path, o.size, o.mtimeNs);
    }
};

std::optional<double> CachedVideoLength(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    LengthKey key{path, static_cast<int64_t>(st.st_size),
                  static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    static std::mutex mutex;
    static std::map<LengthKey, std::optional<double>> lengths;
    {
        std::lock_guard lock(mutex);
        if (auto it = lengths.find(key); it != lengths.end())
            return it->second;
    }
    std::string why;
    std::optional<double> length = StreamReader::VideoLengthMs(path, &why);
    std::lock_guard lock(mutex);
    if (lengths.size() > 4096)
        lengths.clear();
    lengths[key] = length;
    return length;
}

} // namespace

double RecordingLengthMs(const RecordingInfo& record) {
    const std::string path = record.GetFullPath();
    const std::string front = FrontOf(path);
    if (auto length = CachedVideoLength(front.empty() ? path : front))
        return *length;
    if (auto length = CachedVideoLength(path))
        return *length;
    return static_cast<double>(record.summary.durationMs);
}

std::vector<size_t> DriveFrom(const std::vector<RecordingInfo>& records, size_t index) {
    std::vector<size_t> drive;
    if (index >= records.size())
        return drive;
    size_t end = index + 1;
    while (end < records.size() && records[end].startsGroup == 0)
        ++end;
    // The listed row of each file of the group, to prefer a recording's front row.
    std::unordered_map<std::string, size_t> rowOf;
    for (size_t i = index; i < end; ++i)
        rowOf.emplace(records[i].GetFullPath(), i);
    std::unordered_set<std::string> seen;
    seen.insert(RecordingKey(records[index].GetFullPath()));
    drive.push_back(index);
    for (size_t i = index + 1; i < end; ++i) {
        const std::string path = records[i].GetFullPath();
        const std::string key = RecordingKey(path);
        if (!seen.insert(key).second)
            continue;
        auto front = rowOf.find(key);
        drive.push_back(front != rowOf.end() ? front->second : i);
    }
    return drive;
}

double DriveLengthMs(const std::vector<RecordingInfo>& records, size_t index) {
    double total = 0;
    for (size_t k : DriveFrom(records, index))
        total += RecordingLengthMs(records[k]);
    return total;
}

ClipPlan PlanClip(const std::vector<RecordingInfo>& records, size_t index, double fromMs, double toMs) {
    ClipPlan plan;
    if (index >= records.size()) {
        plan.error = "no recording to take the clip from";
        return plan;
    }
    const RecordingInfo& first = records[index];
    if (!std::isfinite(fromMs) || !std::isfinite(toMs) || fromMs < 0 || toMs <= fromMs) {
        plan.error = "the range " + Seconds(fromMs) + " to " + Seconds(toMs) + " is empty or negative";
        return plan;
    }
    std::unordered_map<std::string, size_t> rowOf;
    for (size_t i = 0; i < records.size(); ++i)
        rowOf.emplace(records[i].GetFullPath(), i);
    double offset = 0; // start of the current recording on the drive's timeline
    bool firstPart = true;
    for (size_t i : DriveFrom(records, index)) {
        const RecordingInfo& record = records[i];
        const double length = RecordingLengthMs(record);
        if (firstPart && fromMs >= length) {
            plan.error = first.GetFullPath() + ": the clip starts at " + Seconds(fromMs) +
                         ", after the recording's end at " + Seconds(length);
            return plan;
        }
        firstPart = false;
        double from = std::max(0.0, fromMs - offset);
        double to = std::min(length, toMs - offset);
        if (to > from) {
            ClipPart part;
            const std::string path = record.GetFullPath();
            part.frontPath = FrontOf(path);
            part.rearPath = RearOf(path);
            part.recordPath = path;
            part.summary = record.summary;
            const std::string& other = IsRearFile(path) ? part.frontPath : part.rearPath;
            if (auto row = rowOf.find(other); !other.empty() && other != path && row != rowOf.end()) {
                part.otherPath = other;
                part.otherSummary = records[row->second].summary;
            }
            part.lengthMs = length;
            part.fromMs = from;
            part.toMs = to;
            plan.parts.push_back(std::move(part));
        }
        offset += length;
        if (offset >= toMs)
            break;
    }
    if (offset < toMs) {
        plan.error = first.GetFullPath() + ": the clip ends at " + Seconds(toMs) +
                     ", after the end of the drive at " + Seconds(offset);
        plan.parts.clear();
        return plan;
    }
    plan.ok = true;
    return plan;
}

} // namespace vemora::media
