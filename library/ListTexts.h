#pragma once
// The texts of the group and recording lists: resolution names, times, lengths and sizes.

#include <cstdint>
#include <string>

namespace vemora {

// "1080P HD", "720P", ... for the recorder's picture sizes; "%dx%d" for other sizes; "" when
// either side is 0 (unknown).
std::string ResolutionName(int width, int height);

// Local wall-clock text of seconds since 1970, strftime-style. "" when the local-time conversion
// rejects the value or the text does not fit 128 characters.
std::string FormatLocalTime(int64_t seconds, const char* format);

// " %lld s " with whole seconds (truncated).
std::string LengthText(int64_t durationMs);
// " %lld MB" with the size shifted right by 20 bits.
std::string SizeText(int64_t bytes);

// "G%d" and "G%d-%d" (group number, position in the group, both from 0).
std::string GroupIdText(int group);
std::string RecordingIdText(int group, int indexInGroup);

inline constexpr const char* kGroupStartFormat = "%Y-%m-%d %H:%M:%S";
inline constexpr const char* kRecordingTimeFormat = "%H:%M:%S";

// End of a recording: start plus the whole seconds of its length.
inline int64_t EndTimeOf(int64_t startTime, int64_t durationMs) {
    return startTime + durationMs / 1000;
}

} // namespace vemora
