#include "app/DvrDlg.h"

#include "app/ClipTexts.h"
#include "app/ControlIds.h"
#include "app/CustomMessages.h"
#include "app/DvrDlgShared.h"
#include "app/FileOpDialogs.h"
#include "app/KeyboardControl.h"
#include "app/UserDialogs.h"
#include "library/views/DriveTexts.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/IncidentTexts.h"
#include "library/views/RejectedFilesNote.h"
#include "platform/Diagnostics.h"
#include "platform/HevcProbe.h"
#include "platform/LogFile.h"
#include "platform/UserFolders.h"
#include "playback/FrameReview.h"
#include "playback/transport/PlaybackRates.h"
#include "settings/SettingsFile.h"
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

std::atomic<int> g_bLoopEnded{0};

namespace {

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
    m_listOpenClock.start();
    m_dwLastListOpen = m_listOpenClock.elapsed();
    if (DumpLogRequested())
        m_pPlayers->SetLogFiles(OpenPlayerLog("vlc_front.log"), OpenPlayerLog("vlc_rear.log"));
    m_deferredOpenTimer.setInterval(100);
    connect(&m_deferredOpenTimer, &QTimer::timeout, this, &CDvrDlg::OnDeferredOpenTick);
    m_busyTimeout.setSingleShot(true);
    m_busyTimeout.setInterval(100000);
    connect(&m_busyTimeout, &QTimer::timeout, this, [] { g_bBusy = 0; });
    m_layoutRerun.setSingleShot(true);
    m_layoutRerun.setInterval(300);
    connect(&m_layoutRerun, &QTimer::timeout, this, &CDvrDlg::RerunLayout);
}

CDvrDlg::~CDvrDlg() {
    if (m_scanThread.joinable()) {
        m_library.RequestScanCancel();
        m_scanThread.join();
    }
    if (m_openThread.joinable())
        m_openThread.join();
    if (m_hevcProbeResult.valid())
        m_hevcProbeResult.wait();
    Diag("----->> CDvrDlg::~CDvrDlg +++++ \n");
    Diag("----->> CDvrDlg::~CDvrDlg ---- \n");
}

// ---------------------------------------------------------------------------------------------
// Construction of the controls

namespace {

// The image buttons: caption (for accessibility), first size, pictures and whether a press
// flips between the two pictures.
struct ButtonSpec {
    int id;
    const char* caption;
    int width, height;
    const char* standard;
    const char* alternate;
    bool toggle;
};

const ButtonSpec kButtons[] = {
    {IDC_OPEN, "OPEN", 48, 36, "folder", nullptr, false},
    {IDC_SAVE, "SAVE", 48, 36, "floppy", nullptr, false},
    {IDC_SNAP, "SNAP", 48, 36, "camera", nullptr, false},
    {IDC_DEL, "DEL", 48, 36, "bin", nullptr, false},
    {IDC_CONF, "Conf", 48, 36, nullptr, nullptr, false},
    {IDC_PLAY, "PLAY", 48, 48, "play", "pause", true},
    {IDC_STOP, "STOP", 40, 40, "stop", nullptr, false},
    {IDC_FAST, "FAST", 40, 40, "fast", nullptr, false},
    {IDC_SLOW, "SLOW", 40, 40, "slow", nullptr, false},
    {IDC_LOOP, "Loop", 48, 48, "loop", "loop_off", true},
    {IDC_FLIP, "FLIP", 48, 48, "mirror", "mirror_alt", true},
    {IDC_KML, "KML", 48, 48, "kml", nullptr, false},
    {IDC_MAP, "MAP", 48, 48, "map", nullptr, false},
    {IDC_GSR, "GSR", 48, 48, "gsensor", nullptr, false},
    {IDC_LOCK, "LOCK", 48, 48, "lock_open", "lock_closed", true},
    {IDC_CLOSE, "X", 25, 25, "close", nullptr, false},
    {IDC_MAXIMIZE, "[ ]", 25, 25, "frame", nullptr, false},
    {IDC_MINIMIZE, "-", 25, 25, "minimise", nullptr, false},
    {IDC_ABOUT, "?", 25, 25, "question", nullptr, false},
    {IDC_VOL, "Vol", 12, 24, "speaker", "speaker_off",
     false}, // the command flips it (also from the keyboard)
    {IDC_SIZE_S, "S", 16, 16, "size_s", nullptr, false},
    {IDC_SIZE_M, "M", 16, 16, "size_m", nullptr, false},
    {IDC_SIZE_L, "L", 16, 16, "size_l", nullptr, false},
};

} // namespace

