// `vemora clip` and the clip writer on recordings whose pictures show their frame numbers: the
// front camera's frames count 0, 1, 2 ... on across the cut between two recordings, the rear
// camera's count the same from 1000, so every output frame tells which two pictures it holds.
// Besides the ideal cards, cards made like a camera's: lengths that are not whole seconds, rears
// shorter than their fronts and of another size, codec and rate, a write stall, a recording
// without sound, 10-bit and full-range pictures, pixels that are not square, a recording whose
// front file is missing.
#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "media/BandPainter.h"
#include "media/BandTexts.h"
#include "media/ClipGeometry.h"
#include "media/ClipProbe.h"
#include "media/ClipWriter.h"
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
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

// What a card needs to be damaged or incomplete in, or how it is like a camera's.
enum class Card {
    Whole,
    SecondFrontDamaged,
    SecondRearMissing,
    // Fronts of 2.033 / 1.967 / 2.000 s, 640 x 360 H.265; rears 0.3 s shorter, 480 x 270 H.264;
    // the first recording without sound; a 333 ms write stall in the second.
    CameraCuts,
    // 10-bit full-range H.265 fronts and full-range 25 fps rears.
    CameraFullRange,
    // Rears of 360 x 270 pixels shown 4:3 wide; the middle recording has only its rear file.
    CameraFrontMissing,
    // CameraCuts' footage (H.264 fronts, all with sound) with the telemetry in the rear files only.
    CameraRearTelemetry,
};
constexpr int kCards = 7;
constexpr int kCameraFps = 30;
constexpr int kCameraFrontWidth = 640, kCameraFrontHeight = 360;
constexpr int kGrey = 64;

// A camera-like card: per recording, each camera's video (none: the file is missing).
struct FootageRecording {
    std::optional<fixture::CameraVideo> front, rear;
};
using Footage = std::vector<FootageRecording>;

Footage FootageOf(Card card) {
    auto video = [](fixture::Codec codec, int width, int height, int fps, double ms) {
        fixture::CameraVideo v;
        v.codec = codec;
        v.width = width;
        v.height = height;
        v.fps = fps;
        v.frames = static_cast<int>(std::lround(ms * fps / 1000.0));
        v.grey = kGrey;
        return v;
    };
    Footage footage;
    const std::vector<double> fronts = {2033.33, 1966.67, 2000};
    for (size_t k = 0; k < fronts.size(); ++k) {
        FootageRecording r;
        const double rearMs = fronts[k] - 300;
        switch (card) {
        case Card::CameraCuts:
        case Card::CameraRearTelemetry:
            r.front =
                video(fixture::Codec::H265, kCameraFrontWidth, kCameraFrontHeight, kCameraFps, fronts[k]);
            r.rear = video(fixture::Codec::H264, 480, 270, kCameraFps, rearMs);
            r.front->sound = r.rear->sound = k != 0;
            if (k == 1)
                r.front->stallAfterFrame = r.rear->stallAfterFrame = 20;
            if (card == Card::CameraRearTelemetry) {
                r.front->codec = fixture::Codec::H264; // in the layout without telemetry (InlineBoxes)
                r.front->sound = true;
            }
            break;
        case Card::CameraFullRange:
            r.front =
                video(fixture::Codec::H265, kCameraFrontWidth, kCameraFrontHeight, kCameraFps, fronts[k]);
            r.front->tenBit = r.front->fullRange = true;
            r.rear = video(fixture::Codec::H264, 480, 270, 25, rearMs);
            r.rear->fullRange = true;
            break;
        case Card::CameraFrontMissing:
            if (k != 1)
                r.front =
                    video(fixture::Codec::H264, kCameraFrontWidth, kCameraFrontHeight, kCameraFps, fronts[k]);
            r.rear = video(fixture::Codec::H264, 360, 270, kCameraFps, rearMs);
            r.rear->sarNum = 4;
            r.rear->sarDen = 3;
            break;
        default:
            return {};
        }
        footage.push_back(r);
    }
    // The counters run on across the cuts, the rear's from kRearOffset.
    int front = 0, rear = kRearOffset;
    for (FootageRecording& r : footage) {
        if (r.front)
            r.front->firstFrame = front;
        front += r.front ? r.front->frames : 0;
        r.rear->firstFrame = rear;
        rear += r.rear->frames;
    }
    return footage;
}

// A recording's real length: its front video's, else its rear's.
double LengthOf(const FootageRecording& r) {
    return fixture::CameraVideoMs(r.front ? *r.front : *r.rear);
}

