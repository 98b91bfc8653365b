// The players' decisions without players: the rear camera's correction, the joint landing after
// a jump, the seek bar's scale and the rate steps.

#include "playback/transport/CameraSync.h"
#include "playback/transport/JointLanding.h"
#include "playback/transport/PlaybackRates.h"
#include "playback/transport/SeekScale.h"
#include "playback/transport/SharedPendingSeek.h"
#include "playback/transport/SkipLanding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vemora;

namespace {

// Nine comparisons (one decision's evidence); the last one each time is an outlier the median
// ignores.
TEST(CameraSync, DecidesFromTheMedianOfNoisyReports) {
    struct Row {
        const char* what;
        std::vector<int64_t> behind;
        double frontRate;
        SyncAction::Kind kind;
        double rate;
        int64_t forMs, byMs;
    };
    const Row rows[] = {
        {"within tolerance", {5, -8, 12, 3, -4, 6, 10, 0, 900}, 1.0, SyncAction::Kind::None, 1.0, 0, 0},
        {"rear behind: faster",
         {200, 190, 210, 205, 195, 200, 198, 202, -900},
         1.0,
         SyncAction::Kind::SetRate,
         1.15,
         1333,
         0},
        {"rear ahead at 2.0 X: slower",
         {-100, -95, -105, -100, -98, -102, -100, -101, 5000},
         2.0,
         SyncAction::Kind::SetRate,
         1.9,
         1000,
         0},
        {"far behind: seek",
         {3000, 2990, 3010, 3005, 2995, 3000, 2998, 3002, 0},
         1.0,
         SyncAction::Kind::Seek,
         1.0,
         0,
         3000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CameraSync sync;
        SyncAction action;
        for (size_t i = 0; i < row.behind.size(); ++i) {
            action = sync.Decide(row.behind[i], row.frontRate);
            if (i + 1 < row.behind.size()) {
                EXPECT_EQ(action.kind, SyncAction::Kind::None) << "decided on too little evidence";
            }
        }
        EXPECT_EQ(action.kind, row.kind);
        EXPECT_NEAR(action.rate, row.rate, 1e-9);
        EXPECT_EQ(action.forMs, row.forMs);
        EXPECT_EQ(action.byMs, row.byMs);
    }
}

TEST(CameraSync, ListensOnlyToReportsMadeAfterTheQuietWhile) {
    CameraSync sync;
    sync.Restart(1000);
    EXPECT_FALSE(sync.Listening(1399, 1200, 1200)); // still quiet
    EXPECT_FALSE(sync.Listening(1500, 900, 1450));  // the front report is from before the restart
    EXPECT_TRUE(sync.Listening(1400, 1001, 1001));
}

// One jump per row: what the players do, in order, and what the landing answers each time.
TEST(JointLanding, HoldsTheFirstToArriveUntilNobodyIsAwaited) {
    using Step = JointLanding::Step;
    enum Op { Expect, Arrive, Start, Patience };
    struct Event {
        Op op;
        int side;   // 0 front, 1 rear
        uint64_t n; // Expect: arrivals so far; Arrive: the arrival's count
        bool told;  // Patience: libVLC has told an arrival in this run
        Step step;  // Arrive, Patience
    };
    struct Row {
        const char* what;
        std::vector<Event> events;
        bool heldFront;
        bool off;
    };
    const Row rows[] = {
        {"front first",
         {{Expect, 0, 0, false, Step::None},
          {Expect, 1, 0, false, Step::None},
          {Arrive, 0, 1, false, Step::Hold},
          {Arrive, 1, 1, false, Step::Release}},
         true,
         false},
        {"rear first",
         {{Expect, 0, 3, false, Step::None},
          {Expect, 1, 3, false, Step::None},
          {Arrive, 1, 4, false, Step::Hold},
          {Arrive, 0, 4, false, Step::Release}},
         false,
         false},
        {"an arrival counted before the jump",
         {{Expect, 0, 5, false, Step::None},
          {Expect, 1, 2, false, Step::None},
          {Arrive, 0, 5, false, Step::None},
          {Arrive, 1, 3, false, Step::Hold},
          {Arrive, 0, 6, false, Step::Release}},
         false,
         false},
        {"the rear never arrives",
         {{Expect, 0, 0, false, Step::None},
          {Expect, 1, 0, false, Step::None},
          {Start, 1, 0, false, Step::None},
          {Arrive, 0, 1, false, Step::Hold},
          {Patience, 0, 0, true, Step::Release}},
         true,
         false},
        {"a lone player (the other's file ended before the target)",
         {{Expect, 0, 0, false, Step::None}, {Arrive, 0, 1, false, Step::Release}},
         false,
         false},
        {"libVLC never tells an arrival",
         {{Expect, 0, 0, false, Step::None},
          {Expect, 1, 0, false, Step::None},
          {Start, 0, 0, false, Step::None},
          {Patience, 0, 0, false, Step::Release}},
         false,
         true},
        {"a player that never got going says nothing of libVLC",
         {{Expect, 0, 0, false, Step::None}, {Patience, 0, 0, false, Step::Release}},
         false,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        JointLanding landing;
        for (const Event& e : row.events) {
            switch (e.op) {
            case Expect:
                landing.Expect(e.side, e.n);
                break;
            case Arrive:
                EXPECT_EQ(landing.Arrived(e.side, e.n), e.step);
                break;
            case Start:
                landing.Started(e.side);
                break;
            case Patience:
                EXPECT_EQ(landing.PatienceOver(e.told), e.step);
                break;
            }
        }
        EXPECT_EQ(landing.Held(0), row.heldFront);
        EXPECT_EQ(landing.Off(), row.off);
        // Switched off, the next jump awaits nobody.
        landing.End();
        landing.Expect(0, 0);
        EXPECT_EQ(landing.Active(), !row.off);
    }
    EXPECT_FALSE(JointLanding::Awaits(5000, 4000)); // the file ends before the target
    EXPECT_TRUE(JointLanding::Awaits(3999, 4000));
    EXPECT_TRUE(JointLanding::Awaits(5000, 0)); // length not known yet
}

TEST(SeekScale, BarPositionsAndTargetsConvertBothWays) {
    struct Row {
        int64_t lengthMs;
        SeekScale scale;
        int bar;
        int64_t target;
        int barOfTarget;
    };
    const Row rows[] = {
        {60000, {0, 1000}, 0, 0, 0}, // the very start is a target like any other
        {60000, {0, 1000}, 500, 30000, 500},
        {60000, {20, 960}, 500, 62 * 480, 496}, // whole steps of length / span
        {60000, {20, 960}, 10, 62 * 10, 29},    // before the lead-in: counted from the bar's start
        {0, {20, 960}, 500, 0, 20},             // nothing loaded
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bar);
        int64_t target = SeekTargetMs(row.lengthMs, row.bar, row.scale);
        EXPECT_EQ(target, row.target);
        EXPECT_EQ(SeekBarPosition(target, row.lengthMs, row.scale), row.barOfTarget);
    }
}

TEST(SharedPendingSeek, ZeroIsATargetAndClearingLeavesNone) {
    SharedPendingSeek seek;
    EXPECT_FALSE(seek.Target());
    seek.Set(0);
    EXPECT_EQ(seek.Target(), std::optional<int64_t>(0));
    seek.Clear();
    EXPECT_FALSE(seek.IsPending());
}

TEST(PlaybackRates, StepsStopAtBothEndsAndNormalSpeedHasNoLabel) {
    struct Row {
        int index, direction, stepped;
        std::string label;
    };
    const Row rows[] = {
        {17, +1, 17, "4.0 X"},
        {0, -1, 0, "0.3 X"},
        {kNormalRateIndex - 1, +1, kNormalRateIndex, ""},
        {kNormalRateIndex, +1, kNormalRateIndex + 1, "1.2 X"},
    };
    for (const Row& row : rows) {
        int stepped = SteppedRateIndex(row.index, row.direction);
        EXPECT_EQ(stepped, row.stepped);
        EXPECT_EQ(std::string(RateLabelAt(stepped)), row.label);
    }
    EXPECT_EQ(RateAt(kNormalRateIndex), 1.0f);
}

TEST(SkipLanding, LandsOnTheLaterCamerasKeyPictureAtOrBeforeTheTarget) {
    // Key pictures a second apart; the rear's a picture (33.3 ms) later than the front's, as two
    // cameras started together give them; a long group of pictures of 4 s.
    const std::vector<double> front = {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000};
    const std::vector<double> rear = {0, 1033.3, 2033.3, 3033.3, 4033.3, 5033.3, 6033.3, 7033.3};
    const std::vector<double> sparse = {0, 4000, 8000};
    const std::vector<double> none;
    struct Row {
        const char* what;
        int64_t now, delta;
        const std::vector<double>*frontKeys, *rearKeys;
        int64_t landing;
    };
    const Row rows[] = {
        {"forward, the rear's key picture rounded up", 2500, 5000, &front, &rear, 7034},
        {"back", 7600, -5000, &front, &rear, 2034},
        {"the front's key after the rear's", 6010, 3000, &front, &rear, 9000},
        {"exactly on a key picture", 4000, 5000, &front, nullptr, 9000},
        {"rear file alone", 2500, 5000, nullptr, &rear, 7034},
        {"no key times known", 2500, 5000, nullptr, nullptr, 7500},
        {"empty key times", 2500, 5000, &none, &none, 7500},
        {"long group: would land more than half the skip early", 4500, 3000, &sparse, nullptr, 7500},
        {"back past the start", 3000, -5000, &front, &rear, -2000},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SkipLandingMs(row.now, row.delta, row.frontKeys, row.rearKeys), row.landing) << row.what;
}

} // namespace
