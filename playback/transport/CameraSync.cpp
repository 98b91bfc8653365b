#include "playback/transport/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

// A correction changes the rear player's rate for a time worked out in advance and then returns
// it to the front rate: libVLC's time reports lag and jump while a rate changes, so the
// difference is only measured again once the rear player has run at the front rate for a while.
SyncAction CameraSync::Decide(int64_t behindMs, double rate) {
    m_behind[m_count % kEvidence] = behindMs;
    ++m_count;
    if (m_count < kEvidence || rate <= 0)
        return {};
    int64_t sorted[kEvidence];
    std::copy(m_behind, m_behind + kEvidence, sorted);
    std::nth_element(sorted, sorted + kEvidence / 2, sorted + kEvidence);
    int64_t behind = sorted[kEvidence / 2];
    int64_t distance = std::llabs(behind);
    if (distance <= kToleranceMs)
        return {};
    m_count = 0; // the next decision waits for fresh evidence
    if (distance > kSeekBeyondMs)
        return {SyncAction::Kind::Seek, rate, 0, behind};
    // The rear player gains (or loses) change x rate milliseconds per millisecond.
    double change = std::min(kMaxRateChange, static_cast<double>(distance) /
                                                 (rate * static_cast<double>(kLeastCorrectionMs)));
    int64_t forMs = std::llround(static_cast<double>(distance) / (rate * change));
    double wanted = rate * (behind > 0 ? 1.0 + change : 1.0 - change);
    return {SyncAction::Kind::SetRate, wanted, forMs, 0};
}

} // namespace vemora
