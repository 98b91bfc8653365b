// The drive summary over made-up fixes: distance only while moving, across a tunnel without fix,
// a glitch far away left out, a drive across midnight.
#include "library/DriveSummary.h"
#include "map/NearestPlace.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vemora {
namespace {

constexpr double kLat = 25.0;
constexpr double kLon = 121.5;
// Metres per degree of longitude at kLat on the sphere GreatCircleMetres uses.
const double kMetresPerLonDegree = GreatCircleMetres(kLat, kLon, kLat, kLon + 1.0);

// A fix t seconds after base, x metres east of the start, at speed km/h.
DriveFix FixAt(int64_t baseMs, int t, double x, double speed, bool valid = true) {
    return DriveFix{baseMs + t * 1000LL, kLat, kLon + x / kMetresPerLonDegree, speed, valid};
}

struct SummaryCase {
    const char* name;
    std::function<std::vector<DriveFix>(int64_t baseMs)> fixes;
    std::vector<std::pair<int, int>> recordings; // start offset s from base, length s
    double distanceM;
    int64_t movingMs;
    double maxSpeedKmh;
    bool hasPositions;
    double endX; // metres east of the start where the drive ends
};

std::vector<DriveFix> Steady(int64_t base, int from, int to, double speed) {
    std::vector<DriveFix> fixes;
    for (int t = from; t < to; ++t)
        fixes.push_back(FixAt(base, t, t * speed / 3.6, speed));
    return fixes;
}

const SummaryCase kCases[] = {
    {"steady 36 km/h for a minute",
     [](int64_t b) { return Steady(b, 0, 60, 36); },
     {{0, 60}},
     590,
     59000,
     36,
     true,
     590},
    {"parked: the fix drifts at 0-3 km/h",
     [](int64_t b) {
         std::vector<DriveFix> fixes;
         for (int t = 0; t < 600; ++t)
             fixes.push_back(FixAt(b, t, 25 * std::sin(t * 0.7), t % 4));
         return fixes;
     },
     {{0, 600}},
     0,
     0,
     3,
     true,
     25 * std::sin(599 * 0.7)},
    {"a tunnel: a minute without fix",
     [](int64_t b) {
         std::vector<DriveFix> fixes = Steady(b, 0, 30, 36);
         for (int t = 30; t < 90; ++t)
             fixes.push_back(DriveFix{b + t * 1000LL, 0, 0, 0, false});
         for (DriveFix f : Steady(b, 90, 120, 36))
             fixes.push_back(f);
         return fixes;
     },
     {{0, 120}},
     1190,
     119000,
     36,
     true,
     1190},
    {"a glitch fix 50 km away",
     [](int64_t b) {
         std::vector<DriveFix> fixes = Steady(b, 0, 60, 36);
         fixes[30].latitude += 0.45;
         return fixes;
     },
     {{0, 60}},
     590,
     59000,
     36,
     true,
     590},
    {"a stop at the lights counts neither distance nor time",
     [](int64_t b) {
         std::vector<DriveFix> fixes = Steady(b, 0, 30, 36);
         for (int t = 30; t < 60; ++t)
             fixes.push_back(FixAt(b, t, 300, 0));
         for (int t = 60; t < 90; ++t)
             fixes.push_back(FixAt(b, t, 300 + (t - 60) * 10, 36));
         return fixes;
     },
     {{0, 90}},
     580,
     58000,
     36,
     true,
     590},
    {"no fix at all",
     [](int64_t) { return std::vector<DriveFix>{}; },
     {{0, 60}, {60, 61}},
     0,
     0,
     0,
     false,
     0},
};

TEST(DriveSummary, CountsDistanceOnlyWhileMoving) {
    const int64_t base = testing::LocalSeconds(2026, 3, 14, 9, 0, 0) * 1000;
    for (const SummaryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<DriveRecording> recordings;
        for (auto [start, length] : c.recordings)
            recordings.push_back(DriveRecording{base / 1000 + start, length * 1000LL});
        const std::vector<DriveFix> fixes = c.fixes(base);
        const DriveSummary s = SummariseDrive(recordings, fixes, IncidentCounts{1, 2}, nullptr);
        EXPECT_NEAR(s.distanceM, c.distanceM, 0.01 * c.distanceM + 0.5);
        EXPECT_EQ(s.movingMs, c.movingMs);
        EXPECT_DOUBLE_EQ(s.maxSpeedKmh, c.maxSpeedKmh);
        if (c.movingMs > 0) {
            EXPECT_NEAR(s.avgSpeedKmh, c.distanceM / (c.movingMs / 1000.0) * 3.6, 0.5);
        }
        EXPECT_EQ(s.recordings, static_cast<int>(c.recordings.size()));
        EXPECT_EQ(s.incidents, (IncidentCounts{1, 2}));
        ASSERT_EQ(s.start.has_value(), c.hasPositions);
        ASSERT_EQ(s.end.has_value(), c.hasPositions);
        EXPECT_LE(s.track.size(), kMaxTrackPoints);
        if (c.hasPositions) {
            EXPECT_NEAR(s.start->longitude, kLon, 1e-9);
            EXPECT_NEAR(GreatCircleMetres(kLat, kLon + c.endX / kMetresPerLonDegree, s.end->latitude,
                                          s.end->longitude),
                        0, 1);
            for (const TrackPoint& p : s.track) // the glitch is in no line on the map
                EXPECT_NEAR(p.latitude, kLat, 1e-6);
        }
    }
}

TEST(DriveSummary, DriveAcrossMidnightKeepsItsStartDayAndLength) {
    const int64_t start = testing::LocalSeconds(2026, 12, 31, 23, 59, 0);
    const std::vector<DriveRecording> recordings = {{start, 60500}, {start + 60, 60250}};
    const DriveSummary s = SummariseDrive(recordings, Steady(start * 1000, 0, 121, 36), {}, nullptr);
    EXPECT_EQ(s.startTime, start);
    EXPECT_EQ(s.durationMs, 120250);
    EXPECT_EQ(s.endTime, start + 120);
    EXPECT_NEAR(s.distanceM, 1200, 12);
    EXPECT_EQ(s.movingMs, 120000);
}

TEST(DriveSummary, NamesTheTownWithinTwentyKilometres) {
    const PlaceIndex places({Place{"Banqiao", "TW", kLat, kLon + 0.05}});
    const std::vector<DriveRecording> recordings = {{0, 1000}};
    std::vector<DriveFix> fixes = {FixAt(0, 0, 0, 30), FixAt(0, 1200, 0, 30)};
    fixes[1].longitude = kLon + 0.5; // 50 km east in 20 minutes: no town known there
    const DriveSummary s = SummariseDrive(recordings, fixes, {}, &places);
    ASSERT_TRUE(s.start && s.end);
    EXPECT_EQ(s.start->place, "Banqiao, TW");
    EXPECT_EQ(s.end->place, "");
}

TEST(DriveSummary, TrackIsThinnedEvenlyKeepingBothEnds) {
    std::vector<TrackPoint> points;
    for (int i = 0; i < 5000; ++i)
        points.push_back(TrackPoint{double(i), 0});
    const std::vector<TrackPoint> thin = SimplifyTrack(points, kMaxTrackPoints);
    ASSERT_EQ(thin.size(), kMaxTrackPoints);
    EXPECT_EQ(thin.front(), points.front());
    EXPECT_EQ(thin.back(), points.back());
}

} // namespace
} // namespace vemora
