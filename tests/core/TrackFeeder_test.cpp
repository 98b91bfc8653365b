// The track feeder through its sinks: the exact script texts sent to the map page, the marker
// moves, the curve hand-over and the instruments' state.
#include "TelemetryTestBytes.h"
#include "library/RecordingLibrary.h"
#include "map/MapScripts.h"
#include "telemetry/TrackFeeder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

using namespace vemora;
using namespace vemora::testbytes;

namespace {

// A list of one recording.
class OneRecording : public TrackSource {
public:
    ContainerSummary summary;
    std::string path;
    TelemetryTrack track;
    int row = -1;
    std::function<void()> cleared;

    size_t RecordingCount() const override { return 1; }
    const ContainerSummary* RecordingSummary(int r) const override { return r == 0 ? &summary : nullptr; }
    std::string RecordingPath(int) const override { return path; }
    int CurrentRow() const override { return row; }
    void SetCurrentRow(int r) override { row = r; }
    TelemetryTrack& Track() override { return track; }
    void SetClearedCallback(std::function<void()> callback) override { cleared = std::move(callback); }
};

struct Marker {
    double latitude, longitude;
    int format;
};

struct Recorder : MapScriptSink, GSensorSink, InstrumentSink {
    std::vector<std::string> scripts;
    std::vector<Marker> markers;
    std::optional<GSensorCurve> curve;
    int curveClears = 0;
    std::optional<int> heading;
    bool speedValid = false;
    uint16_t kmh = 0;
    std::function<void(const std::string&)> onScript;

    void ExecuteScript(const std::string& s) override {
        scripts.push_back(s);
        if (onScript)
            onScript(s);
    }
    bool MoveMarker(double lat, double lon, int format) override {
        markers.push_back({lat, lon, format});
        return true;
    }
    void ClearCurve() override { ++curveClears; }
    void ShowCurve(GSensorCurve c) override { curve = std::move(c); }
    void ShowPosition(int32_t) override {}
    void ShowHeading(int degrees) override { heading = degrees; }
    void ClearHeading() override { heading.reset(); }
    void ShowSpeed(bool valid, uint16_t speed) override {
        speedValid = valid;
        kmh = speed;
    }
    std::vector<std::string> TakeScripts() { return std::exchange(scripts, {}); }
};

using Texts = std::vector<std::string>;

Fix At(int32_t latNmea, int32_t lonNmea, uint8_t valid = 1) {
    Fix f;
    f.latNum = latNmea;
    f.latDen = 1;
    f.lonNum = lonNmea;
    f.lonDen = 1;
    f.valid = valid;
    f.headingHalf = 45;
    f.knotsNum = 54; // 100 km/h - 4 after the recorders' conversion: 96
    return f;
}

// A metadata-track recording (88-byte records, 5 a second) with these fixes.
void MetaTrack(const ScratchDir& dir, OneRecording& rec, const std::vector<Fix>& fixes) {
    ByteVec file;
    for (size_t i = 0; i < fixes.size(); ++i) {
        Append(file, Record88(fixes[i], Xyz{1, 1, 2, 3}));
        rec.summary.metaRecords88.push_back({static_cast<uint32_t>(i), static_cast<int64_t>(i * 88)});
    }
    rec.path = dir.Write("meta.bin", file);
    rec.summary.format = TelemetryFormat::MetaTrack88;
    rec.summary.gsensorInfo = GSensorInfo::FromWord(kFixedGSensorInfoWord);
    rec.summary.durationMs = 2000;
}

// An inline-layout recording: the "gps0" payload (one record a second) and no "gsea".
void InlineTrack(const ScratchDir& dir, OneRecording& rec, const std::vector<Gps0>& records) {
    ByteVec file;
    for (const Gps0& g : records)
        Append(file, Gps0Record(g));
    rec.summary.gpsBoxSize = static_cast<uint32_t>(file.size());
    rec.summary.gsensorBoxOffset = file.size();
    Append(file, Samples({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 1, 1}}));
    rec.summary.gsensorBoxSize = 24;
    rec.summary.gpsRate = 1;
    rec.summary.durationMs = 2000;
    rec.path = dir.Write("inline.bin", file);
}

Gps0 Nmea(double lat, double lon, uint8_t flags = 1) {
    Gps0 g;
    g.lat = lat;
    g.lon = lon;
    g.flags = flags;
    return g;
}

} // namespace

