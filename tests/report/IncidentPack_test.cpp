// `vemora report` on a drive whose pictures show their frame numbers: two recordings of 6 s, the
// front camera counting 0, 1, 2 ... across the cut, the rear camera the same from 1000, and a
// jolt 1.5 s into the second recording. A pack is complete and checks out with sha256sum, its
// stills are the exact pictures, its PDF says the time, the speed and the files' hashes; a bad
// moment, a target that cannot be written and a missing rear camera are told, and a failure
// leaves no folder behind.
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/wait.h>

namespace vemora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::ScratchFolder;
using testing::ShellQuote;

const std::string kVemora = std::string(VEMORA_BINARY_DIR) + "/vemora";
constexpr int kFps = 10;
constexpr int kSeconds = 6;
constexpr int kRearOffset = 1000;
constexpr double kJoltAt = 1.5; // seconds into the second recording

enum class Card { Whole, SecondRearMissing };

fixture::RecordingSpec CounterRecording(const std::string& base, int k, bool rear) {
    fixture::RecordingSpec spec;
    spec.width = rear ? 320 : 352;
    spec.height = rear ? 180 : 240;
    spec.seconds = kSeconds;
    spec.fps = kFps;
    spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, 30 + kSeconds * k};
    fixture::DriveSimulation drive;
    drive.phaseSeconds = kSeconds * k;
    if (k == 1)
        drive.joltsAt = {kJoltAt};
    spec.gps = fixture::SimulateGps(drive, kSeconds, 1, spec.start);
    spec.gsensor = fixture::SimulateGsensor(drive, kSeconds, 10);
    const int first = kSeconds * kFps * k + (rear ? kRearOffset : 0);
    spec.baseDir = base + "/" + (rear ? "r" : "f") + std::to_string(first);
    std::string error;
    if (fixture::EnsureFrameCounterVideo(spec.baseDir, spec.width, spec.height, kSeconds, kFps, &error,
                                         {first, !rear})
            .empty())
        ADD_FAILURE() << error;
    return spec;
}

// Returns the second recording's front file.
std::string WriteCounterCard(const std::string& folder, const std::string& base, Card card) {
    std::vector<fixture::CardRecording> recordings;
    for (int k = 0; k < 2; ++k) {
        fixture::CardRecording r;
        r.front = CounterRecording(base, k, false);
        r.rear = CounterRecording(base, k, true);
        r.withRear = !(k == 1 && card == Card::SecondRearMissing);
        recordings.push_back(r);
    }
    fixture::CardResult written = fixture::WriteCard(folder, recordings);
    if (!written.ok)
        ADD_FAILURE() << written.error;
    for (const std::string& path : written.paths)
        if (path.find("102036_F") != std::string::npos)
            return path;
    ADD_FAILURE() << "no second front file";
    return {};
}

struct CommandRun {
    int exitCode = -1;
    std::string out, err;
};

CommandRun RunCommand(const std::string& command) {
    CommandRun run;
    const std::string errFile =
        fs::temp_directory_path() / ("vemora-report-err-" + std::to_string(::getpid()));
    std::FILE* p = popen((command + " 2>" + ShellQuote(errFile)).c_str(), "r");
    if (!p)
        return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(p);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errFile);
    fs::remove(errFile);
    return run;
}

// The frame number a PNG still shows across its middle row (read back with ffmpeg).
int CounterOfStill(const std::string& png) {
    const CommandRun size =
        RunCommand("ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=p=0 " +
                   ShellQuote(png));
    int width = 0, height = 0;
    if (std::sscanf(size.out.c_str(), "%d,%d", &width, &height) != 2)
        return -2;
    const CommandRun gray =
        RunCommand("ffmpeg -nostdin -v error -i " + ShellQuote(png) + " -f rawvideo -pix_fmt gray -");
    if (gray.out.size() != static_cast<size_t>(width) * height)
        return -3;
    std::vector<int> row;
    for (int x = 0; x < width; ++x)
        row.push_back(static_cast<unsigned char>(gray.out[static_cast<size_t>(height / 2) * width + x]));
    return fixture::FrameOfCounterRow(row);
}

// Entries of folder, hidden ones included.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Expected {
    std::vector<std::pair<std::string, int>> stills; // pack path, counter shown
    int originals;
    const char* note; // part of a note, or ""
    const char* incident;
};

struct PackCase {
    const char* name;
    Card card;
    std::string args;   // after FILE
    const char* target; // --out below the scratch folder ("" = none given; "@card" = on the card)
    int exitCode;
    const char* error; // part of the message on failure
    Expected expected;
};

class IncidentPackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new ScratchFolder();
        const std::string base = s_scratch->Path() + "/base";
        for (Card card : {Card::Whole, Card::SecondRearMissing})
            s_file[static_cast<int>(card)] = WriteCounterCard(
                s_scratch->Path() + "/card" + std::to_string(static_cast<int>(card)), base, card);
    }
    static void TearDownTestSuite() {
        delete s_scratch;
        s_scratch = nullptr;
    }
    static inline ScratchFolder* s_scratch = nullptr;
    static inline std::string s_file[2];
};

