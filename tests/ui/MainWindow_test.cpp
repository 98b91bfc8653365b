// The main window under the offscreen platform: its controls, commands, the signals it takes,
// the Escape key and the saved window position. libVLC is made unloadable on purpose
// so that the missing-player path is exercised and no video output is needed.

#include "app/ControlIds.h"
#include "app/DvrDlg.h"
#include "app/KeyboardControl.h"
#include "app/UserDialogs.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "tools/fixture/FixtureWriter.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/GdipButton.h"
#include "widgets/VideoStatic.h"
#include "widgets/VwrToolTipCtrl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

using namespace vemora;

namespace {

struct RecordedBox {
    QString text, caption;
};

class RecordingDialogs : public UserDialogs {
public:
    Answer MessageBox(QWidget*, const QString& text, const QString& caption, Buttons) override {
        boxes.push_back({text, caption});
        return AnswerOk;
    }
    void About(QWidget*) override { ++abouts; }
    QString ChooseFolder(QWidget*, const QString& title) override {
        folderTitles.push_back(title);
        return folderAnswer;
    }
    QString ChooseSavePath(QWidget*, const QString&, const QString& suggested, const QString&) override {
        suggestedPaths.push_back(suggested);
        return saveAnswer;
    }
    QAction* ChooseMenuEntry(QMenu& menu, QPoint) override {
        menuTexts.clear();
        for (QAction* a : menu.actions())
            menuTexts.push_back(a->text());
        return menuAnswer >= 0 && menuAnswer < menu.actions().size() ? menu.actions()[menuAnswer] : nullptr;
    }
    void ShowKeyList(QWidget*, const QString& caption, const std::vector<KeyHelpRow>& rows) override {
        keyLists.push_back({caption, rows});
    }
    std::vector<RecordedBox> boxes;
    struct KeyList {
        QString caption;
        std::vector<KeyHelpRow> rows;
    };
    std::vector<KeyList> keyLists;
    std::vector<QString> folderTitles;
    QString folderAnswer;
    std::vector<QString> suggestedPaths;
    QString saveAnswer;
    QStringList menuTexts;
    int menuAnswer = -1;
    int abouts = 0;
};

std::string ReadSettings() {
    std::ifstream in(SettingsFile::Instance().m_strPath);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteSettings(const std::string& text) {
    std::ofstream out(SettingsFile::Instance().m_strPath, std::ios::trunc);
    out << text;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VEMORA_LIBVLC", "/nonexistent/libvlc.so.5");
        SettingsFile::Instance().SetLanguage(0);
    }
    void TearDown() override {
        dlg.reset();
        std::remove(SettingsFile::Instance().m_strPath.c_str());
    }
    CDvrDlg& Open() {
        dlg = std::make_unique<CDvrDlg>(&dialogs);
        dlg->OnInitDialog();
        dlg->show();
        QCoreApplication::processEvents();
        return *dlg;
    }
    RecordingDialogs dialogs;
    std::unique_ptr<CDvrDlg> dlg;
};

TEST_F(MainWindowTest, MissingVideoLibraryWarnsOncePerPlayerAndCommandsStayHarmless) {
    CDvrDlg& w = Open();
    EXPECT_FALSE(w.FrontPlayer().IsLoaded());
    EXPECT_FALSE(w.RearPlayer().IsLoaded());
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.text,
                  QStringLiteral("Loading video component failed. Please reinstall this program again."));
        EXPECT_EQ(box.caption, QStringLiteral("Warning"));
    }
    for (int id : std::initializer_list<int>{IDC_PLAY, IDC_STOP, IDC_FAST, IDC_SLOW, IDC_FLIP, IDC_VOL,
                                             IDC_FRONT_VIDEO, 9999})
        w.OnCommand(id);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, EveryControlExistsAndTheHiddenOnesAreDisabled) {
    CDvrDlg& w = Open();
    const int ids[] = {IDC_OPEN,          IDC_SAVE,        IDC_SNAP,       IDC_DEL,
                       IDC_CONF,          IDC_PLAY,        IDC_STOP,       IDC_FAST,
                       IDC_SLOW,          IDC_LOOP,        IDC_FLIP,       IDC_KML,
                       IDC_MAP,           IDC_GSR,         IDC_LOCK,       IDC_CLOSE,
                       IDC_MAXIMIZE,      IDC_MINIMIZE,    IDC_ABOUT,      IDC_VOL,
                       IDC_SIZE_S,        IDC_SIZE_M,      IDC_SIZE_L,     IDC_SEEK,
                       IDC_VOLUME,        IDC_FRONT_VIDEO, IDC_REAR_VIDEO, IDC_FRONT_VIDEO_BG,
                       IDC_REAR_VIDEO_BG, IDC_GSENSOR,     IDC_GPS,        IDC_LOGO,
                       IDC_BANNER,        IDC_COMPASS,     IDC_SPEED,      IDC_RATE_LABEL,
                       IDC_GROUP_LIST,    IDC_FILE_LIST};
    for (int id : ids)
        EXPECT_NE(w.Control(id), nullptr) << "control " << id;
    for (int id : {IDC_CONF, IDC_DEL, IDC_LOCK}) {
        EXPECT_FALSE(w.Control(id)->isVisible()) << id;
        EXPECT_FALSE(w.Control(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(w.Control(IDC_ABOUT)->isVisible()); // its menu holds the GPX export
    EXPECT_FALSE(w.Control(IDC_COMPASS)->isVisible());
    EXPECT_FALSE(w.Control(IDC_RATE_LABEL)->isVisible());
    for (int id : {IDC_FRONT_VIDEO_BG, IDC_REAR_VIDEO_BG}) // both panes framed by a sunken edge
        EXPECT_TRUE(qobject_cast<CVideoStaticBg*>(w.Control(id))->ClientEdge()) << id;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vemora Viewer"));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.Control(IDC_OPEN)->toolTip(), QStringLiteral("Open files"));
    EXPECT_EQ(w.Control(IDC_CLOSE)->toolTip(), QStringLiteral("Close AP"));
}

TEST_F(MainWindowTest, LayoutPlacesTitleButtonsAndRightColumn) {
    CDvrDlg& w = Open();
    w.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.Control(IDC_CLOSE)->geometry(), QRect(1000 - 32, 2, 25, 25));
    EXPECT_EQ(w.Control(IDC_SIZE_S)->geometry(), QRect(1000 - 199, 11, 16, 16));
    // c = 240: the right column starts at 1000 - 5 - 240 = 755.
    EXPECT_EQ(w.MapWindow()->geometry().left(), 755);
    EXPECT_EQ(w.Control(IDC_PLAY)->geometry(), QRect(302, 700 - 56, 48, 48));
    EXPECT_EQ(w.Control(IDC_FAST)->geometry().left(), 351);
}

TEST_F(MainWindowTest, MapButtonMovesTheFileListUpAndWritesTheSwitch) {
    CDvrDlg& w = Open();
    w.resize(1000, 700);
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.MapEnabled());
    w.OnCommand(IDC_MAP);
    EXPECT_FALSE(w.MapEnabled());
    EXPECT_EQ(w.Control(IDC_FILE_LIST)->geometry().top(), 48);
    EXPECT_EQ(w.Control(IDC_FILE_LIST)->geometry().bottom() + 1, 700 - 64);
    EXPECT_NE(ReadSettings().find("MAP_ENABLE=0"), std::string::npos);
    w.OnCommand(IDC_GSR);
    EXPECT_FALSE(w.GSensorEnabled());
    EXPECT_NE(ReadSettings().find("GSNR_ENABLE=0"), std::string::npos);
}

TEST_F(MainWindowTest, PanelSwitchesAreReadAtStart) {
    WriteSettings("[UI]\nMAP_ENABLE=0\nGSNR_ENABLE=7\n");
    CDvrDlg& w = Open();
    EXPECT_FALSE(w.MapEnabled());
    EXPECT_TRUE(w.GSensorEnabled());
    EXPECT_TRUE(w.Control(IDC_GSENSOR)->isVisible());
}

TEST_F(MainWindowTest, EscapeIsSwallowed) {
    CDvrDlg& w = Open();
    QTest::keyClick(&w, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ReadSettings().find("[WINPOS]"), std::string::npos);
}

TEST_F(MainWindowTest, CloseButtonSavesTheRectangleAndEndsTheLoop) {
    CDvrDlg& w = Open();
    w.setGeometry(30, 40, 900, 600);
    QCoreApplication::processEvents();
    int exitCode = -1;
    QTimer::singleShot(0, &w, [&] { w.Button(IDC_CLOSE)->click(); });
    QTimer::singleShot(5000, &w, [] { QCoreApplication::exit(99); }); // gone with the window
    exitCode = QCoreApplication::exec();
    EXPECT_EQ(exitCode, 0);
    std::string saved = ReadSettings();
    EXPECT_NE(saved.find("LEFT=30"), std::string::npos) << saved;
    EXPECT_NE(saved.find("TOP=40"), std::string::npos);
    EXPECT_NE(saved.find("RIGHT=930"), std::string::npos);
    EXPECT_NE(saved.find("BOTTOM=640"), std::string::npos);
}

TEST_F(MainWindowTest, SavedRectangleIsRestoredWithinTheScreen) {
    WriteSettings("[WINPOS]\nLEFT=-50\nTOP=20\nRIGHT=250\nBOTTOM=300\n");
    CDvrDlg& w = Open();
    EXPECT_EQ(w.geometry().size(), QSize(800, 560));
    EXPECT_EQ(w.geometry().left(), 0);
    EXPECT_EQ(w.geometry().top(), 20);
}

TEST_F(MainWindowTest, SignalsOfThePlayersAndControlsReachTheirHandlers) {
    CDvrDlg& w = Open();
    dialogs.boxes.clear();

    emit w.Players().playerError();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Media player encountered a error."));
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Vemora Viewer"));

    static_cast<QSlider*>(w.Control(IDC_VOLUME))->setValue(30);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.VolumePos(), 30);

    for (auto [stored, expected] :
         {std::pair{"5", 1}, std::pair{"-3", 0}, std::pair{"1", 1}, std::pair{"x", 0}}) {
        WriteSettings(std::string("[UI]\nMAP=") + stored + "\n");
        w.OnMapChanged();
        EXPECT_EQ(w.MapType(), expected) << stored;
    }
}

