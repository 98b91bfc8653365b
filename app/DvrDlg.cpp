#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/DvrDlgShared.h"
#include "app/FileOpDialogs.h"
#include "app/KeyboardControl.h"
#include "app/UserDialogs.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/RejectedFilesNote.h"
#include "platform/Diagnostics.h"
#include "platform/HevcProbe.h"
#include "platform/LogFile.h"
#include "platform/UserFolders.h"
#include "playback/FrameReview.h"
#include "playback/transport/PlaybackRates.h"
#include "settings/SettingsFile.h"
#include "settings/WindowTexts.h"
#include "telemetry/TrackFeeder.h"
#include "widgets/FrameOverlay.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/GdipButton.h"
#include "widgets/PngCompassStatic.h"
#include "widgets/PngStatic.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"
#include "widgets/VideoStatic.h"
#include "widgets/VwrToolTipCtrl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace vemora {

std::atomic<bool> g_bLoopEnded{false};

namespace {

// A scan's follow-up starts this long after the scan at the latest, also when nothing plays.
constexpr int kScanFollowUpAtLatestMs = 3000;
// The map's browser starts this long after the window at the latest, and this long after the
// first recording began to play: the players' first pictures come in that time (measured on two
// cores, bench/startup.sh: starting it at once held them back by some 300 ms).
constexpr int kMapStartAtLatestMs = 3000;
constexpr int kMapStartAfterPlayingMs = 800;

// A player log is kept only while a file or folder named dump_log sits in the configuration
// folder; the logs go to the state folder.
bool DumpLogRequested() {
    const auto folder = ConfigFolder();
    struct stat st {};
    return folder && ::stat((*folder + "/dump_log").c_str(), &st) == 0;
}

std::FILE* OpenPlayerLog(const char* name) {
    const auto folder = StateFolder();
    if (!folder || !MakeUserFolder(*folder))
        return nullptr;
    return OpenLogFile(*folder + "/" + name);
}

} // namespace

