#include "telemetry/RecordDecoders.h"

#include "TelemetryTestBytes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vemora;
using namespace vemora::testbytes;

TEST(RecordDecoders, RationalCoordinatesUseSinglePrecision) {
    // 250312340 is 250312336 in single precision; a = 2503.1233, not 2503.1234.
    auto lat = RationalNmeaToDegrees(250312340, 100000);
    ASSERT_TRUE(lat);
    EXPECT_NEAR(*lat, 25.0520549, 5e-8);
    EXPECT_GT(std::fabs(*lat - 25.052057), 1e-6); // the double-precision result would differ
    auto south = RationalNmeaToDegrees(-250312340, 100000);
    ASSERT_TRUE(south);
    EXPECT_NEAR(*south, -25.0520549, 5e-8); // keeps its sign; no hemisphere field
    EXPECT_NEAR(*RationalNmeaToDegrees(-7400, 1), -74.0, 1e-9);
    EXPECT_NEAR(*RationalNmeaToDegrees(3030, 1), 30.5, 1e-9);
}

TEST(RecordDecoders, ZeroDenominatorGivesNoPosition) {
    EXPECT_FALSE(RationalNmeaToDegrees(2503, 0));
    EXPECT_FALSE(RationalNmeaToDegrees(0, 0));
    Fix f;
    f.latDen = 0;
    RationalFix r{
        f.valid, f.latNum, f.latDen, f.lonNum, f.lonDen, f.knotsNum, f.knotsDen, {24, 5, 17, 1, 2, 3}, 9};
    GpsPoint p = BuildPoint(r);
    EXPECT_FALSE(p.IsValid());
    EXPECT_EQ(p.latitude, 0.0);
    EXPECT_EQ(p.dateTime, DateTime6{});
}

TEST(RecordDecoders, KnotsRule) {
    struct Case {
        int32_t num, den;
        uint16_t kmh;
    } cases[] = {
        {10, 1, 14},               // trunc(18.52) = 18, less 4
        {2, 1, 0},                 // trunc(3.704) = 3
        {22, 10, 0},               // trunc(4.0744) = 4: exactly 4 is 0
        {27, 10, 1},               // trunc(5.0004) = 5
        {0, 1, 0},     {10, 0, 0}, // no quotient: standing
        {100, 1, 181},             // trunc(185.2) = 185
    };
    for (const auto& c : cases)
        EXPECT_EQ(KnotsToShownKmh(c.num, c.den), c.kmh) << c.num << "/" << c.den;
}

TEST(RecordDecoders, Record88BuildsPointAndSample) {
    Fix f;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(DecodeRecord88Bytes(Record88(f, Xyz{1, 0x0140, -3, 64}), points, samples));
    ASSERT_EQ(points.size(), 1u);
    const GpsPoint& p = points[0];
    EXPECT_NEAR(p.latitude, 25.0520549, 5e-8);
    EXPECT_NEAR(p.longitude, 121.50205, 1e-4);
    EXPECT_EQ(p.speedKmh, 14);
    EXPECT_EQ(p.HeadingDegrees(), 90);
    EXPECT_EQ(p.flags, 1);
    EXPECT_EQ(p.reserved, 0);
    // UTC 10:20:30 in the China box is 18:20:30 local.
    EXPECT_EQ(p.dateTime, (DateTime6{24, 5, 17, 18, 20, 30}));
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0], (GSensorSample{0x0140, -3, 64}));

    // G-sensor part not valid: a point but no sample.
    ASSERT_TRUE(DecodeRecord88Bytes(Record88(f, Xyz{0, 5, 5, 5}), points, samples));
    EXPECT_EQ(points.size(), 2u);
    EXPECT_EQ(samples.size(), 1u);
}

TEST(RecordDecoders, InvalidFixKeepsItsSlotAsZeroPoint) {
    Fix f;
    f.valid = 0;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(DecodeRecord92Bytes(Record92(f, Xyz{1, 1, 2, 3}), points, samples));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_FALSE(points[0].IsValid());
    EXPECT_EQ(points[0].latitude, 0.0);
    EXPECT_EQ(points[0].longitude, 0.0);
    EXPECT_EQ(points[0].speedKmh, 0);
    EXPECT_FALSE(points[0].HasTime());
    EXPECT_EQ(samples.size(), 1u);
}

TEST(RecordDecoders, WestAndSouthPositionsShiftByTheirZone) {
    Fix f;
    f.latNum = 4042; // 40 deg 42' N
    f.latDen = 1;
    f.lonNum = -7400; // 74 deg W
    f.lonDen = 1;
    f.year = 24, f.month = 1, f.day = 1, f.hour = 2, f.minute = 0, f.second = 0;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(DecodeRecord92Bytes(Record92(f, Xyz{0}), points, samples));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_NEAR(points[0].latitude, 40.7, 1e-9);
    EXPECT_NEAR(points[0].longitude, -74.0, 1e-9);
    EXPECT_EQ(points[0].dateTime, (DateTime6{23, 12, 31, 21, 0, 0})); // zone -5
}

