#pragma once
// The seek bar's calibration and the two conversions between bar positions and playback times.
// The bar runs 0..1000; leadIn is the position of time 0 and span the positions of a whole
// recording (both known once the bar has painted its thumb).

#include <cstdint>

namespace vemora {

struct SeekScale {
    int leadIn = 0;
    int span = 1000;
};

// Bar position of a playback time; leadIn without a length.
inline int SeekBarPosition(int64_t timeMs, int64_t lengthMs, SeekScale scale) {
    if (lengthMs <= 0)
        return scale.leadIn;
    return scale.leadIn +
           static_cast<int>(static_cast<double>(timeMs) / static_cast<double>(lengthMs) * scale.span);
}

// Seek target of a bar position, in whole steps of length / span (a position before the lead-in
// counts from the bar's start).
inline int64_t SeekTargetMs(int64_t lengthMs, int barPosition, SeekScale scale) {
    int64_t q = barPosition >= scale.leadIn ? barPosition - scale.leadIn : barPosition;
    return scale.span > 0 ? (lengthMs / scale.span) * q : 0;
}

} // namespace vemora