TEST_F(MainWindowTest, LanguageChangeRetitlesTooltips) {
    CDvrDlg& w = Open();
    ASSERT_EQ(w.Control(IDC_STOP)->toolTip(), QStringLiteral("Stop"));
    EXPECT_EQ(w.ToolTip()->ToolCount(), 25);
    w.ToolTip()->ShowTip(w.Control(IDC_SPEED), QPoint(100, 100));
    ASSERT_NE(w.ToolTip()->Popup(), nullptr);
    EXPECT_EQ(w.ToolTip()->Popup()->Text(), QStringLiteral("Change Speed Unit KPH/MPH."));
    EXPECT_TRUE(w.ToolTip()->Popup()->HasIcon());
    ASSERT_TRUE(SettingsFile::Instance().SetLanguage(7)); // Deutsch
    w.OnLanguageChanged(7);
    EXPECT_EQ(w.Control(IDC_OPEN)->toolTip(), SettingsFile::Instance().LoadUiString(179));
    EXPECT_NE(w.Control(IDC_OPEN)->toolTip(), QStringLiteral("Open files"));
    w.ToolTip()->ShowTip(w.Control(IDC_OPEN), QPoint(100, 100));
    EXPECT_EQ(w.ToolTip()->Popup()->Text(), SettingsFile::Instance().LoadUiString(179));
    w.ToolTip()->HideTip();
}

