#include "app/DvrDlg.h"

#include "app/UserDialogs.h"
#include "library/Catalogue.h"
#include "library/views/DriveLogRecorder.h"
#include "library/views/DriveTexts.h"
#include "library/views/DrivesDlg.h"
#include "map/browser/MapBridge.h"
#include "settings/SettingsFile.h"
#include "widgets/SpeedLabel.h"

#include <QFileDialog>
#include <QFileInfo>

// The main window and the drive log: what every scan finds goes into the catalogue in the
// background, the Drives window lists every drive of every card, and a drive opened from it is
// scanned like any folder and played from its first recording.

namespace vemora {

namespace {

QString UiString(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

} // namespace

void CDvrDlg::CreateDriveLog() {
    m_pDriveLog = new CDriveLogRecorder(QString::fromStdString(Catalogue::DefaultPath()), this);
    connect(m_pDriveLog, &CDriveLogRecorder::recorded, this, [this](int) {
        if (!m_pDrivesDlg)
            return;
        m_pDrivesDlg->SetRecording(m_pDriveLog->Busy());
        m_pDrivesDlg->Reload();
    });
}

// The scanned recordings as listed now; the worker keeps its own copy.
void CDvrDlg::RecordDrivesOfScan() {
    if (m_library.Records().empty())
        return;
    const RecordingInfo& first = m_library.Records().front();
    m_pDriveLog->Record(first.rootFolder, m_library.Records());
    if (m_pDrivesDlg)
        m_pDrivesDlg->SetRecording(true);
}

CDrivesDlg* CDvrDlg::OnDrives() {
    if (!m_pDrivesDlg) {
        auto chooser = [this](const QString& caption, const QString& suggested) {
            return QFileDialog::getExistingDirectory(m_pDrivesDlg, caption, suggested,
                                                     QFileDialog::ShowDirsOnly);
        };
        m_pDrivesDlg =
            new CDrivesDlg(UiString, m_pDriveLog->CatalogueFile(), DefaultMapPageFolder(), chooser, this);
        connect(m_pDrivesDlg, &CDrivesDlg::openDrive, this, &CDvrDlg::OpenDriveFromLog);
        auto tell = [this](const QString& text) {
            m_pDialogs->MessageBox(m_pDrivesDlg, text, UiString(ids::kDrivesCaption), UserDialogs::Ok);
        };
        connect(m_pDrivesDlg, &CDrivesDlg::driveAbsent, this, tell);
        connect(m_pDrivesDlg, &CDrivesDlg::catalogueFailed, this, tell);
        connect(m_pDrivesDlg, &CDrivesDlg::keepFinished, this, [this](const QString& text) {
            m_pDialogs->MessageBox(m_pDrivesDlg, text, UiString(ids::kKeepCaption), UserDialogs::Ok);
        });
    } else {
        m_pDrivesDlg->Reload();
    }
    m_pDrivesDlg->SetMetric(m_pSpeed->Metric());
    m_pDrivesDlg->SetRecording(m_pDriveLog->Busy());
    m_pDrivesDlg->show();
    m_pDrivesDlg->raise();
    m_pDrivesDlg->activateWindow();
    return m_pDrivesDlg;
}

void CDvrDlg::OpenDriveFromLog(const QString& folder, const QString& firstFile) {
    if (!m_opening.Accepts(OpeningRequest::PlayRecording, !m_library.Records().empty()))
        return;
    m_strDriveToOpen = firstFile;
    m_pPlayers->StopBoth();
    StartFolderScan(folder);
}

int CDvrDlg::TakeDriveToOpen() {
    const QString file = std::exchange(m_strDriveToOpen, QString());
    if (file.isEmpty())
        return 0;
    const QString wanted = QFileInfo(file).absoluteFilePath();
    const auto& records = m_library.Records();
    for (size_t i = 0; i < records.size(); ++i)
        if (QFileInfo(QString::fromStdString(records[i].GetFullPath())).absoluteFilePath() == wanted)
            return static_cast<int>(i);
    return 0;
}

void CDvrDlg::RetextDriveLog() {
    if (m_pDrivesDlg)
        m_pDrivesDlg->Retext();
}

} // namespace vemora