CDvrDlg::CDvrDlg(UserDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    if (!dialogs) {
        m_ownDialogs = std::make_unique<QtUserDialogs>();
        dialogs = m_ownDialogs.get();
    }
    m_pDialogs = dialogs;
    setObjectName(QStringLiteral("CDvrDlg"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(1, 1);

    m_pPlayers = std::make_unique<DualPlayerController>(m_library, static_cast<PlayerHost&>(*this), this);
    m_nMapType = SettingsFile::Instance().ReadMapType();
    if (DumpLogRequested())
        m_pPlayers->SetLogFiles(OpenPlayerLog("vlc_front.log"), OpenPlayerLog("vlc_rear.log"));
    connect(&m_opening, &COpeningState::deferredOpenDue, this, &CDvrDlg::OnDeferredOpen);
    connect(&m_opening, &COpeningState::restedOpenDue, this, &CDvrDlg::OnOpenThreadDone);
    m_scanFollowUp.setSingleShot(true);
    m_scanFollowUp.setInterval(kScanFollowUpAtLatestMs);
    connect(&m_scanFollowUp, &QTimer::timeout, this, &CDvrDlg::RunScanFollowUp);
    m_mapStart.setSingleShot(true);
    m_mapStart.setInterval(kMapStartAtLatestMs);
    connect(&m_mapStart, &QTimer::timeout, this, &CDvrDlg::StartMapBrowser);
    connect(&m_opening, &COpeningState::phaseChanged, this, [this](OpeningPhase phase) {
        if (phase == OpeningPhase::Playing || phase == OpeningPhase::Idle) {
            if (!m_pMapDlg || !m_pMapDlg->WebView())
                m_mapStart.start(phase == OpeningPhase::Playing ? kMapStartAfterPlayingMs : 0);
            RunScanFollowUp();
        }
    });
    m_layoutRerun.setSingleShot(true);
    m_layoutRerun.setInterval(300);
    connect(&m_layoutRerun, &QTimer::timeout, this, &CDvrDlg::RerunLayout);
}

CDvrDlg::~CDvrDlg() {
    if (m_scanThread.joinable()) {
        m_library.RequestScanCancel();
        m_scanThread.join();
    }
    if (m_hevcProbeResult.valid())
        m_hevcProbeResult.wait();
    Diag("----->> CDvrDlg::~CDvrDlg +++++ \n");
    Diag("----->> CDvrDlg::~CDvrDlg ---- \n");
}

// ---------------------------------------------------------------------------------------------
// Construction of the controls

void CDvrDlg::CreateControls() {
    CreateButtons();

    m_pSeek = new CVideoSlider(this);
    m_controls[IDC_SEEK] = m_pSeek;
    connect(m_pSeek, &CVideoSlider::seekDragged, this, &CDvrDlg::OnSeekDragged, Qt::QueuedConnection);
    // A click or the end of a drag moves the players at once, after the position it posted;
    // while the thumb is dragged the pending seek is applied every half second.
    connect(m_pSeek, &CVideoSlider::seekReleased, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { m_pPlayers->ApplyPendingSeek(); }, Qt::QueuedConnection);
    });
    m_pVolume = new CMySliderControl(this);
    m_controls[IDC_VOLUME] = m_pVolume;
    connect(m_pVolume, &CMySliderControl::volumeChanged, this, &CDvrDlg::OnVolumeChanged,
            Qt::QueuedConnection);
    m_pFrontBg = new CVideoStaticBg(IDC_FRONT_VIDEO_BG, this);
    m_controls[IDC_FRONT_VIDEO_BG] = m_pFrontBg;
    m_pRearBg = new CVideoStaticBg(IDC_REAR_VIDEO_BG, this);
    m_controls[IDC_REAR_VIDEO_BG] = m_pRearBg;
    m_pFrontVideo = new CVideoStatic(IDC_FRONT_VIDEO, this);
    m_controls[IDC_FRONT_VIDEO] = m_pFrontVideo;
    m_pRearVideo = new CVideoStatic(IDC_REAR_VIDEO, this);
    m_controls[IDC_REAR_VIDEO] = m_pRearVideo;
    // Queued: the double click that asks for it has ended before the window changes.
    auto toggleFullScreen = [this] { OnToggleFullScreen(FullScreenPane::UnderMouse); };
    for (CVideoStatic* pane : {m_pFrontVideo, m_pRearVideo})
        connect(pane, &CVideoStatic::fullScreenRequested, this, toggleFullScreen, Qt::QueuedConnection);
    for (CVideoStaticBg* background : {m_pFrontBg, m_pRearBg})
        connect(background, &CVideoStaticBg::fullScreenRequested, this, toggleFullScreen,
                Qt::QueuedConnection);
    m_pGSensor = new CGSensorCtrl(this);
    m_controls[IDC_GSENSOR] = m_pGSensor;
    m_pGps = new CPngStatic(IDC_GPS, this);
    m_pGps->LoadPicture(QStringLiteral("gps"));
    m_pGps->setGeometry(layout::kGpsRect);
    m_controls[IDC_GPS] = m_pGps;
    m_pLogo = new CPngStatic(IDC_LOGO, this);
    m_pLogo->LoadPicture(QStringLiteral("logo"));
    m_pLogo->SetColour(true);
    m_pLogo->setGeometry(layout::kLogoRect);
    m_controls[IDC_LOGO] = m_pLogo;
    m_pBanner = new CPngStatic(IDC_BANNER, this);
    m_pBanner->setEnabled(false);
    m_pBanner->hide();
    m_controls[IDC_BANNER] = m_pBanner;
    m_pCompass = new CPngCompassStatic(this);
    m_pCompass->hide();
    m_pCompass->setEnabled(false);
    m_controls[IDC_COMPASS] = m_pCompass;
    m_pSpeed = new CSpeedLabelStatic(this);
    m_controls[IDC_SPEED] = m_pSpeed;
    m_pRateLabel = new CPbSpeedLabelStatic(this);
    m_controls[IDC_RATE_LABEL] = m_pRateLabel;

    CreateMapWindow();

    auto lookup = [](int id) { return SettingsFile::Instance().LoadUiString(id); };
    m_pGroupList = new CDvrGroupListCtrl(this);
    m_pGroupList->SetTitleLookup(lookup);
    m_controls[IDC_GROUP_LIST] = m_pGroupList;
    // Queued: a list's activation is handled once its own event has ended.
    connect(m_pGroupList, &CDvrListView::rowActivated, this, &CDvrDlg::OnOpenGroup, Qt::QueuedConnection);
    m_pFileList = new CDvrFileListCtrl(this);
    m_pFileList->SetTitleLookup(lookup);
    m_controls[IDC_FILE_LIST] = m_pFileList;
    connect(m_pFileList, &CDvrListView::rowActivated, this, &CDvrDlg::OnOpenFile, Qt::QueuedConnection);
    m_pRejectedNote = new CRejectedFilesNote(this);
    m_pRejectedNote->SetLookup(lookup);
    CreateIncidentViews();
    CreateDriveLog();
}

