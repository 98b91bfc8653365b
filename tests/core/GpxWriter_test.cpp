#include "map/GpxWriter.h"
#include "telemetry/ZoneShift.h"
#include "tests/core/KmlTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vemora {
namespace {

using testing::AppendRawRecord;
using testing::LocalWallClock;
using testing::MakePoint;
using testing::ReadWholeFile;
using testing::RequireTool;
using testing::RunTool;
using testing::ScratchFolder;
using testing::ShellQuote;
using testing::SplitLines;

constexpr const char* kPython = "/usr/bin/python3";
constexpr const char* kGpsbabel = "/usr/bin/gpsbabel";

ExportPoint PointAt(double latitude, double longitude, std::array<uint8_t, 6> dateTime) {
    ExportPoint p;
    p.latitude = latitude;
    p.longitude = longitude;
    p.dateTime = dateTime;
    return p;
}

GpsPoint TimedPoint(double latitude, double longitude, uint16_t speedKmh, uint8_t headingHalf,
                    std::array<uint8_t, 6> dateTime) {
    GpsPoint p = MakePoint(latitude, longitude, true);
    p.speedKmh = speedKmh;
    p.headingHalf = headingHalf;
    p.dateTime = dateTime;
    return p;
}

TEST(GpxTime, DecodedPointsAreMovedBackByTheEstimatedZone) {
    struct Case {
        TelemetryFormat format;
        double latitude, longitude;
        std::array<uint8_t, 6> shown;
        const char* utc;
    };
    const Case cases[] = {
        {TelemetryFormat::MetaTrack92, 35.7, 139.7, {24, 3, 5, 16, 8, 9}, "2024-03-05T07:08:09Z"}, // zone 9
        {TelemetryFormat::MetaTrack88, 25.05, 121.5, {24, 2, 29, 4, 10, 0}, "2024-02-28T20:10:00Z"},
        {TelemetryFormat::GpsIndexBox, 40.7, -74.0, {23, 12, 31, 21, 0, 0}, "2024-01-01T02:00:00Z"},
        {TelemetryFormat::FileTrailer, 51.5, 0.1, {24, 6, 1, 0, 0, 0}, "2024-06-01T00:00:00Z"},
        // Format 0 records are taken as recorded.
        {TelemetryFormat::InlineBoxes, 35.7, 139.7, {24, 3, 5, 16, 8, 9}, "2024-03-05T16:08:09Z"},
    };
    for (const Case& c : cases) {
        auto utc = PointUtcTime(c.format, PointAt(c.latitude, c.longitude, c.shown));
        ASSERT_TRUE(utc.has_value()) << c.utc;
        EXPECT_EQ(IsoUtcText(*utc), c.utc);
    }
}

TEST(GpxTime, UndoesTheDecodersShiftForEveryZone) {
    // Positions from far west to far east and dates around month, year and leap-day ends.
    const double longitudes[] = {-179.9, -150, -74, -7.6, 0, 7.4, 60, 100, 128, 139.7, 172, 179.9};
    const std::array<uint8_t, 6> dates[] = {
        {24, 2, 28, 20, 10, 0}, {24, 2, 29, 23, 59, 59}, {23, 2, 28, 22, 0, 0},  {23, 12, 31, 23, 30, 0},
        {24, 1, 1, 0, 0, 1},    {24, 3, 1, 2, 0, 0},     {99, 12, 31, 12, 0, 0}, {24, 4, 30, 19, 0, 0},
    };
    for (double lon : longitudes) {
        for (double lat : {-45.0, 30.0, 45.0}) {
            for (const auto& utc : dates) {
                const DateTime6 shown = ShiftDateByZone(utc, EstimateZone(lat, lon));
                auto back = PointUtcTime(TelemetryFormat::MetaTrack88, PointAt(lat, lon, shown));
                auto expected = PointUtcTime(TelemetryFormat::InlineBoxes, PointAt(lat, lon, utc));
                ASSERT_TRUE(back && expected);
                EXPECT_EQ(*back, *expected) << lat << "," << lon << " " << IsoUtcText(*expected);
            }
        }
    }
}

TEST(GpxTime, PointsWithoutAUsableTimeHaveNone) {
    const std::array<uint8_t, 6> dates[] = {
        {0, 3, 5, 7, 8, 9},   {24, 0, 5, 7, 8, 9},  {24, 13, 5, 7, 8, 9}, {24, 2, 30, 7, 8, 9},
        {23, 2, 29, 7, 8, 9}, {24, 3, 5, 24, 0, 0}, {24, 3, 5, 7, 60, 0}, {24, 3, 5, 7, 8, 60},
    };
    for (const auto& d : dates)
        EXPECT_EQ(PointUtcTime(TelemetryFormat::MetaTrack88, PointAt(35, 139, d)), std::nullopt)
            << int(d[0]) << "-" << int(d[1]) << "-" << int(d[2]);
}

TEST(GpxTime, IsoText) {
    EXPECT_EQ(IsoUtcText(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(IsoUtcText(951782400), "2000-02-29T00:00:00Z");
    EXPECT_EQ(IsoUtcText(4107542399), "2100-02-28T23:59:59Z");
    EXPECT_EQ(IsoUtcText(-1), "1969-12-31T23:59:59Z");
}

// A track of three valid fixes (one without time) and one invalid fix.
TelemetryTrack SampleTrack() {
    TelemetryTrack track;
    track.points = {
        TimedPoint(35.681236, 139.767125, 50, 45, {24, 3, 5, 16, 8, 9}),
        MakePoint(0, 0, false),
        TimedPoint(35.5, 139.25, 0, 0, {}),
        TimedPoint(-33.868, 151.2093, 120, 179, {24, 12, 31, 23, 59, 59}),
    };
    return track;
}

TEST(GpxWriter, WritesOneTrackOfTheValidFixes) {
    ScratchFolder dir;
    ExportRecording rec{"FILE0001.MP4", "", LocalWallClock(2024, 3, 5, 7, 8, 9),
                        TelemetryFormat::MetaTrack92};

    ExportResult r = SaveGpx(dir.Path(), rec, SampleTrack());

    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.path, dir.Path() + "/FILE0001_2024_03_05_07-08-09.GPX");
    const std::string text = ReadWholeFile(r.path);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\"", 0), 0u);
    EXPECT_NE(text.find("      <trkpt lat=\"35.681236\" lon=\"139.767125\">\n"
                        "        <time>2024-03-05T07:08:09Z</time>\n"
                        "        <extensions>\n"
                        "          <vemora:speed>13.889</vemora:speed>\n"
                        "          <vemora:course>90</vemora:course>\n"
                        "        </extensions>\n"
                        "      </trkpt>\n"),
              std::string::npos)
        << text;
}

