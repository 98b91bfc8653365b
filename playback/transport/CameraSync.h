#pragma once
// Keeps the rear camera's player on the front one's time. CameraSync decides from how far the
// rear player is behind what to do: nothing, a slightly faster or slower rear player for a
// measured while (invisible), or a seek for a large difference.

#include <cstdint>

namespace vemora {

struct SyncAction {
    enum class Kind { None, SetRate, Seek } kind = Kind::None;
    double rate = 1.0; // SetRate: the rear player's rate for forMs, after which it returns to the front rate
    int64_t forMs = 0; // SetRate: wall-clock time the rate holds
    int64_t byMs = 0;  // Seek: how far to move the rear player (> 0: forward)
};

class CameraSync {
public:
    // Beyond this difference (between two frames at 25 fps) the rear player is corrected.
    static constexpr int64_t kToleranceMs = 20;
    // Beyond this a seek is quicker than running faster or slower.
    static constexpr int64_t kSeekBeyondMs = 1500;
    // The rear player runs at most this much faster or slower than the front one, and a
    // correction lasts at least kLeastCorrectionMs, so that its pictures never hurry visibly.
    static constexpr double kMaxRateChange = 0.15;
    static constexpr int64_t kLeastCorrectionMs = 1000;
    // Each decision rests on the median of this many comparisons since the last action: a
    // player reports its time four times a second, each report a little early or late.
    static constexpr int kEvidence = 9;
    // After a seek, pause, new media or correction no decision for this long, and only on
    // reports made after the restart.
    static constexpr int64_t kQuietMs = 400;

    // Evidence dropped and a quiet while begun at nowMs (steady clock).
    void Restart(int64_t nowMs) {
        m_count = 0;
        m_quietUntil = nowMs + kQuietMs;
    }
    // True once the quiet while is over and both players have reported since the restart
    // (frontSeenMs, rearSeenMs: when their last reports were made).
    bool Listening(int64_t nowMs, int64_t frontSeenMs, int64_t rearSeenMs) const {
        int64_t since = m_quietUntil - kQuietMs;
        return nowMs >= m_quietUntil && frontSeenMs > since && rearSeenMs > since;
    }
    // behindMs: how far the rear player's time is behind the front one's now (negative: ahead);
    // rate: the front player's rate.
    SyncAction Decide(int64_t behindMs, double rate);

private:
    int64_t m_behind[kEvidence] = {};
    int m_count = 0;
    int64_t m_quietUntil = 0;
};

} // namespace vemora
