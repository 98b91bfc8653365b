// The library over recorder files made by the fixture writer and read by the real container
// readers, and the `vemora scan` command over the same card.
#include "library/RecordingLibrary.h"
#include "tests/core/LibraryTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

using namespace vemora;
using vemora::testing::RecordingSink;
using vemora::testing::TempTree;
namespace fx = vemora::fixture;

namespace {

fx::CardRecording Pair(fx::Layout layout, fx::CalendarTime start, fx::NameStyle style, unsigned index,
                       bool locked = false) {
    fx::CardRecording r;
    r.front.layout = layout;
    r.front.start = start;
    r.front.baseDir = VEMORA_FIXTURE_DIR;
    r.style = style;
    r.index = index;
    r.eventLocked = locked;
    return r;
}

fx::CalendarTime Time(int hour, int minute, int second) {
    return {2024, 5, 17, hour, minute, second};
}

// Three continuous time-stamped pairs (one group), a numbered event-locked pair of the 88-byte
// layout an hour later, plus an AVI and a damaged file that must not be listed.
void WriteTestCard(const std::string& root) {
    std::vector<fx::CardRecording> card = {
        Pair(fx::Layout::InlineBoxes, Time(10, 20, 30), fx::NameStyle::TimeStamped, 0),
        Pair(fx::Layout::MetaTrack92, Time(10, 20, 33), fx::NameStyle::TimeStamped, 1),
        Pair(fx::Layout::FileTrailer, Time(10, 20, 36), fx::NameStyle::TimeStamped, 2),
        Pair(fx::Layout::MetaTrack88, Time(11, 20, 30), fx::NameStyle::Numbered, 120, true),
    };
    fx::CardResult written = fx::WriteCard(root, card);
    ASSERT_TRUE(written.ok) << written.error;

    fx::RecordingSpec avi;
    avi.layout = fx::Layout::Avi;
    avi.start = Time(12, 0, 0);
    avi.baseDir = VEMORA_FIXTURE_DIR;
    fx::WriteResult a = fx::WriteRecording(avi, root + "DCIM/Movie/F/20240517_120000_F.AVI");
    ASSERT_TRUE(a.ok) << a.error;

    fx::RecordingSpec damaged = card[0].front;
    damaged.start = Time(13, 0, 0);
    damaged.options.truncateAt = 200;
    fx::WriteResult d = fx::WriteRecording(damaged, root + "DCIM/Movie/F/20240517_130000_F.MP4");
    ASSERT_TRUE(d.ok) << d.error;
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

} // namespace

TEST(LibraryCard, ScansRealRecordingsIntoGroups) {
    TempTree tree;
    ASSERT_NO_FATAL_FAILURE(WriteTestCard(tree.Root()));
    RecordingSink groups, files;
    CRecordingLibrary library;
    library.AttachViews(&groups, &files);
    ASSERT_TRUE(library.ScanSource(tree.Root(), ""));
    library.BuildTables();

    ASSERT_EQ(library.Records().size(), 8u);
    ASSERT_EQ(library.Groups().size(), 2u);
    EXPECT_EQ(library.Groups()[0].recordCount, 6);
    EXPECT_EQ(library.Groups()[0].durationMs, 9000); // three front files of 3 s
    EXPECT_EQ(groups.rows[0].cells[0], "G0");
    EXPECT_EQ(groups.rows[0].cells[1], "CIF");
    EXPECT_EQ(groups.rows[0].cells[2], "2024-05-17 10:20:30");
    EXPECT_EQ(groups.rows[0].cells[3], " 9 s ");
    EXPECT_EQ(files.rows[0].cells[1], "20240517_102030_F.MP4");
    EXPECT_EQ(files.rows[1].cells[1], "20240517_102030_R.MP4");
    EXPECT_EQ(files.rows[0].cells[3], "10:20:33");
    EXPECT_EQ(files.rows[0].cells[5], tree.Root() + "DCIM/Movie/F/");
    // The numbered pair: 88-byte layout, so the "EVGS" name decides the mark, not the attributes.
    EXPECT_EQ(files.rows[6].cells[1], "EVGS1200.MP4");
    EXPECT_EQ(files.rows[6].lockImage, kEventLock);
    EXPECT_EQ(files.rows[7].cells[1], "EVGS1201_b.MP4");
    EXPECT_EQ(groups.rows[1].lockImage, kEventLock);
    EXPECT_EQ(library.Records()[6].summary.format, TelemetryFormat::MetaTrack88);
}

TEST(LibraryCard, ScanCommandPrintsBothLists) {
    TempTree tree;
    ASSERT_NO_FATAL_FAILURE(WriteTestCard(tree.Root()));
    const std::string tool = std::string(VEMORA_BINARY_DIR) + "/vemora";
    Output out = RunTool(tool + " scan " + tree.Root() + " 2>/dev/null");
    ASSERT_EQ(out.status, 0);
    EXPECT_NE(out.text.find(R"({"groups":[{"row":0,"text":["G0","CIF","2024-05-17 10:20:30"," 9 s ",)"),
              std::string::npos)
        << out.text;
    EXPECT_NE(out.text.find(R"("lock":0,"first":0,"count":6})"), std::string::npos) << out.text;
    EXPECT_NE(out.text.find(R"({"row":6,"text":["G1-0","EVGS1200.MP4","11:20:30","11:20:33"," 0 MB",")" +
                            tree.Root() + R"(DCIM/front/"],"lock":1,"path":")" + tree.Root() +
                            R"(DCIM/front/EVGS1200.MP4","format":1})"),
              std::string::npos)
        << out.text;
    EXPECT_EQ(out.text.find(".AVI"), std::string::npos);
    // The damaged file is in no list, only among the rejected files, with its reason.
    const size_t rejected = out.text.find(R"(],"rejected":[)");
    ASSERT_NE(rejected, std::string::npos) << out.text;
    EXPECT_EQ(out.text.substr(0, rejected).find("130000"), std::string::npos);
    EXPECT_NE(out.text.find(R"("rejected":[{"path":")" + tree.Root() +
                            R"(DCIM/Movie/F/20240517_130000_F.MP4","reason":"cut_short","error":")"),
              std::string::npos)
        << out.text;

    EXPECT_EQ(RunTool(tool + " scan " + tree.Root() + "missing 2>/dev/null").status, 1);
    EXPECT_EQ(RunTool(tool + " scan 2>/dev/null").status, 2);
    EXPECT_EQ(RunTool(tool + " scan a b 2>/dev/null").status, 2);
}
