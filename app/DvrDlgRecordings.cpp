#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/CopyTexts.h"
#include "app/DvrDlgShared.h"
#include "app/FileOpDialogs.h"
#include "app/FileOpProgressDlg.h"
#include "app/UserDialogs.h"
#include "library/CopyTarget.h"
#include "library/RecordingNaming.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/RejectedFilesNote.h"
#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "map/RecordingExport.h"
#include "playback/transport/PlaybackRates.h"
#include "settings/SettingsFile.h"
#include "settings/WindowTexts.h"
#include "telemetry/TrackLoader.h"
#include "widgets/GdipButton.h"
#include "widgets/VideoStatic.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

// The main window and its recordings: copy / delete / lock of the chosen groups and the KML
// export. A playing recording is paused while the user answers and goes on when they cancel;
// the file work itself runs on a worker behind a progress dialog.

namespace vemora {

void CDvrDlg::UpdateLockButton() {
    if (auto* lock = Button(IDC_LOCK))
        lock->SetAltShown(!m_library.CurrentGroupHasLock());
}

void CDvrDlg::OnSave() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(wintext::kNoFilesInList, wintext::kOkCaption);
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    QString folder =
        m_pDialogs->ChooseFolder(this, SettingsFile::Instance().LoadUiString(wintext::kSelectFolder));
    if (folder.isEmpty()) {
        m_pPlayers->Resume(paused);
        return;
    }
    QFileInfo target(folder);
    if (!target.exists() || !target.isDir()) {
        ShowStringBox(wintext::kFolderMissing, wintext::kWarningCaption);
        m_pPlayers->Resume(paused);
        return;
    }
    if (RefuseCopyTarget(folder, CheckCopyTarget(ScannedRoots(m_library.Records()), folder.toStdString()),
                         0)) {
        m_pPlayers->Resume(paused);
        return;
    }
    // The overwrite questions come now, before the copying starts; then playback goes on.
    std::optional<FileOpPlan> plan = m_library.PlanCopy(folder.toStdString());
    m_pPlayers->Resume(paused);
    if (!plan)
        return ShowStringBox(wintext::kNothingSelected, wintext::kSelectionCaption);
    const uint64_t needed = CopyBytesNeeded(*plan);
    uint64_t available = 0;
    if (RefuseCopyTarget(folder, CheckFreeSpace(folder.toStdString(), needed, &available), needed, available))
        return;
    RunFileOpWithProgress(std::move(*plan), false);
}

// Tells the user why the chosen folder takes no copies; false when nothing is wrong with it.
bool CDvrDlg::RefuseCopyTarget(const QString& folder, CopyTargetProblem problem, uint64_t needed,
                               uint64_t available) {
    int textId = 0;
    switch (problem) {
    case CopyTargetProblem::None:
        return false;
    case CopyTargetProblem::InsideScannedTree:
        textId = kStrCopyIntoViewedFolder;
        break;
    case CopyTargetProblem::OnTheCard:
        textId = kStrCopyOntoTheCard;
        break;
    case CopyTargetProblem::NotEnoughSpace:
        textId = kStrCopyNoSpace;
        break;
    }
    auto& s = SettingsFile::Instance();
    const auto megabytes = [](uint64_t bytes) { return QString::number((bytes + (1u << 20) - 1) >> 20); };
    QString text = s.LoadUiString(textId);
    text.replace(QStringLiteral("%1"), megabytes(needed)).replace(QStringLiteral("%2"), megabytes(available));
    text.replace(QStringLiteral("%s"), folder);
    m_pDialogs->MessageBox(this, text, s.LoadUiString(wintext::kWarningCaption), UserDialogs::Ok);
    return true;
}

// The files the players have open: the current recording and its partners.
bool CDvrDlg::PlanTouchesPlayedFiles(const FileOpPlan& plan) const {
    const std::string current = m_library.GetCurrentPath();
    if (current.empty())
        return false;
    const std::string played[] = {current, GetFrontPartner(current), GetRearPartner(current)};
    for (const FileJob& job : plan.jobs)
        for (const std::string& path : played)
            if (!path.empty() && job.source == path)
                return true;
    return false;
}

void CDvrDlg::OnDelete() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(wintext::kNoFilesInList, wintext::kOkCaption);
    auto& s = SettingsFile::Instance();
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    if (m_pDialogs->MessageBox(this, s.LoadUiString(wintext::kDeleteQuestion),
                               s.LoadUiString(wintext::kDeleteCaption),
                               UserDialogs::OkCancel) != UserDialogs::AnswerOk) {
        m_pPlayers->Resume(paused);
        return;
    }
    std::optional<FileOpPlan> plan = m_library.PlanDelete();
    if (!plan) {
        m_pPlayers->Resume(paused);
        return ShowStringBox(wintext::kNothingSelected, wintext::kSelectionCaption);
    }
    StartChangingPlayedFiles(std::move(*plan), paused);
}

void CDvrDlg::OnLock() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(wintext::kNoFilesInList, wintext::kOkCaption);
    std::optional<FileOpPlan> plan = m_library.PlanLock(!m_library.CurrentGroupHasLock());
    if (!plan)
        return ShowStringBox(wintext::kNothingSelected, wintext::kSelectionCaption);
    StartChangingPlayedFiles(std::move(*plan), m_pPlayers->PausePlaying());
}

