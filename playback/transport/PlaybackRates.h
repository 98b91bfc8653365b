#pragma once
// The playback rates that FAST and SLOW step through; index 7 is normal speed.

#include <algorithm>
#include <array>
#include <string_view>

namespace vemora {

struct PlaybackRate {
    double rate;
    const char* label;
};

inline constexpr int kNormalRateIndex = 7;
inline constexpr std::array<PlaybackRate, 18> PlaybackRates{{
    {0.3, "0.3 X"},
    {0.4, "0.4 X"},
    {0.5, "0.5 X"},
    {0.6, "0.6 X"},
    {0.7, "0.7 X"},
    {0.8, "0.8 X"},
    {0.9, "0.9 X"},
    {1.0, "1.0 X"},
    {1.2, "1.2 X"},
    {1.4, "1.4 X"},
    {1.6, "1.6 X"},
    {1.8, "1.8 X"},
    {2.0, "2.0 X"},
    {2.4, "2.4 X"},
    {2.8, "2.8 X"},
    {3.2, "3.2 X"},
    {3.6, "3.6 X"},
    {4.0, "4.0 X"},
}};

// One step faster (+1) or slower (-1) from index; the table's ends stay where they are.
constexpr int SteppedRateIndex(int index, int direction) {
    return std::clamp(index + direction, 0, static_cast<int>(PlaybackRates.size()) - 1);
}

// The rate the players are given at index (libVLC takes a float).
constexpr float RateAt(int index) {
    return static_cast<float>(PlaybackRates[static_cast<size_t>(index)].rate);
}

// The rate label's text at index: nothing at normal speed.
constexpr std::string_view RateLabelAt(int index) {
    const PlaybackRate& entry = PlaybackRates[static_cast<size_t>(index)];
    return entry.rate == 1.0 ? std::string_view() : std::string_view(entry.label);
}

} // namespace vemora
