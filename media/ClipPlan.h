#pragma once
// Which recordings a clip takes its pictures from. A clip is a range on a drive's timeline: it
// starts in one recording and may run on into the following recordings of the same group. The
// drive is walked by recording (a front file and its rear file), so a recording that lacks one
// camera's file still takes its place; recordings are laid end to end by the real length of
// their video, not by the whole seconds the list shows.

#include "library/RecordingInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vemora::media {

// One recording's share of a clip. Times are milliseconds from that recording's start.
struct ClipPart {
    std::string frontPath;    // "" when the front camera's file is missing
    std::string rearPath;     // "" when the rear camera's file is missing
    std::string recordPath;   // the listed file that stands for the recording (the front's if listed)
    ContainerSummary summary; // its container summary: start time and telemetry
    // The other camera's listed file and summary ("" when it is not listed): the band's telemetry
    // when the first holds none.
    std::string otherPath;
    ContainerSummary otherSummary;
    double lengthMs = 0; // the recording's real length: its front video's, or the rear's without one
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

// One row per recording of the drive from records[index] on, index itself first: the front
// file's row where it is listed, else the rear file's.
std::vector<size_t> DriveFrom(const std::vector<RecordingInfo>& records, size_t index);

// The real length of the recording record belongs to: the duration of its front file's video
// (the rear file's when there is no front file), or the listed length when neither can be read.
double RecordingLengthMs(const RecordingInfo& record);

// The length of the drive from the start of records[index] to its end, by real lengths.
double DriveLengthMs(const std::vector<RecordingInfo>& records, size_t index);

} // namespace vemora::media
