// The configuration dialog: its texts, what each button stores and announces, and how the main
// window follows.

#include "app/ControlIds.h"
#include "app/DvrDlg.h"
#include "app/UserDialogs.h"
#include "library/ListSink.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "settings/SettingsFile.h"
#include "settings/VwrConfigDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace vemora;

namespace {

constexpr int kDeutsch = 7;

std::string Settings() {
    std::ifstream in(SettingsFile::Instance().m_strPath);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteSettings(const std::string& text) {
    std::ofstream(SettingsFile::Instance().m_strPath, std::ios::trunc) << text;
    SettingsFile::Instance().LoadLanguage();
}

class ConfigDialogTest : public ::testing::Test {
protected:
    void SetUp() override { WriteSettings("[UI]\nLANGID=ENG\n"); }
    void TearDown() override { std::remove(SettingsFile::Instance().m_strPath.c_str()); }
};

} // namespace

TEST_F(ConfigDialogTest, LanguageApplyRetitlesTheDialogAtOnceButNotTheMapEntries) {
    CVwrConfigDlg dlg;
    ASSERT_EQ(dlg.windowTitle(), QStringLiteral("Config"));
    ASSERT_EQ(dlg.LanguageList()->count(), 16);
    EXPECT_EQ(dlg.LanguageList()->currentText(), QStringLiteral("English"));
    QSignalSpy language(&dlg, &CVwrConfigDlg::languageApplied);
    dlg.MapList()->setCurrentIndex(1);
    dlg.LanguageList()->setCurrentIndex(kDeutsch);
    ASSERT_EQ(dlg.LanguageList()->currentText(), QStringLiteral("Deutsch"));
    dlg.LanguageApplyButton()->click();

    auto& s = SettingsFile::Instance();
    EXPECT_EQ(s.m_nLangIndex, kDeutsch);
    EXPECT_NE(Settings().find("LANGID=GER"), std::string::npos) << Settings();
    for (auto [text, id] :
         {std::pair{dlg.windowTitle(), 110}, std::pair{dlg.OkButton()->text(), 107},
          std::pair{dlg.CancelButton()->text(), 108}, std::pair{dlg.MapApplyButton()->text(), 109},
          std::pair{dlg.MapGroup()->title(), 115}, std::pair{dlg.LanguageGroup()->title(), 114}}) {
        EXPECT_EQ(text, s.LoadUiString(id)) << id;
    }
    EXPECT_NE(dlg.windowTitle(), QStringLiteral("Config"));
    EXPECT_EQ(dlg.MapList()->itemText(1), QStringLiteral("China Map"));
    EXPECT_EQ(dlg.MapList()->currentIndex(), 1);
    ASSERT_EQ(language.size(), 1);
    EXPECT_EQ(language[0][0].toInt(), kDeutsch);
}

TEST_F(ConfigDialogTest, OkWritesBothValuesAgainAndAnnouncesBoth) {
    WriteSettings("[UI]\nLANGID=ENG\nMAP=7\n");
    CVwrConfigDlg dlg;
    EXPECT_EQ(dlg.MapList()->currentText(), QStringLiteral("China Map")); // 7 reads as 1
    QSignalSpy language(&dlg, &CVwrConfigDlg::languageApplied), map(&dlg, &CVwrConfigDlg::mapApplied);
    dlg.OkButton()->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Map(), 1);
    EXPECT_NE(Settings().find("MAP=1"), std::string::npos) << Settings();
    EXPECT_NE(Settings().find("LANGID=ENG"), std::string::npos);
    ASSERT_EQ(map.size(), 1);
    EXPECT_EQ(map[0][0].toInt(), 1);
    ASSERT_EQ(language.size(), 1);
    EXPECT_EQ(language[0][0].toInt(), 0);
}

TEST_F(ConfigDialogTest, TypedLanguageTextStoresNoLanguage) {
    CVwrConfigDlg dlg;
    QSignalSpy language(&dlg, &CVwrConfigDlg::languageApplied);
    dlg.LanguageList()->lineEdit()->setText(QStringLiteral("Deutsch")); // typed, not chosen
    dlg.LanguageApplyButton()->click();
    dlg.OkButton()->click();
    EXPECT_EQ(SettingsFile::Instance().m_nLangIndex, 0);
    EXPECT_NE(Settings().find("LANGID=ENG"), std::string::npos);
    ASSERT_EQ(language.size(), 2);
    EXPECT_EQ(language[0][0].toInt(), -1);
    EXPECT_EQ(language[1][0].toInt(), -1);
}

// Reached from the main window: the Apply buttons act at once and Cancel undoes nothing.
TEST_F(ConfigDialogTest, MainWindowFollowsBothApplyButtonsAndKeepsThemAfterCancel) {
    qputenv("VEMORA_LIBVLC", "/nonexistent/libvlc.so.5");
    class SilentDialogs : public UserDialogs {
        Answer MessageBox(QWidget*, const QString&, const QString&, Buttons) override { return AnswerOk; }
        void About(QWidget*) override {}
        QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    } dialogs;
    CDvrDlg w(&dialogs);
    w.OnInitDialog();
    w.show();
    ASSERT_EQ(w.MapType(), 0);
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<CVwrConfigDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->LanguageList()->setCurrentIndex(kDeutsch);
        dlg->LanguageApplyButton()->click();
        dlg->MapList()->setCurrentIndex(1);
        dlg->MapApplyButton()->click();
        QCoreApplication::processEvents(); // the main window's messages arrive while the dialog is up
        dlg->CancelButton()->click();
    });
    w.OnCommand(IDC_CONF);
    QCoreApplication::processEvents();

    auto& s = SettingsFile::Instance();
    EXPECT_EQ(w.MapType(), 1);
    EXPECT_EQ(w.MapDlg()->MapType(), 1);
    EXPECT_NE(Settings().find("MAP=1"), std::string::npos);
    EXPECT_EQ(w.Control(IDC_OPEN)->toolTip(), s.LoadUiString(179));
    EXPECT_NE(w.Control(IDC_OPEN)->toolTip(), QStringLiteral("Open files"));
    for (QAbstractItemModel* list : {w.GroupList()->model(), w.FileList()->model()}) {
        // "Start Time" is the third column of both lists.
        EXPECT_EQ(list->headerData(2, Qt::Horizontal).toString(),
                  s.LoadUiString(kRecordingColumns[2].titleId));
        EXPECT_NE(list->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Start Time"));
    }
}