TEST(TrackTimeline, TimeIndexRules) {
    struct Case {
        TelemetryFormat format;
        double rate;
        int64_t timeMs;
        double index;
    } cases[] = {
        {TelemetryFormat::MetaTrack88, 5, 12345, 61}, {TelemetryFormat::InlineBoxes, 1, 12345, 12},
        {TelemetryFormat::InlineBoxes, 2, 12345, 6},  {TelemetryFormat::GpsIndexBox, 0, 12345, 12},
        {TelemetryFormat::FileTrailer, 5, -300, -1},
    };
    for (const Case& c : cases) {
        TelemetryTrack track;
        track.gpsRate = c.rate;
        EXPECT_EQ(TrackTimeline(track, c.format).IndexAt(c.timeMs), c.index) << c.timeMs << " " << c.rate;
    }
}

TEST(TrackFeeder, LoadSendsTheWholePath) {
    ScratchDir dir;
    Recorder map;
    {
        // Decoded layouts: a point repeating either coordinate is not plotted; the marker goes to
        // the first point.
        OneRecording rec;
        MetaTrack(dir, rec,
                  {At(2530, 12130), At(2530, 12145), At(2545, 12145), At(2560, 12160, 0), At(2560, 12200)});
        CTrackFeeder feeder(rec, &map, &map, &map);
        EXPECT_EQ(feeder.LoadTrack(0), 1);
        EXPECT_EQ(
            map.TakeScripts(),
            (Texts{
                "pathdrived_delete()", "path_delete()",
                "path_plot_list([[25.500000,121.500000],[25.750000,121.750000],[26.000000,122.000000]])"}));
        ASSERT_EQ(map.markers.size(), 1u);
        EXPECT_DOUBLE_EQ(map.markers[0].latitude, 25.5);
        EXPECT_EQ(map.markers[0].format, 1);
        ASSERT_TRUE(map.curve);
        EXPECT_EQ(map.curve->samples.size(), 5u);
        EXPECT_EQ(map.curve->fullScaleG, 8.0);
        EXPECT_EQ(map.curve->samplesPerMs, 0.005);
        EXPECT_EQ(rec.row, 0);
    }
    {
        // Inline layout: every valid record, repeats included, none at 200 degrees or more; no
        // marker. Without a rate byte the curve's rate comes from the recording's length.
        OneRecording rec;
        InlineTrack(dir, rec,
                    {Nmea(2530, 12130), Nmea(2530, 12130), Nmea(25012.3, 12130), Nmea(2545, 12145, 0)});
        map.markers.clear();
        map.curve.reset();
        CTrackFeeder feeder(rec, &map, &map, &map);
        EXPECT_EQ(feeder.LoadTrack(0), 1);
        EXPECT_EQ(map.TakeScripts(),
                  (Texts{"pathdrived_delete()", "path_delete()",
                         "path_plot_list([[25.500000,121.500000],[25.500000,121.500000]])"}));
        EXPECT_TRUE(map.markers.empty());
        ASSERT_TRUE(map.curve);
        EXPECT_EQ(map.curve->samples.size(), 4u);
        EXPECT_EQ(map.curve->samplesPerMs, 4.0 / 2000);
        EXPECT_EQ(feeder.LoadTrack(1), 0);
        rec.path = dir.Path() + "/gone.bin";
        EXPECT_EQ(feeder.LoadTrack(0), 0);
    }
}

