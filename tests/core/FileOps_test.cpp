#include "library/FileCopy.h"
#include "library/RecordingFileOps.h"
#include "library/RecordingLibrary.h"
#include "platform/FileAttributes.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vemora;
using vemora::testing::FakeReader;
using vemora::testing::LocalSeconds;
using vemora::testing::RecordingSink;
using vemora::testing::ScriptedPrompt;
using vemora::testing::TempTree;
namespace fs = std::filesystem;

namespace {

int64_t At(int hour, int minute) {
    return LocalSeconds(2024, 5, 17, hour, minute, 0);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool IsReadOnly(const std::string& path) {
    auto a = ReadFileAttributes(path);
    return a && (*a & kAttrReadOnly);
}

// Two groups: G0 = EVENT/AAAA0001.MP4 + AAAA0002.MP4 (front and rear of one interval),
// G1 = AAAA0003.MP4.
struct FileOpsFixture : ::testing::Test {
    TempTree source;
    TempTree target;
    FakeReader reader;
    RecordingSink groups;
    RecordingSink files;
    ScriptedPrompt prompt;
    CRecordingLibrary library;

    void SetUp() override {
        source.AddFile("EVENT/AAAA0001.MP4", "one");
        source.AddFile("AAAA0002.MP4", "two");
        source.AddFile("AAAA0003.MP4", "three");
        reader.Add("AAAA0001.MP4", At(10, 0), 60000);
        reader.Add("AAAA0002.MP4", At(10, 0), 60000);
        reader.Add("AAAA0003.MP4", At(11, 0), 60000);
        library.SetContainerReader(reader.Reader());
        library.AttachViews(&groups, &files);
        library.SetPrompt(&prompt);
        ASSERT_TRUE(library.ScanSource(source.Root(), ""));
        library.BuildTables();
        ASSERT_EQ(library.Groups().size(), 2u);
    }
    void Choose(std::vector<bool> chosen) { groups.chosen = std::move(chosen); }
};

} // namespace

TEST_F(FileOpsFixture, NothingChosenDoesNothing) {
    Choose({false, false});
    EXPECT_FALSE(library.CopyMarked(target.Root()));
    EXPECT_FALSE(library.DeleteMarked());
    EXPECT_FALSE(library.LockMarked());
    EXPECT_FALSE(library.UnlockMarked());
    EXPECT_EQ(library.Records().size(), 3u);
    EXPECT_TRUE(fs::is_empty(target.Root()));
}

TEST_F(FileOpsFixture, CopyReproducesSubFolders) {
    Choose({true, false});
    ASSERT_TRUE(library.CopyMarked(target.Root() + "Backup"));
    EXPECT_EQ(ReadAll(target.Root() + "Backup/EVENT/AAAA0001.MP4"), "one");
    EXPECT_EQ(ReadAll(target.Root() + "Backup/AAAA0002.MP4"), "two");
    EXPECT_FALSE(fs::exists(target.Root() + "Backup/AAAA0003.MP4"));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(prompt.reports.empty());
    // Nothing but the copies is left behind (no temporary files).
    int count = 0;
    for (auto& e : fs::recursive_directory_iterator(target.Root()))
        count += e.is_regular_file();
    EXPECT_EQ(count, 2);
}

TEST_F(FileOpsFixture, CopyAsksBeforeOverwritingAndGoesOnAfterCancel) {
    target.AddFile("EVENT/AAAA0001.MP4", "old one");
    target.AddFile("AAAA0002.MP4", "old two");
    Choose({true, true});
    prompt.answers = {FileOpPrompt::Answer::Cancel, FileOpPrompt::Answer::Ok};
    ASSERT_TRUE(library.CopyMarked(target.Root()));
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[0], target.Root() + "EVENT/AAAA0001.MP4");
    EXPECT_EQ(ReadAll(target.Root() + "EVENT/AAAA0001.MP4"), "old one"); // cancelled
    EXPECT_EQ(ReadAll(target.Root() + "AAAA0002.MP4"), "two");           // overwritten
    EXPECT_EQ(ReadAll(target.Root() + "AAAA0003.MP4"), "three");         // copied without asking
}