TEST_F(MainWindowTest, RateStepsShowTheLabelOnlyAwayFromNormalSpeed) {
    CDvrDlg& w = Open();
    w.OnCommand(IDC_FAST);
    EXPECT_TRUE(w.Control(IDC_RATE_LABEL)->isVisible());
    w.OnCommand(IDC_SLOW);
    EXPECT_FALSE(w.Control(IDC_RATE_LABEL)->isVisible());
    for (int i = 0; i < 30; ++i)
        w.OnCommand(IDC_SLOW); // pinned at the slowest rate, never out of the table
    EXPECT_TRUE(w.Control(IDC_RATE_LABEL)->isVisible());
}

TEST_F(MainWindowTest, LoopTogglesAutoPlayAndTheHelpMenuRunsAbout) {
    CDvrDlg& w = Open();
    EXPECT_TRUE(w.AutoPlayNext());
    w.OnCommand(IDC_LOOP);
    EXPECT_FALSE(w.AutoPlayNext());
    w.OnCommand(IDC_ABOUT); // menu closed without a choice
    EXPECT_EQ(dialogs.abouts, 0);
    EXPECT_EQ(dialogs.menuTexts,
              QStringList({QStringLiteral("&About Vemora Viewer..."), QStringLiteral("Save GPS data as GPX…"),
                           QStringLiteral("Keyboard shortcuts…")}));
    dialogs.menuAnswer = 0;
    w.OnCommand(IDC_ABOUT);
    w.Trigger(Action::About);
    EXPECT_EQ(dialogs.abouts, 2);
}

