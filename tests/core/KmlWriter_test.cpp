#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "tests/core/KmlTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>

namespace vemora {
namespace {

using testing::AppendRawRecord;
using testing::LocalWallClock;
using testing::MakePoint;
using testing::ReadWholeFile;
using testing::ScratchFolder;

const std::string kHeaderOfFile0001 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                                      "  <Document>\n"
                                      "    <name>FILE0001.MP4</name>\n"
                                      "\t<description></description>\n"
                                      "    <Style id=\"blueLine\">\n"
                                      "      <LineStyle>\n"
                                      "        <color>ffff0000</color>\n"
                                      "        <width>4</width>\n"
                                      "      </LineStyle>\n"
                                      "    </Style>\n"
                                      "    <Placemark>\n"
                                      "      <name>CAR PATH</name>\n"
                                      "      <description>GPS Path of Car DV \"/FILE0001.MP4\" 2024/03/05 "
                                      "07:08:09</description>\n"
                                      "      <styleUrl>#blueLine</styleUrl>\n"
                                      "      <LineString>\n"
                                      "        <altitudeMode>relative</altitudeMode>\n"
                                      "        <coordinates>\n";

const std::string kFooter = "\n"
                            "        </coordinates>\n"
                            "      </LineString>\n"
                            "    </Placemark>\n"
                            "  </Document>\n"
                            "</kml>\n";

ExportRecording File0001(TelemetryFormat format) {
    return ExportRecording{"FILE0001.MP4", "", LocalWallClock(2024, 3, 5, 7, 8, 9), format};
}

TEST(KmlWriter, WritesTheWholeFileOfAMetadataTrack) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points = {MakePoint(35.5, 139.25, true), MakePoint(0, 0, false),
                    MakePoint(-33.868, 151.2093, true)};

    ExportResult r = SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack92), track);

    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.path, dir.Path() + "/FILE0001_2024_03_05_07-08-09.KML");
    EXPECT_EQ(ReadWholeFile(r.path),
              kHeaderOfFile0001 + "139.250000,35.500000,0\n151.209300,-33.868000,0\n" + kFooter);
}

TEST(KmlWriter, AllInvalidPointsGiveAnEmptyCoordinatesElement) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points = {MakePoint(0, 0, false), MakePoint(35, 139, false)};

    ExportResult r = SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track);

    ASSERT_TRUE(r.ok);
    EXPECT_EQ(ReadWholeFile(r.path), kHeaderOfFile0001 + kFooter);
}

TEST(KmlWriter, NoGpsDataStillGivesAValidFile) {
    ScratchFolder dir;
    for (auto format : {TelemetryFormat::InlineBoxes, TelemetryFormat::GpsIndexBox}) {
        ExportResult r = SaveKml(dir.Path(), File0001(format), TelemetryTrack{});
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(ReadWholeFile(r.path), kHeaderOfFile0001 + kFooter);
    }
}

TEST(KmlWriter, TrailerPointsCarryTheirStoredValue) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points = {MakePoint(35.5, 139.25, true, -12345), MakePoint(1, 2, true, 2147483647)};

    ExportResult r = SaveKml(dir.Path(), File0001(TelemetryFormat::FileTrailer), track);

    ASSERT_TRUE(r.ok);
    EXPECT_EQ(ReadWholeFile(r.path),
              kHeaderOfFile0001 + "139.250000,35.500000,-12345\n2.000000,1.000000,2147483647\n" + kFooter);
}

TEST(KmlWriter, InlineRecordsAreConvertedFromNmeaAndFiltered) {
    ScratchFolder dir;
    TelemetryTrack track;
    AppendRawRecord(track.rawGps, 3530.0, 13915.0, 0x01, 77);      // written
    AppendRawRecord(track.rawGps, 3530.0, 13915.0, 0x00, 1);       // no valid bit
    AppendRawRecord(track.rawGps, 25012.3, 13915.0, 0x01, 2);      // latitude converts to 250.2: placeholder
    AppendRawRecord(track.rawGps, 3530.0, 20000.0, 0x03, 3);       // longitude exactly 200: placeholder
    AppendRawRecord(track.rawGps, std::nan(""), 13915.0, 0x01, 4); // damaged record
    AppendRawRecord(track.rawGps, 2503.1234, 12130.0, 0x01, -5);   // written
    track.rawGps.resize(track.rawGps.size() + 20, 0xFF);           // a partial record at the end

    ExportResult r = SaveKml(dir.Path(), File0001(TelemetryFormat::InlineBoxes), track);

    ASSERT_TRUE(r.ok);
    EXPECT_EQ(ReadWholeFile(r.path),
              kHeaderOfFile0001 + "139.250000,35.500000,77\n121.500000,25.052057,-5\n" + kFooter);
}

TEST(KmlWriter, DecodedPointsWithNonFiniteCoordinatesAreLeftOut) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points = {MakePoint(std::numeric_limits<double>::infinity(), 10, true),
                    MakePoint(35.5, 139.25, true)};

    ExportResult r = SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track);

    EXPECT_EQ(ReadWholeFile(r.path), kHeaderOfFile0001 + "139.250000,35.500000,0\n" + kFooter);
}

