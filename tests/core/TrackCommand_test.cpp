// Runs the built `vemora track` and checks its JSON and exit codes.
#include "TelemetryTestBytes.h"
#include "platform/JsonWriter.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace vemora;
using namespace vemora::testbytes;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

ToolRun RunVemora(const std::string& args) {
    std::string command = std::string(VEMORA_BINARY_DIR "/vemora ") + args + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quote(const std::string& path) {
    return "'" + path + "'";
}

std::string Num(double v) {
    JsonWriter w;
    w.Double(v);
    return w.Text();
}

ByteVec AviWithTelemetry() {
    Gps0 a;
    a.lat = -2503.1234;
    a.speed = 57;
    a.heading = 10;
    a.reserved = 12;
    Gps0 b;
    b.flags = 0;
    b.dt = {0, 0, 0, 0, 0, 0};
    ByteVec gps;
    Append(gps, Gps0Record(a));
    Append(gps, Gps0Record(b));
    AviSpec spec;
    spec.beforeMovi = Chunk("gpsa", ByteVec{2, 0, 0, 0});
    Append(spec.beforeMovi, Chunk("gps0", gps));
    Append(spec.beforeMovi, Chunk("gsen", Samples({{1, -2, 0x0140}})));
    return AviImage(spec);
}

} // namespace

TEST(TrackCommand, AviRecordingAsJson) {
    ScratchDir dir;
    ToolRun run = RunVemora("track " + Quote(dir.Write("REC0001.AVI", AviWithTelemetry())));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    // NMEA values as stored, shown in degrees; the time as recorded.
    EXPECT_EQ(run.out.rfind(std::string(R"({"format":0,"gps_rate":)") + Num(2.0) +
                                R"(,"points":[{"valid":true,"lat":)",
                            0),
              0u)
        << run.out;
    EXPECT_NE(run.out.find(R"("speed_kmh":57,"heading_deg":20,"time":"2024-05-17 10:20:30","reserved":12})"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"("time":null,"reserved":0}],"samples":[[1,-2,320]]})"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"("lat":-25.05205)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("lon":121.50205)"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1); // one line, nothing else on stdout
}

TEST(TrackCommand, ExitCodes) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::string args;
        int exitCode;
    } cases[] = {
        {"usage: no file", "track", 2},
        {"usage: two files", "track a b", 2},
        {"missing file", "track " + Quote(dir.Path() + "/NONE.AVI"), 1},
        {"not a recording", "track " + Quote(dir.Write("JUNK.MP4", ByteVec(64, 7))), 1},
        // Only an upper-case ".AVI" selects the AVI reader; the MP4 reader rejects RIFF data.
        {"lower-case .avi goes to the MP4 reader",
         "track " + Quote(dir.Write("REC0002.avi", AviWithTelemetry())), 1},
    };
    for (const auto& c : cases) {
        ToolRun run = RunVemora(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        EXPECT_TRUE(run.out.empty()) << c.what << ": " << run.out;
    }
}

TEST(TrackCommand, UnreadableTelemetryGivesEmptyArrays) {
    ScratchDir dir;
    AviSpec spec;
    // A "gps0" chunk claiming more than the file holds (yet no more records than the 3 s allow):
    // the reader accepts the recording, the loader finds nothing it can read.
    AppendText(spec.beforeMovi, "gps0");
    AppendLE32(spec.beforeMovi, 0x300);
    ToolRun run = RunVemora("track " + Quote(dir.Write("REC0003.AVI", AviImage(spec))));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              std::string(R"({"format":0,"gps_rate":)") + Num(1.0) + R"(,"points":[],"samples":[]})" + "\n");
}

TEST(TrackCommand, Mp4RecordingWithRecordTable) {
    ScratchDir dir;
    fixture::RecordingSpec spec;
    spec.layout = fixture::Layout::MetaTrack92;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, 30};
    spec.gps = fixture::SimulateGps({}, spec.seconds, 5, spec.start);
    spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
    std::string path = dir.Path() + "/FILE0001.MP4";
    fixture::WriteResult written = fixture::WriteRecording(spec, path);
    ASSERT_TRUE(written.ok) << written.error;
    ToolRun run = RunVemora("track " + Quote(path));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind(
                  std::string(R"({"format":2,"gps_rate":)") + Num(5.0) + R"(,"points":[{"valid":true,)", 0),
              0u)
        << run.out;
    size_t points = 0;
    for (size_t at = run.out.find("\"valid\":"); at != std::string::npos;
         at = run.out.find("\"valid\":", at + 1))
        ++points;
    EXPECT_EQ(points, spec.gps.size());
    // The records carry UTC; near Taipei the track shows UTC+8.
    EXPECT_NE(run.out.find(R"("time":"2024-05-17 18:20:30")"), std::string::npos) << run.out.substr(0, 400);
    size_t samplesAt = run.out.find(R"("samples":[[)");
    ASSERT_NE(samplesAt, std::string::npos);
    size_t samples = 0;
    for (size_t at = run.out.find('[', samplesAt + 11); at != std::string::npos;
         at = run.out.find('[', at + 1))
        ++samples;
    EXPECT_EQ(samples, spec.gsensor.size());
}

// vemora feed: the feeder over an AVI file taken as a one-recording source.
TEST(FeedCommand, AviAsOneRecordingSource) {
    ScratchDir dir;
    std::string avi = Quote(dir.Write("REC0001.AVI", AviWithTelemetry()));
    ToolRun run = RunVemora("feed " + avi + " u:0 u:1000 r:2000");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::string lines[] = {
        R"j({"call":"load","result":1,"script":["pathdrived_delete()","path_delete()",)j"
        R"j("path_plot_list([[-25.052057,121.502057]])"],"marker":[],"gsensor":{"count":1,"full_scale":8,"per_ms":)j",
        R"j({"call":"u","t":0,"result":1,"script":["pathdrived_delete()"],"marker":[],)j"
        R"j("speed":{"valid":false,"kmh":0},"heading":null})j",
        // "gpsa" 2 divides the time: record 0 covers 0-1999 ms. The marker takes NMEA / 100.
        R"j({"call":"u","t":1000,"result":1,"script":[],"marker":[[)j" + Num(-2503.1234 / 100) + "," +
            Num(12130.1234 / 100) + R"j(,0]],"speed":{"valid":true,"kmh":57},"heading":20})j",
        R"j({"call":"r","t":2000,"result":1,"script":["pathdrived_delete()","pathdrived_plot_list([[-25.052057,121.502057]])"],)j"
        R"j("marker":[]})j",
    };
    size_t at = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(run.out.compare(at, line.size(), line), 0) << line << "\n" << run.out.substr(at);
        at = run.out.find('\n', at) + 1;
    }
    EXPECT_EQ(at, run.out.size());

    // The MAP button off: the marker is not moved.
    run = RunVemora("feed " + avi + " --no-map u:0 u:1000");
    EXPECT_NE(run.out.find(R"j("t":1000,"result":1,"script":[],"marker":[],)j"), std::string::npos)
        << run.out;
    EXPECT_EQ(RunVemora("feed " + Quote(dir.Write("JUNK.MP4", ByteVec(64, 7))) + " u:0").exitCode, 1);
    EXPECT_EQ(RunVemora("feed " + avi + " x:5").exitCode, 2);
}
