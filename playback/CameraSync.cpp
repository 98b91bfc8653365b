#include "playback/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

int64_t PlayerClock::Estimate(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return -1;
    if (rate != m_rate) {
        // The line through the sightings has another slope now: start it again.
        m_rate = rate;
        m_count = 0;
        m_next = 0;
    }
    if (reported != m_last) {
        bool first = m_last < 0;
        m_last = reported;
        if (first)
            return -1;
        m_seen = true;
        m_history[m_next] = {wallMs, static_cast<double>(reported) - static_cast<double>(wallMs) * rate};
        m_next = (m_next + 1) % kHistory;
        m_count = std::min(m_count + 1, kHistory);
    }
    if (!m_seen || m_count == 0)
        return -1;
    double best = -1e300;
    for (int i = 0; i < m_count; ++i)
        if (wallMs - m_history[i].wallMs <= kHistoryMs || best == -1e300)
            best = std::max(best, m_history[i].offset);
    return static_cast<int64_t>(std::llround(best + static_cast<double>(wallMs) * rate));
}

// The rate correction closes the difference in about two seconds and fades as it closes, so the
// rear picture never jumps; it returns to the front rate once inside the tolerance.
SyncAction CameraSync::Decide(int64_t front, int64_t rear, double rate, double rearRate) const {
    int64_t behind = front - rear; // > 0: the rear player is late
    if (std::llabs(behind) > kSeekBeyondMs)
        return {SyncAction::Seek, rate, front};
    if (std::llabs(behind) <= kToleranceMs) {
        if (rearRate != rate)
            return {SyncAction::SetRate, rate, 0};
        return {};
    }
    double change = std::clamp(static_cast<double>(behind) / 2000.0, -kMaxRateChange, kMaxRateChange);
    double wanted = rate * (1.0 + change);
    // Small steps are not worth a call into the player.
    if (std::fabs(wanted - rearRate) < 0.01 * rate)
        return {};
    return {SyncAction::SetRate, wanted, 0};
}

} // namespace vemora
