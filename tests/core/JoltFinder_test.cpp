// The jolt rule on generated G-sensor data: a hard-braking spike in a noisy drive stands out,
// an ordinary drive has none, and the jumps land before the jolt.
#include "telemetry/JoltFinder.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

using namespace vemora;

TEST(JoltFinderTest, AHardBrakeStandsOutOfTheDrivesNoise) {
    struct Case {
        bool hardBrake;
        int seconds;
        size_t jolts;
    };
    for (Case c : {Case{true, 60, 1}, Case{false, 60, 0}, Case{true, 600, 1}, Case{false, 600, 0}}) {
        fixture::DriveSimulation drive;
        drive.hardBrake = c.hardBrake;
        const int rate = 10;
        auto samples = fixture::SimulateGsensor(drive, c.seconds, rate);
        std::vector<int64_t> jolts = FindJolts(samples, rate / 1000.0, 8.0);
        SCOPED_TRACE(testing::Message() << "hard brake " << c.hardBrake << ", " << c.seconds << " s");
        ASSERT_EQ(jolts.size(), c.jolts);
        if (c.jolts) {
            // The spike begins half-way through the drive.
            EXPECT_NEAR(static_cast<double>(jolts[0]), c.seconds * 500.0, 1000.0);
        }
    }
}

TEST(JoltFinderTest, JumpsLandBeforeTheNextOrPreviousJolt) {
    const std::vector<int64_t> jolts = {10000, 40000};
    EXPECT_EQ(NextJoltTarget(jolts, 0), 8000);
    EXPECT_EQ(NextJoltTarget(jolts, 8000), 38000); // standing at a jump target moves on
    EXPECT_EQ(NextJoltTarget(jolts, 38000), -1);
    EXPECT_EQ(PreviousJoltTarget(jolts, 40500), 8000); // just after a jolt: the one before it
    EXPECT_EQ(PreviousJoltTarget(jolts, 45000), 38000);
    EXPECT_EQ(PreviousJoltTarget(jolts, 10500), -1);
    EXPECT_TRUE(FindJolts({}, 0.01, 8.0).empty());
}
