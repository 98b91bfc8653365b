#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/CustomMessages.h"
#include "app/DvrDlgShared.h"
#include "app/UserDialogs.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/RejectedFilesNote.h"
#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "map/RecordingExport.h"
#include "playback/PlaybackRates.h"
#include "settings/SettingsFile.h"
#include "telemetry/TrackLoader.h"
#include "widgets/GdipButton.h"
#include "widgets/VideoStatic.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

// The main window and its recordings: opening a folder (scanned on a worker thread), the list
// activations, copy / delete / lock of the chosen groups and the KML export.

namespace vemora {

// The scan worker owns the library until it reports back; commands that read it wait.
bool CDvrDlg::LibraryBusy() const {
    return m_bScanRunning != 0;
}

void CDvrDlg::OnOpen() {
    if (LibraryBusy() || (!m_library.Records().empty() && g_bBusy))
        return;
    m_llPendingSeekMs = 0;
    StopBothPlayers();
    if (m_frontPlayer.IsLoaded())
        m_frontPlayer.SetVolume(2 * m_nVolumePos);
    m_nRateIndex = kNormalRateIndex;
    m_frontPlayer.SetRate(1.0f);
    m_rearPlayer.SetRate(1.0f);
    UpdateRateLabel();
    QString folder = m_pDialogs->ChooseFolder(this, SettingsFile::Instance().LoadUiString(130));
    if (folder.isEmpty())
        return;
    m_nSourceKind = 1;
    StartFolderScan(folder);
}

void CDvrDlg::StartFolderScan(const QString& folder) {
    m_strSourcePath = folder;
    if (folder.isEmpty() || m_bScanRunning)
        return;
    if (m_scanThread.joinable())
        m_scanThread.join();
    g_bBusy = 1;
    m_bScanRunning = 1;
    m_library.ClearLibrary();
    m_pRejectedNote->SetFiles({});
    std::string path = folder.toStdString();
    m_scanThread = std::thread([this, path] {
        bool found = m_library.ScanSource(path, std::string()) && !m_library.Records().empty();
        // Same event class as the messages, on a type of its own (kScanFinishedEvent).
        QCoreApplication::postEvent(this,
                                    new UserMessageEvent(kScanFinishedEvent - QEvent::User, found ? 1 : 0));
    });
}

void CDvrDlg::OnScanFinished(bool found) {
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_bScanRunning = 0;
    // Also when no file at all could be read: that is when the note matters most.
    m_pRejectedNote->SetFiles(m_library.Rejected());
    if (!found) {
        g_bBusy = 0;
        m_library.ClearLibrary();
        return;
    }
    m_library.BuildTables();
    m_nDeferredOpenIndex = 0;
    if (m_library.SelectRecording(0))
        m_strCurrentPath = QString::fromStdString(m_library.GetCurrentPath());
    UpdateLockButton();
    FitVideoPanes();
    g_bBusy = 0;
}

void CDvrDlg::UpdateLockButton() {
    if (auto* lock = Button(IDC_LOCK))
        lock->SetAltShown(!m_library.CurrentGroupHasLock());
}

void CDvrDlg::OnSave() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    QString folder = m_pDialogs->ChooseFolder(this, SettingsFile::Instance().LoadUiString(130));
    if (folder.isEmpty())
        return;
    StopBothPlayers();
    QFileInfo target(folder);
    if (target.exists() && target.isDir()) {
        if (!m_library.CopyMarked(folder.toStdString()))
            ShowStringBox(135, 144);
    } else {
        ShowStringBox(132, 131);
    }
    m_pFrontVideo->hide();
    m_pRearVideo->hide();
}

void CDvrDlg::OnDelete() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    auto& s = SettingsFile::Instance();
    if (m_pDialogs->MessageBox(this, s.LoadUiString(129), s.LoadUiString(128), UserDialogs::OkCancel) !=
        UserDialogs::AnswerOk)
        return;
    StopBothPlayers();
    m_pFrontVideo->hide();
    m_pRearVideo->hide();
    if (!m_library.DeleteMarked())
        ShowStringBox(135, 144);
    UpdateLockButton();
}

void CDvrDlg::OnLock() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    bool done = m_library.CurrentGroupHasLock() ? m_library.UnlockMarked() : m_library.LockMarked();
    if (!done)
        ShowStringBox(135, 144);
    UpdateLockButton();
}

QString CDvrDlg::ExportFolder() const {
    if (!m_strExportFolder.isEmpty())
        return m_strExportFolder;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QString::fromStdString(vemora::ExportFolder(documents.toStdString()));
}

// Writes the current recording's track as KML and, beside it, as GPX.
void CDvrDlg::OnKml() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    auto& s = SettingsFile::Instance();
    auto row = ExportRowOf(m_library.CurrentRow(), m_library.Records().size());
    std::string folder = ExportFolder().toStdString();
    std::string error;
    ExportResult result;
    if (row && CreateExportFolder(folder, &error)) {
        const RecordingInfo& info = m_library.Records()[*row];
        TelemetryTrack track;
        LoadTelemetryTrack(info.GetFullPath(), info.summary, track);
        ExportRecording recording = ExportRecordingOf(info);
        result = SaveKml(folder, recording, track);
        if (result.ok)
            SaveGpx(folder, recording, track);
    }
    QString text = s.LoadUiString(result.ok ? 125 : 126);
    text.replace(QStringLiteral("%s"), QString::fromStdString(result.path));
    m_pDialogs->MessageBox(this, text, s.LoadUiString(127), UserDialogs::Ok);
}

// A group row: its first recording becomes the current one.
void CDvrDlg::OnOpenGroup(qint64 wParam) {
    int r = static_cast<int>(wParam);
    if (g_bBusy || LibraryBusy() || r < 0 || r >= static_cast<int>(m_library.Groups().size()))
        return;
    StopBothPlayers();
    if (m_library.SelectRecording(m_library.Groups()[static_cast<size_t>(r)].firstRecord))
        m_strCurrentPath = QString::fromStdString(m_library.GetCurrentPath());
    UpdateLockButton();
}

// A recording row; activations less than two seconds after the last accepted one are dropped.
void CDvrDlg::OnOpenFile(qint64 wParam) {
    if (g_bBusy || LibraryBusy())
        return;
    qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_dwLastListOpen <= 1999)
        return;
    m_dwLastListOpen = now;
    int i = static_cast<int>(wParam);
    if (i < 0)
        return;
    StopBothPlayers();
    if (m_library.SelectRecording(i))
        m_strCurrentPath = QString::fromStdString(m_library.GetCurrentPath());
    UpdateLockButton();
}

} // namespace vemora
