#include "media/ClipPlan.h"

#include "library/RecordingNaming.h"

#include <cmath>
#include <cstdio>

namespace vemora::media {

namespace {

std::string Seconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", ms / 1000.0);
    return text;
}

} // namespace

std::vector<size_t> DriveFrom(const std::vector<RecordingInfo>& records, size_t index) {
    std::vector<size_t> drive;
    if (index >= records.size())
        return drive;
    const bool rear = IsRearFile(records[index].GetFullPath());
    drive.push_back(index);
    for (size_t i = index + 1; i < records.size() && records[i].startsGroup == 0; ++i)
        if (IsRearFile(records[i].GetFullPath()) == rear)
            drive.push_back(i);
    return drive;
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
    if (fromMs >= first.summary.durationMs) {
        plan.error = first.GetFullPath() + ": the clip starts at " + Seconds(fromMs) +
                     ", after the recording's end at " + Seconds(first.summary.durationMs);
        return plan;
    }
    double offset = 0; // start of the current recording on the drive's timeline
    for (size_t i : DriveFrom(records, index)) {
        const RecordingInfo& record = records[i];
        double length = record.summary.durationMs;
        double from = std::max(0.0, fromMs - offset);
        double to = std::min(length, toMs - offset);
        if (to > from) {
            ClipPart part;
            const std::string path = record.GetFullPath();
            part.frontPath = IsRearFile(path) ? GetFrontPartner(path) : path;
            part.rearPath = IsRearFile(path) ? path : GetRearPartner(path);
            if (part.rearPath == part.frontPath) // a file that is neither camera's by name
                part.rearPath.clear();
            part.recordPath = path;
            part.summary = record.summary;
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