// A recording whose files are locked is stopped first and played again from its start
// afterwards; any other recording plays on meanwhile. A delete always stops playback: auto-play
// could otherwise move on to a file the worker is about to delete.
void CDvrDlg::StartChangingPlayedFiles(FileOpPlan plan, DualPlayerController::Interruption paused) {
    const bool stop = plan.operation == FileOperation::Delete || PlanTouchesPlayedFiles(plan);
    if (stop) {
        m_pPlayers->StopBoth();
        HideVideoPanes();
    } else {
        m_pPlayers->Resume(paused);
    }
    RunFileOpWithProgress(std::move(plan), stop);
}

void CDvrDlg::RunFileOpWithProgress(FileOpPlan plan, bool replayCurrent) {
    m_opening.FileOperationStarted();
    FileOpProgressDlg::Start(this, std::move(plan),
                             [this, replayCurrent](const FileOpPlan& done, const FileOpOutcome& outcome) {
                                 OnFileOpFinished(done, outcome, replayCurrent);
                             });
}

void CDvrDlg::OnFileOpFinished(const FileOpPlan& plan, const FileOpOutcome& outcome, bool replayCurrent) {
    m_opening.FileOperationEnded();
    m_library.ApplyFileOp(plan, outcome);
    UpdateLockButton();
    RefreshIncidentViews();
    const int current = m_library.CurrentRow();
    if (replayCurrent && current >= 0)
        m_pPlayers->PlayRecordingAt(current);
    // A copy or a delete always says what it did; a lock only when not everything was done.
    const bool complete = outcome.failures.empty() && !outcome.cancelled;
    if (plan.operation == FileOperation::Copy || plan.operation == FileOperation::Delete || !complete)
        m_fileOpDialogs->ReportOutcome(plan, outcome);
}

QString CDvrDlg::ExportFolder() const {
    if (!m_strExportFolder.isEmpty())
        return m_strExportFolder;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QString::fromStdString(vemora::ExportFolder(documents.toStdString()));
}

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

namespace {

// Why an export failed: the step with its folder or file, and the system's reason (in the
// interface language for the usual ones).
QString ExportFailureText(const ExportResult& result) {
    auto& s = SettingsFile::Instance();
    int step = 0;
    switch (result.failure) {
    case ExportFailure::None:
        return {};
    case ExportFailure::FolderNotCreated:
        step = wintext::kFolderNotCreated;
        break;
    case ExportFailure::FileNotCreated:
        step = wintext::kFileNotCreated;
        break;
    case ExportFailure::FileNotWritten:
        step = wintext::kFileNotWritten;
        break;
    }
    QString text =
        s.LoadUiString(step).replace(QStringLiteral("%s"), QString::fromStdString(result.failedPath));
    int reason = 0;
    switch (result.errorNumber) {
    case EACCES:
    case EPERM:
        reason = wintext::kPermissionDenied;
        break;
    case EROFS:
        reason = wintext::kDiskReadOnly;
        break;
    case ENOSPC:
    case EDQUOT:
        reason = wintext::kDiskFull;
        break;
    case ENOTDIR:
    case EEXIST:
        reason = wintext::kNameInTheWay;
        break;
    default:
        break;
    }
    if (reason)
        return text + QLatin1Char(' ') + s.LoadUiString(reason);
    if (result.errorNumber)
        return text + QLatin1Char(' ') + QString::fromLocal8Bit(std::strerror(result.errorNumber));
    return text;
}

} // namespace

void CDvrDlg::ReportExport(const ExportResult& result, int okText, int failedText, int caption) {
    auto& s = SettingsFile::Instance();
    QString text = s.LoadUiString(result.ok ? okText : failedText);
    text.replace(QStringLiteral("%s"), QString::fromStdString(result.path));
    if (!result.ok && result.failure != ExportFailure::None)
        text += QLatin1Char('\n') + ExportFailureText(result);
    m_pDialogs->MessageBox(this, text, s.LoadUiString(caption), UserDialogs::Ok);
}

// Writes the current recording's track as KML into the export folder.
void CDvrDlg::OnKml() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(wintext::kNoFilesInList, wintext::kOkCaption);
    std::string folder = ExportFolder().toStdString();
    std::string error;
    ExportResult result;
    if (!CreateExportFolder(folder, &error, &result.errorNumber)) {
        result.failure = ExportFailure::FolderNotCreated;
        result.failedPath = folder;
    } else if (auto current = CurrentTrackForExport()) {
        result = SaveKml(folder, current->first, current->second);
    }
    ReportExport(result, wintext::kKmlSaved, wintext::kKmlFailed, wintext::kKmlCaption);
}

// Writes the current recording's track as GPX where the user chooses; the export folder and
// the KML file's name are proposed.
void CDvrDlg::OnSaveGpx() {
    if (LibraryBusy() || m_library.Records().empty())
        return ShowStringBox(wintext::kNoFilesInList, wintext::kOkCaption);
    auto current = CurrentTrackForExport();
    if (!current)
        return;
    const ExportRecording& recording = current->first;
    QString suggested = ExportFolder();
    if (auto name = ExportFileName(recording.fileName, recording.startTime, ".GPX"))
        suggested += QString::fromStdString(*name);
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    const QString path =
        m_pDialogs->ChooseSavePath(this, SettingsFile::Instance().LoadUiString(wintext::kGpxCaption),
                                   suggested, QStringLiteral("GPX (*.gpx *.GPX)"));
    m_pPlayers->Resume(paused);
    if (path.isEmpty())
        return;
    ReportExport(WriteGpxFile(path.toStdString(), recording, current->second), wintext::kGpxSaved,
                 wintext::kGpxFailed, wintext::kGpxCaption);
}

} // namespace vemora
