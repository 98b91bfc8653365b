#pragma once
// Keeps the rear camera's player on the front one's time. CameraSync decides from the two
// players' times what to do: nothing, a slightly faster or slower rear player for a small
// difference (invisible), or a seek for a large one.

#include <cstdint>

namespace vemora {

struct SyncAction {
    enum Kind { None, SetRate, Seek } kind = None;
    double rate = 1.0;  // SetRate: the rear player's rate
    int64_t seekMs = 0; // Seek: the rear player's new time
};

class CameraSync {
public:
    // Two players started together stay within a few milliseconds of each other; a difference is
    // corrected once it exceeds a frame at 25 fps, and the correction runs until the two are
    // within kSettledMs (a gap between the two bounds keeps it from hunting).
    static constexpr int64_t kToleranceMs = 40;
    static constexpr int64_t kSettledMs = 10;
    // Beyond this a seek is quicker than running faster or slower.
    static constexpr int64_t kSeekBeyondMs = 1500;
    // The rear player runs at most this much faster or slower than the front one.
    static constexpr double kMaxRateChange = 0.15;
    // Each decision rests on the median of this many comparisons since the last action, so that
    // one late sighting of a player's time does not move the other.
    static constexpr int kEvidence = 5;
    static constexpr int kLeastEvidence = 3;

    void Reset() { m_count = 0; }
    // front and rear: estimated times (ms); rate: the front player's rate; rearRate: the rate
    // the rear player runs at now.
    SyncAction Decide(int64_t front, int64_t rear, double rate, double rearRate);

private:
    int64_t m_behind[kEvidence] = {};
    int m_count = 0;
};

} // namespace vemora
