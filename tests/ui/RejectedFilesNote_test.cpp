// The note below the lists after a scan that turned files down, and its list of those files, in
// the real main window under the offscreen platform.

#include "app/DvrDlg.h"
#include "app/UserDialogs.h"
#include "library/views/RejectedFilesDlg.h"
#include "library/views/RejectedFilesNote.h"
#include "settings/SettingsFile.h"
#include "tools/fixture/FixtureWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace vemora;

namespace {

class SilentDialogs : public UserDialogs {
public:
    Answer MessageBox(QWidget*, const QString&, const QString&, Buttons) override {
        ++boxes;
        return AnswerOk;
    }
    void About(QWidget*) override {}
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    int boxes = 0;
};

fixture::RecordingSpec Front(int second) {
    fixture::RecordingSpec spec;
    spec.layout = fixture::Layout::GpsIndexBox;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, second};
    spec.gps = fixture::SimulateGps({}, spec.seconds, 1, spec.start);
    return spec;
}

void Write(const std::string& path, const fixture::RecordingSpec& spec) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    fixture::WriteResult written = fixture::WriteRecording(spec, path);
    ASSERT_TRUE(written.ok) << written.error;
}

class RejectedFilesNoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VEMORA_LIBVLC", "/nonexistent/libvlc.so.5");
        SettingsFile::Instance().SetLanguage(0);
        window = std::make_unique<CDvrDlg>(&dialogs);
        window->OnInitDialog();
        window->show();
        QCoreApplication::processEvents();
        dialogs.boxes = 0; // the warnings about the missing video library
    }
    void TearDown() override {
        window.reset();
        std::remove(SettingsFile::Instance().m_strPath.c_str());
    }
    void Scan(const QString& folder) {
        window->StartFolderScan(folder);
        QElapsedTimer timer;
        timer.start();
        while (window->ScanRunning() && timer.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents();
        ASSERT_FALSE(window->ScanRunning());
    }
    CRejectedFilesNote& Note() { return *window->RejectedNote(); }

    SilentDialogs dialogs;
    std::unique_ptr<CDvrDlg> window;
};

TEST_F(RejectedFilesNoteTest, ShowsTheCountAndListsTheFilesWithTheirReasons) {
    QTemporaryDir card;
    const std::string root = card.path().toStdString();
    Write(root + "/DCIM/FILE0001.MP4", Front(30));
    fixture::RecordingSpec cut = Front(33);
    cut.options.truncateAt = 300;
    Write(root + "/DCIM/EVENT/FILE0002.MP4", cut);
    std::ofstream(root + "/DCIM/NOTE0003.MP4") << "a note that happens to have a recorder's name";

    Scan(card.path());
    EXPECT_EQ(window->Library().Records().size(), 1u);
    ASSERT_TRUE(Note().isVisible());
    EXPECT_TRUE(Note().text().startsWith(QStringLiteral("2 files could not be read")))
        << Note().text().toStdString();
    EXPECT_GT(Note().width(), 0);
    EXPECT_EQ(dialogs.boxes, 0); // nothing interrupts the opening

    CRejectedFilesDlg* details = Note().ShowDetails();
    ASSERT_NE(details, nullptr);
    QTreeWidget* table = details->Table();
    ASSERT_EQ(table->topLevelItemCount(), 2);
    EXPECT_EQ(table->topLevelItem(0)->text(0), QStringLiteral("DCIM/EVENT/FILE0002.MP4"));
    EXPECT_TRUE(table->topLevelItem(0)->text(1).startsWith(QStringLiteral("Cut short")));
    EXPECT_EQ(table->topLevelItem(1)->text(0), QStringLiteral("DCIM/NOTE0003.MP4"));
    EXPECT_EQ(table->topLevelItem(1)->text(1), QStringLiteral("Not a recording of the recorder"));
    details->close();

    // A card of nothing but damaged files still says why it shows nothing; a clean one, nothing.
    std::filesystem::remove(root + "/DCIM/FILE0001.MP4");
    std::filesystem::remove(root + "/DCIM/NOTE0003.MP4");
    Scan(card.path());
    EXPECT_TRUE(Note().isVisible());
    EXPECT_TRUE(Note().text().startsWith(QStringLiteral("1 file could not be read")));
    std::filesystem::remove(root + "/DCIM/EVENT/FILE0002.MP4");
    Write(root + "/DCIM/FILE0001.MP4", Front(30));
    Scan(card.path());
    EXPECT_FALSE(Note().isVisible());
    EXPECT_EQ(Note().ShowDetails(), nullptr);
}

} // namespace