// "Keyboard shortcuts…" lists one row per key binding, in the language chosen at the time.
TEST_F(MainWindowTest, HelpMenuListsTheKeysInTheCurrentLanguage) {
    CDvrDlg& w = Open();
    dialogs.menuAnswer = 2;
    w.OnCommand(IDC_ABOUT);
    ASSERT_EQ(dialogs.keyLists.size(), 1u);
    const RecordingDialogs::KeyList english = dialogs.keyLists[0];
    EXPECT_EQ(english.caption, QStringLiteral("Keyboard shortcuts"));
    std::vector<const ActionRow*> bindings;
    for (const ActionRow& row : WindowActions())
        if (row.key.key != 0)
            bindings.push_back(&row);
    ASSERT_EQ(english.rows.size(), bindings.size());
    QSet<QString> actions;
    for (size_t i = 0; i < bindings.size(); ++i) {
        const KeyHelpRow& row = english.rows[i];
        EXPECT_FALSE(row.keys.isEmpty()) << i;
        EXPECT_EQ(row.keys.startsWith(QStringLiteral("Shift+")),
                  bindings[i]->key.modifiers == Qt::ShiftModifier)
            << i;
        EXPECT_FALSE(row.action.isEmpty()) << i;
        actions.insert(row.action);
    }
    EXPECT_EQ(actions.size(), static_cast<qsizetype>(bindings.size())); // no two keys described alike
    EXPECT_EQ(english.rows[0].keys, QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText));
    EXPECT_EQ(english.rows[0].action, w.Control(IDC_PLAY)->toolTip());

    ASSERT_TRUE(SettingsFile::Instance().SetLanguage(kJapaneseIndex));
    w.OnLanguageChanged(kJapaneseIndex);
    w.OnCommand(IDC_ABOUT);
    EXPECT_NE(dialogs.menuTexts.value(2), QStringLiteral("Keyboard shortcuts…"));
    ASSERT_EQ(dialogs.keyLists.size(), 2u);
    const RecordingDialogs::KeyList& japanese = dialogs.keyLists[1];
    EXPECT_NE(japanese.caption, english.caption);
    ASSERT_EQ(japanese.rows.size(), english.rows.size());
    for (size_t i = 0; i < english.rows.size(); ++i) {
        EXPECT_EQ(japanese.rows[i].keys, english.rows[i].keys) << i;
        EXPECT_NE(japanese.rows[i].action, english.rows[i].action) << i;
    }
}

// A card of two consecutive front/rear pairs: one drive, four recordings.
QString WriteTwoPairCard(const QString& root) {
    std::vector<fixture::CardRecording> pairs;
    for (unsigned i = 0; i < 2; ++i) {
        fixture::CardRecording pair;
        pair.front.layout = fixture::Layout::MetaTrack88;
        pair.front.baseDir = VEMORA_FIXTURE_DIR;
        pair.front.start = fixture::CalendarTime{2024, 5, 17, 10, 20, static_cast<int>(30 + 3 * i)};
        pair.front.gps = fixture::SimulateGps({}, pair.front.seconds, 5, pair.front.start);
        pair.front.gsensor = fixture::SimulateGsensor({}, pair.front.seconds, 5);
        pair.index = i;
        pairs.push_back(pair);
    }
    auto result = fixture::WriteCard(root.toStdString(), pairs);
    EXPECT_TRUE(result.ok) << result.error;
    return root;
}

bool WaitForScan(CDvrDlg& w) {
    QElapsedTimer timer;
    timer.start();
    while (w.ScanRunning() && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    return !w.ScanRunning();
}

bool WaitForFileOp(CDvrDlg& w) {
    QElapsedTimer timer;
    timer.start();
    while (w.FileOpRunning() && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !w.FileOpRunning();
}

TEST_F(MainWindowTest, EmptyListCommandsSayNoFilesInList) {
    CDvrDlg& w = Open();
    dialogs.boxes.clear();
    for (int id : {IDC_SAVE, IDC_KML, IDC_DEL, IDC_LOCK})
        w.OnCommand(id);
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    for (const auto& box : dialogs.boxes) {
        EXPECT_EQ(box.text, QStringLiteral("No files in list."));
        EXPECT_EQ(box.caption, QStringLiteral("OK"));
    }
}

TEST_F(MainWindowTest, OpenScansTheChosenFolderIntoBothLists) {
    QTemporaryDir card;
    WriteTwoPairCard(card.path());
    CDvrDlg& w = Open();
    dialogs.folderAnswer = card.path();
    w.OnCommand(IDC_OPEN);
    ASSERT_TRUE(WaitForScan(w));
    ASSERT_EQ(dialogs.folderTitles.size(), 1u);
    EXPECT_EQ(w.Library().Records().size(), 4u);
    EXPECT_EQ(w.GroupList()->RowModel()->rowCount(), 1);
    EXPECT_EQ(w.FileList()->RowModel()->rowCount(), 4);
    // The first recording is opened right after the scan; without libVLC nothing plays, so
    // nothing reports a time and the opening stays busy.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.Library().CurrentRow() == 0; }, 2000));
    EXPECT_EQ(w.Opening().Phase(), OpeningPhase::Opening);
}

// The map's browser does not start with the window (it would hold back the first pictures): it
// starts once the opening is over, here a scan that found nothing.
TEST_F(MainWindowTest, MapBrowserStartsOnceTheOpeningIsOver) {
    CDvrDlg& w = Open();
    EXPECT_EQ(w.MapDlg()->WebView(), nullptr);
    QTemporaryDir empty;
    w.StartFolderScan(empty.path());
    ASSERT_TRUE(WaitForScan(w));
    EXPECT_EQ(w.Opening().Phase(), OpeningPhase::Idle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.MapDlg()->WebView() != nullptr; }, 1000));
}