TEST(RecordDecoders, Record92OfWrongTypeOrShortAddsNothing) {
    Fix f;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    EXPECT_FALSE(DecodeRecord92Bytes(Record92(f, Xyz{1, 1, 1, 1}, 9), points, samples));
    ByteVec shortRecord = Record92(f, Xyz{});
    shortRecord.resize(91);
    EXPECT_FALSE(DecodeRecord92Bytes(shortRecord, points, samples));
    ByteVec short88 = Record88(f, Xyz{});
    short88.resize(87);
    EXPECT_FALSE(DecodeRecord88Bytes(short88, points, samples));
    EXPECT_TRUE(points.empty());
    EXPECT_TRUE(samples.empty());
}

TEST(RecordDecoders, Record156FillsEverySampleSlot) {
    Fix f;
    const Xyz e0{1, 10, 11, 12}, e1{0, 20, 21, 22}, e2{1, 30, 31, 32}, e3{1, 40, 41, 42}, e4{1, 50, 51, 52};
    struct Case {
        const char* what;
        std::vector<Xyz> entries;
        uint16_t count;
        std::vector<GSensorSample> expected;
    } cases[] = {
        {"valid ones first, then entry i-1 as stored",
         {e0, e1, e2},
         3,
         {{10, 11, 12}, {30, 31, 32}, {20, 21, 22}}},
        {"no entries", {e0}, 0, {}},
        {"none valid: zeros, then entry 0", {e1, e1}, 2, {{0, 0, 0}, {20, 21, 22}}},
        {"count above 5 reads 5",
         {e0, e2, e3, e4, e0},
         7,
         {{10, 11, 12}, {30, 31, 32}, {40, 41, 42}, {50, 51, 52}, {10, 11, 12}}},
    };
    for (const auto& c : cases) {
        std::vector<GpsPoint> points;
        std::vector<GSensorSample> samples;
        ASSERT_TRUE(DecodeRecord156Bytes(Record156(f, c.entries, c.count), points, samples)) << c.what;
        EXPECT_EQ(points.size(), 1u) << c.what;
        EXPECT_EQ(samples, c.expected) << c.what;
    }
}

TEST(RecordDecoders, Record156WithWrongSizeOrTypeIsSkipped) {
    Fix f;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    EXPECT_FALSE(DecodeRecord156Bytes(Record156(f, {Xyz{1, 1, 1, 1}}, 1, 10, 139), points, samples));
    EXPECT_FALSE(DecodeRecord156Bytes(Record156(f, {Xyz{1, 1, 1, 1}}, 1, 9), points, samples));
    ByteVec cut = Record156(f, {}, 0);
    cut.resize(155);
    EXPECT_FALSE(DecodeRecord156Bytes(cut, points, samples));
    EXPECT_TRUE(points.empty());
    EXPECT_TRUE(samples.empty());
}

TEST(RecordDecoders, TrailerRecordKeepsStoredFieldsAndShiftsDate) {
    Gps0 g;
    g.reserved = -17;
    g.speed = 77;
    g.heading = 100;
    g.dt = {24, 2, 28, 20, 10, 0};
    GpsPoint p = DecodeTrailerGpsRecord(Gps0Record(g));
    EXPECT_NEAR(p.latitude, 25.052057, 1e-6); // 2503.1234 stored as a double
    EXPECT_NEAR(p.longitude, 121.502057, 1e-6);
    EXPECT_EQ(p.reserved, -17);
    EXPECT_EQ(p.speedKmh, 77); // already km/h
    EXPECT_EQ(p.HeadingDegrees(), 200);
    EXPECT_EQ(p.dateTime, (DateTime6{24, 2, 29, 4, 10, 0}));

    g.flags = 0;
    GpsPoint none = DecodeTrailerGpsRecord(Gps0Record(g));
    EXPECT_FALSE(none.IsValid());
    EXPECT_EQ(none.reserved, 0);
    EXPECT_EQ(none.latitude, 0.0);

    g.flags = 1;
    g.lat = std::nan("");
    EXPECT_FALSE(DecodeTrailerGpsRecord(Gps0Record(g)).IsValid());
    g.lat = 1e300;
    EXPECT_FALSE(DecodeTrailerGpsRecord(Gps0Record(g)).IsValid());
}

TEST(RecordDecoders, StoredRecordParsesAsIs) {
    Gps0 g;
    g.lat = -2503.5;
    g.speed = 300;
    g.flags = 0x02;
    GpsPoint p = ParseGpsRecord(Gps0Record(g));
    EXPECT_EQ(p.latitude, -2503.5);
    EXPECT_EQ(p.speedKmh, 300);
    EXPECT_FALSE(p.IsValid()); // bit 0 clear
    EXPECT_EQ(p.dateTime, g.dt);
}
