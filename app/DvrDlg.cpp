#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/CustomMessages.h"
#include "app/FileOpDialogs.h"
#include "app/UserDialogs.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "map/RecordingExport.h"
#include "platform/Diagnostics.h"
#include "playback/PlaybackRates.h"
#include "settings/SettingsFile.h"
#include "telemetry/TrackLoader.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/GdipButton.h"
#include "widgets/OutlinedText.h"
#include "widgets/PngStatic.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"
#include "widgets/VideoStatic.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QWindow>

#include <sys/stat.h>
#include <unistd.h>

namespace vemora {

std::atomic<int> g_bBusy{0};
std::atomic<int> g_bLoopEnded{0};

namespace {

constexpr QColor kBackground(5, 5, 5);

// Posted by the scan worker when ScanSource has returned; carries whether it found recordings.
const QEvent::Type kScanFinishedEvent = static_cast<QEvent::Type>(QEvent::User + 0x100);
constexpr int kGripSize = 20;

// A player log is kept only while a file or folder named dump_log sits in the current directory.
bool DumpLogRequested() {
    struct stat st {};
    return ::stat("dump_log", &st) == 0;
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

    m_nMapType = SettingsFile::Instance().ReadMapType();
    m_dwLastListOpen = QDateTime::currentMSecsSinceEpoch();
    if (DumpLogRequested()) {
        m_frontPlayer.SetLogFile(std::fopen("vlc_front.log", "w"));
        m_rearPlayer.SetLogFile(std::fopen("vlc_rear.log", "w"));
    }
}

CDvrDlg::~CDvrDlg() {
    if (m_scanThread.joinable()) {
        m_library.RequestScanCancel();
        m_scanThread.join();
    }
    Diag("----->> CDvrDlg::~CDvrDlg +++++ \n");
    Diag("----->> CDvrDlg::~CDvrDlg ---- \n");
}

// ---------------------------------------------------------------------------------------------
// Construction of the controls

CGdipButton* CDvrDlg::AddButton(int id, const char* caption, int w, int h) {
    auto* b = new CGdipButton(id, QString::fromUtf8(caption), this);
    b->resize(w, h);
    connect(b, &CGdipButton::command, this, &CDvrDlg::OnCommand);
    m_controls[id] = b;
    return b;
}

void CDvrDlg::CreateControls() {
    AddButton(IDC_OPEN, "OPEN", 48, 36);
    AddButton(IDC_SAVE, "SAVE", 48, 36);
    AddButton(IDC_SNAP, "SNAP", 48, 36);
    AddButton(IDC_DEL, "DEL", 48, 36);
    AddButton(IDC_CONF, "Conf", 48, 36);
    AddButton(IDC_PLAY, "PLAY", 48, 48);
    AddButton(IDC_STOP, "STOP", 40, 40);
    AddButton(IDC_FAST, "FAST", 40, 40);
    AddButton(IDC_SLOW, "SLOW", 40, 40);
    AddButton(IDC_LOOP, "Loop", 48, 48);
    AddButton(IDC_FLIP, "FLIP", 48, 48);
    AddButton(IDC_KML, "KML", 48, 48);
    AddButton(IDC_MAP, "MAP", 48, 48);
    AddButton(IDC_GSR, "GSR", 48, 48);
    AddButton(IDC_LOCK, "LOCK", 48, 48);
    AddButton(IDC_CLOSE, "X", 25, 25);
    AddButton(IDC_MAXIMIZE, "[ ]", 25, 25);
    AddButton(IDC_MINIMIZE, "-", 25, 25);
    AddButton(IDC_ABOUT, "?", 25, 25);
    AddButton(IDC_VOL, "Vol", 12, 24);
    AddButton(IDC_SIZE_S, "S", 16, 16);
    AddButton(IDC_SIZE_M, "M", 16, 16);
    AddButton(IDC_SIZE_L, "L", 16, 16);

    m_pSeek = new CVideoSlider(this, this);
    m_controls[IDC_SEEK] = m_pSeek;
    m_pVolume = new CMySliderControl(this, this);
    m_controls[IDC_VOLUME] = m_pVolume;
    m_pFrontBg = new CVideoStaticBg(IDC_FRONT_VIDEO_BG, this);
    m_controls[IDC_FRONT_VIDEO_BG] = m_pFrontBg;
    m_pRearBg = new CVideoStaticBg(IDC_REAR_VIDEO_BG, this);
    m_controls[IDC_REAR_VIDEO_BG] = m_pRearBg;
    m_pFrontVideo = new CVideoStatic(IDC_FRONT_VIDEO, this, this);
    m_controls[IDC_FRONT_VIDEO] = m_pFrontVideo;
    m_pRearVideo = new CVideoStatic(IDC_REAR_VIDEO, this, this);
    m_controls[IDC_REAR_VIDEO] = m_pRearVideo;
    m_pGSensor = new CGSensorCtrl(this);
    m_controls[IDC_GSENSOR] = m_pGSensor;
    m_pGps = new CPngStatic(IDC_GPS, CPngStatic::Kind::GpsIndicator, this);
    m_pGps->setGeometry(8, 0, 36, 36); // template place, moved below the logo by the layout
    m_controls[IDC_GPS] = m_pGps;
    m_pLogo = new CPngStatic(IDC_LOGO, CPngStatic::Kind::Logo, this);
    m_pLogo->setGeometry(8, 4, 40, 40);
    m_controls[IDC_LOGO] = m_pLogo;
    m_pBanner = new CPngStatic(IDC_BANNER, CPngStatic::Kind::Banner, this);
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

    m_pMapDlg = new QWidget(this);
    m_pMapDlg->setObjectName(QStringLiteral("map"));
    m_pMapDlg->setAutoFillBackground(true);
    QPalette mapPalette = m_pMapDlg->palette();
    mapPalette.setColor(QPalette::Window, QColor(20, 22, 26));
    m_pMapDlg->setPalette(mapPalette);

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

void CDvrDlg::BindPlayers() {
    m_pFrontBg->SetClientEdge(false);
    if (m_frontPlayer.IsLoaded()) {
        m_frontPlayer.SetWindow(m_pFrontVideo->NativeWindow());
        m_nRateIndex = kNormalRateIndex;
        m_frontPlayer.SetRate(1.0f);
    } else {
        WarnPlayerMissing();
    }
    if (m_rearPlayer.IsLoaded()) {
        m_rearPlayer.SetWindow(m_pRearVideo->NativeWindow());
        m_rearPlayer.SetRate(static_cast<float>(PlaybackRates[m_nRateIndex].rate));
    } else {
        WarnPlayerMissing();
    }
}

void CDvrDlg::OnInitDialog() {
    auto& settings = SettingsFile::Instance();
    CreateControls();
    m_bMapEnabled = settings.ReadMapEnabled() ? 1 : 0;
    m_bGSensorEnabled = settings.ReadGSensorEnabled() ? 1 : 0;
    if (!m_bGSensorEnabled)
        m_pGSensor->hide();

    BindPlayers();

    m_pSeek->setValue(0);
    m_pVolume->blockSignals(true);
    m_pVolume->setValue(50);
    m_pVolume->blockSignals(false);
    if (m_frontPlayer.IsLoaded()) {
        m_frontPlayer.SetVolume(100);
        m_frontPlayer.SetMute(1);
    }

    for (int id : {IDC_CONF, IDC_DEL, IDC_LOCK}) {
        Control(id)->hide();
        Control(id)->setEnabled(false);
    }
    Control(IDC_ABOUT)->hide();
    m_pRateLabel->SetLabel(QString());
    m_pRateLabel->hide();

    setWindowTitle(m_strTitle);
    RestoreWindowPosition();
    SetTooltipTexts();
    m_pGroupList->InitList();
    m_pFileList->InitList();

    m_fileOpDialogs = std::make_unique<FileOpDialogs>(this, m_pDialogs);
    m_library.AttachViews(m_pGroupList, m_pFileList);
    m_library.SetPrompt(m_fileOpDialogs.get());
    m_library.ClearLibrary();

    m_pFrontVideo->hide();
    m_pRearVideo->hide();
}

void CDvrDlg::SetTooltipTexts() {
    static const std::pair<int, int> kTooltips[] = {
        {IDC_OPEN, 179},   {IDC_SAVE, 181},     {IDC_SNAP, 180},     {IDC_DEL, 182},    {IDC_CONF, 183},
        {IDC_PLAY, 134},   {IDC_STOP, 185},     {IDC_FAST, 186},     {IDC_SLOW, 184},   {IDC_LOOP, 189},
        {IDC_FLIP, 190},   {IDC_KML, 191},      {IDC_MAP, 192},      {IDC_GSR, 193},    {IDC_LOCK, 194},
        {IDC_CLOSE, 195},  {IDC_MAXIMIZE, 196}, {IDC_MINIMIZE, 197}, {IDC_ABOUT, 198},  {IDC_VOL, 188},
        {IDC_SIZE_S, 137}, {IDC_SIZE_M, 138},   {IDC_SIZE_L, 139},   {IDC_VOLUME, 187}, {IDC_SPEED, 199},
    };
    auto& settings = SettingsFile::Instance();
    for (auto [id, stringId] : kTooltips)
        if (QWidget* w = Control(id))
            w->setToolTip(settings.LoadUiString(stringId));
}

void CDvrDlg::UpdateRateLabel() {
    const auto& entry = PlaybackRates[m_nRateIndex];
    bool normal = entry.rate == 1.0;
    m_pRateLabel->SetLabel(normal ? QString() : QString::fromLatin1(entry.label));
    m_pRateLabel->setVisible(!normal && !m_bFullScreen);
}

// ---------------------------------------------------------------------------------------------
// Window position

QRect CDvrDlg::MonitorRect() const {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void CDvrDlg::RestoreWindowPosition() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto& settings = SettingsFile::Instance();
    WindowPlacement p = RestoreWindowRect(settings.ReadWindowRect(), avail.width(), avail.height());
    setGeometry(avail.left() + p.x, avail.top() + p.y, p.width, p.height);
    raise();
    LayoutControls(p.width, p.height);
}

void CDvrDlg::SaveWindowPosition() {
    QRect g = geometry();
    SavedWindowRect r;
    r.left = g.left();
    r.top = g.top();
    r.right = g.left() + g.width();
    r.bottom = g.top() + g.height();
    SettingsFile::Instance().SaveWindowRect(r);
}

void CDvrDlg::SetFixedWindowRect(const QRect& r) {
    setGeometry(r);
    m_bMaximized = 0;
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
        {IDC_ABOUT, &CDvrDlg::OnAbout},        {IDM_ABOUTBOX, &CDvrDlg::OnAbout},
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

void CDvrDlg::OnPlay() {}
void CDvrDlg::OnSnap() {}
void CDvrDlg::OnConfig() {}

void CDvrDlg::ShowStringBox(int textId, int captionId) {
    auto& s = SettingsFile::Instance();
    m_pDialogs->MessageBox(this, s.LoadUiString(textId), s.LoadUiString(captionId), UserDialogs::Ok);
}

void CDvrDlg::StopBothPlayers() {
    for (VlcApi* player : {&m_frontPlayer, &m_rearPlayer})
        player->StopAndClear();
}

void CDvrDlg::StopFrontPlayer() {
    m_frontPlayer.StopAndClear();
}

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

void CDvrDlg::OnStopCommand() {
    StopBothPlayers();
    if (auto* play = Button(IDC_PLAY))
        play->SetAltShown(false);
}

void CDvrDlg::OnFaster() {
    StepRate(+1);
}

void CDvrDlg::OnSlower() {
    StepRate(-1);
}

// One step along the rate table, pinned at both ends, applied to both players.
void CDvrDlg::StepRate(int d) {
    m_nRateIndex = std::clamp(m_nRateIndex + d, 0, static_cast<int>(PlaybackRates.size()) - 1);
    for (VlcApi* player : {&m_frontPlayer, &m_rearPlayer})
        player->SetRate(static_cast<float>(PlaybackRates[m_nRateIndex].rate));
    UpdateRateLabel();
}

void CDvrDlg::OnLoop() {
    m_bAutoPlayNext = !m_bAutoPlayNext;
    Button(IDC_LOOP)->SetAltShown(!m_bAutoPlayNext);
}

void CDvrDlg::OnFlip() {
    m_bFlip = !m_bFlip;
    Button(IDC_FLIP)->SetAltShown(m_bFlip);
    if (m_rearPlayer.Recreate(m_bFlip ? 1 : 0))
        m_rearPlayer.SetWindow(m_pRearVideo->NativeWindow());
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

void CDvrDlg::OnVolumeButton() {
    auto* vol = Button(IDC_VOL);
    vol->SetAltShown(!vol->AltShown());
    if (m_frontPlayer.IsLoaded())
        m_frontPlayer.SetMute(vol->AltShown() ? 1 : 0);
}

void CDvrDlg::OnAbout() {
    m_pDialogs->About(this);
}

void CDvrDlg::OnMaximize() {
    if (m_bMaximized) {
        setGeometry(m_rcRestore);
        raise();
        show();
        m_bMaximized = 0;
    } else {
        m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
        setGeometry(MonitorRect());
        m_bMaximized = 1;
    }
    if (m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

void CDvrDlg::OnMinimize() {
    m_bMinimized = 1;
    showMinimized();
}

void CDvrDlg::OnSizeSmall() {
    QRect m = MonitorRect();
    SetFixedWindowRect(QRect(m.left() + (m.width() - 800) / 2, m.top() + (m.height() - 560) / 2, 800, 560));
}

void CDvrDlg::OnSizeMedium() {
    QRect m = MonitorRect();
    SetFixedWindowRect(QRect(m.left() + m.width() / 8, m.top() + m.height() / 8,
                             std::max(m.width() * 4 / 5, 800), std::max(m.height() * 4 / 5, 560)));
}

void CDvrDlg::OnSizeLarge() {
    SetFixedWindowRect(MonitorRect());
}

// Cancel (IDCANCEL) leaves the window open: it only stops the front player and saves the position.
void CDvrDlg::OnCancel() {
    StopFrontPlayer();
    SaveWindowPosition();
}

void CDvrDlg::OnCloseButton() {
    CloseWindow(false);
}

void CDvrDlg::CloseWindow(bool fromCloseMessage) {
    Diag(" --->> CDvrDlg::OnClose ++++ \n");
    SaveWindowPosition();
    StopFrontPlayer();
    if (g_bLoopEnded) {
        if (fromCloseMessage) {
            hide();
            Diag(" --->> CDvrDlg::OnClose ---- \n");
        }
        return;
    }
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

void CDvrDlg::OnLanguageChanged(qint64) {
    SetTooltipTexts();
}

// One video pane fills its monitor, or the window returns to where it was.
void CDvrDlg::OnToggleFullScreen(qint64) {
    auto isPlaying = [](const VlcApi& p) { return p.IsLoaded() && p.playing && !p.paused; };
    bool frontWasPlaying = isPlaying(m_frontPlayer), rearWasPlaying = isPlaying(m_rearPlayer);
    m_ptCursor = QCursor::pos();
    auto paneHit = [this](QWidget* pane) {
        return pane->isVisible() && QRect(pane->mapToGlobal(QPoint(0, 0)), pane->size()).contains(m_ptCursor);
    };
    if (paneHit(m_pFrontVideo))
        m_nFullScreenPane = 1;
    else if (paneHit(m_pRearVideo))
        m_nFullScreenPane = 2;
    if (m_library.Records().empty() || LibraryBusy())
        return;
    PausePlayers(frontWasPlaying, rearWasPlaying);
    CVideoStaticBg* paneBg = m_nFullScreenPane == 2 ? m_pRearBg : m_pFrontBg;
    if (m_bFullScreen) {
        m_bFullScreen = 0;
        paneBg->SetClientEdge(true);
        ShowControls(true);
        setGeometry(m_rcRestore);
        raise();
        show();
        m_pFrontVideo->show();
        m_pRearVideo->show();
        UpdateWindowShape(width(), height());
        LayoutControls(width(), height());
    } else {
        m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
        QRect monitor = MonitorRect();
        m_bFullScreen = 1;
        m_bMaximized = 0;
        ShowControls(false);
        paneBg->SetClientEdge(false);
        int h = (monitor.width() == m_nClientCx || monitor.height() == m_nClientCy) ? monitor.height() - 1
                                                                                    : monitor.height();
        setGeometry(monitor.left(), monitor.top(), monitor.width(), h);
        UpdateWindowShape(width(), height());
        LayoutControls(width(), height());
        Button(IDC_PLAY)->setFocus();
        (m_nFullScreenPane == 2 ? m_pFrontVideo : m_pRearVideo)->hide();
        (m_nFullScreenPane == 2 ? m_pRearVideo : m_pFrontVideo)->update();
    }
    ResumePlayers(frontWasPlaying, rearWasPlaying);
}

void CDvrDlg::PausePlayers(bool front, bool rear) {
    for (auto [player, wasPlaying] : {std::pair{&m_frontPlayer, front}, std::pair{&m_rearPlayer, rear}}) {
        if (!wasPlaying)
            continue;
        if (player->media_player_pause)
            player->media_player_pause(player->player);
        player->playing = 0;
        player->paused = 1;
    }
}

void CDvrDlg::ResumePlayers(bool front, bool rear) {
    for (auto [player, wasPaused] : {std::pair{&m_frontPlayer, front}, std::pair{&m_rearPlayer, rear}}) {
        if (!wasPaused)
            continue;
        if (player->media_player_play)
            player->media_player_play(player->player);
        player->playing = 1;
        player->paused = 0;
    }
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
        // libVLC resets the mute when the audio output starts; re-apply the Vol button's state.
        QThread::msleep(100);
        if (m_frontPlayer.IsLoaded())
            m_frontPlayer.SetMute(Button(IDC_VOL)->AltShown() ? 1 : 0);
        break;
    default:
        break;
    }
}

void CDvrDlg::OnPlayerTime(qint64) {}
void CDvrDlg::OnEndReached(qint64) {}
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
void CDvrDlg::OnSeekDragged(qint64) {}
// Shown at most once per run; playback goes on after it.
void CDvrDlg::OnHevcWarning(qint64 wParam) {
    ShowAppMessage(wParam == 0 ? 146 : 0);
    m_bHevcWarned = 1;
}

void CDvrDlg::OnMapChanged(qint64) {
    // The dialog has written UI/MAP; the file is the authority, the message only says "changed".
    m_nMapType = SettingsFile::Instance().ReadMapType();
}

void CDvrDlg::OnVolumeChanged(qint64) {
    int p = m_pVolume->value();
    if (m_frontPlayer.IsLoaded())
        m_frontPlayer.SetVolume(2 * p);
    m_nVolumePos = p;
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
    if (menu.exec(e->globalPos()) == action)
        OnCommand(IDM_ABOUTBOX);
}

// ---------------------------------------------------------------------------------------------
// Layout

void CDvrDlg::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    int cx = width(), cy = height();
    if (cx == 0 || cy == 0)
        return;
    m_nClientCx = cx;
    m_nClientCy = cy;
    UpdateWindowShape(cx, cy);
    if (!m_controls.empty() && QSize(cx, cy) != m_lastLayoutSize) {
        LayoutControls(cx, cy);
        m_lastLayoutSize = QSize(cx, cy);
    }
    if (m_bMinimized) {
        m_bMinimized = 0;
        m_pFrontVideo->show();
        m_pRearVideo->show();
    }
    update();
}

// Rounded corners, the top-left one rounded further.
void CDvrDlg::UpdateWindowShape(int cx, int cy) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return; // that platform has no window shapes
    if (m_bFullScreen) {
        setMask(QRegion(0, 0, cx, cy));
        return;
    }
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, cx, cy), 5, 5);
    QRegion a(rounded.toFillPolygon().toPolygon());
    QRegion corner = QRegion(0, 0, 30, 30) & a;
    QRegion inEllipse = QRegion(0, 0, 30, 30) & QRegion(0, 0, 60, 60, QRegion::Ellipse);
    corner -= inEllipse;
    setMask(a ^ corner);
}

void CDvrDlg::LayoutControls(int W, int H) {
    if (m_controls.empty() || W <= 0 || H <= 0)
        return;
    if (m_bFullScreen) {
        QRect monitor = MonitorRect();
        QRect local(mapFromGlobal(monitor.topLeft()), monitor.size());
        m_pFrontBg->setGeometry(local);
        m_pRearBg->setGeometry(local);
        FitVideoPanes();
        return;
    }
    auto place = [this](int id, int x, int y, int w, int h) {
        if (QWidget* c = Control(id))
            c->setGeometry(x, y, w, h);
    };
    auto placeRect = [](QWidget* c, int l, int t, int r, int b) {
        c->setGeometry(l, t, std::max(0, r - l), std::max(0, b - t));
    };

    place(IDC_CLOSE, W - 32, 2, 25, 25);
    place(IDC_MAXIMIZE, W - 59, 2, 25, 25);
    place(IDC_MINIMIZE, W - 86, 2, 25, 25);
    place(IDC_ABOUT, W - 113, 2, 25, 25);
    place(IDC_SIZE_L, W - 159, 11, 16, 16);
    place(IDC_SIZE_M, W - 179, 11, 16, 16);
    place(IDC_SIZE_S, W - 199, 11, 16, 16);

    int c = std::max(20, std::min(m_nPanelWidth, W - 20));
    int left = W - 5 - c;
    if (m_bMapEnabled) {
        int m = std::max(20, std::min(m_nMapHeight, H - 127));
        placeRect(m_pMapDlg, left, 48, W - 5, 48 + m);
        placeRect(m_pFileList, left, 53 + m, W - 5, H - 64);
        m_rcMapSplitter = QRect(QPoint(left, 48), QPoint(W - 5, H - 64));
    } else {
        placeRect(m_pMapDlg, left, 0, W - 5, 0);
        placeRect(m_pFileList, left, 48, W - 5, H - 64);
    }
    m_rcColumnSplitter = QRect(QPoint(left - 5, 48), QPoint(left, H - 64));

    int g = m_bGSensorEnabled ? m_pGSensor->height() : 0;
    int l = std::max(20, std::min(m_nGroupListHeight, H - 152 - g));
    int half = left / 2;
    int s = H - 99 - g - l;
    place(IDC_SEEK, 5, s, 2 * (half - 5), 20);
    int t = s + 25;
    if (m_bGSensorEnabled) {
        placeRect(m_pGSensor, 5, s + 25, 2 * half - 5, s + 25 + g);
        t = s + 30 + g;
    }
    placeRect(m_pGroupList, 5, t, 2 * half - 5, H - 64);
    m_rcListSplitter = QRect(QPoint(5, t - 5), QPoint(2 * half - 5, t));

    const int bottomLeft[] = {IDC_OPEN, IDC_SNAP, IDC_SAVE, IDC_DEL};
    for (int k = 0; k < 4; ++k)
        place(bottomLeft[k], 8 + 48 * k, H - 44, 48, 36);

    struct Transport {
        int id, w, h, dy;
    };
    const Transport transport[] = {
        {IDC_SLOW, 40, 40, 48}, {IDC_STOP, 40, 40, 48}, {IDC_PLAY, 48, 48, 56}, {IDC_FAST, 40, 40, 48}};
    int x = 220;
    for (const auto& b : transport) {
        place(b.id, x, H - b.dy, b.w, b.h);
        x += b.w + 1;
    }
    place(IDC_VOL, 402, H - 40, 12, 24);
    place(IDC_VOLUME, 416, H - 36, 80, 20);
    const int right[] = {IDC_FLIP, IDC_LOOP, IDC_KML, IDC_MAP, IDC_GSR};
    for (int k = 0; k < 5; ++k)
        place(right[k], W - 195 + 34 * k, H - 40, 32, 32);
    Control(IDC_LOCK)->hide();
    Control(IDC_DEL)->hide();

    // The instruments keep their template places beside the title.
    place(IDC_GPS, 222, 8, 32, 32);
    place(IDC_SPEED, 262, 8, 130, 32);
    place(IDC_RATE_LABEL, 400, 8, 80, 32);

    placeRect(m_pFrontBg, 5, 48, half - 5, s);
    placeRect(m_pRearBg, half - 5, 48, 2 * half - 5, s);
    FitVideoPanes();
}

void CDvrDlg::FitVideoPanes() {
    QRect F = m_pFrontBg->geometry();
    QRect R = m_pRearBg->geometry();
    if (!m_bFullScreen) {
        F.adjust(2, 2, -2, -2);
        R.adjust(2, 2, -2, -2);
    }
    qint64 w = 1280, h = 720;
    qint64 fw = F.width(), fh = F.height();
    if (fw > 0 && fh > 0) {
        if (h * fw < w * fh) {
            int d = static_cast<int>(h * fw / w);
            int o = static_cast<int>((fh - d) / 2);
            F = QRect(F.left(), F.top() + o, F.width(), d);
            R = QRect(R.left(), R.top() + o, R.width(), d);
        } else if (w * fh < h * fw) {
            int b = static_cast<int>(w * fh / h);
            int o = static_cast<int>((fw - b) / 2);
            F = QRect(F.left() + o, F.top(), b, F.height());
            R = QRect(R.left() + o, R.top(), b, R.height());
        }
    }
    if (!m_bFullScreen || m_nFullScreenPane == 1)
        m_pFrontVideo->setGeometry(F);
    if (!m_bFullScreen || m_nFullScreenPane == 2)
        m_pRearVideo->setGeometry(R);
    m_pFrontVideo->raise();
    m_pRearVideo->raise();
}

void CDvrDlg::ShowControls(bool show) {
    static const int kIds[] = {IDC_PLAY,   IDC_STOP,   IDC_SLOW,       IDC_FAST,      IDC_DEL,
                               IDC_SAVE,   IDC_SNAP,   IDC_OPEN,       IDC_LOOP,      IDC_KML,
                               IDC_MAP,    IDC_GSR,    IDC_LOCK,       IDC_SEEK,      IDC_VOLUME,
                               IDC_GPS,    IDC_CLOSE,  IDC_MAXIMIZE,   IDC_MINIMIZE,  IDC_ABOUT,
                               IDC_VOL,    IDC_LOGO,   IDC_GROUP_LIST, IDC_FILE_LIST, IDC_SPEED,
                               IDC_SIZE_S, IDC_SIZE_M, IDC_SIZE_L,     IDC_RATE_LABEL};
    m_pGSensor->setVisible(show && m_bGSensorEnabled);
    for (int id : kIds)
        if (QWidget* w = Control(id))
            w->setVisible(show);
    if (!m_bMapEnabled || !show)
        m_pMapDlg->setGeometry(0, 0, 1, 1);
    else
        m_pMapDlg->show();
    if (m_nFullScreenPane == 1) {
        m_pRearVideo->setVisible(show);
        m_pRearBg->setVisible(show);
    } else if (m_nFullScreenPane == 2) {
        m_pFrontVideo->setVisible(show);
        m_pFrontBg->setVisible(show);
    }
}

// ---------------------------------------------------------------------------------------------
// Painting and mouse

void CDvrDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    int R = width() - 1, B = height() - 1;
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int n : {25, 20, 15, 10})
        p.drawLine(R - n, B, R, B - n);
    if (!m_bFullScreen)
        DrawOutlinedText(p, m_strTitle, QPointF(50, 10), m_nTitleSize, OutlinedTextStyle::Title);
}

void CDvrDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    QPoint pt = e->position().toPoint();
    QRect grip(width() - kGripSize, height() - kGripSize, kGripSize, kGripSize);
    if (grip.contains(pt)) {
        m_bGripDrag = true;
    } else if (m_rcMapSplitter.contains(pt)) {
        m_bMapSplitterDrag = true;
    } else if (m_rcListSplitter.contains(pt)) {
        m_bListSplitterDrag = true;
    } else if (m_rcColumnSplitter.contains(pt)) {
        m_bColumnSplitterDrag = true;
    } else if (!m_bMaximized && !m_bFullScreen && windowHandle()) {
        windowHandle()->startSystemMove();
    }
}