// STOP greys the curve with its cursor at the start; a new map page leaves the curve as it was.
TEST_F(MainWindowTest, CurveStopsWithStopAndKeepsItsPlaceOverANewMapPage) {
    QTemporaryDir card;
    WriteTwoPairCard(card.path());
    CDvrDlg& w = Open();
    w.StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(w));
    auto* curve = qobject_cast<CGSensorCtrl*>(w.Control(IDC_GSENSOR));
    ASSERT_TRUE(QTest::qWaitFor([&] { return curve->SampleCount() > 0; }, 3000));
    emit w.Players().timeReported(1500);
    ASSERT_EQ(curve->PositionMs(), 1500);
    size_t samples = curve->SampleCount();
    emit w.MapDlg()->pageReady();
    EXPECT_EQ(curve->PositionMs(), 1500);
    EXPECT_EQ(curve->SampleCount(), samples);
    w.OnCommand(IDC_STOP);
    EXPECT_TRUE(curve->Stopped());
    EXPECT_EQ(curve->PositionMs(), 0);
}

TEST_F(MainWindowTest, KmlButtonWritesTheKmlAloneAndTheHelpMenuSavesGpx) {
    QTemporaryDir card, out;
    WriteTwoPairCard(card.path());
    CDvrDlg& w = Open();
    w.SetExportFolder(out.path() + QStringLiteral("/KML/"));
    w.StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Library().CurrentRow() == 0; }, 2000));
    dialogs.boxes.clear();
    w.OnCommand(IDC_KML);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Save KML"));
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("Save KML file: ")));
    EXPECT_TRUE(dialogs.boxes[0].text.endsWith(QStringLiteral(" OK.")))
        << dialogs.boxes[0].text.toStdString();
    QDir kml(out.path() + QStringLiteral("/KML"));
    EXPECT_EQ(kml.entryList({QStringLiteral("*.KML")}, QDir::Files).size(), 1);
    EXPECT_EQ(kml.entryList({QStringLiteral("*.gpx"), QStringLiteral("*.GPX")}, QDir::Files).size(), 0);

    // A failure says why: here a file stands where the folder should be made.
    QFile blocker(out.path() + QStringLiteral("/plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.SetExportFolder(blocker.fileName() + QStringLiteral("/KML/"));
    dialogs.boxes.clear();
    w.OnCommand(IDC_KML);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              QStringLiteral("Save KML file: Failed.\nThe folder %1/KML/ cannot be created. "
                             "A file of that name is in the way.")
                  .arg(blocker.fileName()));
    w.SetExportFolder(out.path() + QStringLiteral("/KML/"));

    // "Save GPS data as GPX…": the export folder and the recording's name are proposed; the file
    // goes where the user says and the result is reported like the KML's.
    dialogs.boxes.clear();
    dialogs.menuAnswer = 1;
    dialogs.saveAnswer = out.path() + QStringLiteral("/chosen.gpx");
    w.OnCommand(IDC_ABOUT);
    ASSERT_EQ(dialogs.suggestedPaths.size(), 1u);
    EXPECT_TRUE(dialogs.suggestedPaths[0].startsWith(out.path() + QStringLiteral("/KML/")));
    EXPECT_TRUE(dialogs.suggestedPaths[0].endsWith(QStringLiteral(".GPX")));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Save GPX"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Save GPX file: %1 OK.").arg(dialogs.saveAnswer));
    QFile gpx(dialogs.saveAnswer);
    ASSERT_TRUE(gpx.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gpx.readAll().contains("<trkpt"));

    dialogs.boxes.clear();
    dialogs.saveAnswer.clear(); // cancelled: nothing written, nothing said
    w.Trigger(Action::SaveGpx);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainWindowTest, SaveCopiesOnlyChosenGroupsAndAsksBeforeOverwriting) {
    QTemporaryDir card, target;
    WriteTwoPairCard(card.path());
    CDvrDlg& w = Open();
    w.StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(w));
    dialogs.boxes.clear();
    dialogs.folderAnswer = target.path();

    w.OnCommand(IDC_SAVE); // nothing checked or selected
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Confirm file selection"));

    auto* model = w.GroupList()->RowModel();
    ASSERT_TRUE(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    dialogs.boxes.clear();
    w.OnCommand(IDC_SAVE); // copied on a worker; the report says what was done
    ASSERT_TRUE(WaitForFileOp(w));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Copying recordings"));
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("Copied 4 of 4 files (")))
        << dialogs.boxes[0].text.toStdString();
    int copied = 0;
    for (const auto& r : w.Library().Records())
        copied += QFileInfo::exists(target.path() + QLatin1Char('/') +
                                    QString::fromStdString(r.subFolder + r.fileName));
    EXPECT_EQ(copied, 4);

    dialogs.boxes.clear();
    w.OnCommand(IDC_SAVE); // the same files again: one question per file, then the report
    ASSERT_TRUE(WaitForFileOp(w));
    EXPECT_EQ(dialogs.boxes.size(), 5u);
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Confirm to overwrite the file."));

    dialogs.boxes.clear();
    dialogs.folderAnswer = target.path() + QStringLiteral("/missing");
    w.OnCommand(IDC_SAVE);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Folder is not exist."));

    // Copies never go into the folders being viewed: nothing is asked, nothing copied.
    for (const QString& inside : {card.path(), card.path() + QStringLiteral("/DCIM")}) {
        QDir().mkpath(inside);
        dialogs.boxes.clear();
        dialogs.folderAnswer = inside;
        w.OnCommand(IDC_SAVE);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Warning"));
        EXPECT_EQ(dialogs.boxes[0].text,
                  QStringLiteral("The folder %1 lies inside the folders being viewed. Please choose a folder "
                                 "outside them.")
                      .arg(inside));
        EXPECT_FALSE(w.FileOpRunning());
    }
}