TEST_F(FileOpsFixture, CopyFailuresAreReported) {
    target.AddFile("blocker", "a file where a folder should be");
    fs::remove(source.Root() + "AAAA0003.MP4"); // vanished since the scan
    Choose({true, true});
    ASSERT_TRUE(library.CopyMarked(target.Root() + "blocker"));
    ASSERT_EQ(prompt.reports.size(), 1u);
    EXPECT_EQ(prompt.reports[0].first, FileOperation::Copy);
    EXPECT_EQ(prompt.reports[0].second.size(), 3u);
    EXPECT_FALSE(prompt.reports[0].second[0].reason.empty());
    EXPECT_EQ(ReadAll(target.Root() + "blocker"), "a file where a folder should be");
}

TEST_F(FileOpsFixture, CopyOntoItselfIsRefused) {
    std::string error;
    EXPECT_FALSE(CopyFileReplacing(source.Root() + "AAAA0002.MP4", source.Root() + "AAAA0002.MP4", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(source.Root() + "AAAA0002.MP4"), "two");
}

TEST_F(FileOpsFixture, DeleteSparesLockedFilesAndRegroups) {
    ASSERT_EQ(::chmod((source.Root() + "EVENT/AAAA0001.MP4").c_str(), 0444), 0);
    ASSERT_TRUE(library.SelectRecording(2));
    Choose({true, false});
    ASSERT_TRUE(library.DeleteMarked());
    EXPECT_TRUE(fs::exists(source.Root() + "EVENT/AAAA0001.MP4"));
    EXPECT_FALSE(fs::exists(source.Root() + "AAAA0002.MP4"));
    EXPECT_TRUE(fs::exists(source.Root() + "AAAA0003.MP4"));
    ASSERT_EQ(library.Records().size(), 2u);
    ASSERT_EQ(library.Groups().size(), 2u);
    EXPECT_EQ(library.Groups()[0].recordCount, 1);
    EXPECT_EQ(library.Rows().size(), 2u);
    EXPECT_EQ(files.rows.size(), 2u);
    EXPECT_EQ(files.rows[1].cells[1], "AAAA0003.MP4");
    // The current recording stays current at its new row.
    EXPECT_EQ(library.CurrentRow(), 1);
    EXPECT_EQ(library.GetCurrentPath(), source.Root() + "AAAA0003.MP4");
    EXPECT_EQ(files.currentRow, 1);
    EXPECT_TRUE(prompt.reports.empty());
}

TEST_F(FileOpsFixture, DeletingTheCurrentRecordingLeavesNoCurrentRow) {
    ASSERT_TRUE(library.SelectRecording(2));
    Choose({false, true});
    ASSERT_TRUE(library.DeleteMarked());
    EXPECT_EQ(library.Records().size(), 2u);
    EXPECT_EQ(library.Groups().size(), 1u);
    EXPECT_EQ(library.CurrentRow(), -1);
    EXPECT_EQ(library.GetCurrentPath(), "");
}

TEST_F(FileOpsFixture, LockAndUnlockRoundTrip) {
    ASSERT_TRUE(library.SelectRecording(0));
    EXPECT_FALSE(library.CurrentGroupHasLock());
    Choose({true, false});
    ASSERT_TRUE(library.LockMarked());
    EXPECT_TRUE(IsReadOnly(source.Root() + "EVENT/AAAA0001.MP4"));
    EXPECT_TRUE(IsReadOnly(source.Root() + "AAAA0002.MP4"));
    EXPECT_FALSE(IsReadOnly(source.Root() + "AAAA0003.MP4"));
    EXPECT_EQ(files.rows[0].lockImage, kManualLock);
    EXPECT_EQ(files.rows[1].lockImage, kManualLock);
    EXPECT_EQ(files.rows[2].lockImage, 0);
    EXPECT_EQ(groups.rows[0].lockImage, kManualLock);
    EXPECT_EQ(groups.rows[1].lockImage, 0);
    EXPECT_TRUE(library.CurrentGroupHasLock());
    EXPECT_EQ(files.currentRow, 0); // the refill keeps the current-row highlight

    // A rescan reads the same marks back from the files.
    ASSERT_TRUE(library.ScanSource(source.Root(), ""));
    library.BuildTables();
    EXPECT_EQ(library.Records()[0].lockFlags, kManualLock);
    EXPECT_EQ(library.Records()[1].lockFlags, kManualLock);

    ASSERT_TRUE(library.UnlockMarked());
    EXPECT_FALSE(IsReadOnly(source.Root() + "EVENT/AAAA0001.MP4"));
    EXPECT_FALSE(IsReadOnly(source.Root() + "AAAA0002.MP4"));
    EXPECT_EQ(files.rows[0].lockImage, 0);
    EXPECT_EQ(groups.rows[0].lockImage, 0);
    EXPECT_TRUE(prompt.reports.empty());
}

TEST_F(FileOpsFixture, BothMarksGoWithOneUnlockAndGroupMarksFollowTheFiles) {
    ASSERT_EQ(::chmod((source.Root() + "AAAA0003.MP4").c_str(), 0444), 0);
    ASSERT_TRUE(library.ScanSource(source.Root(), ""));
    library.BuildTables();
    // Give the file both marks as a recorder's own lock (read-only, archive clear) reads.
    auto& records = const_cast<std::vector<RecordingInfo>&>(library.Records());
    records[2].lockFlags = kEventLock | kManualLock;
    Choose({false, true});
    ASSERT_TRUE(library.UnlockMarked());
    EXPECT_EQ(library.Records()[2].lockFlags, 0);
    EXPECT_FALSE(IsReadOnly(source.Root() + "AAAA0003.MP4"));

    // Locking a group whose event-locked file keeps its mark shows both marks on the group row.
    records[0].lockFlags = kEventLock;
    Choose({true, false});
    ASSERT_TRUE(library.LockMarked());
    EXPECT_EQ(files.rows[0].lockImage, kEventLock);
    EXPECT_EQ(files.rows[1].lockImage, kManualLock);
    EXPECT_EQ(groups.rows[0].lockImage, kEventLock | kManualLock);
}

TEST(FileCopyHelpers, AFailedCopyLeavesTheDestinationAlone) {
    TempTree tree;
    tree.AddFolder("unreadable-source");
    std::string destination = tree.AddFile("out/AAAA0001.MP4", "previous copy");
    std::string error;
    // Reading a folder fails after the temporary file was made.
    EXPECT_FALSE(CopyFileReplacing(tree.Root() + "unreadable-source", destination, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(destination), "previous copy");
    EXPECT_EQ(std::distance(fs::directory_iterator(tree.Root() + "out"), fs::directory_iterator()), 1);
}

TEST(FileCopyHelpers, MakeDirectoriesCreatesEveryLevel) {
    TempTree tree;
    EXPECT_TRUE(MakeDirectories(tree.Root() + "a/b/c"));
    EXPECT_TRUE(fs::is_directory(tree.Root() + "a/b/c"));
    EXPECT_TRUE(MakeDirectories(tree.Root() + "a/b/c/")); // existing folders are fine
    std::string error;
    EXPECT_FALSE(MakeDirectories("", &error));
    tree.AddFile("file");
    EXPECT_FALSE(MakeDirectories(tree.Root() + "file/sub", &error));
    EXPECT_FALSE(error.empty());
}

// Unlock gives back the write bits that lock took, but never more than the user's umask lets a
// new file have: the note of what was taken travels with the file and may come from anywhere.
TEST_F(FileOpsFixture, UnlockGivesBackTheWriteBitsThatLockTookWithinTheUmask) {
    const std::string path = source.Root() + "AAAA0003.MP4";
    auto modeOf = [](const std::string& p) {
        struct stat st {};
        return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
    };
    struct Row {
        mode_t umask;
        mode_t mode;
        mode_t unlocked;
    };
    const Row rows[] = {
        {002, 0664, 0664}, {002, 0644, 0644}, {002, 0666, 0664}, {002, 0600, 0600},
        {022, 0664, 0644}, {022, 0666, 0644}, {077, 0666, 0644},
    };
    Choose({false, true});
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << std::oct << row.umask << " " << row.mode);
        const mode_t old = ::umask(row.umask);
        ASSERT_EQ(::chmod(path.c_str(), row.mode), 0);
        ASSERT_TRUE(library.LockMarked());
        EXPECT_EQ(modeOf(path), row.mode & 0555u);
        ASSERT_TRUE(library.UnlockMarked());
        EXPECT_EQ(modeOf(path), row.unlocked);
        ::umask(old);
    }
}

