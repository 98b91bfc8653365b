#include "library/FolderWalker.h"
#include "library/RecordingLibrary.h"
#include "platform/FileAttributes.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

using namespace vemora;
using vemora::testing::FakeReader;
using vemora::testing::LocalSeconds;
using vemora::testing::RecordingSink;
using vemora::testing::TempTree;

namespace {

int64_t At(int hour, int minute, int second) {
    return LocalSeconds(2024, 5, 17, hour, minute, second);
}

struct ScanFixture : ::testing::Test {
    TempTree tree;
    FakeReader reader;
    RecordingSink groups;
    RecordingSink files;
    CRecordingLibrary library;

    void SetUp() override {
        library.SetContainerReader(reader.Reader());
        library.AttachViews(&groups, &files);
    }
    // A recorder file on disk with the summary the stand-in reader gives for it.
    void Add(const std::string& relativePath, int64_t start, uint32_t durationMs, uint64_t size = 1 << 20) {
        tree.AddFile(relativePath);
        reader.Add(relativePath.substr(relativePath.find_last_of('/') + 1), start, durationMs, size);
    }
    bool Scan() {
        bool ok = library.ScanSource(tree.Root(), "");
        library.BuildTables();
        return ok;
    }
    std::vector<std::string> ListedNames() const {
        std::vector<std::string> names;
        for (const RecordingInfo& r : library.Records())
            names.push_back(r.fileName);
        return names;
    }
};

std::vector<std::string> Walk(const std::string& root, int* unreadable = nullptr) {
    std::vector<std::string> seen;
    WalkFolderTree(
        root,
        [&](const WalkEntry& e) { seen.push_back(e.relativeFolder + e.name + (e.isFolder ? "/" : "")); },
        nullptr, unreadable);
    std::sort(seen.begin(), seen.end());
    return seen;
}

} // namespace

TEST_F(ScanFixture, GroupsByThreeSecondGapAfterEndOrStart) {
    Add("AAAA0001.MP4", At(10, 0, 0), 60000);
    Add("AAAA0002.MP4", At(10, 1, 2), 60000);  // 2 s after the first one's end
    Add("AAAA0003.MP4", At(10, 2, 7), 60000);  // 5 s after the second one's end, 65 s after its start
    Add("AAAA0004.MP4", At(10, 2, 10), 60000); // 3 s after the third one's start
    ASSERT_TRUE(Scan());
    ASSERT_EQ(library.Groups().size(), 2u);
    EXPECT_EQ(library.Groups()[0].firstRecord, 0);
    EXPECT_EQ(library.Groups()[0].recordCount, 2);
    EXPECT_EQ(library.Groups()[1].firstRecord, 2);
    EXPECT_EQ(library.Groups()[1].recordCount, 2);
    std::vector<int> starts;
    for (const RecordingInfo& r : library.Records())
        starts.push_back(r.startsGroup);
    EXPECT_EQ(starts, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(ScanFixture, LengthCountsInWholeSecondsForTheGap) {
    Add("AAAA0001.MP4", At(10, 0, 0), 59999); // ends at 10:00:59 for the gap test
    Add("AAAA0002.MP4", At(10, 1, 3), 60000); // 4 s later: a new group
    Add("AAAA0003.MP4", At(10, 5, 0), 59999);
    Add("AAAA0004.MP4", At(10, 6, 2), 60000); // 3 s later: joins
    ASSERT_TRUE(Scan());
    ASSERT_EQ(library.Groups().size(), 3u);
    EXPECT_EQ(library.Groups()[2].recordCount, 2);
    EXPECT_EQ(groups.rows[2].cells[3], " 119 s "); // 59 999 + 60 000 ms
}

TEST_F(ScanFixture, EqualStartTimesSortByNameAndShareAGroup) {
    Add("Movie/R/20240517_100000_R.MP4", At(10, 0, 0), 60000);
    Add("Movie/F/20240517_100000_F.MP4", At(10, 0, 0), 60000);
    Add("Movie/F/20240517_095000_F.MP4", At(9, 50, 0), 60000);
    ASSERT_TRUE(Scan());
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"20240517_095000_F.MP4", "20240517_100000_F.MP4",
                                                       "20240517_100000_R.MP4"}));
    ASSERT_EQ(library.Groups().size(), 2u);
    EXPECT_EQ(library.Groups()[1].recordCount, 2);
    EXPECT_EQ(library.Records()[1].subFolder, "Movie/F/");
    EXPECT_EQ(library.Records()[1].rootFolder, tree.Root());
}