QWidget* CDvrDlg::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

CGdipButton* CDvrDlg::Button(int id) const {
    return qobject_cast<CGdipButton*>(Control(id));
}

void CDvrDlg::WarnPlayerMissing() {
    auto& s = SettingsFile::Instance();
    m_pDialogs->MessageBox(this, s.LoadUiString(wintext::kPlayerMissing),
                           s.LoadUiString(wintext::kWarningCaption), UserDialogs::Ok);
}

// The video pane itself draws no edge; both backgrounds keep their sunken edge around it.
void CDvrDlg::BindPlayers() {
    bool frontLoaded = false, rearLoaded = false;
    m_pPlayers->AttachPlayers(&frontLoaded, &rearLoaded);
    m_pPlayers->Review().SetOverlays(new FrameOverlay(m_pFrontVideo), new FrameOverlay(m_pRearVideo));
    if (!frontLoaded)
        WarnPlayerMissing();
    if (!rearLoaded)
        WarnPlayerMissing();
    ConnectPlayers();
}

void CDvrDlg::OnInitDialog() {
    auto& settings = SettingsFile::Instance();
    CreateControls();
    m_bMapEnabled = settings.ReadMapEnabled();
    m_bGSensorEnabled = settings.ReadGSensorEnabled();
    if (!m_bGSensorEnabled)
        m_pGSensor->hide();

    BindPlayers();
    m_pPlayers->SetSyncEnabled(settings.ReadSyncEnabled());
    qApp->installEventFilter(this);

    m_pSeek->setValue(0);
    m_pVolume->blockSignals(true);
    m_pVolume->setValue(50);
    m_pVolume->blockSignals(false);

    HideUnshownButtons();
    m_pRateLabel->SetLabel(QString());
    m_pRateLabel->hide();

    setWindowTitle(m_strTitle);
    RestoreWindowPosition();
    CreateTooltips();
    m_pGroupList->InitList();
    m_pFileList->InitList();

    m_fileOpDialogs = std::make_unique<FileOpDialogs>(this, m_pDialogs);
    m_library.AttachViews(m_pGroupList, m_pFileList);
    m_library.SetPrompt(m_fileOpDialogs.get());
    CreateTrackFeeder();
    m_library.ClearLibrary();

    m_pFrontVideo->hide();
    m_pRearVideo->hide();
    // The players have the keyboard from the start: Space plays and pauses until a list is
    // clicked, instead of ticking the first drive for copying or deleting.
    m_pFrontBg->setFocus(Qt::OtherFocusReason);
    StartMapCover();
    m_mapStart.start();

    m_pPlayers->RefreshSeekBarSoon();
    // The decoder probe takes a few hundred milliseconds (it asks the driver more than once), so
    // it runs beside the start-up. Its answer reaches the players as soon as it is known; an
    // opening waits for it only when an H.265 file is involved.
    auto probe = m_hevcProbe ? m_hevcProbe : [] { return ProbeHevcDecoder(); };
    m_hevcProbeResult = std::async(std::launch::async, [this, probe] {
        const bool found = probe();
        QMetaObject::invokeMethod(
            this, [this] { SettleHevcProbe(); }, Qt::QueuedConnection);
        return found;
    });
}

void CDvrDlg::SetTooltipTexts() {
    if (m_pToolTip)
        m_pToolTip->Retext();
}

void CDvrDlg::UpdateRateLabel() {
    QString label = m_pPlayers->RateLabel();
    m_pRateLabel->SetLabel(label);
    m_pRateLabel->setVisible(!label.isEmpty() && !m_bFullScreen);
}

// ---------------------------------------------------------------------------------------------
// Commands

void CDvrDlg::OnPlay() {
    m_pPlayers->TogglePlayPause();
}

void CDvrDlg::OnSnap() {
    m_pPlayers->Snapshot();
}