TEST_F(FileOpsFixture, ACopyOfALockedRecordingStaysReadOnly) {
    Choose({false, true});
    ASSERT_TRUE(library.LockMarked());
    ASSERT_TRUE(library.CopyMarked(target.Root()));
    EXPECT_TRUE(IsReadOnly(target.Root() + "AAAA0003.MP4"));
    EXPECT_EQ(ReadAll(target.Root() + "AAAA0003.MP4"), "three");
    Choose({true, false});
    ASSERT_TRUE(library.CopyMarked(target.Root()));
    EXPECT_FALSE(IsReadOnly(target.Root() + "AAAA0002.MP4"));
}

// A copy of three files, the second larger than one copy block: Cancel while that one is being
// copied ends the copy there, removes its partial file and leaves the third unstarted; without
// Cancel the progress reaches the totals.
TEST(FileOpRunTest, CancelStopsTheCurrentCopyAndProgressReachesTheTotals) {
    struct Row {
        bool cancelDuringSecond;
        std::vector<JobResult> results;
    };
    const Row rows[] = {
        {false, {JobResult::Done, JobResult::Done, JobResult::Done}},
        {true, {JobResult::Done, JobResult::NotDone, JobResult::NotDone}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cancelDuringSecond);
        TempTree tree;
        FileOpPlan plan;
        plan.targetFolder = tree.Root() + "out";
        const std::vector<std::pair<std::string, uint64_t>> files = {{"a", 3}, {"b", 20u << 20}, {"c", 5}};
        for (const auto& [name, size] : files) {
            const std::string path = tree.AddFile("in/" + name);
            fs::resize_file(path, size);
            plan.jobs.push_back({-1, path, plan.targetFolder + "/sub/" + name, size, 0});
        }
        std::atomic<bool> cancel{false};
        FileOpProgress last;
        FileOpOutcome outcome = RunFileOp(
            plan,
            [&](const FileOpProgress& p) {
                last = p;
                if (row.cancelDuringSecond && p.currentFile == plan.jobs[1].source && p.bytesDone > 3)
                    cancel = true;
            },
            &cancel);
        EXPECT_EQ(outcome.results, row.results);
        EXPECT_EQ(outcome.cancelled, row.cancelDuringSecond);
        EXPECT_TRUE(outcome.failures.empty());
        EXPECT_EQ(last.filesDone, outcome.Count(JobResult::Done));
        EXPECT_EQ(last.filesTotal, 3u);
        EXPECT_EQ(last.bytesTotal, plan.TotalBytes());
        EXPECT_EQ(last.bytesDone == last.bytesTotal, !row.cancelDuringSecond);
        // What the target holds is exactly the finished copies: no partial or temporary file.
        std::vector<std::string> present;
        for (auto& e : fs::recursive_directory_iterator(plan.targetFolder))
            if (e.is_regular_file())
                present.push_back(e.path().filename().string());
        std::sort(present.begin(), present.end());
        const std::vector<std::string> expected =
            row.cancelDuringSecond ? std::vector<std::string>{"a"} : std::vector<std::string>{"a", "b", "c"};
        EXPECT_EQ(present, expected);
    }
}