TEST(TrackFeeder, PlaybackAndJumps) {
    ScratchDir dir;
    OneRecording rec;
    std::vector<Fix> fixes;
    for (int i = 0; i < 10; ++i)
        fixes.push_back(At(2530 + i, 12130 + i, i == 7 ? 0 : 1));
    MetaTrack(dir, rec, fixes);
    Recorder map;
    CTrackFeeder feeder(rec, &map, &map, &map);
    ASSERT_EQ(feeder.LoadTrack(0), 1);
    map.TakeScripts();
    map.markers.clear();

    struct Step {
        int64_t t;
        int result;
        Texts scripts;
        size_t markers; // marker moves so far
        std::optional<int> heading;
    } steps[] = {
        {0, 1, {"pathdrived_delete()"}, 0, std::nullopt}, // a new recording starts
        {250, 1, {}, 1, 90},
        {500, 1, {}, 2, 90},
        {1250, 1, {}, 3, 90},
        {1400, 1, {}, 3, std::nullopt}, // record 7 holds no fix
        {1750, 1, {}, 4, 90},
        {2500, 0, {}, 4, 90},                     // past the last record
        {400, 1, {"pathdrived_delete()"}, 4, 90}, // seek back
        {600, 1, {}, 5, 90},
        {4000, 1, {"pathdrived_delete()"}, 5, 90}, // seek forward
    };
    for (const Step& s : steps) {
        EXPECT_EQ(feeder.UpdateAtTime(s.t, true, true, ""), s.result) << s.t;
        EXPECT_EQ(map.TakeScripts(), s.scripts) << s.t;
        EXPECT_EQ(map.markers.size(), s.markers) << s.t;
        EXPECT_EQ(map.heading, s.heading) << s.t;
    }
    EXPECT_TRUE(map.speedValid);
    EXPECT_EQ(map.kmh, 96);
    EXPECT_DOUBLE_EQ(map.markers.back().latitude, 25.55); // record 3: 25 degrees 33 minutes

    // With the map switched off the marker stays where it is.
    EXPECT_EQ(feeder.UpdateAtTime(4250, true, false, ""), 0);
    EXPECT_EQ(map.markers.size(), 5u);
}

// A skip or jolt jump redraws the driven part at once; the time reports that follow from the new
// place keep it.
TEST(TrackFeeder, TimeReportsAfterAReplotKeepTheDrivenPath) {
    ScratchDir dir;
    OneRecording rec;
    std::vector<Fix> fixes;
    for (int i = 0; i < 50; ++i)
        fixes.push_back(At(2530 + i, 12130 + i));
    MetaTrack(dir, rec, fixes);
    Recorder map;
    CTrackFeeder feeder(rec, &map, &map, &map);
    ASSERT_EQ(feeder.LoadTrack(0), 1);
    feeder.UpdateAtTime(0, true, true, "");
    feeder.UpdateAtTime(250, true, true, "");
    for (int64_t skipTo : {6000, 1000}) {
        map.TakeScripts();
        ASSERT_EQ(feeder.ReplotDrivenPath(skipTo), 1);
        // The delete, then the driven points in one list.
        const Texts replot = map.TakeScripts();
        ASSERT_EQ(replot.size(), 2u) << skipTo;
        EXPECT_EQ(std::count(replot[1].begin(), replot[1].end(), '[') - 1, skipTo / 200) << replot[1];
        for (int64_t t : {skipTo, skipTo + 250, skipTo + 500})
            feeder.UpdateAtTime(t, true, true, "");
        for (const std::string& script : map.TakeScripts())
            EXPECT_EQ(script.find("delete"), std::string::npos) << skipTo << " " << script;
    }
}

TEST(TrackFeeder, InlinePlaceholderHasNoPositionOnTheMap) {
    ScratchDir dir;
    OneRecording rec;
    InlineTrack(dir, rec, {Nmea(2530, 12130), Nmea(25012.3, 12130), Nmea(2545, 12145, 0)});
    Recorder map;
    CTrackFeeder feeder(rec, &map, &map, &map);
    ASSERT_EQ(feeder.LoadTrack(0), 1);
    feeder.UpdateAtTime(0, true, true, "");
    EXPECT_EQ(feeder.UpdateAtTime(1000, true, true, ""), 0);
    EXPECT_EQ(feeder.UpdateAtTime(1000, true, false, ""), 1); // unchanged record, map not shown
    // An inline record without a fix still counts as telemetry, at no position.
    EXPECT_EQ(feeder.UpdateAtTime(2000, true, true, ""), 1);
    EXPECT_FALSE(map.heading);
    EXPECT_FALSE(map.speedValid);
    EXPECT_TRUE(map.markers.empty());
}

TEST(TrackFeeder, CallsDuringALoadOnlyClearThePolylines) {
    ScratchDir dir;
    OneRecording rec;
    MetaTrack(dir, rec, {At(2530, 12130), At(2545, 12145)});
    Recorder map;
    CTrackFeeder feeder(rec, &map, &map, &map);
    int update = -1, replot = -1;
    map.onScript = [&](const std::string& s) {
        if (s.rfind("path_plot_list", 0) != 0 || update != -1)
            return;
        update = feeder.UpdateAtTime(1000, true, true, "");
        replot = feeder.ReplotDrivenPath(1000);
    };
    ASSERT_EQ(feeder.LoadTrack(0), 1);
    EXPECT_EQ(update, 1);
    EXPECT_EQ(replot, 1);
    EXPECT_EQ(map.TakeScripts(), (Texts{"pathdrived_delete()", "path_delete()",
                                        "path_plot_list([[25.500000,121.500000],[25.750000,121.750000]])",
                                        "pathdrived_delete()", "path_delete()", "pathdrived_delete()"}));
}

