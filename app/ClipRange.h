#pragma once
// The range a clip export starts with: the I and O marks the user set while watching (each a
// recording and a time in it), or 10 s either side of the current position, as a start
// recording and times from its start, which may run on into the following recordings of the
// drive. Also where the marks fall on the seek bar of the recording on display.

#include "library/RecordingInfo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vemora {

struct ClipMark {
    std::string path; // the recording's file ("" = not set); either camera's file counts for both
    int64_t ms = 0;   // from that recording's start
    bool IsSet() const { return !path.empty(); }
};

struct ClipMarks {
    ClipMark in;
    ClipMark out;
};

struct ClipRangeChoice {
    bool ok = false;
    int row = -1; // record index the range is given in
    double fromMs = 0;
    double toMs = 0;
};

// Length of the range proposed either side of the position when a mark is missing.
inline constexpr int64_t kClipMarginMs = 10000;

// True when a and b are the same recording: the same file or the two cameras' files of it.
bool SameRecording(const std::string& a, const std::string& b);
// Milliseconds from the start of records[startRow] to the start of the recording holding path,
// when that recording is startRow itself or follows it in the drive.
std::optional<double> DriveOffset(const std::vector<RecordingInfo>& records, int startRow,
                                  const std::string& path);
// The range to export. Not ok when there is no recording or the two marks are not in one drive.
ClipRangeChoice ChooseClipRange(const std::vector<RecordingInfo>& records, const ClipMarks& marks,
                                int currentRow, int64_t currentMs);

// Where the marks show on the seek bar of records[row]: the times in it (-1: not in it) and
// whether the range reaches in from an earlier or on into a later recording.
struct ClipMarksOnBar {
    int64_t inMs = -1;
    int64_t outMs = -1;
    bool inBefore = false;
    bool outAfter = false;
};
ClipMarksOnBar MarksOnRecording(const std::vector<RecordingInfo>& records, const ClipMarks& marks, int row);

} // namespace vemora