// Runs the Python GPX reader over a file and prints one line per point.
std::string ReadWithGpxpy(const std::string& path) {
    const std::string script =
        "import gpxpy,sys\n"
        "g=gpxpy.parse(open(sys.argv[1],encoding='utf-8'))\n"
        "print('name', g.tracks[0].name)\n"
        "for p in g.tracks[0].segments[0].points:\n"
        "  ext={e.tag.split('}')[1]:e.text for e in p.extensions}\n"
        "  t=p.time.strftime('%Y-%m-%dT%H:%M:%S%z') if p.time else '-'\n"
        "  print('%.6f %.6f %s %s %s'%(p.latitude,p.longitude,t,ext['speed'],ext['course']))\n";
    return RunTool(std::string(kPython) + " -c " + ShellQuote(script) + " " + ShellQuote(path));
}

TEST(GpxWriter, PythonGpxReaderSeesPointsTimesAndExtensions) {
    if (!RequireTool(kPython) || RunTool(std::string(kPython) + " -c 'import gpxpy'") != "")
        FAIL() << "python3-gpxpy is needed: run tools/install-deps.sh";
    ScratchFolder dir;
    ExportRecording rec{"A&B <\"x\">.MP4", "EV/", LocalWallClock(2024, 3, 5, 7, 8, 9),
                        TelemetryFormat::MetaTrack92};
    ExportResult r = SaveGpx(dir.Path(), rec, SampleTrack());
    ASSERT_TRUE(r.ok);

    EXPECT_EQ(ReadWithGpxpy(r.path), "name A&B <\"x\">.MP4\n"
                                     "35.681236 139.767125 2024-03-05T07:08:09+0000 13.889 90\n"
                                     "35.500000 139.250000 - 0.000 0\n"
                                     "-33.868000 151.209300 2024-12-31T13:59:59+0000 33.333 358\n");
}

