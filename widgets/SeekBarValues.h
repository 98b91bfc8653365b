#pragma once
// The seek bar's calibration, published at every paint of its channel. The playback side turns
// times into bar positions with SeekLeadIn and SeekSpan (also on libVLC's event thread, hence
// atomics); the G-sensor curve puts its cursor at SeekThumbX.

#include <atomic>

namespace vemora {

// Bar position of time 0: 17760 / (bar width in pixels); 0 until the bar has painted.
extern std::atomic<int> SeekLeadIn;
// Positions that map onto the whole recording: 1000 - SeekLeadIn; 1000 until the bar has painted.
extern std::atomic<int> SeekSpan;
// x of the thumb in the bar's pixels; 0 until the bar has painted.
extern std::atomic<int> SeekThumbX;
// Set by the window when it seeks for the bar; cleared by the curve after it painted its cursor.
extern std::atomic<int> SeekThumbMoved;

inline constexpr int kSeekRange = 1000;

// The lead-in of a bar this many pixels wide (a bar of no width has none).
inline int SeekLeadInForWidth(int width) {
    return width > 0 ? 17760 / width : 0;
}

} // namespace vemora
