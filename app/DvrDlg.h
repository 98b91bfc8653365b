#pragma once
// The main window: a frameless top-level window that owns the players, the recording lists, the
// instruments and the map panel, and turns its actions (buttons, keys, menus) and the signals of
// its controls and players into calls on them.

#include "app/ActionTable.h"
#include "app/ClipRange.h"
#include "app/OpeningState.h"
#include "app/WindowLayout.h"
#include "library/CopyTarget.h"
#include "library/RecordingLibrary.h"
#include "library/views/IncidentSearch.h"
#include "map/KmlWriter.h"
#include "map/browser/HtmlMapDlg.h"
#include "playback/DualPlayerController.h"
#include "playback/PlayerHost.h"
#include "telemetry/TelemetryModel.h"

#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QMenu;

#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <thread>

namespace vemora {

class CGdipButton;
class CVideoSlider;
class CMySliderControl;
class CVideoStatic;
class CVideoStaticBg;
class CGSensorCtrl;
class CPngStatic;
class CPngCompassStatic;
class CSpeedLabelStatic;
class CPbSpeedLabelStatic;
class UserDialogs;
class FileOpDialogs;
class CDvrGroupListCtrl;
class CDvrFileListCtrl;
class CTrackFeeder;
class InstrumentPanel;
class GuiThreadMapSink;
class CRejectedFilesNote;
class CVwrToolTipCtrl;
class CClipExportJob;
class CIncidentReportJob;
class CIncidentsDlg;
class CDrivesDlg;
class CDriveLogRecorder;
class CIncidentCountDelegate;

// Set once the main loop has returned.
extern std::atomic<bool> g_bLoopEnded;

class CDvrDlg : public QWidget, private PlayerHost {
    Q_OBJECT
    friend std::span<const ActionRow> WindowActions();

public:
    // Which pane a full-screen request is for.
    enum class FullScreenPane {
        UnderMouse, // a double click on a pane
        Front,      // the key: the front pane, wherever the mouse is
    };