TEST(KmlWriter, ExportingTwiceOverwritesTheSameFile) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points = {MakePoint(35.5, 139.25, true), MakePoint(35.6, 139.35, true)};
    ExportResult first = SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track);
    track.points.pop_back();

    ExportResult second = SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track);

    ASSERT_TRUE(second.ok);
    EXPECT_EQ(first.path, second.path);
    EXPECT_EQ(ReadWholeFile(second.path), kHeaderOfFile0001 + "139.250000,35.500000,0\n" + kFooter);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(KmlWriter, NamesAndFoldersAreEscaped) {
    ScratchFolder dir;
    ExportRecording rec{"A&B<\"1\">.MP4", "EV&T/<x>/", LocalWallClock(2024, 3, 5, 7, 8, 9),
                        TelemetryFormat::MetaTrack88};

    ExportResult r = SaveKml(dir.Path(), rec, TelemetryTrack{});

    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.path, dir.Path() + "/A&B<\"1\">_2024_03_05_07-08-09.KML");
    const std::string text = ReadWholeFile(r.path);
    EXPECT_NE(text.find("    <name>A&amp;B&lt;&quot;1&quot;&gt;.MP4</name>\n"), std::string::npos);
    EXPECT_NE(
        text.find("<description>GPS Path of Car DV \"EV&amp;T/&lt;x&gt;//A&amp;B&lt;&quot;1&quot;&gt;.MP4\" "
                  "2024/03/05 07:08:09</description>"),
        std::string::npos);
    // An XML parser reads the names back as they were.
    if (testing::RequireTool("/usr/bin/python3")) {
        EXPECT_EQ(testing::RunTool("/usr/bin/python3 -c " +
                                   testing::ShellQuote("import sys,xml.etree.ElementTree as E\n"
                                                       "d=E.parse(sys.argv[1]).getroot()[0]\n"
                                                       "print(d[0].text)\nprint(d[3][1].text)") +
                                   " " + testing::ShellQuote(r.path)),
                  "A&B<\"1\">.MP4\nGPS Path of Car DV \"EV&T/<x>//A&B<\"1\">.MP4\" 2024/03/05 07:08:09\n");
    }
}

TEST(KmlWriter, AFolderThatCannotHoldTheFileGivesFailureWithoutPath) {
    ScratchFolder dir;
    const std::string notAFolder = dir.Path() + "/plain-file";
    std::ofstream(notAFolder) << "x";

    ExportResult r = SaveKml(notAFolder, File0001(TelemetryFormat::MetaTrack88), TelemetryTrack{});

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.path.empty());
    EXPECT_FALSE(r.error.empty());
}

// An export is a file written whole: a pipe (or device) of the chosen name is neither written nor
// replaced (a full disk is tried below, under a file size limit).
TEST(KmlWriter, APipeInPlaceOfTheFileIsRefused) {
    ScratchFolder dir;
    const std::string path = dir.Path() + "/track.kml";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    KmlWriter writer;
    EXPECT_FALSE(writer.OpenKml(path));
    writer.WriteKmlHeader("FILE0001.MP4", "", "");
    EXPECT_FALSE(writer.CloseKml());
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

// Runs `save` in a child process whose files may not grow past `limit` bytes, as on a full disk.
// The child's exit code: 0 when the save failed and left no file behind.
int SaveUnderFileSizeLimit(const std::function<ExportResult()>& save, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        const ExportResult result = save();
        const bool left = !result.path.empty() && std::filesystem::exists(result.path);
        _exit((result.ok ? 1 : 0) | (left ? 2 : 0) | (result.path.empty() ? 4 : 0));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(KmlWriter, AFileCutShortIsReportedAndRemoved) {
    ScratchFolder dir;
    TelemetryTrack track;
    track.points.assign(500, MakePoint(35.5, 139.25, true));
    auto saveKml = [&] { return SaveKml(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track); };
    auto saveGpx = [&] { return SaveGpx(dir.Path(), File0001(TelemetryFormat::MetaTrack88), track); };
    EXPECT_EQ(SaveUnderFileSizeLimit(saveKml, 4096), 0);
    EXPECT_EQ(SaveUnderFileSizeLimit(saveGpx, 4096), 0);
    EXPECT_EQ(SaveUnderFileSizeLimit(saveKml, 1 << 20), 1 | 2) << "the same save succeeds with room";
}

TEST(KmlWriter, PointLineFormats) {
    struct Case {
        double longitude, latitude;
        int32_t value;
        const char* line;
    };
    const Case cases[] = {
        {139.25, 35.5, 0, "139.250000,35.500000,0\n"},
        {-74.0000004, 40.7, -1, "-74.000000,40.700000,-1\n"},
        {0.0000005, -0.0000004, 0, "0.000000,-0.000000,0\n"}, // rounds below half a unit; sign kept
        {179.9999996, 89.123456789, -2147483647 - 1, "180.000000,89.123457,-2147483648\n"},
    };
    ScratchFolder dir;
    for (const Case& c : cases) {
        const std::string path = dir.Path() + "/p.kml";
        KmlWriter writer;
        ASSERT_TRUE(writer.OpenKml(path));
        writer.WriteKmlPoint(c.longitude, c.latitude, c.value);
        ASSERT_TRUE(writer.CloseKml());
        EXPECT_EQ(ReadWholeFile(path), c.line + kFooter) << c.line;
    }
}

} // namespace
} // namespace vemora
