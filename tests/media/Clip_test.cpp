// `vemora clip` and the clip writer on recordings whose pictures show their frame numbers: the
// front camera's frames count 0, 1, 2 ... on across the cut between two recordings, the rear
// camera's count the same from 1000, so every output frame tells which two pictures it holds.
#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "media/ClipProbe.h"
#include "media/ClipWriter.h"
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

namespace vemora {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::ShellQuote;

const std::string kVemora = std::string(VEMORA_BINARY_DIR) + "/vemora";
constexpr int kFps = 10;
constexpr int kSeconds = 3;
constexpr int kRearOffset = 1000;
constexpr int kFrontWidth = 320, kFrontHeight = 240;
constexpr int kRearWidth = 320, kRearHeight = 180;

// What a card needs to be damaged or incomplete in.
enum class Card { Whole, SecondFrontDamaged, SecondRearMissing };

fixture::RecordingSpec CounterRecording(const std::string& base, int second, int firstFrame, bool rear) {
    fixture::RecordingSpec spec;
    spec.width = rear ? kRearWidth : kFrontWidth;
    spec.height = rear ? kRearHeight : kFrontHeight;
    spec.seconds = kSeconds;
    spec.fps = kFps;
    spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, second};
    spec.gps = fixture::SimulateGps(fixture::DriveSimulation{}, kSeconds, 1, spec.start);
    spec.gsensor = fixture::SimulateGsensor(fixture::DriveSimulation{}, kSeconds, 10);
    spec.baseDir = base + "/" + (rear ? "r" : "f") + std::to_string(firstFrame);
    std::string error;
    if (fixture::EnsureFrameCounterVideo(spec.baseDir, spec.width, spec.height, kSeconds, kFps, &error,
                                         {rear ? kRearOffset + firstFrame : firstFrame, !rear})
            .empty())
        ADD_FAILURE() << error;
    return spec;
}

// Two recordings of 3 s, 10:20:30 and 10:20:33: one drive. Returns the first front file.
std::string WriteCounterCard(const std::string& folder, const std::string& base, Card card) {
    std::vector<fixture::CardRecording> recordings;
    for (int k = 0; k < 2; ++k) {
        fixture::CardRecording r;
        r.front = CounterRecording(base, 30 + kSeconds * k, kSeconds * kFps * k, false);
        r.rear = CounterRecording(base, 30 + kSeconds * k, kSeconds * kFps * k, true);
        if (k == 1 && card == Card::SecondFrontDamaged) {
            r.front.options.moovFirst = true;
            r.front.options.truncateAt = 6000;
        }
        r.withRear = !(k == 1 && card == Card::SecondRearMissing);
        recordings.push_back(r);
    }
    fixture::CardResult written = fixture::WriteCard(folder, recordings);
    if (!written.ok)
        ADD_FAILURE() << written.error;
    return written.ok ? written.paths.front() : "";
}

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CommandRun RunVemora(const std::string& arguments, const std::string& errFile) {
    CommandRun run;
    std::FILE* p = popen((ShellQuote(kVemora) + " " + arguments + " 2>" + ShellQuote(errFile)).c_str(), "r");
    if (!p)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
        run.out.append(buffer, n);
    int status = pclose(p);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = testing::ReadWholeFile(errFile);
    return run;
}

// The frame number shown across the row in the middle of a region of the picture.
int CounterAt(const media::LumaView& luma, int x, int width, int height) {
    std::vector<int> gray;
    for (int i = 0; i < width; ++i)
        gray.push_back(luma.At(x + i, height / 2));
    return fixture::FrameOfCounterRow(gray);
}

// Regions of the picture that show a counter: x, width, and the number's offset from the front's.
struct Reading {
    int x, width, offset;
};

struct Expected {
    int firstFrame; // front camera's number in the first output frame
    int frames;
    int width, height;
    std::vector<Reading> readings;
};

class ClipTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new ScratchFolder();
        const std::string base = s_scratch->Path() + "/base";
        for (Card card : {Card::Whole, Card::SecondFrontDamaged, Card::SecondRearMissing})
            s_first[static_cast<int>(card)] = WriteCounterCard(
                s_scratch->Path() + "/card" + std::to_string(static_cast<int>(card)), base, card);
    }
    static void TearDownTestSuite() {
        delete s_scratch;
        s_scratch = nullptr;
    }
    static std::string First(Card card) { return s_first[static_cast<int>(card)]; }
    static std::string Out(const std::string& name) { return s_scratch->Path() + "/out/" + name; }

    // True when nothing but the named files is in the output folder.
    static std::vector<std::string> OutFolder() {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(s_scratch->Path() + "/out", ec))
            names.push_back(entry.path().filename().string());
        return names;
    }

    static inline ScratchFolder* s_scratch = nullptr;
    static inline std::string s_first[3];
};

struct ClipCase {
    const char* name;
    Card card;
    bool rearFile;    // FILE is the rear camera's file of the first recording
    std::string args; // after FILE and --out
    int exitCode;
    const char* layout; // written layout when the clip is made
    Expected expected;
};

