// The incidents of generated cards through `vemora events`: planned jolts and hard brakings are
// found where they were planned, once per pair, also from the rear file or without G-sensor
// data; calm driving gives none; damaged files are named among the rejected.
#include "tests/core/LibraryTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

using vemora::testing::TempTree;
namespace fx = vemora::fixture;

namespace {

struct Planned {
    std::string file; // path below the card's root
    std::string kind;
    double seconds;
};

struct Found {
    std::string file;
    std::string kind;
    int64_t timeMs;
};

struct CardCase {
    std::string name;
    std::vector<fx::CardRecording> card;
    std::vector<Planned> planned;
    std::string damagedFile; // written cut short; "" = none
    // Files written under names of their own (path below the root); each front with its rear.
    std::vector<std::pair<std::string, fx::RecordingSpec>> named = {};
    size_t pairs = 0; // recordings listed besides the card's pairs
};

fx::CardRecording Drive(fx::Layout layout, int minute, std::vector<double> jolts,
                        std::vector<double> brakings, bool gsensor = true) {
    fx::CardRecording r;
    fx::RecordingSpec& spec = r.front;
    spec.layout = layout;
    spec.seconds = 60;
    spec.fps = 1;
    spec.start = {2024, 5, 17, 10, minute, 0};
    spec.baseDir = VEMORA_FIXTURE_DIR;
    fx::DriveSimulation drive;
    drive.phaseSeconds = minute * 60;
    drive.joltsAt = std::move(jolts);
    drive.hardBrakingsAt = std::move(brakings);
    spec.gps = fx::SimulateGps(drive, spec.seconds, fx::LayoutGpsRate(layout), spec.start);
    if (gsensor)
        spec.gsensor = fx::SimulateGsensor(drive, spec.seconds, fx::LayoutGsensorRate(layout));
    return r;
}

std::string FrontName(int minute) {
    char name[64];
    std::snprintf(name, sizeof name, "DCIM/Movie/F/20240517_10%02d00_F.MP4", minute);
    return name;
}

std::vector<CardCase> Cases() {
    std::vector<CardCase> cases;
    // Front and rear carry the same telemetry: each event once, under the front file.
    cases.push_back({"pair at 5 fixes a second",
                     {Drive(fx::Layout::MetaTrack92, 0, {12.0}, {30.0})},
                     {{FrontName(0), "jolt", 12.0}, {FrontName(0), "hard_braking", 30.0}},
                     ""});
    cases.push_back({"one fix a second, no G-sensor data",
                     {Drive(fx::Layout::InlineBoxes, 0, {}, {50.0}, false)},
                     {{FrontName(0), "hard_braking", 50.0}},
                     ""});
    // The front file holds no telemetry: the rear file's is read.
    fx::CardRecording rearOnly = Drive(fx::Layout::FileTrailer, 0, {40.0}, {});
    rearOnly.rear = rearOnly.front;
    rearOnly.front.gps.clear();
    rearOnly.front.gsensor.clear();
    cases.push_back({"telemetry in the rear file only", {rearOnly}, {{FrontName(0), "jolt", 40.0}}, ""});
    CardCase calm{"calm drive of ten minutes", {}, {}, ""};
    for (int minute = 0; minute < 10; ++minute)
        calm.card.push_back(
            Drive(minute % 2 ? fx::Layout::MetaTrack88 : fx::Layout::GpsIndexBox, minute, {}, {}));
    cases.push_back(calm);
    // A receiver's glitches on valid fixes: a speed jumping 35 km/h up for one fix, a momentary 0.
    fx::CardRecording glitches = Drive(fx::Layout::InlineBoxes, 0, {}, {}, false);
    glitches.front.gps[30].speedKmh = static_cast<uint16_t>(glitches.front.gps[29].speedKmh + 35);
    glitches.front.gps[36].speedKmh = 0;
    cases.push_back({"GPS glitches while cruising", {glitches}, {}, ""});
    // Names whose rear rule does not lead back to the front file.
    const fx::RecordingSpec norm = Drive(fx::Layout::MetaTrack92, 0, {}, {30.0}).front;
    cases.push_back({"pair named NORM0002F / NORM0002R",
                     {},
                     {{"NORM0002F.MP4", "hard_braking", 30.0}},
                     "",
                     {{"NORM0002F.MP4", norm}, {"NORM0002R.MP4", norm}},
                     1});
    cases.push_back({"damaged file beside a good one",
                     {Drive(fx::Layout::MetaTrack88, 0, {20.0}, {})},
                     {{FrontName(0), "jolt", 20.0}},
                     FrontName(5)});
    return cases;
}

struct Output {
    int status = -1;
    std::string text;
};

Output RunTool(const std::string& command) {
    Output out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.text.append(buffer.data(), n);
    int status = ::pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

// The text after `key` up to the next `end`, searching from `from`; moves `from` past it.
std::string FieldAfter(const std::string& json, const std::string& key, char end, size_t& from) {
    size_t at = json.find(key, from);
    if (at == std::string::npos)
        return {};
    at += key.size();
    size_t stop = json.find(end, at);
    from = stop;
    return json.substr(at, stop - at);
}

std::vector<Found> EventsOf(const std::string& json, const std::string& root) {
    std::vector<Found> found;
    const size_t events = json.find("],\"recordings\"");
    for (size_t from = json.find("{\"file\":\""); from < events; from = json.find("{\"file\":\"", from)) {
        std::string file = FieldAfter(json, "{\"file\":\"", '"', from);
        std::string time = FieldAfter(json, "\"time_ms\":", ',', from);
        std::string kind = FieldAfter(json, "\"kind\":\"", '"', from);
        if (file.starts_with(root))
            file = file.substr(root.size());
        found.push_back({file, kind, std::stoll(time)});
    }
    return found;
}

double ToleranceOf(const std::string& kind) {
    return kind == "jolt" ? 500 : 1500;
}

// A hard braking also shakes the G-sensor: a jolt within the stop is part of that event.
bool Explains(const Planned& p, const Found& f) {
    if (p.file != f.file)
        return false;
    const double plannedMs = p.seconds * 1000;
    if (p.kind == f.kind)
        return std::abs(static_cast<double>(f.timeMs) - plannedMs) <= ToleranceOf(p.kind);
    return p.kind == "hard_braking" && f.kind == "jolt" && f.timeMs >= plannedMs - 1000 &&
           f.timeMs <= plannedMs + 4000;
}

} // namespace

TEST(Incidents, PlannedEventsAreFoundOncePerPair) {
    const std::string tool = std::string(VEMORA_BINARY_DIR) + "/vemora";
    for (const CardCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        TempTree tree;
        fx::CardResult written = fx::WriteCard(tree.Root(), c.card);
        ASSERT_TRUE(written.ok) << written.error;
        for (const auto& [name, spec] : c.named) {
            fx::WriteResult w = fx::WriteRecording(spec, tree.Root() + name);
            ASSERT_TRUE(w.ok) << w.error;
        }
        if (!c.damagedFile.empty()) {
            fx::RecordingSpec damaged = c.card[0].front;
            damaged.options.truncateAt = 300;
            fx::WriteResult w = fx::WriteRecording(damaged, tree.Root() + c.damagedFile);
            ASSERT_TRUE(w.ok) << w.error;
        }
        Output out = RunTool(tool + " events " + tree.Root() + " 2>/dev/null");
        EXPECT_EQ(out.status, c.damagedFile.empty() ? 0 : 1);
        std::vector<Found> found = EventsOf(out.text, tree.Root());
        for (const Planned& p : c.planned) {
            size_t same = std::count_if(found.begin(), found.end(),
                                        [&](const Found& f) { return f.kind == p.kind && Explains(p, f); });
            EXPECT_EQ(same, 1u) << p.kind << " at " << p.seconds << " s in " << p.file << "\n" << out.text;
        }
        for (const Found& f : found)
            EXPECT_TRUE(std::any_of(c.planned.begin(), c.planned.end(),
                                    [&](const Planned& p) { return Explains(p, f); }))
                << "unplanned " << f.kind << " at " << f.timeMs << " ms in " << f.file;
        EXPECT_NE(out.text.find("\"recordings\":" + std::to_string(c.card.size() + c.pairs)),
                  std::string::npos)
            << out.text;
        if (!c.damagedFile.empty()) {
            EXPECT_NE(out.text.find(R"("rejected":[{"path":")" + tree.Root() + c.damagedFile),
                      std::string::npos)
                << out.text;
        }
    }
}