// A double click on a pane asks for full screen; the window answers once the click has ended.
void RequestFullScreen(CDvrDlg& w) {
    emit qobject_cast<CVideoStatic*>(w.Control(IDC_FRONT_VIDEO))->fullScreenRequested(IDC_FRONT_VIDEO);
    QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, FullScreenToggleNeedsRecordingsAndReturnsToThePreviousPlace) {
    CDvrDlg& w = Open();
    w.setGeometry(40, 50, 900, 620);
    QCoreApplication::processEvents();
    RequestFullScreen(w);
    EXPECT_FALSE(w.FullScreen()); // nothing listed: nothing happens

    QTemporaryDir card;
    WriteTwoPairCard(card.path());
    w.StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(w));
    RequestFullScreen(w);
    ASSERT_TRUE(w.FullScreen());
    EXPECT_FALSE(w.Control(IDC_OPEN)->isVisible());
    EXPECT_FALSE(w.Control(IDC_GROUP_LIST)->isVisible());
    EXPECT_TRUE(w.Control(IDC_FLIP)->isVisible());
    bool mapBefore = w.MapEnabled();
    w.OnCommand(IDC_MAP); // ignored while full screen
    EXPECT_EQ(w.MapEnabled(), mapBefore);

    RequestFullScreen(w);
    EXPECT_FALSE(w.FullScreen());
    EXPECT_EQ(w.geometry(), QRect(40, 50, 900, 620));
    EXPECT_TRUE(w.Control(IDC_OPEN)->isVisible());
    EXPECT_TRUE(w.Control(IDC_ABOUT)->isVisible());
    EXPECT_FALSE(w.Control(IDC_DEL)->isVisible());
    EXPECT_FALSE(w.Control(IDC_LOCK)->isVisible());
}

// Two H.265 front/rear pairs.
void WriteHevcCard(const QString& root) {
    std::vector<fixture::CardRecording> pairs(2);
    for (unsigned i = 0; i < pairs.size(); ++i) {
        pairs[i].front.codec = fixture::Codec::H265;
        pairs[i].front.layout = fixture::Layout::MetaTrack92;
        pairs[i].front.baseDir = VEMORA_FIXTURE_DIR;
        pairs[i].front.start = fixture::CalendarTime{2024, 5, 17, 10, 20, static_cast<int>(30 + 3 * i)};
        pairs[i].index = i;
    }
    ASSERT_TRUE(fixture::WriteCard(root.toStdString(), pairs).ok);
}