// Time of picture i of a camera video.
double PictureMs(const fixture::CameraVideo& v, int i) {
    double ms = 1000.0 * i / v.fps;
    return v.stallAfterFrame >= 0 && i >= v.stallAfterFrame ? ms + v.stallMs : ms;
}

// The number a camera's region must show at drive time driveMs: the latest picture taken at or
// before it (within half a clip frame), the first one early, the last held for a second; -1 for
// black.
int ExpectedNumber(const Footage& footage, bool rear, double driveMs, double halfStepMs) {
    double offset = 0;
    for (const FootageRecording& r : footage) {
        const double length = LengthOf(r);
        if (driveMs >= offset + length - 0.5 && &r != &footage.back()) {
            offset += length;
            continue;
        }
        const std::optional<fixture::CameraVideo>& v = rear ? r.rear : r.front;
        if (!v)
            return -1;
        const double t = driveMs - offset;
        int shown = 0;
        while (shown + 1 < v->frames && PictureMs(*v, shown + 1) <= t + halfStepMs)
            ++shown;
        if (shown + 1 == v->frames && t > PictureMs(*v, shown) + 1000.0 / v->fps + 1000)
            return -1;
        return v->firstFrame + shown;
    }
    return -1;
}

// The first picture of the lead camera at or after fromMs of the first recording.
double FirstPictureMs(const Footage& footage, bool rearLeads, double fromMs) {
    const fixture::CameraVideo& v = rearLeads ? *footage.front().rear : *footage.front().front;
    int i = 0;
    while (i + 1 < v.frames && PictureMs(v, i) < fromMs - 0.5)
        ++i;
    return PictureMs(v, i);
}

fixture::RecordingSpec CameraRecording(const std::string& base, int64_t start,
                                       const fixture::CameraVideo& v) {
    fixture::RecordingSpec spec;
    spec.layout = fixture::Layout::MetaTrack92; // a layout of H.265 recorders
    spec.codec = v.codec;
    spec.width = v.width;
    spec.height = v.height;
    spec.fps = v.fps;
    spec.seconds = std::max(1, static_cast<int>(std::lround(fixture::CameraVideoMs(v) / 1000.0)));
    spec.start = fixture::FromEpochSeconds(start);
    spec.gps = fixture::SimulateGps(fixture::DriveSimulation{}, spec.seconds,
                                    fixture::LayoutGpsRate(spec.layout), spec.start);
    spec.gsensor = fixture::SimulateGsensor(fixture::DriveSimulation{}, spec.seconds,
                                            fixture::LayoutGsensorRate(spec.layout));
    std::string error;
    // The camera videos are kept with the build's fixtures: they take a while to encode.
    (void)base;
    spec.baseVideo = fixture::EnsureCameraVideo(std::string(VEMORA_FIXTURE_DIR) + "/camera", v, &error);
    if (spec.baseVideo.empty())
        ADD_FAILURE() << error;
    return spec;
}

// The recordings follow each other as the camera's clock saw them (whole seconds). Returns the
// first file: the first front file, or the first rear file when asked.
std::string WriteCameraCard(const std::string& folder, const std::string& base, Card card) {
    std::vector<fixture::CardRecording> recordings;
    int64_t start = fixture::ToEpochSeconds(fixture::CalendarTime{2024, 5, 17, 10, 20, 30});
    for (const FootageRecording& f : FootageOf(card)) {
        fixture::CardRecording r;
        r.rear = CameraRecording(base, start, *f.rear);
        r.front = f.front ? CameraRecording(base, start, *f.front) : *r.rear;
        if (card == Card::CameraRearTelemetry) { // a layout whose empty telemetry boxes still read
            r.front.layout = fixture::Layout::InlineBoxes;
            r.front.gps.clear();
            r.front.gsensor.clear();
        }
        r.withRear = true;
        recordings.push_back(r);
        start += static_cast<int64_t>(std::lround(LengthOf(f) / 1000.0));
    }
    fixture::CardResult written = fixture::WriteCard(folder, recordings);
    if (!written.ok) {
        ADD_FAILURE() << written.error;
        return "";
    }
    // A recording without its front file: the card holds only the rear one.
    const Footage footage = FootageOf(card);
    for (size_t k = 0, file = 0; k < footage.size(); ++k, file += 2)
        if (!footage[k].front)
            fs::remove(written.paths[file]);
    return written.paths.front();
}

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