// Failures carry the step and the system's code for the interface to word them.
TEST(FileOpRunTest, FailuresCarryTheStepAndTheSystemsCode) {
    TempTree tree;
    tree.AddFile("blocker");
    const std::string locked = tree.AddFile("locked");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    struct Row {
        FileOperation operation;
        FileJob job;
        FileOpStep step;
        int errorCode;
        JobResult result;
    };
    const Row rows[] = {
        {FileOperation::Copy,
         {-1, tree.Root() + "missing", tree.Root() + "x", 1, 0},
         FileOpStep::Copy,
         ENOENT,
         JobResult::Failed},
        {FileOperation::Copy,
         {-1, locked, tree.Root() + "blocker/x", 1, 0},
         FileOpStep::MakeFolder,
         ENOTDIR,
         JobResult::Failed},
        {FileOperation::Delete,
         {-1, tree.Root() + "missing", "", 1, 0},
         FileOpStep::Delete,
         ENOENT,
         JobResult::Failed},
        {FileOperation::Delete, {-1, locked, "", 1, 0}, FileOpStep::Delete, 0, JobResult::SparedLock},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.job.source + " -> " + row.job.destination);
        FileOpPlan plan;
        plan.operation = row.operation;
        plan.targetFolder = tree.Root();
        plan.jobs = {row.job};
        FileOpOutcome outcome = RunFileOp(plan);
        ASSERT_EQ(outcome.results.size(), 1u);
        EXPECT_EQ(outcome.results[0], row.result);
        ASSERT_EQ(outcome.failures.size(), row.errorCode ? 1u : 0u);
        if (row.errorCode) {
            EXPECT_EQ(outcome.failures[0].step, row.step);
            EXPECT_EQ(outcome.failures[0].errorCode, row.errorCode);
        }
    }
    EXPECT_TRUE(fs::exists(locked));
}