TEST_F(ScanFixture, GroupLengthIsTheLargerCameraSum) {
    for (int i = 0; i < 3; ++i)
        Add("F/2024051710" + std::to_string(i) + "000_F.MP4", At(10, i, 0), 60000, 3 << 20);
    for (int i = 0; i < 2; ++i)
        Add("R/2024051710" + std::to_string(i) + "000_R.MP4", At(10, i, 0), 60000, 2 << 20);
    ASSERT_TRUE(Scan());
    ASSERT_EQ(library.Groups().size(), 1u);
    EXPECT_EQ(library.Groups()[0].durationMs, 180000);
    EXPECT_EQ(library.Groups()[0].totalSize, 13 << 20);
    EXPECT_EQ(groups.rows[0].cells[3], " 180 s ");
    EXPECT_EQ(groups.rows[0].cells[4], " 13 MB");
}

TEST_F(ScanFixture, SkipsHiddenEntriesAviAndUnreadableFiles) {
    Add("DCIM/FILE0001.MP4", At(10, 0, 0), 60000);
    Add(".hidden/FILE0002.MP4", At(11, 0, 0), 60000);
    Add("DCIM/.Trash/FILE0003.MP4", At(12, 0, 0), 60000);
    Add("DCIM/FILE0005.AVI", At(14, 0, 0), 60000); // AVI is listed only as a one-file source
    tree.AddFile("DCIM/FILE0006.MP4");             // the reader rejects it
    tree.AddFile("DCIM/notes.txt");
    ASSERT_TRUE(Scan());
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"FILE0001.MP4"}));
    // Only recorder-named MP4/MOV files were given to the reader.
    EXPECT_EQ(reader.calls, 2);
}

TEST_F(ScanFixture, AviIsAcceptedAsAOneFileSource) {
    Add("ABCG0001.AVI", At(10, 0, 0), 60000);
    ASSERT_TRUE(library.ScanSource(tree.Root(), "ABCG0001.AVI"));
    ASSERT_EQ(library.Records().size(), 1u);
    EXPECT_EQ(library.Records()[0].lockFlags, kEventLock); // fourth character "G"
    EXPECT_EQ(library.Records()[0].subFolder, "");
    // A read-only file adds the manual lock; no name test is made for a one-file source.
    Add("sub/clip.mp4", At(11, 0, 0), 60000);
    ASSERT_EQ(::chmod((tree.Root() + "sub/clip.mp4").c_str(), 0444), 0);
    ASSERT_TRUE(library.ScanSource(tree.Root() + "sub", "clip.mp4"));
    ASSERT_EQ(library.Records().size(), 1u);
    EXPECT_EQ(library.Records()[0].lockFlags, kManualLock);
    EXPECT_EQ(library.Records()[0].rootFolder, tree.Root() + "sub/");
    EXPECT_FALSE(library.ScanSource(tree.Root(), "MISSING1.MP4"));
    EXPECT_TRUE(library.Records().empty());
}

TEST_F(ScanFixture, EmptyAndMissingFolders) {
    EXPECT_TRUE(Scan());
    EXPECT_TRUE(library.Records().empty());
    EXPECT_TRUE(groups.rows.empty());
    EXPECT_FALSE(library.ScanSource(tree.Root() + "nothing-here", ""));
    EXPECT_TRUE(library.Records().empty());
}

