// The file operations' words: failure reasons and final reports in the interface language.
#include "app/FileOpDialogs.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

namespace vemora {
namespace {

constexpr int kGerman = 7;
constexpr int kJapanese = 6;

class FileOpTextTest : public ::testing::Test {
protected:
    void TearDown() override {
        SettingsFile::Instance().SetLanguage(0);
        std::remove(SettingsFile::Instance().m_strPath.c_str());
    }
};

TEST_F(FileOpTextTest, FailuresAreWordedInTheInterfaceLanguage) {
    struct Row {
        int language;
        FileOpStep step;
        int errorCode;
        const char* text;
    };
    const Row rows[] = {
        {0, FileOpStep::Copy, ENOSPC, "cannot copy: the target is full"},
        {0, FileOpStep::MakeFolder, ENOTDIR,
         "cannot create the folder: a file stands where a folder should be"},
        {0, FileOpStep::Copy, EFBIG, "cannot copy: too large for the target's file system"},
        {kGerman, FileOpStep::Delete, EACCES, "Löschen nicht möglich: Zugriff verweigert"},
        {kGerman, FileOpStep::Copy, EIO,
         "Kopieren nicht möglich: Lese- oder Schreibfehler (wurde die Karte entfernt?)"},
        {kJapanese, FileOpStep::Lock, EROFS, "ロックできません: ディスクが書き込み禁止です"},
        {kGerman, FileOpStep::Unlock, ELOOP,
         "Entsperren nicht möglich: Systemfehler 40 (Too many levels of symbolic links)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        ASSERT_TRUE(SettingsFile::Instance().SetLanguage(row.language));
        EXPECT_EQ(FailureText(MakeFileOpFailure("/card/F.MP4", row.step, row.errorCode)),
                  QString::fromUtf8(row.text));
    }
}

TEST_F(FileOpTextTest, ReportsSayWhatWasDoneAndWhatNot) {
    ASSERT_TRUE(SettingsFile::Instance().SetLanguage(0));
    FileOpPlan plan;
    plan.jobs = {{0, "/card/A.MP4", "/t/A.MP4", 1500, 0},
                 {1, "/card/B.MP4", "/t/B.MP4", 1500, 0},
                 {2, "/card/C.MP4", "/t/C.MP4", 1500, 0}};
    plan.kept = {"/t/D.MP4"};
    FileOpOutcome cancelled{{JobResult::Done, JobResult::NotDone, JobResult::NotDone}, {}, true};
    EXPECT_EQ(FileOpReportText(plan, cancelled),
              QStringLiteral("Copied 1 of 3 files (%1).\nCancelled: 2 files were not handled.\n"
                             "Existing files kept as you chose: 1.")
                  .arg(DataSizeText(1500)));

    plan.operation = FileOperation::Delete;
    plan.kept.clear();
    FileOpOutcome partly{{JobResult::Done, JobResult::SparedLock, JobResult::Failed},
                         {MakeFileOpFailure("/card/C.MP4", FileOpStep::Delete, EROFS)},
                         false};
    EXPECT_EQ(FileOpReportText(plan, partly),
              QStringLiteral("Deleted 1 of 3 files.\nKept because they are locked: 1 files.\n\nNot done:\n"
                             "/card/C.MP4: cannot delete: the disk is write-protected"));
}

} // namespace
} // namespace vemora
