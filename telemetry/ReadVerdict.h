#pragma once
// Why a container reader turned a file down. Each rejected file ends with exactly one reason;
// an accepted file has none.

#include <cstdint>
#include <string>

namespace vemora {

enum class RejectReason : uint8_t {
    None,              // accepted
    CannotOpen,        // the system refused to open the file (see systemError)
    NotRecorderFile,   // neither an MP4/MOV nor an AVI file, or not one the recorder wrote
    CutShort,          // a box or chunk runs past the end of the file (power cut, full card)
    UnsupportedLayout, // an MP4/MOV file in none of the recorders' telemetry layouts
    NoMovieHeader,     // no "moov" (MP4/MOV) or main header (AVI)
    NoVideoTrack,      // no video track named the way the recorder names it
    NoPictureSize,     // the picture width or height is missing or 0
    ZeroDuration,      // the recording lasts less than one second
    NoRecorderMark,    // the recorder's acceptance mark is missing
    TooManyRecords,    // a telemetry table or payload far longer than the recording (TrackLimits.h)
    TooManyBoxes,      // more boxes or chunks than any recording has: a walk would take minutes
};

struct ReadVerdict {
    RejectReason reason = RejectReason::None;
    std::string systemError; // CannotOpen: the system's error text, e.g. "Permission denied"

    bool Accepted() const { return reason == RejectReason::None; }
    bool operator==(const ReadVerdict&) const = default;
};

// A stable key for scripts, e.g. "cut_short"; "" for None.
const char* RejectReasonKey(RejectReason reason);
// The reason in English words, with the system's error text for CannotOpen.
std::string DescribeRejection(const ReadVerdict& verdict);

} // namespace vemora