TEST_F(ScanFixture, LockMarksFromAttributesAndTheMetaTrack88NameRule) {
    Add("FILE0001.MP4", At(10, 0, 0), 60000);
    Add("EVGS0002.MP4", At(10, 1, 0), 60000);
    Add("EVSW0003.MP4", At(10, 2, 0), 60000);
    reader.Add("EVSW0003.MP4", At(10, 2, 0), 60000).format = TelemetryFormat::MetaTrack88;
    ASSERT_EQ(::chmod((tree.Root() + "FILE0001.MP4").c_str(), 0444), 0);
    ASSERT_EQ(::chmod((tree.Root() + "EVGS0002.MP4").c_str(), 0444), 0);
    ASSERT_TRUE(Scan());
    ASSERT_EQ(files.rows.size(), 3u);
    EXPECT_EQ(files.rows[0].lockImage, kManualLock);
    EXPECT_EQ(files.rows[1].lockImage, kEventLock);
    EXPECT_EQ(files.rows[2].lockImage, kManualLock); // not read-only, but "EVSW" in format 1
    EXPECT_EQ(groups.rows[0].lockImage, kEventLock | kManualLock);
}

TEST_F(ScanFixture, SelectRecordingHighlightsBothLists) {
    Add("AAAA0001.MP4", At(10, 0, 0), 60000);
    Add("AAAA0002.MP4", At(11, 0, 0), 60000);
    ASSERT_TRUE(Scan());
    EXPECT_FALSE(library.SelectRecording(-1));
    EXPECT_FALSE(library.SelectRecording(2));
    EXPECT_EQ(library.CurrentRow(), -1);
    EXPECT_EQ(library.FindGroupOfCurrentRow(), -1);
    ASSERT_TRUE(library.SelectRecording(1));
    EXPECT_EQ(library.CurrentGroup(), 1);
    EXPECT_EQ(files.currentRow, 1);
    EXPECT_EQ(groups.currentRow, 1);
    EXPECT_EQ(library.GetCurrentPath(), tree.Root() + "AAAA0002.MP4");
    EXPECT_EQ(library.GetRecordingPath(5), "");
    library.Track().points.resize(3);
    library.Track().samples.resize(4);
    int cleared = 0;
    library.SetClearedCallback([&] { ++cleared; });
    library.ClearLibrary();
    EXPECT_EQ(cleared, 1); // the owner empties the G-sensor curve
    EXPECT_TRUE(library.Track().points.empty());
    EXPECT_TRUE(library.Track().samples.empty());
    EXPECT_TRUE(groups.rows.empty());
    EXPECT_EQ(library.CurrentRow(), -1);
    EXPECT_TRUE(files.rows.empty());
    EXPECT_EQ(library.GetCurrentPath(), "");
}

TEST_F(ScanFixture, ColumnsComeAsStringIds) {
    ASSERT_EQ(groups.columns.size(), 5u);
    ASSERT_EQ(files.columns.size(), 6u);
    EXPECT_EQ(groups.columns[0].titleId, 116);
    EXPECT_EQ(files.columns[5].titleId, 124);
    library.UpdateColumnTitles();
    EXPECT_EQ(groups.retitles, 1);
    EXPECT_EQ(files.retitles, 1);
}

TEST_F(ScanFixture, CancelledScanLeavesTheLibraryEmpty) {
    Add("AAAA0001.MP4", At(10, 0, 0), 60000);
    std::atomic<bool> cancel{true};
    int seen = 0;
    EXPECT_EQ(WalkFolderTree(
                  tree.Root(), [&](const WalkEntry&) { ++seen; }, &cancel),
              WalkResult::Cancelled);
    EXPECT_EQ(seen, 0);
}

TEST_F(ScanFixture, ACancelFromAnotherThreadEndsARunningScan) {
    for (int i = 0; i < 200; ++i)
        Add("DCIM/AAAA" + std::to_string(1000 + i) + ".MP4", At(10, 0, 0) + i * 60, 60000);
    std::atomic<int> reads{0};
    library.SetContainerReader([&](const std::string&, ContainerKind, ContainerSummary& summary) {
        ++reads;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        summary.durationMs = 1000;
        return ReadVerdict{};
    });
    bool result = true;
    std::thread worker([&] { result = library.ScanSource(tree.Root(), ""); });
    while (reads.load() < 3)
        std::this_thread::yield();
    library.RequestScanCancel();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_LT(reads.load(), 200);
    EXPECT_TRUE(library.Records().empty());
}