TEST_F(MainWindowTest, HevcWarningShowsTheJapaneseFallbackForGerman) {
    QTemporaryDir card;
    WriteHevcCard(card.path());
    dlg = std::make_unique<CDvrDlg>(&dialogs);
    dlg->SetHevcProbe([] { return false; });
    dlg->OnInitDialog();
    ASSERT_TRUE(SettingsFile::Instance().SetLanguage(7));
    dialogs.boxes.clear();
    dlg->StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(*dlg));
    auto warned = [&] {
        return std::any_of(dialogs.boxes.begin(), dialogs.boxes.end(), [](const RecordedBox& box) {
            return box.text.startsWith(QStringLiteral("このコンピュータは")) &&
                   box.caption == QStringLiteral("Vemora Viewer");
        });
    };
    EXPECT_TRUE(QTest::qWaitFor(warned, 3000));
}

} // namespace

// Without a hardware H.265 decoder the first H.265 recording warns once, then plays anyway; with
// one, nothing is said.
TEST_F(MainWindowTest, HevcWarningOncePerRunOnlyWithoutTheDecoder) {
    QTemporaryDir card;
    WriteHevcCard(card.path());
    const QString warning =
        QStringLiteral("This computer does not have the video playback auxiliary functions "
                       "required to play H.265 (HEVC), so it may not be able to play the "
                       "video normally.");
    for (bool decoder : {false, true}) {
        dlg = std::make_unique<CDvrDlg>(&dialogs);
        dlg->SetHevcProbe([decoder] { return decoder; });
        dlg->OnInitDialog();
        dialogs.boxes.clear();
        dlg->StartFolderScan(card.path());
        ASSERT_TRUE(WaitForScan(*dlg));
        ASSERT_EQ(dlg->Library().Records().size(), 4u);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg->Library().CurrentRow() == 0; }, 3000));
        dlg->Players().PlayNext(); // the next recording, also H.265
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg->Library().CurrentRow() == 2; }, 3000));
        int warnings = 0;
        for (const auto& box : dialogs.boxes)
            if (box.text == warning && box.caption == QStringLiteral("Vemora Viewer"))
                ++warnings;
        EXPECT_EQ(warnings, decoder ? 0 : 1) << "decoder " << decoder;
        EXPECT_EQ(dlg->Players().HevcWarned(), !decoder);
    }
}

// The start scans while the window comes up and opens the first recording once. The decoder
// probe's answer holds up only an H.265 recording: the H.264 card opens while the probe still
// runs; the H.265 card, answered late that a decoder exists, opens without a warning.
TEST_F(MainWindowTest, TheStartOpensOnceAndOnlyH265WaitsForTheProbe) {
    struct Row {
        const char* name;
        void (*write)(const QString&);
        bool answerAfterOpening;
    };
    const Row rows[] = {
        {"H.264 card", [](const QString& root) { WriteTwoPairCard(root); }, true},
        {"H.265 card", WriteHevcCard, false},
    };
    for (const Row& row : rows) {
        QTemporaryDir card;
        row.write(card.path());
        std::promise<void> answer;
        std::shared_future<void> answered = answer.get_future().share();
        dlg = std::make_unique<CDvrDlg>(&dialogs);
        // Bounded, so that a window waiting for it fails the test instead of hanging it.
        auto probeEnded = std::make_shared<std::atomic<bool>>(false);
        dlg->SetHevcProbe([answered, probeEnded] {
            answered.wait_for(std::chrono::seconds(10));
            *probeEnded = true;
            return true;
        });
        dlg->OnInitDialog();
        dialogs.boxes.clear();
        // The H.265 opening waits on the GUI thread, so its answer comes from another one, after
        // the scan of the small card has surely ended.
        std::thread answering;
        if (!row.answerAfterOpening)
            answering = std::thread([&answer] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                answer.set_value();
            });
        dlg->ShowStarting(card.path());
        ASSERT_TRUE(WaitForScan(*dlg)) << row.name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg->Opening().Phase() == OpeningPhase::Opening; }, 5000))
            << row.name;
        EXPECT_EQ(dlg->FileList()->RowModel()->rowCount(), 4) << row.name;
        EXPECT_TRUE(dialogs.boxes.empty()) << row.name;
        EXPECT_EQ(*probeEnded, !row.answerAfterOpening) << row.name;
        if (row.answerAfterOpening)
            answer.set_value();
        else
            answering.join();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg->Players().HevcDecode(); }, 3000)) << row.name;
        dlg.reset();
    }
}

