#include "app/DvrDlg.h"

#include "app/DvrDlgShared.h"
#include "app/UserDialogs.h"
#include "library/views/RejectedFilesNote.h"
#include "settings/SettingsFile.h"
#include "settings/WindowTexts.h"
#include "widgets/VideoStatic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

// The way from the user's request to a playing recording: OPEN with its source dialog, the
// folder scan on a worker thread, the first recording right after the scan, the one-time
// H.265 warning, and the recordings chosen in the two lists. The opening state says which of
// these requests are taken until the opened recording reports its first time.

namespace vemora {

namespace {

// Shown on the front pane while a folder is scanned, in every language.
const char* const kLoadingText = "読み込み中";

} // namespace

// The scan worker owns the library until it reports back, and a file operation holds its
// recordings' indices until it ends; commands that read or change it wait.
bool CDvrDlg::LibraryBusy() const {
    return m_opening.LibraryBusy();
}

void CDvrDlg::ShowLoadingText(bool on) {
    m_pFrontVideo->SetLoadingText(on ? QString::fromUtf8(kLoadingText) : QString());
    m_pFrontVideo->show();
    m_pPlayers->NotePaneHidden(PlayerSide::Front, false);
    m_pFrontVideo->repaint();
}

void CDvrDlg::OnOpen() {
    if (!m_opening.Accepts(OpeningRequest::ChooseSource, !m_library.Records().empty()))
        return;
    m_pPlayers->ClearPendingSeek();
    m_pPlayers->StopBoth();
    m_pPlayers->ApplySliderVolume();
    m_pPlayers->ResetRate();
    UserDialogs::SourceChoice source =
        m_pDialogs->ChooseSource(this, SettingsFile::Instance().LoadUiString(wintext::kSelectFolder));
    if (!source.ok)
        return;
    if (source.kind == UserDialogs::SourceKind::File)
        return OpenSingleFile(source.path);
    // A drive is the folder it is mounted at: scanned like any folder, off the GUI thread.
    StartFolderScan(source.path);
}

void CDvrDlg::StartFolderScan(const QString& folder) {
    StartScan(folder, QString());
}

// A folder is walked and a single file read off the GUI thread alike: a file of a hostile card
// can take its reader a while, and the window stays responsive meanwhile.
void CDvrDlg::StartScan(const QString& folder, const QString& fileName) {
    if (!m_opening.Accepts(OpeningRequest::Scan, !m_library.Records().empty()) || folder.isEmpty())
        return;
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_opening.ScanStarted();
    m_bScanFollowUpDue = false;
    m_scanFollowUp.stop();
    m_bSingleFileScan = !fileName.isEmpty();
    StopIncidentSearch();
    m_library.ClearLibrary();
    m_pRejectedNote->SetFiles({});
    m_pRejectedNote->SetUnreadableFolders(0);
    ShowLoadingText(true);
    std::string path = folder.toStdString();
    std::string name = fileName.toStdString();
    m_bScanEnded = false;
    m_scanThread = std::thread([this, path, name] {
        m_bScanFound = m_library.ScanSource(path, name) && !m_library.Records().empty();
        m_bScanEnded = true;
        // Runs on the GUI thread; dropped when the window has gone meanwhile.
        QMetaObject::invokeMethod(
            this, [this] { TakeScanResult(); }, Qt::QueuedConnection);
    });
}

void CDvrDlg::ShowStarting(const QString& folder) {
    if (!folder.isEmpty())
        StartFolderScan(folder);
    show();
    TakeScanResult();
    m_opening.OpenDueNow();
}

void CDvrDlg::TakeScanResult() {
    if (m_bScanEnded.exchange(false))
        OnScanFinished(m_bScanFound);
}

void CDvrDlg::OnScanFinished(bool found) {
    if (m_scanThread.joinable())
        m_scanThread.join();
    ShowLoadingText(false);
    m_opening.ScanFinished(found);
    // Also when no file at all could be read: that is when the note matters most.
    m_pRejectedNote->SetFiles(m_library.Rejected());
    m_pRejectedNote->SetUnreadableFolders(m_library.UnreadableFolders());
    if (!found) {
        m_library.ClearLibrary();
        return;
    }
    m_library.BuildTables();
    m_bScanFollowUpDue = true;
    m_scanFollowUp.start();
    UpdateLockButton();
    if (m_bSingleFileScan) {
        SettleHevcProbeFor(0);
        // One file chosen: it plays at once, as it did when it was read on this thread.
        m_opening.OpeningStarted();
        m_pPlayers->PlayRecordingAt(0);
        return;
    }
    // A drive chosen in the drive log opens at its first recording, otherwise the first one.
    const int first = TakeDriveToOpen();
    SettleHevcProbeFor(first);
    if (!m_pPlayers->HevcWarned() && !m_pPlayers->CanPlayRecording(first)) {
        QMetaObject::invokeMethod(
            this, [this, first] { OnHevcWarning(first); }, Qt::QueuedConnection);
        return;
    }
    m_opening.OpenLater(first);
}

bool CDvrDlg::HevcDecode() const {
    if (m_hevcProbeResult.valid())
        m_bHevcDecode = m_hevcProbeResult.get();
    return m_bHevcDecode;
}

void CDvrDlg::SettleHevcProbe() {
    m_pPlayers->SetHevcDecode(HevcDecode());
}

// Until the probe has answered, the players take the machine for one without H.265 decoding;
// that matters only for a recording with an H.265 file, so only such a recording waits.
void CDvrDlg::SettleHevcProbeFor(int index) {
    if (m_hevcProbeResult.valid() && !m_pPlayers->CanPlayRecording(index))
        SettleHevcProbe();
}

void CDvrDlg::RunScanFollowUp() {
    if (!std::exchange(m_bScanFollowUpDue, false))
        return;
    m_scanFollowUp.stop();
    StartIncidentSearch();
    RecordDrivesOfScan();
}

void CDvrDlg::OnDeferredOpen(int index) {
    m_opening.OpeningStarted();
    m_pPlayers->PlayRecordingAt(index);
}

void CDvrDlg::OpenSingleFile(const QString& path) {
    QFileInfo file(path);
    StartScan(file.absolutePath() + QLatin1Char('/'), file.fileName());
}

// Shown at most once per run; the recording it was about plays after it.
void CDvrDlg::OnHevcWarning(int index) {
    ShowAppMessage(wintext::kNoHevcDecoder);
    m_pPlayers->MarkHevcWarned();
    StartOpenThread(index);
}

// A current row past the end of the list (after a delete) becomes the last one.
void CDvrDlg::ClampCurrentRow() {
    int n = static_cast<int>(m_library.Records().size());
    if (n > 0 && m_library.CurrentRow() >= n)
        m_library.SelectRecording(n - 1);
}

// The players are stopped and given a moment before the recording is opened; the opening itself
// runs on the GUI thread, which owns the lists and the panes.
void CDvrDlg::StartOpenThread(int index) {
    ClampCurrentRow();
    if (index == -1)
        return;
    m_pPlayers->StopBoth();
    m_opening.OpenAfterRest(index);
}

void CDvrDlg::OnOpenThreadDone(int index) {
    SettleHevcProbeFor(index);
    if (!m_pPlayers->HevcWarned() && !m_pPlayers->CanPlayRecording(index)) {
        QMetaObject::invokeMethod(
            this, [this, index] { OnHevcWarning(index); }, Qt::QueuedConnection);
        return;
    }
    if (!m_library.SelectRecording(index))
        return;
    UpdateLockButton();
    m_opening.OpeningStarted();
    m_pPlayers->PlayRecordingAt(index);
}

// A group row: its first recording plays.
void CDvrDlg::OnOpenGroup(int r) {
    ClampCurrentRow();
    if (!m_opening.Accepts(OpeningRequest::PlayRecording, !m_library.Records().empty()) || r == -1)
        return;
    m_pPlayers->StopBoth();
    const auto& groups = m_library.Groups();
    int oldGroup = m_library.CurrentGroup();
    if (oldGroup < 0 || oldGroup >= static_cast<int>(groups.size()))
        oldGroup = 0;
    if (r >= 0 && r < static_cast<int>(groups.size()) &&
        groups[static_cast<size_t>(oldGroup)].recordCount >= 1)
        m_library.SelectRecording(groups[static_cast<size_t>(r)].firstRecord);
    UpdateLockButton();
    int current = m_library.CurrentRow();
    if (current != -1) {
        m_opening.OpeningStarted();
        m_pPlayers->PlayRecordingAt(current);
    }
}

// A recording row; activations less than two seconds after the last accepted one are dropped.
void CDvrDlg::OnOpenFile(int i) {
    if (!m_opening.Accepts(OpeningRequest::PlayRecording, !m_library.Records().empty()))
        return;
    ClampCurrentRow();
    if (!m_opening.TakeListActivation() || i == -1)
        return;
    m_pPlayers->StopBoth();
    if (!m_library.SelectRecording(i))
        return;
    UpdateLockButton();
    m_opening.OpeningStarted();
    m_pPlayers->PlayRecordingAt(i);
}

} // namespace vemora