TEST(GpxWriter, GpsbabelReadsTheSamePointsAndTimes) {
    if (!RequireTool(kGpsbabel))
        return;
    ScratchFolder dir;
    ExportRecording rec{"FILE0001.MP4", "", LocalWallClock(2024, 3, 5, 7, 8, 9),
                        TelemetryFormat::MetaTrack92};
    ExportResult r = SaveGpx(dir.Path(), rec, SampleTrack());
    ASSERT_TRUE(r.ok);

    const auto lines = SplitLines(
        RunTool(std::string(kGpsbabel) + " -t -i gpx -f " + ShellQuote(r.path) + " -o unicsv,utc=0 -F -"));
    const std::vector<std::string> expected = {
        "No,Latitude,Longitude,Date,Time",
        "1,35.681236,139.767125,2024/03/05,07:08:09",
        "2,35.500000,139.250000,,",
        "3,-33.868000,151.209300,2024/12/31,13:59:59",
    };
    EXPECT_EQ(lines, expected);
}

TEST(GpxWriter, InlineRecordsUseTheSamePointsAsTheKmlExport) {
    if (!RequireTool(kPython))
        return;
    ScratchFolder dir;
    TelemetryTrack track;
    AppendRawRecord(track.rawGps, 3530.0, 13915.0, 0x01, 77, 36, 10, {24, 3, 5, 7, 8, 9});
    AppendRawRecord(track.rawGps, 3530.0, 13915.0, 0x00);
    AppendRawRecord(track.rawGps, 25012.3, 13915.0, 0x01);
    ExportRecording rec{"FILE0002.MP4", "", LocalWallClock(2024, 3, 5, 7, 8, 9),
                        TelemetryFormat::InlineBoxes};

    ExportResult r = SaveGpx(dir.Path(), rec, track);

    ASSERT_TRUE(r.ok);
    EXPECT_EQ(ReadWithGpxpy(r.path),
              "name FILE0002.MP4\n35.500000 139.250000 2024-03-05T07:08:09+0000 10.000 20\n");
}

TEST(GpxWriter, AnEmptyTrackIsStillReadable) {
    if (!RequireTool(kPython) || !RequireTool(kGpsbabel))
        return;
    ScratchFolder dir;
    ExportRecording rec{"FILE0003.MP4", "", 0, TelemetryFormat::GpsIndexBox};
    ExportResult r = SaveGpx(dir.Path(), rec, TelemetryTrack{});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(ReadWithGpxpy(r.path), "name FILE0003.MP4\n");
    EXPECT_EQ(
        RunTool(std::string(kGpsbabel) + " -t -i gpx -f " + ShellQuote(r.path) + " -o unicsv,utc=0 -F -"),
        "No,Latitude,Longitude\r\n");
}

TEST(GpxWriter, AFolderThatCannotHoldTheFileGivesFailureWithoutPath) {
    ScratchFolder dir;
    std::ofstream(dir.Path() + "/plain-file") << "x";
    ExportResult r =
        SaveGpx(dir.Path() + "/plain-file", ExportRecording{"F.MP4", "", 0, {}}, TelemetryTrack{});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.path.empty());
    // The window names the file and the reason.
    EXPECT_EQ(r.failure, ExportFailure::FileNotCreated);
    EXPECT_EQ(r.failedPath.rfind(dir.Path() + "/plain-file/", 0), 0u) << r.failedPath;
    EXPECT_EQ(r.errorNumber, ENOTDIR);
}

} // namespace
} // namespace vemora