TEST(FolderWalk, ReportsFoldersBeforeTheirContents) {
    TempTree tree;
    tree.AddFile("A/B/f1");
    tree.AddFile("A/f2");
    tree.AddFile(".hidden");
    tree.AddFile("A/.inner/f3");
    std::vector<std::string> order;
    WalkFolderTree(tree.Root(), [&](const WalkEntry& e) {
        order.push_back(e.relativeFolder + e.name);
        EXPECT_EQ(e.root, tree.Root());
    });
    auto pos = [&](const std::string& s) { return std::find(order.begin(), order.end(), s) - order.begin(); };
    ASSERT_EQ(order.size(), 4u);
    EXPECT_LT(pos("A"), pos("A/B"));
    EXPECT_LT(pos("A/B"), pos("A/B/f1"));
    EXPECT_LT(pos("A"), pos("A/f2"));
}

TEST(FolderWalk, StopsFortyLevelsBelowTheRoot) {
    TempTree tree;
    std::string path;
    for (int level = 1; level <= 42; ++level) {
        path += "d/";
        tree.AddFile(path + "f" + std::to_string(level));
    }
    std::set<std::string> files;
    WalkFolderTree(tree.Root(), [&](const WalkEntry& e) {
        if (!e.isFolder)
            files.insert(e.name);
    });
    EXPECT_TRUE(files.count("f40"));
    EXPECT_FALSE(files.count("f41"));
}

TEST(FolderWalk, EndsOnSymbolicLinkLoops) {
    TempTree tree;
    tree.AddFile("A/B/f1");
    ASSERT_EQ(::symlink("..", (tree.Root() + "A/B/up").c_str()), 0);
    ASSERT_EQ(::symlink(tree.Root().c_str(), (tree.Root() + "A/root").c_str()), 0);
    ASSERT_EQ(::symlink("f1", (tree.Root() + "A/B/link1").c_str()), 0); // a link to a file counts
    EXPECT_EQ(Walk(tree.Root()), (std::vector<std::string>{"A/", "A/B/", "A/B/f1", "A/B/link1"}));
}

TEST(FolderWalk, EndsOnUnreadableFolders) {
    TempTree tree;
    tree.AddFile("open/f1");
    tree.AddFile("closed/f2");
    tree.AddFile("closed/inner/f3");
    ASSERT_EQ(::chmod((tree.Root() + "closed").c_str(), 0), 0);
    ASSERT_EQ(::chmod(tree.Root().c_str(), 0755), 0);
    // Permissions do not bind root: walk as an unprivileged user in a child process.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(10);
        int unreadable = 0;
        auto seen = Walk(tree.Root(), &unreadable);
        bool ok = seen == std::vector<std::string>{"closed/", "open/", "open/f1"} && unreadable == 1;
        // The library's scan says so, so that the window can tell the list may be incomplete.
        CRecordingLibrary library;
        library.ScanSource(tree.Root(), "");
        ::_exit(!ok ? 11 : library.UnreadableFolders() != 1 ? 12 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "10: could not drop privileges, 11: wrong walk, 12: not told by the scan";
}

TEST(FolderWalk, ReportsOnlyFilesAndFolders) {
    TempTree tree;
    tree.AddFile("f1");
    ASSERT_EQ(::mkfifo((tree.Root() + "FIFO0001.MP4").c_str(), 0644), 0); // would block a reader
    ASSERT_EQ(::symlink("nowhere", (tree.Root() + "dangling").c_str()), 0);
    EXPECT_EQ(Walk(tree.Root()), (std::vector<std::string>{"f1"}));
}

TEST(FolderWalk, MissingRootIsNotFound) {
    TempTree tree;
    tree.AddFile("file");
    EXPECT_EQ(WalkFolderTree(tree.Root() + "none", [](const WalkEntry&) {}), WalkResult::NotFound);
    EXPECT_EQ(WalkFolderTree(tree.Root() + "file", [](const WalkEntry&) {}), WalkResult::NotFound);
    EXPECT_EQ(WalkFolderTree("", [](const WalkEntry&) {}), WalkResult::NotFound);
}
