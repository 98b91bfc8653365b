#pragma once
// Which recordings a clip takes its pictures from. A clip is a range on a drive's timeline: it
// starts in one recording and may run on into the following recordings of the same group, laid
// end to end, each with its other camera's file beside it.

#include "library/RecordingInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vemora::media {

// One recording's share of a clip. Times are milliseconds from that recording's start.
struct ClipPart {
    std::string frontPath;    // "" when the front camera's file is missing
    std::string rearPath;     // "" when the rear camera's file is missing
    std::string recordPath;   // the listed file the range runs through (one of the two)
    ContainerSummary summary; // its container summary: start time and telemetry
    double fromMs = 0;
    double toMs = 0;
};

struct ClipPlan {
    std::vector<ClipPart> parts;
    bool ok = false;
    std::string error;
};

// Plans the range [fromMs, toMs) given relative to the start of records[index]. records is a
// scanned library's sorted list with its group starts marked. Fails, saying why, when the range
// is empty, starts outside the recording, or ends past the end of its drive.
ClipPlan PlanClip(const std::vector<RecordingInfo>& records, size_t index, double fromMs, double toMs);

// The recordings of the drive that follow records[index] on its camera, index itself first.
std::vector<size_t> DriveFrom(const std::vector<RecordingInfo>& records, size_t index);

} // namespace vemora::media
