#include "library/ListTexts.h"
#include "library/RecordingLibrary.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vemora;
using vemora::testing::FakeReader;
using vemora::testing::LocalSeconds;
using vemora::testing::RecordingSink;
using vemora::testing::TempTree;

TEST(ListTexts, ResolutionNames) {
    struct Case {
        int w, h;
        const char* name;
    } cases[] = {
        {2048, 1600, "QXGA"},
        {2048, 1536, "QXGA"},
        {1920, 1080, "1080P HD"},
        {1600, 1200, "UXGA"},
        {1280, 1024, "SXGA"},
        {1280, 720, "720P"},
        {1152, 870, "MAC"},
        {1024, 768, "XGA"},
        {800, 600, "SVGA"},
        {720, 480, "480P"},
        {640, 480, "VGA"},
        {320, 240, "CIF"},
        {2560, 1440, "2560x1440"},
        {1080, 1920, "1080x1920"},
        {0, 0, ""},
        {1920, 0, ""},
        {0, 720, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolutionName(c.w, c.h), c.name) << c.w << "x" << c.h;
}

TEST(ListTexts, SizesShiftTwentyBitsAndLengthsTruncate) {
    EXPECT_EQ(SizeText(1048575), " 0 MB");
    EXPECT_EQ(SizeText(1048576), " 1 MB");
    EXPECT_EQ(SizeText(int64_t(5) << 40), " 5242880 MB");
    EXPECT_EQ(LengthText(59999), " 59 s ");
    EXPECT_EQ(LengthText(0), " 0 s ");
    EXPECT_EQ(LengthText(int64_t(1) << 40), " 1099511627 s ");
    EXPECT_EQ(GroupIdText(0), "G0");
    EXPECT_EQ(RecordingIdText(3, 12), "G3-12");
}

TEST(ListTexts, TimesAreLocalWallClock) {
    const int64_t start = LocalSeconds(2024, 12, 31, 23, 59, 30);
    EXPECT_EQ(FormatLocalTime(start, kGroupStartFormat), "2024-12-31 23:59:30");
    EXPECT_EQ(FormatLocalTime(start, kRecordingTimeFormat), "23:59:30");
    EXPECT_EQ(FormatLocalTime(EndTimeOf(start, 60000), kRecordingTimeFormat), "00:00:30");
    EXPECT_EQ(FormatLocalTime(EndTimeOf(start, 60999), kRecordingTimeFormat), "00:00:30");
}

TEST(ListTexts, UnrepresentableTimesGiveEmptyCells) {
    EXPECT_EQ(FormatLocalTime(std::numeric_limits<int64_t>::max(), kGroupStartFormat), "");
    EXPECT_EQ(FormatLocalTime(0, std::string(200, 'x').c_str()), ""); // does not fit 128 characters
}

TEST(ListTexts, RowsAsTheListsShowThem) {
    TempTree tree;
    FakeReader reader;
    RecordingSink groups, files;
    CRecordingLibrary library;
    library.SetContainerReader(reader.Reader());
    library.AttachViews(&groups, &files);
    tree.AddFile("EVENT/CARX0001F.MP4");
    tree.AddFile("EVENT/CARX0001R.MP4");
    tree.AddFile("CARX0002F.MP4");
    const int64_t late = LocalSeconds(2024, 5, 17, 23, 59, 30);
    ContainerSummary& front = reader.Add("CARX0001F.MP4", late, 60000, 1048575);
    front.width = 1280;
    front.height = 720;
    reader.Add("CARX0001R.MP4", late, 59999, 1048576);
    ContainerSummary& broken = reader.Add("CARX0002F.MP4", std::numeric_limits<int64_t>::max() / 2, 60000);
    broken.width = broken.height = 0;
    ASSERT_TRUE(library.ScanSource(tree.Root(), ""));
    library.BuildTables();

    ASSERT_EQ(groups.rows.size(), 2u);
    EXPECT_EQ(groups.rows[0].cells,
              (std::vector<std::string>{"G0", "720P", "2024-05-17 23:59:30", " 60 s ", " 1 MB"}));
    ASSERT_EQ(files.rows.size(), 3u);
    EXPECT_EQ(files.rows[0].cells, (std::vector<std::string>{"G0-0", "CARX0001F.MP4", "23:59:30", "00:00:30",
                                                             " 0 MB", tree.Root() + "EVENT/"}));
    EXPECT_EQ(files.rows[1].cells[0], "G0-1");
    EXPECT_EQ(files.rows[1].cells[3], "00:00:29");
    EXPECT_EQ(files.rows[1].cells[4], " 1 MB");
    // A start time the local-time conversion rejects leaves its cells empty; filling goes on.
    EXPECT_EQ(groups.rows[1].cells, (std::vector<std::string>{"G1", "", "", " 60 s ", " 1 MB"}));
    EXPECT_EQ(files.rows[2].cells[2], "");
    EXPECT_EQ(files.rows[2].cells[5], tree.Root());
}