TEST_F(IncidentPackTest, PacksACutOrSaysWhyAndLeavesNothing) {
    ASSERT_TRUE(testing::RequireTool("/usr/bin/pdftotext"));
    ASSERT_TRUE(testing::RequireTool("/usr/bin/sha256sum"));
    const std::string out = s_scratch->Path() + "/out";
    fs::create_directories(out + "/full");
    std::ofstream(out + "/full/keep.txt") << "mine";
    std::ofstream(out + "/plain-file") << "x";
    fs::create_directories(out + "/empty");
    const std::vector<std::pair<std::string, int>> allStills = {{"stills/front_-3s.png", 45},
                                                                {"stills/front_0s.png", 75},
                                                                {"stills/front_+2s.png", 95},
                                                                {"stills/rear_-3s.png", kRearOffset + 45},
                                                                {"stills/rear_0s.png", kRearOffset + 75},
                                                                {"stills/rear_+2s.png", kRearOffset + 95}};
    const std::vector<PackCase> cases = {
        {"jolt across the cut",
         Card::Whole,
         "--at 1.5 --before 4 --after 3",
         "pack",
         0,
         "",
         {allStills, 4, "", "jolt"}},
        {"into an empty folder, range cut at the drive's start",
         Card::Whole,
         "--at 1.5 --before 20 --after 1",
         "empty",
         0,
         "",
         {allStills, 4, "drive begins 7.50 s before", "jolt"}},
        {"missing rear",
         Card::SecondRearMissing,
         "--at 1.5 --before 4 --after 3",
         "rearless",
         0,
         "",
         {{allStills[0], allStills[1], allStills[2], allStills[3]},
          3,
          "rear camera's file is missing",
          "jolt"}},
        {"moment after the recording's end", Card::Whole, "--at 6.5", "late", 1, "outside the recording", {}},
        {"negative moment", Card::Whole, "--at -1", "early", 1, "outside the recording", {}},
        {"target holds files", Card::Whole, "--at 1.5", "full", 1, "not an empty folder", {}},
        {"target below a file", Card::Whole, "--at 1.5", "plain-file/pack", 1, "no such folder", {}},
        {"target on the card", Card::Whole, "--at 1.5", "@card", 1, "never written on the card", {}},
    };
    for (const PackCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = s_file[static_cast<int>(c.card)];
        const std::string target =
            std::string(c.target) == "@card"
                ? fs::path(file).parent_path().parent_path().parent_path().string() + "/pack"
                : out + "/" + c.target;
        const auto before = Entries(out);
        const CommandRun run = RunCommand(ShellQuote(kVemora) + " report " + ShellQuote(file) + " " + c.args +
                                          " --out " + ShellQuote(target) + " --lang en");
        ASSERT_EQ(run.exitCode, c.exitCode) << run.err;
        if (c.exitCode != 0) {
            EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
            EXPECT_EQ(Entries(out), before) << "a failure leaves nothing behind";
            if (std::string(c.target) == "@card") {
                EXPECT_FALSE(fs::exists(target));
            }
            continue;
        }
        EXPECT_NE(run.out.find("\"out\":"), std::string::npos) << run.out;
        // Every file present and sha256sum agrees with every line.
        for (const char* name : {"report.pdf", "clip.mp4", "track.gpx", "report.json", "SHA256SUMS"})
            EXPECT_TRUE(fs::is_regular_file(target + "/" + name)) << name;
        const CommandRun check =
            RunCommand("cd " + ShellQuote(target) + " && sha256sum --strict -c SHA256SUMS");
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
        const std::string sums = ReadWholeFile(target + "/SHA256SUMS");
        const size_t lines = static_cast<size_t>(std::count(sums.begin(), sums.end(), '\n'));
        EXPECT_EQ(lines, 4 + c.expected.stills.size() + c.expected.originals) << sums;
        EXPECT_EQ(Entries(target + "/originals").size(), static_cast<size_t>(c.expected.originals));
        // The originals are the card's files byte for byte.
        for (const std::string& name : Entries(target + "/originals")) {
            const std::string source = (name.find("_R.") != std::string::npos ? "R/" : "F/") + name;
            EXPECT_EQ(ReadWholeFile(target + "/originals/" + name),
                      ReadWholeFile(fs::path(file).parent_path().parent_path().string() + "/" + source))
                << name;
        }
        // The exact pictures.
        EXPECT_EQ(Entries(target + "/stills").size(), c.expected.stills.size());
        for (const auto& [still, counter] : c.expected.stills)
            EXPECT_EQ(CounterOfStill(target + "/" + still), counter) << still;
        // The PDF says when, how fast and which files.
        const std::string text =
            RunCommand("pdftotext -layout " + ShellQuote(target + "/report.pdf") + " -").out;
        EXPECT_NE(text.find("2024-05-17 10:20:37"), std::string::npos) << text.substr(0, 2000);
        const std::string json = ReadWholeFile(target + "/report.json");
        std::smatch speed;
        ASSERT_TRUE(std::regex_search(json, speed, std::regex("\"position\":\\{[^}]*\"speed_kmh\":([0-9]+)")))
            << json.substr(0, 800);
        EXPECT_NE(text.find(speed[1].str() + " km/h"), std::string::npos);
        std::istringstream sumLines(sums);
        for (std::string line; std::getline(sumLines, line);) {
            const std::string hash = line.substr(0, 64), name = line.substr(66);
            if (name != "report.pdf" && name != "report.json") {
                EXPECT_NE(text.find(hash), std::string::npos) << name;
            }
        }
        EXPECT_NE(run.out.find(std::string("\"kind\":\"") + c.expected.incident + "\""), std::string::npos)
            << run.out;
        EXPECT_NE(text.find("Jolt"), std::string::npos);
        if (*c.expected.note) {
            EXPECT_NE(run.out.find(c.expected.note), std::string::npos) << run.out;
            EXPECT_NE(text.find(c.expected.note), std::string::npos);
        } else {
            EXPECT_NE(run.out.find("\"notes\":[]"), std::string::npos) << run.out;
        }
        const auto left = Entries(out);
        EXPECT_EQ(
            std::count_if(left.begin(), left.end(), [](const std::string& n) { return n.front() == '.'; }), 0)
            << "no temporary folder is left";
    }
}

} // namespace
} // namespace vemora