TEST(TrackFeeder, ReplotAfterASeekDrawsTheDrivenPart) {
    ScratchDir dir;
    Recorder map;
    {
        OneRecording rec;
        MetaTrack(dir, rec,
                  {At(2530, 12130), At(2530, 12145), At(2545, 12145, 0), At(2560, 12160), At(2575, 12175)});
        CTrackFeeder feeder(rec, &map, &map, &map);
        ASSERT_EQ(feeder.LoadTrack(0), 1);
        map.TakeScripts();
        EXPECT_EQ(feeder.ReplotDrivenPath(800), 1); // records 0-3
        EXPECT_EQ(map.TakeScripts(),
                  (Texts{"pathdrived_delete()",
                         "pathdrived_plot_list([[25.500000,121.500000],[26.000000,122.000000]])"}));
    }
    {
        OneRecording rec;
        InlineTrack(dir, rec,
                    {Nmea(2530, 12130), Nmea(2530, 12130), Nmea(25012.3, 12130), Nmea(2545, 12145)});
        CTrackFeeder feeder(rec, &map, &map, &map);
        ASSERT_EQ(feeder.LoadTrack(0), 1);
        map.TakeScripts();
        EXPECT_EQ(feeder.ReplotDrivenPath(3999), 1); // records 0-2
        EXPECT_EQ(map.TakeScripts(),
                  (Texts{"pathdrived_delete()",
                         "pathdrived_plot_list([[25.500000,121.500000],[25.500000,121.500000]])"}));
    }
    CRecordingLibrary empty;
    CTrackFeeder feeder(empty, &map, &map, &map);
    EXPECT_EQ(feeder.ReplotDrivenPath(1000), 0);
    // The list's reset empties the curve.
    map.curveClears = 0;
    empty.ClearLibrary();
    EXPECT_EQ(map.curveClears, 1);
}

// A track is bounded by its recording: a record table far longer than the length allows, or an
// inline payload claiming more, loads nothing (and allocates nothing); a long track goes to the
// page in calls of kMapPointsPerCall points, never one call a point.
TEST(TrackFeeder, TracksAreBoundedByTheRecordingAndSentInBatches) {
    struct Case {
        const char* name;
        size_t records;       // metadata records written
        size_t inlineRecords; // or "gps0" records
        uint32_t durationMs;
        size_t points;
        size_t listCalls;
    } cases[] = {
        {"a table the length allows, in one call", 40, 0, 3500, 40, 1},
        {"a long recording's 4500 points, in three calls", 4500, 0, 900000, 4500, 3},
        {"a table far longer than the recording", 4500, 0, 3500, 0, 0},
        {"a 1 MiB inline payload for 3.5 s", 0, 32768, 3500, 0, 0},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneRecording rec;
        if (c.records != 0) {
            std::vector<Fix> fixes;
            for (size_t i = 0; i < c.records; ++i)
                fixes.push_back(
                    At(2000 + static_cast<int32_t>(i % 50), 12000 + static_cast<int32_t>(i % 51)));
            MetaTrack(dir, rec, fixes);
        } else {
            InlineTrack(dir, rec, std::vector<Gps0>(c.inlineRecords, Nmea(2530, 12130)));
        }
        rec.summary.durationMs = c.durationMs;
        Recorder map;
        CTrackFeeder feeder(rec, &map, &map, &map);
        feeder.LoadTrack(0);
        size_t calls = 0, largest = 0;
        for (const std::string& s : map.TakeScripts())
            if (s.rfind("path_plot_list(", 0) == 0) {
                ++calls;
                largest = std::max<size_t>(largest, std::count(s.begin(), s.end(), '[') - 1);
            }
        EXPECT_EQ(TrackTimeline(rec.track, rec.summary.format).GpsRecordCount(), c.points);
        EXPECT_EQ(calls, c.listCalls);
        EXPECT_LE(largest, kMapPointsPerCall);
    }
}