CGdipButton* CDvrDlg::AddButton(int id, const char* caption, int w, int h) {
    auto* b = new CGdipButton(id, QString::fromUtf8(caption), this);
    b->resize(w, h);
    connect(b, &CGdipButton::command, this, &CDvrDlg::OnCommand);
    m_controls[id] = b;
    return b;
}

void CDvrDlg::CreateControls() {
    for (const ButtonSpec& spec : kButtons) {
        CGdipButton* b = AddButton(spec.id, spec.caption, spec.width, spec.height);
        if (spec.standard)
            b->LoadPictures(QString::fromLatin1(spec.standard),
                            spec.alternate ? QString::fromLatin1(spec.alternate) : QString(), spec.toggle);
    }

    m_pSeek = new CVideoSlider(this);
    m_controls[IDC_SEEK] = m_pSeek;
    connect(m_pSeek, &CVideoSlider::seekDragged, this, [this] { PostUserMessage(this, UM_SEEK_DRAGGED, 0); });
    // A click or the end of a drag moves the players at once, after the position it posted;
    // while the thumb is dragged the pending seek is applied every half second.
    connect(m_pSeek, &CVideoSlider::seekReleased, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { m_pPlayers->ApplyPendingSeek(); }, Qt::QueuedConnection);
    });
    m_pVolume = new CMySliderControl(this);
    m_controls[IDC_VOLUME] = m_pVolume;
    connect(m_pVolume, &CMySliderControl::volumeChanged, this,
            [this] { PostUserMessage(this, UM_VOLUME_CHANGED, 0); });
    m_pFrontBg = new CVideoStaticBg(IDC_FRONT_VIDEO_BG, this);
    m_controls[IDC_FRONT_VIDEO_BG] = m_pFrontBg;
    m_pRearBg = new CVideoStaticBg(IDC_REAR_VIDEO_BG, this);
    m_controls[IDC_REAR_VIDEO_BG] = m_pRearBg;
    m_pFrontVideo = new CVideoStatic(IDC_FRONT_VIDEO, this);
    m_controls[IDC_FRONT_VIDEO] = m_pFrontVideo;
    m_pRearVideo = new CVideoStatic(IDC_REAR_VIDEO, this);
    m_controls[IDC_REAR_VIDEO] = m_pRearVideo;
    for (CVideoStatic* pane : {m_pFrontVideo, m_pRearVideo})
        connect(pane, &CVideoStatic::fullScreenRequested, this,
                [this] { PostUserMessage(this, UM_TOGGLE_FULLSCREEN, 0); });
    for (CVideoStaticBg* background : {m_pFrontBg, m_pRearBg})
        connect(background, &CVideoStaticBg::fullScreenRequested, this,
                [this] { PostUserMessage(this, UM_TOGGLE_FULLSCREEN, 0); });
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
    connect(m_pGroupList, &CDvrListView::rowActivated, this,
            [this](int row) { PostUserMessage(this, UM_OPEN_GROUP, row); });
    m_pFileList = new CDvrFileListCtrl(this);
    m_pFileList->SetTitleLookup(lookup);
    m_controls[IDC_FILE_LIST] = m_pFileList;
    connect(m_pFileList, &CDvrListView::rowActivated, this,
            [this](int row) { PostUserMessage(this, UM_OPEN_FILE, row); });
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
    m_pDialogs->MessageBox(this, s.LoadUiString(133), s.LoadUiString(131), UserDialogs::Ok);
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
    m_bMapEnabled = settings.ReadMapEnabled() ? 1 : 0;
    m_bGSensorEnabled = settings.ReadGSensorEnabled() ? 1 : 0;
    if (!m_bGSensorEnabled)
        m_pGSensor->hide();

    BindPlayers();
    m_pPlayers->SetSyncEnabled(settings.ReadSyncEnabled());
    qApp->installEventFilter(this);

    m_pSeek->setValue(0);
    m_pVolume->blockSignals(true);
    m_pVolume->setValue(50);
    m_pVolume->blockSignals(false);

    for (int id : {IDC_CONF, IDC_DEL, IDC_LOCK}) {
        Control(id)->hide();
        Control(id)->setEnabled(false);
    }
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

    m_deferredOpenTimer.start();
    m_pPlayers->RefreshSeekBarSoon();
    // The decoder probe may take a moment on some drivers; its answer is first needed when a
    // scan has finished, so it runs beside the start-up.
    auto probe = m_hevcProbe ? m_hevcProbe : [] { return ProbeHevcDecoder(); };
    m_hevcProbeResult = std::async(std::launch::async, probe);
}

