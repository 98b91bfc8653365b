#include "app/DvrDlg.h"

#include "app/CustomMessages.h"
#include "app/DvrDlgShared.h"
#include "app/UserDialogs.h"
#include "library/views/RejectedFilesNote.h"
#include "settings/SettingsFile.h"
#include "widgets/VideoStatic.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The way from the user's request to a playing recording: OPEN with its source dialog, the
// folder scan on a worker thread, the first recording half a second after the scan, the one-time
// H.265 warning, and the recordings chosen in the two lists. The busy flag keeps these requests
// from overlapping until the opened recording reports its first time.

namespace vemora {

namespace {

// Shown on the front pane while a folder is scanned, in every language.
const char* const kLoadingText = "読み込み中";
constexpr int kDeferredOpenTicks = 5;
constexpr qint64 kListOpenDebounceMs = 1999;

} // namespace

// The scan worker owns the library until it reports back, and a file operation holds its
// recordings' indices until it ends; commands that read or change it wait.
bool CDvrDlg::LibraryBusy() const {
    return m_bScanRunning != 0 || m_bFileOpRunning;
}

void CDvrDlg::SetBusy() {
    g_bBusy = 1;
    m_busyTimeout.start();
}

void CDvrDlg::ShowLoadingText(bool on) {
    m_pFrontVideo->SetLoadingText(on ? QString::fromUtf8(kLoadingText) : QString());
    m_pFrontVideo->show();
    m_pPlayers->NotePaneHidden(PlayerSide::Front, false);
    m_pFrontVideo->repaint();
}

void CDvrDlg::OnOpen() {
    if (LibraryBusy() || (!m_library.Records().empty() && g_bBusy))
        return;
    m_pPlayers->ClearPendingSeek();
    m_pPlayers->StopBoth();
    m_pPlayers->ApplySliderVolume();
    m_pPlayers->ResetRate();
    UserDialogs::SourceChoice source =
        m_pDialogs->ChooseSource(this, SettingsFile::Instance().LoadUiString(130));
    if (!source.ok)
        return;
    m_nSourceKind = source.kind;
    m_strSourcePath = source.path;
    if (source.kind == 2)
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
    if (m_bFileOpRunning)
        return;
    m_strSourcePath = fileName.isEmpty() ? folder : QDir(folder).filePath(fileName);
    if (m_bScanRunning)
        return;
    SetBusy();
    if (folder.isEmpty()) {
        g_bBusy = 0;
        return;
    }
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_bScanRunning = 1;
    m_bSingleFileScan = !fileName.isEmpty();
    m_nDeferredOpenIndex = -1;
    StopIncidentSearch();
    m_library.ClearLibrary();
    m_pRejectedNote->SetFiles({});
    m_pRejectedNote->SetUnreadableFolders(0);
    ShowLoadingText(true);
    std::string path = folder.toStdString();
    std::string name = fileName.toStdString();
    m_scanThread = std::thread([this, path, name] {
        bool found = m_library.ScanSource(path, name) && !m_library.Records().empty();
        // Same event class as the messages, on a type of its own (kScanFinishedEvent).
        QCoreApplication::postEvent(this,
                                    new UserMessageEvent(kScanFinishedEvent - QEvent::User, found ? 1 : 0));
    });
}

void CDvrDlg::OnScanFinished(bool found) {
    if (m_scanThread.joinable())
        m_scanThread.join();
    ShowLoadingText(false);
    m_bScanRunning = 0;
    // Also when no file at all could be read: that is when the note matters most.
    m_pRejectedNote->SetFiles(m_library.Rejected());
    m_pRejectedNote->SetUnreadableFolders(m_library.UnreadableFolders());
    if (!found) {
        g_bBusy = 0;
        m_library.ClearLibrary();
        return;
    }
    m_library.BuildTables();
    StartIncidentSearch();
    RecordDrivesOfScan();
    UpdateLockButton();
    m_pPlayers->SetHevcDecode(HevcDecode());
    if (m_bSingleFileScan) {
        // One file chosen: it plays at once, as it did when it was read on this thread.
        m_pPlayers->PlayRecordingAt(0);
        return;
    }
    // A drive chosen in the drive log opens at its first recording, otherwise the first one.
    m_nDeferredOpenIndex = TakeDriveToOpen();
    if (!m_pPlayers->HevcWarned() && !m_pPlayers->CanPlayRecording(0)) {
        m_nOpenIndex = m_nDeferredOpenIndex;
        PostUserMessage(this, UM_HEVC_WARNING, 0);
        return;
    }
    m_nDeferredOpenTicks = kDeferredOpenTicks;
}

bool CDvrDlg::HevcDecode() const {
    if (m_hevcProbeResult.valid())
        m_bHevcDecode = m_hevcProbeResult.get() ? 1 : 0;
    return m_bHevcDecode != 0;
}

void CDvrDlg::OnDeferredOpenTick() {
    if (m_nDeferredOpenTicks == 0 || m_nDeferredOpenTicks == -1)
        return;
    if (--m_nDeferredOpenTicks == 0 && m_nDeferredOpenIndex != -1)
        m_pPlayers->PlayRecordingAt(m_nDeferredOpenIndex);
}

void CDvrDlg::OpenSingleFile(const QString& path) {
    if (m_bScanRunning)
        return;
    QFileInfo file(path);
    StartScan(file.absolutePath() + QLatin1Char('/'), file.fileName());
}

// Shown at most once per run; the recording it was about plays after it.
void CDvrDlg::OnHevcWarning(qint64 wParam) {
    ShowAppMessage(wParam == 0 ? 146 : 0);
    m_pPlayers->MarkHevcWarned();
    StartOpenThread();
}

// A current row past the end of the list (after a delete) becomes the last one.
void CDvrDlg::ClampCurrentRow() {
    int n = static_cast<int>(m_library.Records().size());
    if (n > 0 && m_library.CurrentRow() >= n)
        m_library.SelectRecording(n - 1);
}

// The players are stopped and given a moment before the recording is opened; the opening itself
// runs on the GUI thread, which owns the lists and the panes.
void CDvrDlg::StartOpenThread() {
    ClampCurrentRow();
    int index = m_nOpenIndex;
    if (index == -1)
        return;
    m_pPlayers->StopBoth();
    QTimer::singleShot(400, this, [this, index] { OnOpenThreadDone(index); });
}

void CDvrDlg::OnOpenThreadDone(int index) {
    if (!m_pPlayers->HevcWarned() && !m_pPlayers->CanPlayRecording(index)) {
        PostUserMessage(this, UM_HEVC_WARNING, 0);
        return;
    }
    if (!m_library.SelectRecording(index))
        return;
    UpdateLockButton();
    SetBusy();
    m_pPlayers->PlayRecordingAt(index);
}

// A group row: its first recording plays.
void CDvrDlg::OnOpenGroup(qint64 wParam) {
    ClampCurrentRow();
    int r = static_cast<int>(wParam);
    if (g_bBusy || LibraryBusy() || r == -1)
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
        SetBusy();
        m_pPlayers->PlayRecordingAt(current);
    }
}

// A recording row; activations less than two seconds after the last accepted one are dropped.
void CDvrDlg::OnOpenFile(qint64 wParam) {
    if (g_bBusy || LibraryBusy())
        return;
    ClampCurrentRow();
    qint64 now = m_listOpenClock.elapsed();
    if (now - m_dwLastListOpen <= kListOpenDebounceMs)
        return;
    m_dwLastListOpen = now;
    int i = static_cast<int>(wParam);
    if (i == -1)
        return;
    m_pPlayers->StopBoth();
    if (!m_library.SelectRecording(i))
        return;
    UpdateLockButton();
    SetBusy();
    m_pPlayers->PlayRecordingAt(i);
}

} // namespace vemora
