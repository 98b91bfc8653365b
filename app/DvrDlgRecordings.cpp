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

// The main window and its recordings: copy / delete / lock of the chosen groups and the KML
// export. A playing recording is paused while the user answers and goes on when they cancel.

namespace vemora {

void CDvrDlg::UpdateLockButton() {
    if (auto* lock = Button(IDC_LOCK))
        lock->SetAltShown(!m_library.CurrentGroupHasLock());
}

void CDvrDlg::OnSave() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    QString folder = m_pDialogs->ChooseFolder(this, SettingsFile::Instance().LoadUiString(130));
    if (folder.isEmpty()) {
        m_pPlayers->Resume(paused);
        return;
    }
    m_pPlayers->StopBoth();
    QFileInfo target(folder);
    if (target.exists() && target.isDir()) {
        if (!m_library.CopyMarked(folder.toStdString()))
            ShowStringBox(135, 144);
    } else {
        ShowStringBox(132, 131);
    }
    HideVideoPanes();
}

void CDvrDlg::OnDelete() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    auto& s = SettingsFile::Instance();
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    if (m_pDialogs->MessageBox(this, s.LoadUiString(129), s.LoadUiString(128), UserDialogs::OkCancel) !=
        UserDialogs::AnswerOk) {
        m_pPlayers->Resume(paused);
        return;
    }
    m_pPlayers->StopBoth();
    HideVideoPanes();
    bool deleted = m_library.DeleteMarked();
    UpdateLockButton();
    RefreshIncidentViews();
    if (!deleted) {
        ShowStringBox(135, 144);
        return;
    }
    // The current recording, when it survived, plays again from its start.
    int current = m_library.CurrentRow();
    if (current >= 0)
        m_pPlayers->PlayRecordingAt(current);
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

namespace {

// Texts of the GPX export.
constexpr int kStrSaveGpxEntry = 220; // "Save GPS data as GPX…"
constexpr int kStrGpxSaved = 221;     // "Save GPX file: %s OK."
constexpr int kStrGpxFailed = 222;    // "Save GPX file:%s Failed."
constexpr int kStrGpxCaption = 223;   // "Save GPX"

} // namespace

// The current recording and its track, for an export; nothing when no recording is listed.
std::optional<std::pair<ExportRecording, TelemetryTrack>> CDvrDlg::CurrentTrackForExport() const {
    auto row = ExportRowOf(m_library.CurrentRow(), m_library.Records().size());
    if (!row)
        return std::nullopt;
    const RecordingInfo& info = m_library.Records()[*row];
    TelemetryTrack track;
    LoadTelemetryTrack(info.GetFullPath(), info.summary, track);
    return std::make_pair(ExportRecordingOf(info), std::move(track));
}

void CDvrDlg::ReportExport(const ExportResult& result, int okText, int failedText, int caption) {
    auto& s = SettingsFile::Instance();
    QString text = s.LoadUiString(result.ok ? okText : failedText);
    text.replace(QStringLiteral("%s"), QString::fromStdString(result.path));
    m_pDialogs->MessageBox(this, text, s.LoadUiString(caption), UserDialogs::Ok);
}

// Writes the current recording's track as KML into the export folder.
void CDvrDlg::OnKml() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    std::string folder = ExportFolder().toStdString();
    std::string error;
    ExportResult result;
    if (CreateExportFolder(folder, &error))
        if (auto current = CurrentTrackForExport())
            result = SaveKml(folder, current->first, current->second);
    ReportExport(result, 125, 126, 127);
}

QString CDvrDlg::SaveGpxEntryText() {
    return SettingsFile::Instance().LoadUiString(kStrSaveGpxEntry);
}

// Writes the current recording's track as GPX where the user chooses; the export folder and
// the KML file's name are proposed.
void CDvrDlg::OnSaveGpx() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(136, 145);
    auto current = CurrentTrackForExport();
    if (!current)
        return;
    const ExportRecording& recording = current->first;
    QString suggested = ExportFolder();
    if (auto name = ExportFileName(recording.fileName, recording.startTime, ".GPX"))
        suggested += QString::fromStdString(*name);
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    const QString path =
        m_pDialogs->ChooseSavePath(this, SettingsFile::Instance().LoadUiString(kStrGpxCaption), suggested,
                                   QStringLiteral("GPX (*.gpx *.GPX)"));
    m_pPlayers->Resume(paused);
    if (path.isEmpty())
        return;
    ReportExport(WriteGpxFile(path.toStdString(), recording, current->second), kStrGpxSaved, kStrGpxFailed,
                 kStrGpxCaption);
}

} // namespace vemora