void CDvrDlg::ShowStringBox(int textId, int captionId) {
    auto& s = SettingsFile::Instance();
    m_pDialogs->MessageBox(this, s.LoadUiString(textId), s.LoadUiString(captionId), UserDialogs::Ok);
}

void CDvrDlg::OnStopCommand() {
    m_pPlayers->StopPlayback();
}

void CDvrDlg::OnFaster() {
    m_pPlayers->StepRate(+1);
}

void CDvrDlg::OnSlower() {
    m_pPlayers->StepRate(-1);
}

void CDvrDlg::OnLoop() {
    m_pPlayers->SetAutoPlayNext(!m_pPlayers->AutoPlayNext());
    Button(IDC_LOOP)->SetAltShown(!m_pPlayers->AutoPlayNext());
}

void CDvrDlg::OnFlip() {
    m_pPlayers->Flip();
    Button(IDC_FLIP)->SetAltShown(m_pPlayers->Flipped());
}

// J / Shift+J: the playing recording's next or previous jolt, else one in another recording.
void CDvrDlg::OnJolt(int direction) {
    if (!m_pPlayers->JumpToJolt(direction))
        JumpToJoltInOtherRecording(direction);
}

void CDvrDlg::OnMapToggle() {
    if (m_bFullScreen)
        return;
    m_bMapEnabled = !m_bMapEnabled;
    LayoutControls(m_nClientCx, m_nClientCy);
    m_pMapDlg->setVisible(m_bMapEnabled);
    m_pMapDlg->setEnabled(m_bMapEnabled);
    SettingsFile::Instance().WriteInt("UI", "MAP_ENABLE", m_bMapEnabled ? 1 : 0);
}

void CDvrDlg::OnGSensorToggle() {
    m_bGSensorEnabled = !m_bGSensorEnabled;
    m_pGSensor->setVisible(m_bGSensorEnabled);
    LayoutControls(m_nClientCx, m_nClientCy);
    SettingsFile::Instance().WriteInt("UI", "GSNR_ENABLE", m_bGSensorEnabled ? 1 : 0);
}

// Muted while the button shows the crossed-out speaker. The command flips the button itself, so
// that the mute key and a click do the same.
void CDvrDlg::OnVolumeButton() {
    auto* vol = Button(IDC_VOL);
    vol->SetAltShown(!vol->AltShown());
    m_pPlayers->SetMuted(vol->AltShown());
}

void CDvrDlg::OnAbout() {
    m_pDialogs->About(this);
}

// The keys and what they do, in the current language.
void CDvrDlg::OnKeyboardHelp() {
    auto uiString = [](int id) { return SettingsFile::Instance().LoadUiString(id); };
    m_pDialogs->ShowKeyList(this, uiString(wintext::kKeyListCaption), KeyboardHelpRows(uiString));
}

void CDvrDlg::OnCloseButton() {
    CloseWindow(false);
}

void CDvrDlg::CloseWindow(bool fromCloseMessage) {
    Diag(" --->> CDvrDlg::OnClose ++++ \n");
    SaveWindowPosition();
    m_pPlayers->StopFrontPlayer();
    if (g_bLoopEnded) {
        if (fromCloseMessage) {
            hide();
            Diag(" --->> CDvrDlg::OnClose ---- \n");
        }
        return;
    }
    // The workers stop now, so that the window's end waits for none of them.
    m_library.RequestScanCancel();
    StopIncidentSearch();
    m_pMapDlg->CloseAllBrowsers();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------------------------------------
// Reports of the players and the controls

void CDvrDlg::ShowAppMessage(int stringId) {
    QString text = stringId ? SettingsFile::Instance().LoadUiString(stringId) : QString();
    m_pDialogs->MessageBox(this, text, m_strTitle, UserDialogs::Ok);
}

void CDvrDlg::OnPlayerError() {
    ShowAppMessage(wintext::kPlayerError);
}

void CDvrDlg::OnVolumeChanged() {
    m_pPlayers->SetVolumePos(m_pVolume->value());
}

// ---------------------------------------------------------------------------------------------
// Keyboard, closing

void CDvrDlg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept(); // swallowed: Escape never closes the window
        return;
    }
    QWidget::keyPressEvent(e);
}

void CDvrDlg::closeEvent(QCloseEvent* e) {
    CloseWindow(true);
    e->accept();
}

} // namespace vemora
