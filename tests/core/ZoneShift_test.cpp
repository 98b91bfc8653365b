#include "telemetry/ZoneShift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vemora;

TEST(EstimateZone, ChinaBoxesAndLongitudeRounding) {
    struct Case {
        double lat, lon;
        int zone;
    } cases[] = {
        {25.05, 121.5, 8}, // first box
        {45.0, 130.0, 8},  // second box (north-east)
        {17.9, 75.0, 8},   // box corner, inclusive
        {17.8, 100.0, 7},  // just south of the box: n = 100, 100 mod 15 = 10 -> 6 + 1
        {41.4, 130.0, 9},  // just south of the second box: n = 130, 130 mod 15 = 10 -> 8 + 1
        {40.7, -74.0, -5}, // n = 74, 74 mod 15 = 14 -> 4 + 1, west
        {51.5, 0.1, 0},    // n = 0
        {35.7, 139.7, 9},  // n = 140, 140 mod 15 = 5 -> 9
        {0, 7.4, 0},       // n = 7: 7 mod 15 = 7 is not above 7.5
        {0, 7.6, 1},       // n = 8
        {0, 22.4, 1},      // n = 22: remainder 7 stays
        {0, 22.6, 2},      // n = 23: remainder 8 rounds up
        {0, -7.6, -1},     // n = trunc(8.1) = 8
        {0, -180.0, -12},  // n = 180
        {0, 0.0000005, 0}, // not east enough to count as east
    };
    for (const auto& c : cases)
        EXPECT_EQ(EstimateZone(c.lat, c.lon), c.zone) << c.lat << ", " << c.lon;
}

TEST(EstimateZone, DamagedPositionsGiveAZone) {
    EXPECT_EQ(EstimateZone(std::nan(""), 10.0), 0);
    EXPECT_EQ(EstimateZone(10.0, std::numeric_limits<double>::infinity()), 0);
    // Far off the globe: defined and finite, the shift clamps it later.
    EXPECT_GT(EstimateZone(0, 1e300), 13);
}

namespace {
DateTime6 D(int y, int mo, int d, int h, int mi = 10, int s = 0) {
    return DateTime6{uint8_t(y), uint8_t(mo), uint8_t(d), uint8_t(h), uint8_t(mi), uint8_t(s)};
}
} // namespace

TEST(ShiftDateByZone, MovesAcrossDayMonthAndYearEnds) {
    struct Case {
        DateTime6 in;
        int zone;
        DateTime6 out;
    } cases[] = {
        {D(24, 5, 17, 10, 20, 30), 8, D(24, 5, 17, 18, 20, 30)},
        {D(24, 2, 28, 20), 8, D(24, 2, 29, 4)}, // leap year
        {D(23, 2, 28, 20), 8, D(23, 3, 1, 4)},  // not a leap year
        {D(24, 2, 29, 20), 8, D(24, 3, 1, 4)},
        {D(24, 4, 30, 20), 8, D(24, 5, 1, 4)},  // 30-day month
        {D(24, 5, 30, 20), 8, D(24, 5, 31, 4)}, // 31-day month: day 30 just increases
        {D(24, 1, 31, 20), 8, D(24, 2, 1, 4)},
        {D(23, 12, 31, 20), 8, D(24, 1, 1, 4)},  // year end
        {D(24, 1, 1, 2), -5, D(23, 12, 31, 21)}, // back over the year end
        {D(24, 3, 1, 2), -5, D(24, 2, 29, 21)},  // back into a leap February
        {D(23, 3, 1, 2), -5, D(23, 2, 28, 21)},  // back into a common February
        {D(24, 5, 1, 2), -5, D(24, 4, 30, 21)},  // back into a 30-day month
        {D(24, 8, 1, 2), -5, D(24, 7, 31, 21)},  // back into a 31-day month
        {D(24, 2, 1, 2), -5, D(24, 1, 31, 21)},
        {D(24, 5, 17, 2), -5, D(24, 5, 16, 21)},
        {D(24, 5, 17, 23), 1, D(24, 5, 18, 0)}, // exactly 24
        {D(24, 5, 17, 0), 0, D(24, 5, 17, 0)},
    };
    for (const auto& c : cases) {
        DateTime6 got = ShiftDateByZone(c.in, c.zone);
        EXPECT_EQ(got, c.out) << int(c.in[0]) << "-" << int(c.in[1]) << "-" << int(c.in[2]) << " "
                              << int(c.in[3]) << " zone " << c.zone;
    }
}

TEST(ShiftDateByZone, ZoneIsLimitedAndMissingDatesStayEmpty) {
    EXPECT_EQ(ShiftDateByZone(D(24, 5, 17, 0), 40), D(24, 5, 17, 13));
    EXPECT_EQ(ShiftDateByZone(D(24, 5, 17, 23), -40), D(24, 5, 17, 11));
    EXPECT_EQ(ShiftDateByZone(D(0, 5, 17, 10), 8), DateTime6{});
    EXPECT_EQ(ShiftDateByZone(D(24, 0, 17, 10), 8), DateTime6{});
    EXPECT_EQ(ShiftDateByZone(D(24, 5, 0, 10), 8), DateTime6{});
}

TEST(ShiftDateByZone, LeapYearRuleOnTheYearByte) {
    EXPECT_TRUE(IsLeapYearByte(24));
    EXPECT_FALSE(IsLeapYearByte(23));
    EXPECT_FALSE(IsLeapYearByte(100)); // 2100 by the byte rule as well
    EXPECT_TRUE(IsLeapYearByte(0));
}
