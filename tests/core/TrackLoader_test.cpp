#include "telemetry/TrackLoader.h"

#include "TelemetryTestBytes.h"
#include "telemetry/AviParser.h"

#include <gtest/gtest.h>

using namespace vemora;
using namespace vemora::testbytes;

namespace {

std::vector<RecordLocator> Table(std::initializer_list<int64_t> offsets) {
    std::vector<RecordLocator> t;
    uint32_t i = 0;
    for (int64_t o : offsets)
        t.push_back({i++, o});
    return t;
}

} // namespace

TEST(TrackLoader, InlineLayoutOfAviKeepsPayloadsRaw) {
    ScratchDir dir;
    Gps0 a, b;
    b.flags = 0;
    b.speed = 42;
    AviSpec spec;
    ByteVec gps;
    Append(gps, Gps0Record(a));
    Append(gps, Gps0Record(b));
    spec.beforeMovi = Chunk("gps0", gps);
    Append(spec.beforeMovi, Chunk("gsen", Samples({{1, -2, 3}, {-128, 0, 0}})));
    std::string path = dir.Write("REC.AVI", AviImage(spec));
    ContainerSummary summary;
    CDvrAviParser reader;
    reader.SetSummary(&summary);
    ASSERT_EQ(reader.Parse(path), 0);

    TelemetryTrack track;
    track.points.resize(3); // a previous recording's track is replaced
    ASSERT_TRUE(LoadTelemetryTrack(path, summary, track));
    EXPECT_TRUE(track.points.empty());
    EXPECT_FALSE(track.loading);
    EXPECT_EQ(track.gpsRate, 1.0); // no "gpsa": one record a second
    EXPECT_EQ(track.gsensorCount, 12u);
    ASSERT_EQ(RawGpsRecordCount(track), 2u);
    EXPECT_EQ(RawGpsRecord(track, 0).latitude, 2503.1234);
    EXPECT_TRUE(RawGpsRecord(track, 0).IsValid());
    EXPECT_FALSE(RawGpsRecord(track, 1).IsValid());
    EXPECT_EQ(RawGpsRecord(track, 1).speedKmh, 42);
    EXPECT_FALSE(RawGpsRecord(track, 2).IsValid()); // past the end: empty
    ASSERT_EQ(RawGSensorSampleCount(track), 2u);
    EXPECT_EQ(RawGSensorSample(track, 0), (GSensorSample{1, -2, 3}));
    EXPECT_EQ(RawGSensorSample(track, 1), (GSensorSample{-128, 0, 0}));
}

TEST(TrackLoader, InlinePayloadOutsideTheFileIsNotRead) {
    ScratchDir dir;
    std::string path = dir.Write("small.bin", ByteVec(100, 0));
    ContainerSummary summary;
    summary.gpsBoxOffset = 90;
    summary.gpsBoxSize = 32; // runs 22 bytes past the end
    summary.gsensorBoxOffset = ~0ull - 2;
    summary.gsensorBoxSize = 6; // offset + size wraps
    TelemetryTrack track;
    ASSERT_TRUE(LoadTelemetryTrack(path, summary, track));
    EXPECT_TRUE(track.rawGps.empty());
    EXPECT_TRUE(track.rawGsensor.empty());
    EXPECT_EQ(track.gsensorCount, 0u);

    EXPECT_FALSE(LoadTelemetryTrack(dir.Path() + "/missing.bin", summary, track));
}

TEST(TrackLoader, RecordTablesAndEffectiveRate) {
    ScratchDir dir;
    Fix f;
    ByteVec file;
    Append(file, Record88(f, Xyz{1, 1, 2, 3}));
    Append(file, Record88(f, Xyz{0}));
    std::string path = dir.Write("meta88.bin", file);
    ContainerSummary summary;
    summary.format = TelemetryFormat::MetaTrack88;
    summary.metaRecords88 = Table({0, 88});
    TelemetryTrack track;
    ASSERT_TRUE(LoadTelemetryTrack(path, summary, track));
    EXPECT_EQ(track.points.size(), 2u);
    EXPECT_EQ(track.samples.size(), 1u);
    EXPECT_EQ(track.gsensorCount, 1u);
    EXPECT_EQ(track.gpsRate, 5.0); // rate byte 0 for the metadata layouts

    summary.gpsRate = 0xFFFFFF02; // only the low byte counts
    ASSERT_TRUE(LoadTelemetryTrack(path, summary, track));
    EXPECT_EQ(track.gpsRate, 2.0);

    struct Case {
        TelemetryFormat format;
        double rate;
    } rates[] = {{TelemetryFormat::InlineBoxes, 1.0},
                 {TelemetryFormat::MetaTrack88, 5.0},
                 {TelemetryFormat::MetaTrack92, 5.0},
                 {TelemetryFormat::FileTrailer, 5.0},
                 {TelemetryFormat::GpsIndexBox, 1.0}};
    for (const auto& c : rates) {
        ContainerSummary s;
        s.format = c.format;
        EXPECT_EQ(EffectiveGpsRate(s), c.rate) << static_cast<int>(c.format);
    }
}

TEST(TrackLoader, TrailerWithAndWithoutMark) {
    ScratchDir dir;
    ContainerSummary summary;
    summary.format = TelemetryFormat::FileTrailer;
    summary.gpsRate = 1;
    TelemetryTrack track;
    ASSERT_TRUE(
        LoadTelemetryTrack(dir.Write("t.bin", TrailerFile({Gps0{}, Gps0{}}, {{1, 1, 1}})), summary, track));
    EXPECT_EQ(track.points.size(), 2u);
    EXPECT_EQ(track.gsensorCount, 1u);
    EXPECT_EQ(track.gpsRate, 1.0);

    // Without its mark the recording still loads, with no telemetry.
    ASSERT_TRUE(
        LoadTelemetryTrack(dir.Write("n.bin", TrailerFile({Gps0{}}, {{1, 1, 1}}, "xxxx")), summary, track));
    EXPECT_TRUE(track.points.empty());
    EXPECT_TRUE(track.samples.empty());
    EXPECT_EQ(track.gsensorCount, 0u);
}

TEST(TrackLoader, UnknownFormatLoadsNothing) {
    ContainerSummary summary;
    summary.format = static_cast<TelemetryFormat>(7);
    TelemetryTrack track;
    track.samples.resize(2);
    EXPECT_FALSE(LoadTelemetryTrack("/dev/null", summary, track));
    EXPECT_TRUE(track.samples.empty());
    EXPECT_FALSE(track.loading);
}