CommandRun RunVemora(const std::string& arguments, const std::string& errFile,
                     const std::string& environment = {}) {
    CommandRun run;
    std::FILE* p = popen(
        (environment + ShellQuote(kVemora) + " " + arguments + " 2>" + ShellQuote(errFile)).c_str(), "r");
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

// How many light pixels the lower half of a band (rows top .. top + height of a luma plane) holds:
// the line of G-sensor figures and position, long with telemetry, a few dashes without.
int SecondLineInk(const uint8_t* luma, int stride, int top, int width, int height) {
    int ink = 0;
    for (int y = top + height / 2; y < top + height; ++y)
        for (int x = 0; x < width; ++x)
            ink += luma[static_cast<ptrdiff_t>(y) * stride + x] > 128;
    return ink;
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
    // Camera-like cards: the numbers follow the footage by time (ExpectedNumber); the grey strip
    // across the bottom quarter of the pictures reads this (-1: not checked).
    bool byTime = false;
    int grey = -1;
    int pictureHeight = kFrontHeight;
    // The band's second line shows G-sensor figures and a position, not the dashes of no telemetry.
    bool bandTelemetry = false;
};

class ClipTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new ScratchFolder();
        const std::string base = s_scratch->Path() + "/base";
        for (Card card : {Card::Whole, Card::SecondFrontDamaged, Card::SecondRearMissing})
            s_first[static_cast<int>(card)] = WriteCounterCard(
                s_scratch->Path() + "/card" + std::to_string(static_cast<int>(card)), base, card);
        for (Card card :
             {Card::CameraCuts, Card::CameraFullRange, Card::CameraFrontMissing, Card::CameraRearTelemetry})
            s_first[static_cast<int>(card)] = WriteCameraCard(
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
    static inline std::string s_first[kCards];
};

struct ClipCase {
    const char* name;
    Card card;
    bool rearFile;    // FILE is the rear camera's file of the first recording
    std::string args; // after FILE and --out
    int exitCode;
    const char* layout; // written layout when the clip is made
    Expected expected;
    const char* note = nullptr; // words one of the clip's notes holds
};

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

// "--from S --to S" of a row's arguments, in milliseconds.
std::pair<double, double> RangeOf(const std::string& args) {
    double from = 0, to = 0;
    std::sscanf(args.c_str() + args.find("--from"), "--from %lf", &from);
    std::sscanf(args.c_str() + args.find("--to"), "--to %lf", &to);
    return {from * 1000, to * 1000};
}

// Where a row's output goes: the row's own name, or a marker in its arguments for a missing
// folder, a file that is there already, or no --out at all (the proposed name in HOME).
enum class OutKind { Named, FolderMissing, Exists, Proposed };

OutKind TakeOutMarker(std::string& args) {
    for (auto [marker, kind] : {std::pair{" --out-folder-missing", OutKind::FolderMissing},
                                {" --out-exists", OutKind::Exists},
                                {" --out-default", OutKind::Proposed}})
        if (size_t at = args.find(marker); at != std::string::npos) {
            args.erase(at, std::string(marker).size());
            return kind;
        }
    return OutKind::Named;
}

TEST_F(ClipTest, ClipsAcrossTheCutInStepOrFailWithNothingLeft) {
    fs::create_directories(s_scratch->Path() + "/out");
    const int sideWidth = kFrontWidth + kRearWidth * kFrontHeight / kRearHeight / 2 * 2;
    const int band = 44;
    const int band360 = media::BandHeightFor(kCameraFrontHeight), band270 = media::BandHeightFor(270);
    // Camera-like rears (480 x 270, or 360 x 270 shown 4:3) beside a 640 x 360 front: 640 wide.
    const int cameraSide = 2 * kCameraFrontWidth;
    const int fullRangeGrey = 16 + (kGrey * 219 + 127) / 255; // limited-range level of full-range 64
    const std::vector<Reading> cameraReadings = {{0, kCameraFrontWidth, 0},
                                                 {kCameraFrontWidth, kCameraFrontWidth, kRearOffset}};
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
        {"an existing file is not replaced", Card::Whole, false, "--from 1 --to 2 --out-exists", 1, "", {}},
        {"no --out: the proposed name, beside an earlier clip of it",
         Card::Whole,
         false,
         "--from 1 --to 2 --out-default",
         0,
         "side",
         {10,
          10,
          sideWidth,
          kFrontHeight + band,
          {{0, kFrontWidth, 0}, {kFrontWidth, sideWidth - kFrontWidth, kRearOffset}}}},
        {"camera-like: two cuts by real length, a stall, the first recording silent",
         Card::CameraCuts,
         false,
         "--from 1.5 --to 5.5",
         0,
         "side",
         {0, 0, cameraSide, kCameraFrontHeight + band360, cameraReadings, true, kGrey, kCameraFrontHeight}},
        {"camera-like rear alone, 0.3 s shorter than its front: not damaged",
         Card::CameraCuts,
         false,
         "--from 1 --to 4.5 --layout rear",
         0,
         "rear",
         {0, 0, 480, 270 + band270, {{0, 480, kRearOffset}}, true, kGrey, 270}},
        {"10-bit full-range front, full-range 25 fps rear",
         Card::CameraFullRange,
         false,
         "--from 0.5 --to 3.5",
         0,
         "side",
         {0, 0, cameraSide, kCameraFrontHeight + band360, cameraReadings, true, fullRangeGrey,
          kCameraFrontHeight}},
        {"rear pixels shown 4:3 wide",
         Card::CameraFrontMissing,
         false,
         "--from 0.2 --to 1.8",
         0,
         "side",
         {0, 0, cameraSide, kCameraFrontHeight + band360, cameraReadings, true, kGrey, kCameraFrontHeight}},
        {"a recording without its front file keeps its place",
         Card::CameraFrontMissing,
         false,
         "--from 1 --to 5",
         0,
         "rear",
         {0, 0, 480, 270 + band270, {{0, 480, kRearOffset}}, true, kGrey, 270},
         "front camera's file of this recording is missing"},
        {"the band from the rear file's telemetry where the front file holds none",
         Card::CameraRearTelemetry,
         false,
         "--from 0.5 --to 1.9 --size share", // within the first recording's two seconds of telemetry
         0,
         "side",
         {0, 0, cameraSide, kCameraFrontHeight + band360, cameraReadings, true, kGrey, kCameraFrontHeight,
          true}},
        {"an unknown size", Card::Whole, false, "--from 1 --to 2 --size half", 2, "", {}},
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
        std::string environment;
        const OutKind outKind = TakeOutMarker(args);
        std::string outArgs = " --out " + ShellQuote(out);
        if (outKind == OutKind::FolderMissing) {
            out = Out("missing/clip.mp4");
            outArgs = " --out " + ShellQuote(out);
        } else if (outKind == OutKind::Exists) {
            ASSERT_TRUE(WriteText(out, "an earlier clip"));
        } else if (outKind == OutKind::Proposed) {
            const std::string home = s_scratch->Path() + "/home";
            const std::string clips = home + "/Documents/Vemora Viewer/Clips/";
            const std::string stem = fs::path(file).stem().string();
            fs::create_directories(clips);
            ASSERT_TRUE(WriteText(clips + stem + "_1-2.mp4", "an earlier clip"));
            out = clips + stem + "_1-2 (2).mp4";
            outArgs.clear();
            environment = "env -u XDG_DOCUMENTS_DIR HOME=" + ShellQuote(home) + " ";
        }
        CommandRun run = RunVemora("clip " + ShellQuote(file) + outArgs + " " + args,
                                   s_scratch->Path() + "/err.txt", environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        std::error_code ec;
        if (c.exitCode != 0) {
            EXPECT_FALSE(run.err.empty());
            if (outKind == OutKind::Exists) {
                EXPECT_EQ(testing::ReadWholeFile(out), "an earlier clip");
            } else {
                EXPECT_FALSE(fs::exists(out, ec));
            }
            continue;
        }
        EXPECT_NE(run.out.find("\"layout\":\"" + std::string(c.layout) + "\""), std::string::npos) << run.out;
        if (c.note) {
            EXPECT_NE(run.out.find(c.note), std::string::npos) << run.out;
        }
        const Expected& e = c.expected;
        media::ClipFacts facts;
        std::string error;
        std::vector<std::vector<int>> numbers, greys;
        std::vector<int> bandInk;
        ASSERT_TRUE(media::ProbeClip(
            out, facts,
            [&](const media::LumaView& luma) {
                std::vector<int> row, grey;
                for (const Reading& r : e.readings) {
                    row.push_back(CounterAt(luma, r.x, r.width, e.pictureHeight));
                    grey.push_back(luma.At(r.x + r.width / 2, e.pictureHeight * 7 / 8));
                }
                numbers.push_back(row);
                greys.push_back(grey);
                if (e.bandTelemetry)
                    bandInk.push_back(SecondLineInk(luma.data, luma.stride, e.pictureHeight, luma.width,
                                                    luma.height - e.pictureHeight));
            },
            &error))
            << error;
        EXPECT_EQ(facts.width, e.width);
        EXPECT_EQ(facts.height, e.height);
        EXPECT_TRUE(facts.yuv420p);
        EXPECT_EQ(facts.videoCodec, "h264");
        // The clip keeps the lead camera's rate and step from its first picture in the range.
        const Footage footage = FootageOf(c.card);
        const bool rearLeads = std::string(c.layout) == "rear";
        const int fps = !e.byTime ? kFps : rearLeads ? footage.front().rear->fps : footage.front().front->fps;
        const double stepMs = 1000.0 / fps;
        double firstMs = 0;
        int frames = e.frames;
        if (e.byTime) {
            const auto [fromMs, toMs] = RangeOf(args);
            firstMs = FirstPictureMs(footage, rearLeads, fromMs);
            frames = static_cast<int>(std::ceil((toMs - 0.5 - firstMs) / stepMs));
        }
        EXPECT_NEAR(facts.frames, frames, 1);
        ASSERT_TRUE(facts.hasSound);
        EXPECT_NEAR(facts.soundMs, 1000.0 * facts.frames / fps, 50.0);
        if (e.bandTelemetry) {
            const int bandHeight = e.height - e.pictureHeight;
            std::string fontError;
            auto painter = media::BandPainter::Create(media::FindBandFont(), e.width, bandHeight, &fontError);
            ASSERT_TRUE(painter) << fontError;
            const int none =
                SecondLineInk(painter->Luma(media::BandLines({}, 0)).data(), e.width, 0, e.width, bandHeight);
            for (size_t f = 0; f < bandInk.size(); ++f)
                ASSERT_GT(bandInk[f], 2 * none) << "frame " << f;
        }
        for (size_t f = 0; f < numbers.size(); ++f)
            for (size_t r = 0; r < e.readings.size(); ++r) {
                const bool rear = e.readings[r].offset != 0;
                const int expected = e.byTime
                                         ? ExpectedNumber(footage, rear, firstMs + f * stepMs, stepMs / 2)
                                         : e.firstFrame + static_cast<int>(f) + e.readings[r].offset;
                ASSERT_EQ(numbers[f][r], expected) << "frame " << f << " region " << r;
                if (e.grey >= 0) {
                    ASSERT_NEAR(greys[f][r], e.grey, 4) << "frame " << f << " region " << r;
                }
            }
    }
    std::vector<std::string> left = OutFolder();
    for (const std::string& name : left)
        EXPECT_EQ(name.find(".part"), std::string::npos) << name;
}

// The share size keeps the whole frame within 1920 pixels whatever the layout, never enlarges, and
// lowers a requested height that would be wider; the full size is as it always was.
TEST(ClipGeometryTest, ShareSizeKeepsTheFrameWithin1920PixelsWide) {
    using media::ClipLayout;
    using media::ClipSize;
    struct Row {
        ClipLayout layout;
        int fw, fh, rw, rh, height;
        ClipSize size;
        int width, pictureHeight;
    };
    const std::vector<Row> rows = {
        {ClipLayout::Side, 2560, 1440, 1920, 1080, 0, ClipSize::Share, 1920, 540},
        {ClipLayout::Side, 2560, 1440, 1920, 1080, 0, ClipSize::Full, 3840, 1080},
        {ClipLayout::Side, 2560, 1440, 1920, 1080, 1080, ClipSize::Share, 1920, 540},
        {ClipLayout::Side, 2560, 1440, 1920, 1080, 360, ClipSize::Share, 1280, 360},
        {ClipLayout::Side, 1920, 1080, 1440, 1080, 0, ClipSize::Share, 1918, 616},
        {ClipLayout::Side, 640, 360, 480, 270, 0, ClipSize::Share, 1280, 360},
        {ClipLayout::Pip, 2560, 1440, 1920, 1080, 1440, ClipSize::Share, 1920, 1080},
        {ClipLayout::Front, 2560, 1440, 1920, 1080, 0, ClipSize::Share, 1920, 1080},
        {ClipLayout::Rear, 2560, 1440, 2880, 1080, 0, ClipSize::Share, 1920, 720},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message()
                     << media::LayoutName(r.layout) << " " << r.fw << "x" << r.fh << " + " << r.rw << "x"
                     << r.rh << " at " << r.height << " " << media::SizeName(r.size));
        const media::ClipGeometry g =
            media::PlanGeometry(r.layout, r.fw, r.fh, r.rw, r.rh, r.height, r.size, true);
        EXPECT_EQ(g.width, r.width);
        EXPECT_EQ(g.pictureHeight, r.pictureHeight);
        EXPECT_EQ(g.band.width, g.width);
        EXPECT_EQ(g.height, r.pictureHeight + media::BandHeightFor(r.pictureHeight));
    }
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