    // dialogs: where message boxes go (the real ones when null).
    explicit CDvrDlg(UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CDvrDlg() override;

    // Replaces the hardware-decoding probe (tests); call before OnInitDialog.
    void SetHevcProbe(std::function<bool()> probe) { m_hevcProbe = std::move(probe); }

    // Builds the controls, reads the panel switches, restores the saved position, lays out.
    void OnInitDialog();
    // A button's command, by control id; ignored for a control that runs none.
    void OnCommand(int id);
    // An action of the window's table, as its key or menu entry runs it.
    void Trigger(Action action);
    // Scans a folder on a worker thread, lists its recordings and plays the first one, as OPEN
    // does with a chosen folder. Ignored while a scan runs.
    void StartFolderScan(const QString& folder);
    // The start: a folder named on the command line (or none) is scanned while the window comes
    // up; a scan ended by then opens the first recording before the window's first paint.
    void ShowStarting(const QString& folder);
    // Reads a folder (empty fileName) or one file of it on the scan worker.
    void StartScan(const QString& folder, const QString& fileName);
    bool ScanRunning() const { return m_opening.Scanning(); }
    // A copy, delete or lock runs on its worker.
    bool FileOpRunning() const { return m_opening.FileOperationRunning(); }
    const COpeningState& Opening() const { return m_opening; }
    // The configuration dialog applied a language (its index in the language table) or a map
    // page (written to the settings file, which is read again).
    void OnLanguageChanged(int languageIndex);
    void OnMapChanged();

    void LayoutControls(int cx, int cy);
    void FitVideoPanes();
    void ShowControls(bool show);
    void SetTooltipTexts();
    void UpdateRateLabel();

    // Read-only views for the tests and the layout.
    QWidget* Control(int id) const;
    CGdipButton* Button(int id) const;
    const VlcApi& FrontPlayer() const { return m_pPlayers->Front(); }
    const VlcApi& RearPlayer() const { return m_pPlayers->Rear(); }
    DualPlayerController& Players() const { return *m_pPlayers; }
    bool MapEnabled() const { return m_bMapEnabled; }
    bool GSensorEnabled() const { return m_bGSensorEnabled; }
    bool AutoPlayNext() const { return m_pPlayers->AutoPlayNext(); }
    int MapType() const { return m_nMapType; }
    int VolumePos() const { return m_pPlayers->VolumePos(); }
    // The hardware-decoding probe's answer (waits for the probe when it still runs).
    bool HevcDecode() const;
    QRect MapSplitter() const { return m_rcMapSplitter; }
    QWidget* MapWindow() const { return m_pMapDlg; }
    CHtmlMapDlg* MapDlg() const { return m_pMapDlg; }
    // Where the track feeder sends the map page's script calls; the map window's bridge.
    MapScriptSink* MapSink() const;
    // The blank cover over the map during start-up; null before it shows and after it went.
    QWidget* MapCover() const { return m_pCoverDlg; }
    bool FullScreen() const { return m_bFullScreen; }
    const CRecordingLibrary& Library() const { return m_library; }
    CDvrGroupListCtrl* GroupList() const { return m_pGroupList; }
    CDvrFileListCtrl* FileList() const { return m_pFileList; }
    CRejectedFilesNote* RejectedNote() const { return m_pRejectedNote; }
    CVwrToolTipCtrl* ToolTip() const { return m_pToolTip; }
    // The incidents of the card, once the search after the scan has finished.
    const std::vector<ListedIncident>& Incidents() const { return m_incidents; }
    CIncidentSearch* IncidentSearch() const { return m_pIncidentSearch; }
    QLabel* IncidentNote() const { return m_pIncidentNote; }
    CIncidentCountDelegate* IncidentCounts() const { return m_pIncidentCounts; }
    CVideoSlider* SeekBar() const { return m_pSeek; }
    // Opens (or raises) the list of the card's incidents: key L and the window's menu.
    CIncidentsDlg* OnIncidents();
    // Opens (or raises) the Drives window: key D and the window's menu.
    CDrivesDlg* OnDrives();
    CDriveLogRecorder* DriveLog() const { return m_pDriveLog; }
    // Where the KML button writes (tests point it elsewhere); default Documents/Vemora Viewer/KML/.
    void SetExportFolder(const QString& folder) { m_strExportFolder = folder; }
    // The running or last clip export; null before the first.
    CClipExportJob* ClipJob() const { return m_pClipJob; }
    const ClipMarks& ClipRangeMarks() const { return m_clipMarks; }
    // The running or last incident report; null before the first.
    CIncidentReportJob* ReportJob() const { return m_pReportJob; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The playback keys, taken before the focused control sees them.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void CreateControls();
    void CreateButtons();
    void HideUnshownButtons();
    // The entries of one of the window's menus (a MenuPlace), each carrying its action as data.
    void FillMenu(QMenu& menu, unsigned place);
    void CreateTooltips();
    void CreateMapWindow();
    // The map's browser starts once the first recording's pictures are shown (or nothing is to
    // play).
    void StartMapBrowser();
    void StartMapCover();
    void ShowMapCover();
    void RemoveMapCover();
    void BindPlayers();
    void ConnectPlayers();
    bool KeysReachPlayback() const;
    bool ListKeepsKey(int key) const;
    void CreateTrackFeeder();
    void ShowGpsFix(int feedResult);
    void ShowTelemetryAt(int64_t ms);
    void ClampCurrentRow();
    // PlayerHost
    bool HasPane(PlayerSide side) override;
    unsigned long PaneWindow(PlayerSide side) override;
    void ShowPane(PlayerSide side, bool show) override;
    QString AskSnapshotPath() override;
    void ShowMessage(int textId, int captionId) override;
    void RestoreWindowPosition();
    void SaveWindowPosition();
    void UpdateWindowShape(int cx, int cy);
    void RerunLayout();
    void WarnPlayerMissing();
    void ShowAppMessage(int stringId);
    void ShowStringBox(int textId, int captionId);
    void OnScanFinished(bool found);
    // Runs OnScanFinished once for an ended scan, whoever comes first: the scan's own call on the
    // event loop, or the start taking an early result.
    void TakeScanResult();
    void UpdateLockButton();
    void HideVideoPanes();
    void ShowLoadingText(bool on);
    void OnDeferredOpen(int index);
    void StartOpenThread(int index);
    void OnOpenThreadDone(int index);
    // Hands the probe's answer to the players; the one for an index only when that recording
    // needs it.
    void SettleHevcProbe();
    void SettleHevcProbeFor(int index);
    void OpenSingleFile(const QString& path);
    void OpenDrive(const QString& path);
    bool LibraryBusy() const;
    QString ExportFolder() const;

    // The card's incidents (DvrDlgIncidents.cpp).
    void CreateIncidentViews();
    void StartIncidentSearch();
    void StopIncidentSearch();
    void OnIncidentProgress(int done, int total);
    void OnIncidentsFound(const std::vector<ListedIncident>& incidents);
    // Counts, marks and the open list again from m_incidents and the current lists.
    void RefreshIncidentViews();
    // After a language change: the list's texts.
    void RetextIncidentViews();
    void ShowIncidentMarks();
    void PlayIncident(const QString& file, qint64 timeMs);
    // J / Shift+J past the end of the playing recording's jolts: the next / previous recording
    // that holds one.
    bool JumpToJoltInOtherRecording(int direction);
    // The record an incident of this file is listed under (-1 when no longer listed).
    int RecordOfIncidentFile(const std::string& file) const;
    // The file the current recording's incidents are listed under.
    std::string IncidentFileOfRow(int row) const;

    // The drive log (DvrDlgDrives.cpp): every scan's drives into the catalogue, the Drives window.
    void CreateDriveLog();
    void RecordDrivesOfScan();
    void RunScanFollowUp();
    void OpenDriveFromLog(const QString& folder, const QString& firstFile);
    // The record of the file a drive opened from the Drives window starts with (0 when none).
    int TakeDriveToOpen();
    void RetextDriveLog();

    // Commands.
    void OnOpen();
    void OnSave();
    void OnSnap();
    void OnDelete();
    void OnConfig();
    void OnPlay();
    void OnStopCommand();
    void OnFaster();
    void OnSlower();
    void OnLoop();
    void OnFlip();
    void OnKml();
    void OnSaveGpx();
    void OnHelpButton();
    std::optional<std::pair<ExportRecording, TelemetryTrack>> CurrentTrackForExport() const;
    void ReportExport(const ExportResult& result, int okText, int failedText, int caption);
    void OnMapToggle();
    void OnGSensorToggle();
    void OnLock();
    bool PlanTouchesPlayedFiles(const FileOpPlan& plan) const;
    bool RefuseCopyTarget(const QString& folder, CopyTargetProblem problem, uint64_t needed,
                          uint64_t available = 0);
    void StartChangingPlayedFiles(FileOpPlan plan, DualPlayerController::Interruption paused);
    // Runs the plan on a worker behind the progress dialog; the lists are busy until it ends.
    void RunFileOpWithProgress(FileOpPlan plan, bool replayCurrent);
    void OnFileOpFinished(const FileOpPlan& plan, const FileOpOutcome& outcome, bool replayCurrent);
    void OnCloseButton();
    void OnMaximize();
    void OnMinimize();
    void OnAbout();
    void OnKeyboardHelp();
    void OnVolumeButton();
    void OnSizeSmall();
    void OnSizeMedium();
    void OnSizeLarge();
    void OnJolt(int direction);
    // Clip export (DvrDlgClip.cpp): the I and O marks, the dialog and its worker.
    void OnMarkClipIn();
    void OnMarkClipOut();
    void OnExportClip();
    void ShowClipMarks();
    bool ClipPathOnCard(const QString& path) const;
    // Incident report (DvrDlgReport.cpp): at the position or the marks' middle, or at an incident
    // of the list; the dialog and its worker.
    void OnIncidentReport();
    void ReportIncidentAt(int record, int64_t ms);

    // What the controls, the players and the scan worker report.
    void OnPlayerError();
    void OnToggleFullScreen(FullScreenPane pane);
    void OnPlayerTime(qint64 ms);
    void OnOpenGroup(int row);
    void OnOpenFile(int row);
    void OnVolumeChanged();
    void OnSeekDragged();
    void OnHevcWarning(int index);

    // Closing: WINPOS written, front player stopped, main loop asked to quit.
    void CloseWindow(bool fromCloseMessage);
    void SetFixedWindowRect(const QRect& r);
    QRect MonitorRect() const;
    void EnterFullScreen();
    void LeaveFullScreen();
    void ShowPanesAfterMinimise();
    layout::WindowState LayoutState(int W, int H) const;
    QSize CurrentVideoSize() const;
    QRect GripRect() const;

    UserDialogs* m_pDialogs;
    std::unique_ptr<UserDialogs> m_ownDialogs;

    QString m_strTitle = QStringLiteral("Vemora Viewer");
    int m_nTitleSize = 18;
    int m_nClientCx = 0;
    int m_nClientCy = 0;
    bool m_bMaximized = false;
    bool m_bFullScreen = false;
    bool m_bMinimized = false;
    QRect m_rcRestore;
    bool m_bMapEnabled = true;
    bool m_bGSensorEnabled = true;
    bool m_bGripDrag = false;
    QRect m_rcMapSplitter;
    QRect m_rcListSplitter;
    QRect m_rcColumnSplitter;
    QPoint m_ptCursor;
    // The pane full screen is (or was last) for; none before the first request.
    std::optional<PlayerSide> m_fullScreenPane;
    bool m_bMapSplitterDrag = false;
    bool m_bListSplitterDrag = false;
    bool m_bColumnSplitterDrag = false;
    int m_nPanelWidth = 240;
    int m_nMapHeight = 240;
    int m_nGroupListHeight = 120;
    CHtmlMapDlg* m_pMapDlg = nullptr;
    QWidget* m_pCoverDlg = nullptr;
    QTimer m_mapCoverTimer;    // start-up: shows the cover over the map
    QTimer m_mapUncoverTimer;  // start-up: removes it again
    QTimer m_freedMemoryTimer; // a while after each change of recording: freed memory to the system
    int m_nMapType = 0;
    COpeningState m_opening;
    bool m_bSingleFileScan = false; // the running scan reads one chosen file
    mutable std::atomic<bool> m_bHevcDecode{false};
    std::function<bool()> m_hevcProbe;
    mutable std::future<bool> m_hevcProbeResult;

    std::map<int, QWidget*> m_controls;
    CVideoSlider* m_pSeek = nullptr;
    CMySliderControl* m_pVolume = nullptr;
    CVideoStatic* m_pFrontVideo = nullptr;
    CVideoStatic* m_pRearVideo = nullptr;
    CVideoStaticBg* m_pFrontBg = nullptr;
    CVideoStaticBg* m_pRearBg = nullptr;
    CGSensorCtrl* m_pGSensor = nullptr;
    CPngStatic* m_pGps = nullptr;
    CPngStatic* m_pLogo = nullptr;
    CPngStatic* m_pBanner = nullptr;
    CPngCompassStatic* m_pCompass = nullptr;
    CSpeedLabelStatic* m_pSpeed = nullptr;
    CPbSpeedLabelStatic* m_pRateLabel = nullptr;
    CDvrGroupListCtrl* m_pGroupList = nullptr;
    CDvrFileListCtrl* m_pFileList = nullptr;
    CRejectedFilesNote* m_pRejectedNote = nullptr;
    CVwrToolTipCtrl* m_pToolTip = nullptr;
    CIncidentSearch* m_pIncidentSearch = nullptr;
    QLabel* m_pIncidentNote = nullptr;
    CIncidentCountDelegate* m_pIncidentCounts = nullptr;
    CIncidentsDlg* m_pIncidentsDlg = nullptr;
    CDriveLogRecorder* m_pDriveLog = nullptr;
    CDrivesDlg* m_pDrivesDlg = nullptr;
    QString m_strDriveToOpen; // the file to play once the scan of its folder has finished
    std::vector<ListedIncident> m_incidents;
    CRecordingLibrary m_library;
    // After the library: the players hold a reference to it.
    std::unique_ptr<DualPlayerController> m_pPlayers;
    // After the library, which it reads: destroyed first.
    std::unique_ptr<CTrackFeeder> m_pFeeder;
    InstrumentPanel* m_pInstrumentPanel = nullptr;
    GuiThreadMapSink* m_pFeederMapSink = nullptr;
    std::unique_ptr<FileOpDialogs> m_fileOpDialogs;
    std::thread m_scanThread;
    // Set by the scan worker when it has ended (its result in m_bScanFound), taken on the GUI thread.
    std::atomic<bool> m_bScanEnded{false};
    std::atomic<bool> m_bScanFound{false};
    QString m_strExportFolder;
    ClipMarks m_clipMarks;
    CClipExportJob* m_pClipJob = nullptr;       // owned as a child; cancelled and joined with the window
    CIncidentReportJob* m_pReportJob = nullptr; // the same

    QSize m_lastLayoutSize;

    QTimer m_layoutRerun; // lays the window out once more after a resize has settled
    // The incident search and the drive log's record of a scan wait for the first recording's
    // pictures (or this timer): on two cores they would delay them.
    QTimer m_scanFollowUp;
    bool m_bScanFollowUpDue = false;
    // The map's browser, the costliest part of the window to start, waits the same way.
    QTimer m_mapStart;
};

} // namespace vemora
