#pragma once
// Keeps the rear camera's player on the front one's time. libVLC reports a player's time four
// times a second; PlayerClock turns those reports into a time for any moment. CameraSync decides
// from the two clocks what to do: nothing, a slightly faster or slower rear player for a small
// difference (invisible), or a seek for a large one.

#include <cstdint>

namespace vemora {

class PlayerClock {
public:
    // Forget what was seen (after a seek, a pause, a rate change or a new media).
    void Reset() { *this = PlayerClock(); }
    // The playback time at wallMs from the player's reported times; -1 until a report has
    // changed once (the first value seen may be stale by up to a report interval). A report is
    // seen only some time after libVLC made it, never before, so of the recent reports the one
    // that puts the player furthest ahead is the most accurate.
    int64_t Estimate(int64_t reported, int64_t wallMs, double rate);
    // A report seen when it was made (libVLC's own time-changed event): taken as it is.
    void Sight(int64_t reported, int64_t wallMs, double rate);
    // The playback time at wallMs from the sightings so far; -1 without one.
    int64_t EstimateAt(int64_t wallMs) const;
    // Estimates rest on this many reports since the last reset (or rate change).
    int Sightings() const { return m_count; }

private:
    static constexpr int kHistory = 8;
    static constexpr int64_t kHistoryMs = 2500;
    int64_t m_last = -1;
    bool m_seen = false;
    double m_rate = 0;
    struct Sighting {
        int64_t wallMs;
        double offset; // reported time - wallMs x rate
    };
    Sighting m_history[kHistory] = {};
    int m_count = 0;
    int m_next = 0;
};

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