TEST_F(ClipTest, ClipsAcrossTheCutInStepOrFailWithNothingLeft) {
    fs::create_directories(s_scratch->Path() + "/out");
    const int sideWidth = kFrontWidth + kRearWidth * kFrontHeight / kRearHeight / 2 * 2;
    const int band = 44;
    const std::vector<ClipCase> cases = {
        {"side by side across the cut",
         Card::Whole,
         false,
         "--from 1.5 --to 4.5",
         0,
         "side",
         {15,
          30,
          sideWidth,
          kFrontHeight + band,
          {{0, kFrontWidth, 0}, {kFrontWidth, sideWidth - kFrontWidth, kRearOffset}}}},
        {"from the rear file, mirrored, no band",
         Card::Whole,
         true,
         "--from 0.25 --to 5.95 --mirror-rear --no-band",
         0,
         "side",
         {3,
          57,
          sideWidth,
          kFrontHeight,
          {{0, kFrontWidth, 0}, {kFrontWidth, sideWidth - kFrontWidth, kRearOffset}}}},
        {"rear camera alone",
         Card::Whole,
         false,
         "--from 2 --to 4 --layout rear",
         0,
         "rear",
         {20, 20, kRearWidth, kRearHeight + band, {{0, kRearWidth, kRearOffset}}}},
        {"picture in picture",
         Card::Whole,
         false,
         "--from 0 --to 6 --layout pip --height 360",
         0,
         "pip",
         {0, 60, 480, 360 + band, {{0, 480, 0}}}},
        {"missing rear: front alone",
         Card::SecondRearMissing,
         false,
         "--from 2 --to 4",
         0,
         "front",
         {20, 20, kFrontWidth, kFrontHeight + band, {{0, kFrontWidth, 0}}}},
        {"missing rear asked for",
         Card::SecondRearMissing,
         false,
         "--from 2 --to 4 --layout rear",
         1,
         "",
         {}},
        {"damaged recording in the range", Card::SecondFrontDamaged, false, "--from 2 --to 5", 1, "", {}},
        {"past the drive's end", Card::Whole, false, "--from 2 --to 6.5", 1, "", {}},
        {"start past the recording's end", Card::Whole, false, "--from 3.5 --to 4", 1, "", {}},
        {"empty range", Card::Whole, false, "--from 2 --to 2", 1, "", {}},
        {"unwritable output", Card::Whole, false, "--from 1 --to 2 --out-folder-missing", 1, "", {}},
        {"no end given", Card::Whole, false, "--from 1", 2, "", {}},
    };
    int n = 0;
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string file = First(c.card);
        ASSERT_FALSE(file.empty());
        if (c.rearFile)
            file = GetRearPartner(file);
        std::string out = Out("clip" + std::to_string(n++) + ".mp4");
        std::string args = c.args;
        if (size_t at = args.find(" --out-folder-missing"); at != std::string::npos) {
            args.erase(at);
            out = Out("missing/clip.mp4");
        }
        CommandRun run = RunVemora("clip " + ShellQuote(file) + " --out " + ShellQuote(out) + " " + args,
                                   s_scratch->Path() + "/err.txt");
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        std::error_code ec;
        if (c.exitCode != 0) {
            EXPECT_FALSE(run.err.empty());
            EXPECT_FALSE(fs::exists(out, ec));
            continue;
        }
        EXPECT_NE(run.out.find("\"layout\":\"" + std::string(c.layout) + "\""), std::string::npos) << run.out;
        const Expected& e = c.expected;
        media::ClipFacts facts;
        std::string error;
        std::vector<std::vector<int>> numbers;
        ASSERT_TRUE(media::ProbeClip(
            out, facts,
            [&](const media::LumaView& luma) {
                std::vector<int> row;
                for (const Reading& r : e.readings)
                    row.push_back(CounterAt(luma, r.x, r.width, kFrontHeight));
                numbers.push_back(row);
            },
            &error))
            << error;
        EXPECT_EQ(facts.width, e.width);
        EXPECT_EQ(facts.height, e.height);
        EXPECT_TRUE(facts.yuv420p);
        EXPECT_EQ(facts.videoCodec, "h264");
        EXPECT_NEAR(facts.frames, e.frames, 1);
        ASSERT_TRUE(facts.hasSound);
        EXPECT_NEAR(facts.soundMs, 1000.0 * facts.frames / kFps, 50.0);
        for (size_t f = 0; f < numbers.size(); ++f)
            for (size_t r = 0; r < e.readings.size(); ++r)
                ASSERT_EQ(numbers[f][r], e.firstFrame + static_cast<int>(f) + e.readings[r].offset)
                    << "frame " << f << " region " << r;
    }
    std::vector<std::string> left = OutFolder();
    for (const std::string& name : left)
        EXPECT_EQ(name.find(".partial"), std::string::npos) << name;
}

TEST_F(ClipTest, CancelLeavesNoFile) {
    CRecordingLibrary library;
    const std::string file = First(Card::Whole);
    ASSERT_FALSE(file.empty());
    ASSERT_TRUE(library.ScanSource(fs::path(file).parent_path().string(), ""));
    ASSERT_FALSE(library.Records().empty());
    media::ClipPlan plan = media::PlanClip(library.Records(), 0, 0, 6000);
    ASSERT_TRUE(plan.ok) << plan.error;
    fs::create_directories(s_scratch->Path() + "/cancel");
    media::ClipOptions options;
    options.outPath = s_scratch->Path() + "/cancel/clip.mp4";
    std::atomic<bool> cancel{false};
    media::ClipResult result = media::WriteClip(plan, options, &cancel, [&](const media::ClipProgress& p) {
        if (p.framesDone == 12)
            cancel = true;
    });
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(fs::is_empty(s_scratch->Path() + "/cancel"));
}

} // namespace
} // namespace vemora
