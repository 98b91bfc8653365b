#include "playback/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

int64_t PlayerClock::Estimate(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return -1;
    if (m_last < 0 && rate == m_rate) {
        m_last = reported; // the first value seen may be stale by up to a report interval
        return -1;
    }
    Sight(reported, wallMs, rate);
    return EstimateAt(wallMs);
}

void PlayerClock::Sight(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return;
    if (rate != m_rate) {
        // The line through the sightings has another slope now: start it again.
        m_rate = rate;
        m_count = 0;
        m_next = 0;
    }
    if (reported == m_last && m_count > 0)
        return;
    m_last = reported;
    m_seen = true;
    m_history[m_next] = {wallMs, static_cast<double>(reported) - static_cast<double>(wallMs) * rate};
    m_next = (m_next + 1) % kHistory;
    m_count = std::min(m_count + 1, kHistory);
}

int64_t PlayerClock::EstimateAt(int64_t wallMs) const {
    if (!m_seen || m_count == 0)
        return -1;
    double best = -1e300;
    for (int i = 0; i < m_count; ++i)
        if (wallMs - m_history[i].wallMs <= kHistoryMs || best == -1e300)
            best = std::max(best, m_history[i].offset);
    return static_cast<int64_t>(std::llround(best + static_cast<double>(wallMs) * m_rate));
}

// The rate correction closes the difference in about two seconds and fades as it closes, so the
// rear picture never jumps; it returns to the front rate once the two have settled.
SyncAction CameraSync::Decide(int64_t front, int64_t rear, double rate, double rearRate) {
    m_behind[m_count % kEvidence] = front - rear; // > 0: the rear player is late
    ++m_count;
    if (m_count < kLeastEvidence)
        return {};
    int n = std::min(m_count, kEvidence);
    int64_t sorted[kEvidence];
    std::copy(m_behind, m_behind + n, sorted);
    std::nth_element(sorted, sorted + n / 2, sorted + n);
    int64_t behind = sorted[n / 2];

    SyncAction action;
    bool correcting = rearRate != rate;
    if (std::llabs(behind) > kSeekBeyondMs) {
        action = {SyncAction::Seek, rate, front};
    } else if (std::llabs(behind) <= (correcting ? kSettledMs : kToleranceMs)) {
        if (correcting)
            action = {SyncAction::SetRate, rate, 0};
    } else {
        double change = std::clamp(static_cast<double>(behind) / 2000.0, -kMaxRateChange, kMaxRateChange);
        double wanted = rate * (1.0 + change);
        // Small steps are not worth a call into the player.
        if (std::fabs(wanted - rearRate) >= 0.01 * rate)
            action = {SyncAction::SetRate, wanted, 0};
    }
    if (action.kind != SyncAction::None)
        m_count = 0; // the next decision waits for fresh evidence
    return action;
}

} // namespace vemora
