#pragma once
// A player's last time report with the moment it was made (steady clock, ms). A player reports
// about four times a second; its time now is the report carried on at its rate since.

#include <cmath>
#include <cstdint>
#include <optional>

namespace vemora {

struct TimeSighting {
    int64_t timeMs = -1; // no report yet
    int64_t wallMs = 0;

    std::optional<int64_t> TimeAt(int64_t nowWallMs, double rate) const {
        if (timeMs < 0)
            return std::nullopt;
        return timeMs + static_cast<int64_t>(std::llround(static_cast<double>(nowWallMs - wallMs) * rate));
    }
};

} // namespace vemora
