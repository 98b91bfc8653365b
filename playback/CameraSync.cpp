#include "playback/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

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