TEST_F(MainWindowTest, PlaybackKeysReachTheirCommandsButNotUnderADialog) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Action> action;
    };
    const Case cases[] = {
        {Qt::Key_Space, Qt::NoModifier, Action::PlayPause},
        {Qt::Key_Left, Qt::NoModifier, Action::SkipBack5},
        {Qt::Key_Right, Qt::NoModifier, Action::SkipForward5},
        {Qt::Key_Left, Qt::ShiftModifier, Action::SkipBack30},
        {Qt::Key_Right, Qt::ShiftModifier, Action::SkipForward30},
        {Qt::Key_Comma, Qt::NoModifier, Action::FrameBack},
        {Qt::Key_Period, Qt::NoModifier, Action::FrameForward},
        {Qt::Key_0, Qt::KeypadModifier, Action::ResetZoom},
        {Qt::Key_Plus, Qt::ShiftModifier, Action::Faster},
        {Qt::Key_Plus, Qt::KeypadModifier, Action::Faster},
        {Qt::Key_Equal, Qt::NoModifier, Action::Faster},
        {Qt::Key_Minus, Qt::NoModifier, Action::Slower},
        {Qt::Key_M, Qt::NoModifier, Action::Mute},
        {Qt::Key_F, Qt::NoModifier, Action::FullScreenFront},
        {Qt::Key_J, Qt::NoModifier, Action::NextJolt},
        {Qt::Key_J, Qt::ShiftModifier, Action::PreviousJolt},
        {Qt::Key_Space, Qt::ControlModifier, std::nullopt},
        {Qt::Key_Escape, Qt::NoModifier, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ActionForKey(c.key, c.modifiers), c.action) << QKeySequence(c.key).toString().toStdString();

    CDvrDlg& w = Open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Plus);
    EXPECT_EQ(w.Players().RateIndex(), 8);
    QTest::keyClick(&w, Qt::Key_M);
    EXPECT_TRUE(w.Button(IDC_VOL)->AltShown());
    EXPECT_TRUE(w.Players().Muted());
    QTest::keyClick(&w, Qt::Key_M);
    EXPECT_FALSE(w.Players().Muted());
    bool mutedBefore = w.Players().Muted();
    // With the configuration dialog open the same keys go to the dialog, not to playback.
    QTimer::singleShot(200, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog, Qt::Key_Plus);
        QTest::keyClick(dialog, Qt::Key_M);
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    w.OnCommand(IDC_CONF);
    EXPECT_EQ(w.Players().RateIndex(), 8);
    EXPECT_EQ(w.Players().Muted(), mutedBefore);
}

// While a list has the keyboard its own keys move its rows and the other keys still reach
// playback; a click on the video gives the arrows back to playback.
TEST_F(MainWindowTest, ListsKeepTheirKeysUntilTheVideoIsClicked) {
    QTemporaryDir card;
    WriteTwoPairCard(card.path());
    CDvrDlg& w = Open();
    w.StartFolderScan(card.path());
    ASSERT_TRUE(WaitForScan(w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.Library().CurrentRow() == 0; }, 3000));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    struct KeySpy : QObject {
        int seen = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            seen += e->type() == QEvent::KeyPress;
            return false;
        }
    };
    CDvrFileListCtrl* list = w.FileList();
    QWidget* startFocus = QApplication::focusWidget();
    EXPECT_TRUE(startFocus && !list->isAncestorOf(startFocus) && startFocus != list &&
                startFocus != w.GroupList())
        << "the players have the keyboard at start";
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 1));
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Down, Qt::Key_Home}) {
        int before = list->currentIndex().row();
        QTest::keyClick(list, static_cast<Qt::Key>(key));
        EXPECT_NE(list->currentIndex().row(), before) << key;
    }
    KeySpy listSpy;
    list->installEventFilter(&listSpy);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Space})
        QTest::keyClick(list, key);
    QTest::keyClick(list, Qt::Key_Plus); // a playback key that is none of the list's
    list->removeEventFilter(&listSpy);
    EXPECT_EQ(listSpy.seen, 3);
    EXPECT_EQ(w.Players().RateIndex(), 8);

    QWidget* pane = w.Control(IDC_FRONT_VIDEO);
    ASSERT_TRUE(pane->isVisible());
    QTest::mouseClick(pane, Qt::LeftButton);
    EXPECT_TRUE(pane->hasFocus());
    KeySpy paneSpy;
    pane->installEventFilter(&paneSpy);
    QTest::keyClick(pane, Qt::Key_Right); // a skip: taken by playback before the pane sees it
    QTest::keyClick(pane, Qt::Key_Home);  // no playback key
    pane->removeEventFilter(&paneSpy);
    EXPECT_EQ(paneSpy.seen, 1);
}