void CDvrDlg::mouseMoveEvent(QMouseEvent* e) {
    QPoint pt = e->position().toPoint();
    int W = width(), H = height();
    if (m_bGripDrag && !m_bMaximized && !m_bFullScreen) {
        resize(std::max(pt.x(), 800), std::max(pt.y(), 560));
        setCursor(Qt::SizeFDiagCursor);
        m_bMaximized = 0;
    } else if (m_bMapSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nMapHeight = pt.y() - 48;
        LayoutControls(W, H);
    } else if (m_bListSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nGroupListHeight = H - pt.y() - 74;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (m_bColumnSplitterDrag) {
        setCursor(Qt::SizeHorCursor);
        m_nPanelWidth = W - pt.x() - 10;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (QRect(W - kGripSize, H - kGripSize, kGripSize, kGripSize).contains(pt)) {
        setCursor(Qt::SizeFDiagCursor);
    } else if (m_rcMapSplitter.contains(pt) || m_rcListSplitter.contains(pt)) {
        setCursor(Qt::SizeVerCursor);
    } else if (m_rcColumnSplitter.contains(pt)) {
        setCursor(Qt::SizeHorCursor);
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

void CDvrDlg::mouseReleaseEvent(QMouseEvent* e) {
    bool dragged = m_bGripDrag || m_bMapSplitterDrag || m_bListSplitterDrag || m_bColumnSplitterDrag;
    if (!dragged)
        return QWidget::mouseReleaseEvent(e);
    if (m_bGripDrag) {
        QPoint pt = e->position().toPoint();
        resize(std::max(pt.x(), 800), std::max(pt.y(), 560));
    }
    m_bGripDrag = m_bMapSplitterDrag = m_bListSplitterDrag = m_bColumnSplitterDrag = false;
    LayoutControls(width(), height());
    if (m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

void CDvrDlg::mouseDoubleClickEvent(QMouseEvent* e) {
    if (m_pSpeed->geometry().contains(e->position().toPoint())) {
        m_pSpeed->ToggleUnit();
        return;
    }
    OnMaximize();
}

} // namespace vemora
