#include "playback/CameraSync.h"

#include <algorithm>
#include <cmath>

namespace vemora {

// A correction changes the rear player's rate for a time worked out in advance and then returns
// it to the front rate: libVLC's time reports lag and jump while a rate changes, so the
// difference is only measured again once the rear player has run at the front rate for a while.
SyncAction CameraSync::Decide(int64_t behindMs, double rate) {
    m_behind[m_count % kEvidence] = behindMs;
    ++m_count;
    if (m_count < m_needed || rate <= 0)
        return {};
    // The median of the last m_needed comparisons.
    int64_t sorted[kEvidence];
    for (int i = 0; i < m_needed; ++i)
        sorted[i] = m_behind[(m_count - 1 - i) % kEvidence];
    std::nth_element(sorted, sorted + m_needed / 2, sorted + m_needed);
    int64_t behind = sorted[m_needed / 2];
    int64_t distance = std::llabs(behind);
    if (distance <= kToleranceMs)
        return {};
    const int64_t least = m_needed == kLandedEvidence ? kLeastLandedCorrectionMs : kLeastCorrectionMs;
    Reset(); // the next decision waits for fresh evidence, as many comparisons as usual
    if (distance > kSeekBeyondMs)
        return {SyncAction::Seek, rate, 0, behind};
    // The rear player gains (or loses) change x rate milliseconds per millisecond.
    double change =
        std::min(kMaxRateChange, static_cast<double>(distance) / (rate * static_cast<double>(least)));
    int64_t forMs = std::llround(static_cast<double>(distance) / (rate * change));
    double wanted = rate * (behind > 0 ? 1.0 + change : 1.0 - change);
    return {SyncAction::SetRate, wanted, forMs, 0};
}

} // namespace vemora
