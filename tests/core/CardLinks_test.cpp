// Links and odd files on a card: a link that leads out of the scanned folder is no recording, and
// neither lock, unlock nor copy ever reaches what it points to; copies go only where they belong.
#include "library/CopyTarget.h"
#include "library/FileCopy.h"
#include "library/RecordingFileOps.h"
#include "library/RecordingLibrary.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace vemora;
using vemora::testing::FakeReader;
using vemora::testing::LocalSeconds;
using vemora::testing::RecordingSink;
using vemora::testing::TempTree;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

// Each row puts one entry named AAAA0002.MP4 on the card beside a plain AAAA0001.MP4 and runs
// the scan, a lock, an unlock and a copy of everything listed.
TEST(CardLinks, LeadNowhereOutsideTheCard) {
    enum class Entry { LinkOutside, LinkInside, LinkToFolderOutside, DanglingLink };
    struct Row {
        const char* name;
        Entry entry;
        bool listed;
    };
    const Row rows[] = {
        {"a link to a file of the user's is not listed", Entry::LinkOutside, false},
        {"a link to a file on the card is that file", Entry::LinkInside, true},
        {"a link to a folder outside is not entered", Entry::LinkToFolderOutside, false},
        {"a dangling link is nothing", Entry::DanglingLink, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree card, home, target;
        const std::string secret = home.AddFile("bashrc", "the user's own");
        ASSERT_EQ(::chmod(secret.c_str(), 0644), 0);
        home.AddFile("inner/AAAA0003.MP4", "outside");
        card.AddFile("AAAA0001.MP4", "one");
        const std::string onCard = card.AddFile("DATA/AAAA0009.MP4", "nine");
        const std::string link = card.Root() + "AAAA0002.MP4";
        switch (row.entry) {
        case Entry::LinkOutside:
            fs::create_symlink(secret, link);
            break;
        case Entry::LinkInside:
            fs::create_symlink("DATA/AAAA0009.MP4", link);
            break;
        case Entry::LinkToFolderOutside:
            fs::create_symlink(home.Root() + "inner", card.Root() + "LINKED");
            break;
        case Entry::DanglingLink:
            fs::create_symlink(card.Root() + "gone.MP4", link);
            break;
        }
        FakeReader reader;
        for (const char* name : {"AAAA0001.MP4", "AAAA0002.MP4", "AAAA0003.MP4", "AAAA0009.MP4"})
            reader.Add(name, LocalSeconds(2024, 5, 17, 10, 0, 0), 60000);
        RecordingSink groups, files;
        CRecordingLibrary library;
        library.SetContainerReader(reader.Reader());
        library.AttachViews(&groups, &files);
        ASSERT_TRUE(library.ScanSource(card.Root(), ""));
        library.BuildTables();
        bool linkListed = false;
        for (const RecordingInfo& record : library.Records()) {
            linkListed = linkListed || record.fileName == "AAAA0002.MP4";
            EXPECT_NE(record.fileName, "AAAA0003.MP4");
        }
        EXPECT_EQ(linkListed, row.listed);

        groups.chosen.assign(library.Groups().size(), true);
        ASSERT_TRUE(library.LockMarked());
        EXPECT_EQ(ModeOf(secret), 0644u) << "lock reached outside the card";
        if (row.entry == Entry::LinkInside) {
            EXPECT_EQ(ModeOf(onCard) & 0222u, 0u) << "the file on the card is locked";
        }
        ASSERT_TRUE(library.UnlockMarked());
        EXPECT_EQ(ModeOf(secret), 0644u);
        ASSERT_TRUE(library.CopyMarked(target.Root()));
        EXPECT_EQ(ReadAll(target.Root() + "AAAA0001.MP4"), "one");
        EXPECT_EQ(fs::exists(target.Root() + "AAAA0002.MP4"), row.listed);
        if (row.listed) {
            EXPECT_EQ(ReadAll(target.Root() + "AAAA0002.MP4"), "nine");
        }
        EXPECT_EQ(ReadAll(secret), "the user's own");
    }
}

// What a copy refuses to read, and what it never leaves behind.
TEST(CardLinks, CopyReadsOnlyWholeRegularFiles) {
    struct Row {
        const char* name;
        int expectedError;
    };
    const Row rows[] = {
        {"a link in place of the recording", ELOOP},
        {"a pipe in place of the recording (would block)", EINVAL},
        {"a folder in place of the recording", EINVAL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree card, target;
        const std::string secret = card.AddFile("elsewhere/secret", "secret");
        const std::string source = card.Root() + "AAAA0001.MP4";
        if (row.expectedError == ELOOP)
            fs::create_symlink(secret, source);
        else if (std::string(row.name).find("pipe") != std::string::npos)
            ASSERT_EQ(::mkfifo(source.c_str(), 0600), 0);
        else
            fs::create_directory(source);
        const std::string destination = target.Root() + "AAAA0001.MP4";
        errno = 0;
        EXPECT_FALSE(CopyFileReplacing(source, destination));
        EXPECT_EQ(errno, row.expectedError);
        EXPECT_TRUE(fs::is_empty(target.Root())) << "a partial file was left";
    }
}

TEST(CardLinks, CopyTargetsInsideTheViewedFoldersOrWithoutRoomAreRefused) {
    TempTree card, other;
    card.AddFolder("DCIM/EVENT");
    struct Row {
        std::string target;
        CopyTargetProblem expected;
    };
    const Row rows[] = {
        {card.Root(), CopyTargetProblem::InsideScannedTree},
        {card.Root() + "DCIM/EVENT", CopyTargetProblem::InsideScannedTree},
        {card.Root() + "DCIM/EVENT/..", CopyTargetProblem::InsideScannedTree},
        {other.Root(), CopyTargetProblem::None},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckCopyTarget({card.Root()}, row.target), row.expected) << row.target;
    // A link outside that points into the card is inside it.
    fs::create_symlink(card.Root() + "DCIM", other.Root() + "into-card");
    EXPECT_EQ(CheckCopyTarget({card.Root()}, other.Root() + "into-card"),
              CopyTargetProblem::InsideScannedTree);
    uint64_t available = 0;
    EXPECT_EQ(CheckFreeSpace(other.Root(), 0, &available), CopyTargetProblem::None);
    EXPECT_GT(available, 0u);
    EXPECT_EQ(CheckFreeSpace(other.Root(), available + (1ull << 40)), CopyTargetProblem::NotEnoughSpace);
}
