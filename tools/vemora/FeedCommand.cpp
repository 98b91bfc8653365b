// vemora feed FILE [--no-map] STEP...: runs the track feeder over one recording without a window.
// The file is taken as a one-recording source (as a single file chosen in the source dialog, AVI
// included) and its track loaded; then each step in order: "u:T" a time report of T ms (curve and
// map shown, unless --no-map switched the map off), "r:T" the driven path redrawn after a seek to
// T ms. One JSON object per call: the script texts sent to the map page, the marker moves asked
// of the bridge, and the state of the curve, the speed label and the compass.
#include "library/RecordingLibrary.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "telemetry/TrackFeeder.h"
#include "tools/vemora/Commands.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace vemora::cli {
namespace {

struct Step {
    char call = 'u';
    int64_t timeMs = 0;
};

std::optional<Step> ParseStep(const std::string& text) {
    if (text.size() < 3 || (text[0] != 'u' && text[0] != 'r') || text[1] != ':')
        return std::nullopt;
    Step step{text[0], 0};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data() + 2, end, step.timeMs);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return step;
}

struct MarkerMove {
    double latitude, longitude;
    int format;
};

// Stands in for the map window, the curve, the speed label and the compass, and remembers what
// each call of the feeder did to them.
class FeedRecorder : public MapScriptSink, public GSensorSink, public InstrumentSink {
public:
    void ExecuteScript(const std::string& script) override { m_scripts.push_back(script); }
    bool MoveMarker(double latitude, double longitude, int format) override {
        m_markers.push_back({latitude, longitude, format});
        return latitude != 0 || longitude != 0;
    }
    void ClearCurve() override {}
    void ShowCurve(GSensorCurve curve) override { m_curve = std::move(curve); }
    void ShowPosition(int32_t) override {}
    void ShowHeading(int degrees) override { m_heading = degrees; }
    void ClearHeading() override { m_heading.reset(); }
    void ShowSpeed(bool valid, uint16_t kmh) override {
        m_bSpeedValid = valid;
        m_wSpeedKmh = kmh;
    }

    // Writes one call's object and forgets what that call sent.
    void WriteCall(JsonWriter& json, const char* call, std::optional<int64_t> timeMs, int result,
                   bool withCurve, bool withInstruments) {
        json.BeginObject();
        json.Key("call").String(call);
        if (timeMs)
            json.Key("t").Int(*timeMs);
        json.Key("result").Int(result);
        json.Key("script").BeginArray();
        for (const std::string& s : m_scripts)
            json.String(s);
        json.EndArray();
        json.Key("marker").BeginArray();
        for (const MarkerMove& m : m_markers)
            json.BeginArray().Double(m.latitude).Double(m.longitude).Int(m.format).EndArray();
        json.EndArray();
        if (withCurve) {
            json.Key("gsensor");
            if (m_curve) {
                json.BeginObject();
                json.Key("count").UInt(m_curve->samples.size());
                json.Key("full_scale").Double(m_curve->fullScaleG);
                json.Key("per_ms").Double(m_curve->samplesPerMs);
                json.EndObject();
            } else {
                json.Null();
            }
        }
        if (withInstruments) {
            json.Key("speed").BeginObject();
            json.Key("valid").Bool(m_bSpeedValid);
            json.Key("kmh").UInt(m_wSpeedKmh);
            json.EndObject();
            json.Key("heading");
            if (m_heading)
                json.Int(*m_heading);
            else
                json.Null();
        }
        json.EndObject();
        m_scripts.clear();
        m_markers.clear();
        m_curve.reset();
    }

private:
    std::vector<std::string> m_scripts;
    std::vector<MarkerMove> m_markers;
    std::optional<GSensorCurve> m_curve;
    std::optional<int> m_heading;
    bool m_bSpeedValid = false;
    uint16_t m_wSpeedKmh = 0;
};

bool PrintLine(JsonWriter& json) {
    std::printf("%s\n", json.Text().c_str());
    json.Clear();
    return std::fflush(stdout) == 0;
}

int RunFeed(const Args& args) {
    std::string path;
    bool mapShown = true;
    std::vector<Step> steps;
    for (const std::string& arg : args) {
        if (arg == "--no-map") {
            mapShown = false;
        } else if (path.empty()) {
            path = arg;
        } else if (auto step = ParseStep(arg)) {
            steps.push_back(*step);
        } else {
            std::fprintf(stderr, "vemora feed: bad step '%s' (u:MS or r:MS)\n", TerminalText(arg).c_str());
            return kExitUsage;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: vemora feed FILE [--no-map] STEP...\n");
        return kExitUsage;
    }
    std::filesystem::path file(path);
    std::string folder = file.has_parent_path() ? file.parent_path().string() : std::string(".");
    CRecordingLibrary library;
    AddResult added = library.AddSingleFile(folder, file.filename().string());
    if (added != AddResult::Added) {
        std::fprintf(stderr, "vemora feed: %s: %s\n", TerminalText(path).c_str(),
                     added == AddResult::NotFound ? "no such file" : "not a recording this viewer can read");
        return kExitRejected;
    }

    FeedRecorder recorder;
    CTrackFeeder feeder(library, &recorder, &recorder, &recorder);
    JsonWriter json;
    int result = feeder.LoadTrack(0);
    recorder.WriteCall(json, "load", std::nullopt, result, true, false);
    bool ok = PrintLine(json);
    for (const Step& step : steps) {
        if (step.call == 'u') {
            result = feeder.UpdateAtTime(step.timeMs, true, mapShown, std::string());
            recorder.WriteCall(json, "u", step.timeMs, result, false, true);
        } else {
            result = feeder.ReplotDrivenPath(step.timeMs);
            recorder.WriteCall(json, "r", step.timeMs, result, false, false);
        }
        ok = PrintLine(json) && ok;
    }
    return ok ? kExitOk : kExitRejected;
}

const CommandRegistrar
    kRegisterFeed("feed", RunFeed,
                  "FILE [--no-map] STEP...   the track feeder (u:MS time report, r:MS seek)");

} // namespace
} // namespace vemora::cli
