// The `vemora kml` and `vemora gpx` commands on recordings written by the fixture writer, with the
// files read back by gpsbabel and gpxpy.
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace vemora {
namespace {

using testing::ReadWholeFile;
using testing::RequireTool;
using testing::RunTool;
using testing::ScratchFolder;
using testing::ShellQuote;
using testing::SplitLines;

const std::string kVemora = std::string(VEMORA_BINARY_DIR) + "/vemora";

struct CommandOutput {
    int exitCode = -1;
    std::string out;
};

CommandOutput RunVemora(const std::string& arguments, const std::string& environment = "") {
    CommandOutput result;
    std::FILE* p =
        popen((environment + " " + ShellQuote(kVemora) + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!p)
        return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
        result.out.append(buffer, n);
    const int status = pclose(p);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A 3-second recording of the layout with a simulated drive; `invalidEvery` marks every n-th fix
// as without a fix. Returns the path, or "" after recording a failure.
std::string WriteDrive(const std::string& folder, const std::string& name, fixture::Layout layout,
                       int invalidEvery = 0) {
    fixture::RecordingSpec spec;
    spec.layout = layout;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.start = fixture::CalendarTime{2024, 3, 5, 7, 8, 9};
    const int rate = fixture::LayoutGpsRate(layout, spec.gpsRateWord);
    spec.gps = fixture::SimulateGps(fixture::DriveSimulation{}, spec.seconds, rate, spec.start);
    for (size_t i = 0; invalidEvery > 0 && i < spec.gps.size(); i += invalidEvery)
        spec.gps[i].valid = false;
    spec.gsensor = fixture::SimulateGsensor(fixture::DriveSimulation{}, spec.seconds,
                                            fixture::LayoutGsensorRate(layout, spec.gsensorInfoWord));
    const std::string path = folder + "/" + name;
    fixture::WriteResult written = fixture::WriteRecording(spec, path);
    if (!written.ok) {
        ADD_FAILURE() << "fixture: " << written.error;
        return "";
    }
    return path;
}

size_t ValidFixCount(fixture::Layout layout, int invalidEvery) {
    const int rate = fixture::LayoutGpsRate(layout, 1);
    const size_t all = fixture::SimulateGps(fixture::DriveSimulation{}, 3, rate, {}).size();
    return invalidEvery > 0 ? all - (all + invalidEvery - 1) / invalidEvery : all;
}

std::string StripNewline(std::string s) {
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

TEST(KmlCommand, WritesAKmlTrackThatGpsbabelReadsForEveryLayout) {
    if (!RequireTool("/usr/bin/gpsbabel"))
        return;
    struct Case {
        fixture::Layout layout;
        const char* name;
    };
    const Case cases[] = {
        {fixture::Layout::InlineBoxes, "FILE0000.MP4"}, {fixture::Layout::MetaTrack88, "FILE0001.MP4"},
        {fixture::Layout::MetaTrack92, "FILE0002.MOV"}, {fixture::Layout::FileTrailer, "FILE0003.MOV"},
        {fixture::Layout::GpsIndexBox, "FILE0004.MP4"}, {fixture::Layout::Avi, "FILE0005.AVI"},
    };
    ScratchFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = WriteDrive(dir.Path(), c.name, c.layout, 4);
        ASSERT_FALSE(file.empty());

        CommandOutput r = RunVemora("kml " + ShellQuote(file) + " --out " + ShellQuote(dir.Path() + "/out"));

        ASSERT_EQ(r.exitCode, 0);
        const std::string kml = StripNewline(r.out);
        EXPECT_EQ(kml, dir.Path() + "/out/" + std::string(c.name).substr(0, 8) + "_2024_03_05_07-08-09.KML");
        const auto lines = SplitLines(
            RunTool("/usr/bin/gpsbabel -t -i kml -f " + ShellQuote(kml) + " -o unicsv,utc=0 -F -"));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.size() - 1, ValidFixCount(c.layout, 4)) << ReadWholeFile(kml);
        EXPECT_NE(ReadWholeFile(kml).find("GPS Path of Car DV \"/" + std::string(c.name) +
                                          "\" 2024/03/05 07:08:09"),
                  std::string::npos);
    }
}

TEST(KmlCommand, GpxOfTheSameRecordingHasTheSamePoints) {
    if (!RequireTool("/usr/bin/gpsbabel") || !RequireTool("/usr/bin/python3"))
        return;
    ScratchFolder dir;
    const std::string file = WriteDrive(dir.Path(), "FILE0002.MOV", fixture::Layout::MetaTrack92, 3);
    ASSERT_FALSE(file.empty());

    CommandOutput kml = RunVemora("kml " + ShellQuote(file) + " --out " + ShellQuote(dir.Path()));
    CommandOutput gpx = RunVemora("gpx --out " + ShellQuote(dir.Path()) + " " + ShellQuote(file));

    ASSERT_EQ(kml.exitCode, 0);
    ASSERT_EQ(gpx.exitCode, 0);
    EXPECT_EQ(StripNewline(gpx.out), dir.Path() + "/FILE0002_2024_03_05_07-08-09.GPX");
    auto points = [](const std::string& format, const std::string& path) {
        std::vector<std::string> lines = SplitLines(RunTool("/usr/bin/gpsbabel -t -i " + format + " -f " +
                                                            ShellQuote(path) + " -o unicsv,utc=0 -F -"));
        // Compare positions only: the KML carries no times.
        for (std::string& line : lines)
            line = line.substr(0, line.find(',', line.find(',', line.find(',') + 1) + 1));
        return lines;
    };
    const auto fromKml = points("kml", StripNewline(kml.out));
    EXPECT_EQ(fromKml.size() - 1, ValidFixCount(fixture::Layout::MetaTrack92, 3));
    EXPECT_EQ(points("gpx", StripNewline(gpx.out)), fromKml);

    const std::string times =
        RunTool("/usr/bin/python3 -c " +
                ShellQuote("import gpxpy,sys\n"
                           "g=gpxpy.parse(open(sys.argv[1]))\n"
                           "print(g.tracks[0].segments[0].points[0].time.isoformat())") +
                " " + ShellQuote(StripNewline(gpx.out)));
    // The first fix is the recording's start in UTC, as the fixture wrote it.
    EXPECT_EQ(times, "2024-03-05T07:08:09+00:00\n");
}

TEST(KmlCommand, DefaultFolderIsBelowTheDocumentsFolder) {
    ScratchFolder dir;
    const std::string file = WriteDrive(dir.Path(), "FILE0001.MP4", fixture::Layout::MetaTrack88);
    ASSERT_FALSE(file.empty());
    const std::string home = dir.Path() + "/home";
    std::filesystem::create_directories(home + "/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n";

    CommandOutput r =
        RunVemora("kml " + ShellQuote(file), "env HOME=" + ShellQuote(home) + " XDG_CONFIG_HOME=");

    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(StripNewline(r.out), home + "/Docs/Vemora Viewer/KML/FILE0001_2024_03_05_07-08-09.KML");
    EXPECT_TRUE(std::filesystem::is_regular_file(StripNewline(r.out)));
}

TEST(KmlCommand, RejectedFilesAndUsageErrors) {
    ScratchFolder dir;
    std::ofstream(dir.Path() + "/NOTAVID0.MP4") << "this is not a recording";
    const std::string good = WriteDrive(dir.Path(), "FILE0001.MP4", fixture::Layout::MetaTrack88);
    std::ofstream(dir.Path() + "/blocker") << "x";
    struct Case {
        std::string arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"kml " + ShellQuote(dir.Path() + "/missing.MP4") + " --out " + ShellQuote(dir.Path()), 1},
        {"gpx " + ShellQuote(dir.Path() + "/NOTAVID0.MP4") + " --out " + ShellQuote(dir.Path()), 1},
        {"kml " + ShellQuote(dir.Path()) + " --out " + ShellQuote(dir.Path()), 1}, // a folder
        {"kml " + ShellQuote(good) + " --out " + ShellQuote(dir.Path() + "/blocker/x"), 1},
        {"kml", 2},
        {"gpx " + ShellQuote(good) + " --out", 2},
        {"kml " + ShellQuote(good) + " " + ShellQuote(good), 2},
        {"kml --verbose " + ShellQuote(good), 2},
    };
    for (const Case& c : cases) {
        CommandOutput r = RunVemora(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(r.out, "") << c.arguments;
    }
}

} // namespace
} // namespace vemora
