#include "playback/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

int64_t PlayerClock::Estimate(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return -1;
    if (reported != m_last) {
        bool first = m_last < 0;
        m_last = reported;
        m_changedAt = wallMs;
        if (first)
            return -1;
        m_seen = true;
    }
    if (!m_seen)
        return -1;
    return m_last + static_cast<int64_t>(std::llround(static_cast<double>(wallMs - m_changedAt) * rate));
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