// The 25 tools: every image button, the volume slider and the speed label, each with its text's
// string id and the check mark beside it.
void CDvrDlg::CreateTooltips() {
    static const std::pair<int, int> kTooltips[] = {
        {IDC_PLAY, 134},   {IDC_STOP, 185},     {IDC_FAST, 186},     {IDC_SLOW, 184},   {IDC_OPEN, 179},
        {IDC_SNAP, 180},   {IDC_SAVE, 181},     {IDC_DEL, 182},      {IDC_LOOP, 189},   {IDC_FLIP, 190},
        {IDC_KML, 191},    {IDC_MAP, 192},      {IDC_GSR, 193},      {IDC_LOCK, 194},   {IDC_VOL, 188},
        {IDC_CLOSE, 195},  {IDC_MAXIMIZE, 196}, {IDC_MINIMIZE, 197}, {IDC_ABOUT, 198},  {IDC_SIZE_S, 137},
        {IDC_SIZE_M, 138}, {IDC_SIZE_L, 139},   {IDC_CONF, 183},     {IDC_VOLUME, 187}, {IDC_SPEED, 199},
    };
    m_pToolTip = new CVwrToolTipCtrl(this);
    m_pToolTip->SetLookup([](int id) { return SettingsFile::Instance().LoadUiString(id); });
    for (auto [id, stringId] : kTooltips)
        if (QWidget* w = Control(id))
            m_pToolTip->AddTool(w, stringId, QStringLiteral("check"));
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

const std::map<int, CDvrDlg::CommandHandler>& CDvrDlg::CommandTable() {
    static const std::map<int, CommandHandler> table = {
        {IDC_OPEN, &CDvrDlg::OnOpen},          {IDC_SAVE, &CDvrDlg::OnSave},
        {IDC_SNAP, &CDvrDlg::OnSnap},          {IDC_DEL, &CDvrDlg::OnDelete},
        {IDC_CONF, &CDvrDlg::OnConfig},        {IDC_PLAY, &CDvrDlg::OnPlay},
        {IDC_STOP, &CDvrDlg::OnStopCommand},   {IDC_FAST, &CDvrDlg::OnFaster},
        {IDC_SLOW, &CDvrDlg::OnSlower},        {IDC_LOOP, &CDvrDlg::OnLoop},
        {IDC_FLIP, &CDvrDlg::OnFlip},          {IDC_KML, &CDvrDlg::OnKml},
        {IDC_MAP, &CDvrDlg::OnMapToggle},      {IDC_GSR, &CDvrDlg::OnGSensorToggle},
        {IDC_LOCK, &CDvrDlg::OnLock},          {IDC_CLOSE, &CDvrDlg::OnCloseButton},
        {IDC_MAXIMIZE, &CDvrDlg::OnMaximize},  {IDC_MINIMIZE, &CDvrDlg::OnMinimize},
        {IDC_ABOUT, &CDvrDlg::OnHelpButton},   {IDM_ABOUTBOX, &CDvrDlg::OnAbout},
        {IDM_SAVE_GPX, &CDvrDlg::OnSaveGpx},   {IDM_KEYBOARD_HELP, &CDvrDlg::OnKeyboardHelp},
        {IDC_VOL, &CDvrDlg::OnVolumeButton},   {IDC_SIZE_S, &CDvrDlg::OnSizeSmall},
        {IDC_SIZE_M, &CDvrDlg::OnSizeMedium},  {IDC_SIZE_L, &CDvrDlg::OnSizeLarge},
        {IDCANCEL, &CDvrDlg::OnCancel},        {IDC_FRONT_VIDEO, &CDvrDlg::OnIgnored},
        {IDC_REAR_VIDEO, &CDvrDlg::OnIgnored},
    };
    return table;
}

void CDvrDlg::OnCommand(int id) {
    auto& table = CommandTable();
    auto it = table.find(id);
    if (it != table.end())
        (this->*(it->second))();
}

void CDvrDlg::OnIgnored() {}

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

namespace {

constexpr int kStrKeyListEntry = 224;   // "Keyboard shortcuts…"
constexpr int kStrKeyListCaption = 225; // "Keyboard shortcuts"

} // namespace

// The keys and what they do, in the current language.
void CDvrDlg::OnKeyboardHelp() {
    auto uiString = [](int id) { return SettingsFile::Instance().LoadUiString(id); };
    m_pDialogs->ShowKeyList(this, uiString(kStrKeyListCaption), KeyboardHelpRows(uiString));
}

void CDvrDlg::FillHelpMenu(QMenu& menu) {
    auto add = [&menu](const QString& text, int command) { menu.addAction(text)->setData(command); };
    add(SettingsFile::Instance().LoadUiString(101), IDM_ABOUTBOX);
    add(SaveGpxEntryText(), IDM_SAVE_GPX);
    add(SettingsFile::Instance().LoadUiString(kStrKeyListEntry), IDM_KEYBOARD_HELP);
}

// The "?" button opens its menu below itself; the chosen entry runs as a command.
void CDvrDlg::OnHelpButton() {
    QMenu menu(this);
    FillHelpMenu(menu);
    QWidget* button = Control(IDC_ABOUT);
    QAction* chosen = m_pDialogs->ChooseMenuEntry(menu, button->mapToGlobal(QPoint(0, button->height())));
    if (chosen)
        OnCommand(chosen->data().toInt());
}

// Cancel (IDCANCEL) leaves the window open: it only stops the front player and saves the position.
void CDvrDlg::OnCancel() {
    m_pPlayers->StopFrontPlayer();
    SaveWindowPosition();
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
// Posted messages

const std::map<int, CDvrDlg::MessageHandler>& CDvrDlg::MessageTable() {
    static const std::map<int, MessageHandler> table = {
        {UM_PLAYER_ERROR, &CDvrDlg::OnPlayerError},
        {UM_LANGUAGE_CHANGED, &CDvrDlg::OnLanguageChanged},
        {UM_UNUSED_C03, &CDvrDlg::OnMessageIgnored},
        {UM_TOGGLE_FULLSCREEN, &CDvrDlg::OnToggleFullScreen},
        {UM_SHOW_CONTROLS, &CDvrDlg::OnShowControlsMessage},
        {UM_PLAYER_STATE, &CDvrDlg::OnPlayerState},
        {UM_PLAYER_TIME, &CDvrDlg::OnPlayerTime},
        {UM_END_REACHED, &CDvrDlg::OnEndReached},
        {UM_OPEN_GROUP, &CDvrDlg::OnOpenGroup},
        {UM_OPEN_FILE, &CDvrDlg::OnOpenFile},
        {UM_MAP_CHANGED, &CDvrDlg::OnMapChanged},
        {UM_VOLUME_CHANGED, &CDvrDlg::OnVolumeChanged},
        {UM_SEEK_DRAGGED, &CDvrDlg::OnSeekDragged},
        {UM_REAR_END_REACHED, &CDvrDlg::OnMessageIgnored},
        {UM_HEVC_WARNING, &CDvrDlg::OnHevcWarning},
    };
    return table;
}

bool CDvrDlg::event(QEvent* e) {
    if (e->type() == kScanFinishedEvent) {
        OnScanFinished(static_cast<UserMessageEvent*>(e)->WParam() != 0);
        return true;
    }
    if (UserMessageEvent::IsUserMessage(e)) {
        auto* m = static_cast<UserMessageEvent*>(e);
        auto& table = MessageTable();
        auto it = table.find(m->Message());
        if (it != table.end())
            (this->*(it->second))(m->WParam());
        return true;
    }
    return QWidget::event(e);
}

void CDvrDlg::OnMessageIgnored(qint64) {}

void CDvrDlg::ShowAppMessage(int stringId) {
    QString text = stringId ? SettingsFile::Instance().LoadUiString(stringId) : QString();
    m_pDialogs->MessageBox(this, text, m_strTitle, UserDialogs::Ok);
}

void CDvrDlg::OnPlayerError(qint64 wParam) {
    ShowAppMessage(wParam == 1 ? 102 : 0);
}

void CDvrDlg::OnShowControlsMessage(qint64) {
    ShowControls(true);
}

void CDvrDlg::OnPlayerState(qint64 wParam) {
    auto* play = Button(IDC_PLAY);
    switch (wParam) {
    case 1:
    case 4:
        play->SetAltShown(false);
        break;
    case 2:
    case 3:
        play->SetAltShown(true);
        // libVLC resets the mute when the audio output starts; the Vol button's state again.
        QTimer::singleShot(100, this, [this] { m_pPlayers->SetMuted(Button(IDC_VOL)->AltShown()); });
        break;
    default:
        break;
    }
}

void CDvrDlg::OnEndReached(qint64) {
    m_pPlayers->PlayNext();
}

void CDvrDlg::OnVolumeChanged(qint64) {
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

void CDvrDlg::contextMenuEvent(QContextMenuEvent* e) {
    // Stands in for the system menu of a framed window: the About entry.
    QString about = SettingsFile::Instance().LoadUiString(101);
    if (about.isEmpty())
        return;
    QMenu menu(this);
    QAction* action = menu.addAction(about);
    // The Conf button stays hidden; the configuration dialog is reached from this menu.
    QAction* config = menu.addAction(SettingsFile::Instance().LoadUiString(183) + QStringLiteral("..."));
    QAction* clip = menu.addAction(SettingsFile::Instance().LoadUiString(cliptext::kMenuEntry));
    QAction* report = menu.addAction(SettingsFile::Instance().LoadUiString(ids::kIncidentReport));
    QAction* incidents = menu.addAction(SettingsFile::Instance().LoadUiString(ids::kIncidentsMenuEntry));
    QAction* drives = menu.addAction(SettingsFile::Instance().LoadUiString(ids::kDrivesMenuEntry));
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == action)
        OnCommand(IDM_ABOUTBOX);
    else if (chosen == config)
        OnConfig();
    else if (chosen == clip)
        OnExportClip();
    else if (chosen == report)
        OnIncidentReport();
    else if (chosen == incidents)
        OnIncidents();
    else if (chosen == drives)
        OnDrives();
}

} // namespace vemora
