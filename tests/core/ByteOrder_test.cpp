#include "platform/ByteOrder.h"
#include "telemetry/TelemetryModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace vemora;

TEST(ByteOrder, ReadsBothOrdersAndRefusesShortBuffers) {
    std::vector<uint8_t> b{0x01, 0x02, 0x03, 0x04, 0x05};
    EXPECT_EQ(*BE32(b, 0), 0x01020304u);
    EXPECT_EQ(*LE32(b, 1), 0x05040302u);
    EXPECT_EQ(*BE16(b, 3), 0x0405u);
    EXPECT_FALSE(BE32(b, 2).has_value());
    EXPECT_FALSE(U8(b, 5).has_value());
    EXPECT_FALSE(LE64(b, SIZE_MAX - 2).has_value()); // offset + count must not wrap
}

TEST(NmeaToDegrees, FractionIsReadAsMinutes) {
    EXPECT_EQ(NmeaToDegrees(0.0), 0.0);
    EXPECT_NEAR(NmeaToDegrees(-25.5), -25.833333, 1e-6);
    EXPECT_NEAR(NmeaToDegrees(25.031234), 25.052057, 1e-6);
}

TEST(TelemetryModel, GSensorCountUsesLowByteOnly) {
    EXPECT_EQ(GSensorSample::Count(0x0140), 64);
    EXPECT_EQ(GSensorSample::Count(static_cast<int16_t>(0xFF80)), -128);
    GpsPoint p;
    p.flags = 0x02;
    EXPECT_FALSE(p.IsValid());
    EXPECT_EQ(GSensorInfo::FromWord(kFixedGSensorInfoWord).bytes, (std::array<uint8_t, 4>{5, 8, 2, 1}));
}
