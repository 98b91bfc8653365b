#include "telemetry/TrackRecordReader.h"

#include "TelemetryTestBytes.h"
#include "platform/Diagnostics.h"

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

// Collects diagnostics for the duration of a test.
struct DiagCapture {
    std::string text;
    DiagCapture() {
        SetDiagnosticSink([this](std::string_view line) { text += line; });
    }
    ~DiagCapture() { SetDiagnosticSink({}); }
};

} // namespace

TEST(TrackRecordReader, RecordsNearTheEndOrOutsideTheFileAreSkipped) {
    ScratchDir dir;
    Fix f;
    ByteVec file(40, 0);
    Append(file, Record88(f, Xyz{1, 1, 2, 3})); // at 40
    Append(file, Record88(f, Xyz{1, 4, 5, 6})); // at 128
    file.resize(file.size() - 10);              // the second record is cut
    std::string path = dir.Write("f1.bin", file);

    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(reader.readGpsTrackInfo(path, TelemetryFormat::MetaTrack88, Table({40, 128, -4, 1LL << 40}),
                                        points, samples));
    EXPECT_EQ(points.size(), 1u);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0], (GSensorSample{1, 2, 3}));
}

TEST(TrackRecordReader, Record156MustLieWhollyInsideTheFile) {
    ScratchDir dir;
    Fix f;
    ByteVec file(8, 0);
    Append(file, Record156(f, {Xyz{1, 1, 1, 1}}, 1));
    Append(file, Record156(f, {Xyz{1, 2, 2, 2}}, 1));
    // 150 bytes of the second record remain: the body (140) is there, the whole record is not.
    file.resize(file.size() - 6);
    std::string path = dir.Write("f4.bin", file);
    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(
        reader.readGpsTrackInfo(path, TelemetryFormat::GpsIndexBox, Table({8, 164}), points, samples));
    EXPECT_EQ(points.size(), 1u);
    EXPECT_EQ(samples, (std::vector<GSensorSample>{{1, 1, 1}}));
}

TEST(TrackRecordReader, Format92TableDecodesInOrderAndSkipsBadType) {
    ScratchDir dir;
    Fix a, b;
    b.latNum = 3030;
    b.latDen = 1;
    ByteVec file(2, 0);
    Append(file, Record92(a, Xyz{1, 1, 1, 1}));
    Append(file, Record92(a, Xyz{1, 9, 9, 9}, 9));
    Append(file, Record92(b, Xyz{0}));
    std::string path = dir.Write("f2.bin", file);
    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(
        reader.readGpsTrackInfo(path, TelemetryFormat::MetaTrack92, Table({2, 94, 186}), points, samples));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_NEAR(points[1].latitude, 30.5, 1e-9);
    EXPECT_EQ(samples.size(), 1u);
}

TEST(TrackRecordReader, OpenFailureLeavesListsAlone) {
    CTrackRecordReader reader;
    std::vector<GpsPoint> points(2);
    std::vector<GSensorSample> samples(3);
    EXPECT_FALSE(reader.readGpsTrackInfo("/nonexistent/file", TelemetryFormat::MetaTrack88, Table({0}),
                                         points, samples));
    EXPECT_FALSE(reader.ErrorText().empty());
    EXPECT_FALSE(reader.ReadTrailer("/nonexistent/file", points, samples));
    EXPECT_EQ(points.size(), 2u);
    EXPECT_EQ(samples.size(), 3u);
}

TEST(TrackRecordReader, TrailerWithMark) {
    ScratchDir dir;
    Gps0 valid, invalid;
    invalid.flags = 0;
    std::string path = dir.Write("t.bin", TrailerFile({valid, invalid, valid}, {{1, 2, 3}, {-128, 0, 5}}));
    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(reader.ReadTrailer(path, points, samples));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_TRUE(points[0].IsValid());
    EXPECT_FALSE(points[1].IsValid());
    EXPECT_NEAR(points[2].latitude, 25.052057, 1e-6);
    EXPECT_EQ(samples, (std::vector<GSensorSample>{{1, 2, 3}, {-128, 0, 5}}));
}

TEST(TrackRecordReader, TrailerWithoutMarkOrTooShortYieldsNothing) {
    ScratchDir dir;
    Gps0 g;
    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    EXPECT_FALSE(
        reader.ReadTrailer(dir.Write("nomark.bin", TrailerFile({g}, {{1, 1, 1}}, "nomx")), points, samples));
    ByteVec shortFile = TrailerFile({g}, {{1, 1, 1}}, "noml", 0);
    shortFile.resize(5119);
    EXPECT_FALSE(reader.ReadTrailer(dir.Write("short.bin", shortFile), points, samples));
    // The trailer must start exactly 5120 bytes before the end.
    ByteVec moved = TrailerFile({g}, {{1, 1, 1}});
    moved.insert(moved.begin() + 1000, 4, 0);
    moved.resize(moved.size() - 4);
    EXPECT_FALSE(reader.ReadTrailer(dir.Write("moved.bin", moved), points, samples));
    EXPECT_TRUE(points.empty());
    EXPECT_TRUE(samples.empty());
}

TEST(TrackRecordReader, TrailerBoxClaimingMoreThanTheFileReadsOnlyWhatIsThere) {
    ScratchDir dir;
    ByteVec name(40, 0);
    PutText(name, 32, "noml");
    ByteVec trailer = Box("name", name);
    Append(trailer, Box("gpsa", ByteVec{1, 0, 0, 0}));
    ByteVec gps0 = Box("gps0", Gps0Record(Gps0{}));
    PutBE32(gps0.data(), 5100 + 8); // claims 5100 bytes; the file ends 5052 bytes after the payload start
    Append(trailer, gps0);
    trailer.resize(5120, 0);
    ByteVec file(100, 0);
    Append(file, trailer);
    CTrackRecordReader reader;
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    ASSERT_TRUE(reader.ReadTrailer(dir.Write("long.bin", file), points, samples));
    // (5120 - 48 - 12 - 8) / 32 records are inside the file; the first is the real one.
    EXPECT_EQ(points.size(), (5120u - 48 - 12 - 8) / 32);
    EXPECT_TRUE(points[0].IsValid());
    EXPECT_TRUE(samples.empty());
}

TEST(TrackRecordReader, FindInTrailerReportsWhyItStopped) {
    ScratchDir dir;
    ByteVec trailer = Box("free", ByteVec(16, 0));
    ByteVec big = Box("huge", {});
    PutBE32(big.data(), 6000 + 8);
    Append(trailer, big);
    trailer.resize(5120, 0);
    std::string path = dir.Write("find.bin", trailer);
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    DiagCapture diag;
    CTrackRecordReader reader;
    EXPECT_FALSE(reader.ReadTrailer(path, points, samples));
    EXPECT_NE(diag.text.find("Get end uiSize > range \n"), std::string::npos);
}
