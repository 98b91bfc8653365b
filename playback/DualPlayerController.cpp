#include "playback/DualPlayerController.h"

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "platform/Diagnostics.h"
#include "platform/WholeFile.h"
#include "playback/BusyFlag.h"
#include "playback/FrameReview.h"
#include "playback/ImageFile.h"
#include "playback/PlaybackRates.h"
#include "telemetry/JoltFinder.h"
#include "telemetry/TrackFeed.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <mutex>

namespace vemora {

namespace {

// What a libVLC callback tells the GUI thread.
enum PlayerMessage { MsgTime, MsgState, MsgEnd, MsgRearEnd, MsgError, MsgStopped, MsgStarted, MsgArrived };

// How long a player that arrived at a jump's target waits for the other one at most: longer than
// decoding a long group of full-HD pictures takes on a busy machine.
constexpr int kLandingPatienceMs = 4000;

const QEvent::Type kPlayerEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class PlayerMessageEvent : public QEvent {
public:
    PlayerMessageEvent(int kind, PlayerSide side, int64_t value)
        : QEvent(kPlayerEventType), kind(kind), side(side), value(value) {}
    int kind;
    PlayerSide side;
    int64_t value;
};

std::string Utf8(const QString& s) {
    return s.toStdString();
}

// "shot.jpg" -> "shot_F.jpg"; the mark goes before the extension dot of the file name.
QString WithCameraMark(const QString& path, const char* mark) {
    int slash = static_cast<int>(path.lastIndexOf(QLatin1Char('/')));
    int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    if (dot <= slash)
        return path + QLatin1String(mark);
    return path.left(dot) + QLatin1String(mark) + path.mid(dot);
}

} // namespace

// The user data of one player's callbacks. The controller detaches itself before its players
// are released, so a late callback finds no target instead of a destroyed object.
struct PlayerEventRelay {
    PlayerEventRelay(DualPlayerController* c, PlayerSide s) : controller(c), side(s) {}

    static void Callback(const libvlc_event_t* event, void* data) {
        auto* relay = static_cast<PlayerEventRelay*>(data);
        int64_t newTime =
            event->type == libvlc_MediaPlayerTimeChanged ? event->u.media_player_time_changed.new_time : 0;
        std::lock_guard<std::mutex> lock(relay->mutex);
        if (relay->controller)
            relay->controller->OnPlayerEventThread(relay->side, event->type, newTime);
    }
    // On libVLC's input thread: the player's first picture after an opening or a seek.
    static void Arrived(void* data) {
        auto* relay = static_cast<PlayerEventRelay*>(data);
        uint64_t count = ++relay->arrivals;
        std::lock_guard<std::mutex> lock(relay->mutex);
        if (relay->controller)
            relay->controller->PostPlayerMessage(MsgArrived, relay->side, static_cast<int64_t>(count));
    }
    void Detach() {
        std::lock_guard<std::mutex> lock(mutex);
        controller = nullptr;
    }

    std::mutex mutex;
    DualPlayerController* controller;
    PlayerSide side;
    std::atomic<uint64_t> arrivals{0};
};

DualPlayerController::DualPlayerController(CRecordingLibrary& library, PlayerHost& host, QObject* parent)
    : QObject(parent), m_library(library), m_host(host),
      m_frontRelay(std::make_unique<PlayerEventRelay>(this, PlayerSide::Front)),
      m_rearRelay(std::make_unique<PlayerEventRelay>(this, PlayerSide::Rear)) {
    m_rateLabelTimer.setInterval(300);
    connect(&m_rateLabelTimer, &QTimer::timeout, this, [this] {
        RefreshRateLabel();
        if (m_nRateLabelTicks == 0)
            m_rateLabelTimer.stop();
        else
            --m_nRateLabelTicks;
    });
    m_pendingSeekTimer.setInterval(500);
    connect(&m_pendingSeekTimer, &QTimer::timeout, this, &DualPlayerController::ApplyPendingSeek);
    m_pendingSeekTimer.start();
    m_seekBarRefreshTimer.setSingleShot(true);
    m_seekBarRefreshTimer.setInterval(200);
    connect(&m_seekBarRefreshTimer, &QTimer::timeout, this, &DualPlayerController::RefreshSeekBarFromPlayers);
    m_muteTimer.setSingleShot(true);
    m_muteTimer.setInterval(100);
    connect(&m_muteTimer, &QTimer::timeout, this, [this] { m_frontPlayer.SetMute(m_bMuted ? 1 : 0); });
    m_endSettleTimer.setSingleShot(true);
    m_endSettleTimer.setInterval(400);
    connect(&m_endSettleTimer, &QTimer::timeout, this, &DualPlayerController::PlayNextAfterSettling);
    m_syncTimer.setInterval(100);
    connect(&m_syncTimer, &QTimer::timeout, this, &DualPlayerController::KeepRearInStep);
    m_review = std::make_unique<FrameReview>(m_library);
    connect(m_review.get(), &FrameReview::moved, this,
            [this](qint64 ms, qint64 length) { ShowMovedTo(ms, length); });
    connect(m_review.get(), &FrameReview::crossed, this, &DualPlayerController::OnReviewCrossed);
    m_syncCorrectionTimer.setSingleShot(true);
    m_syncCorrectionTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_syncCorrectionTimer, &QTimer::timeout, this, &DualPlayerController::EndRateCorrection);
    m_landingTimer.setSingleShot(true);
    m_landingTimer.setInterval(kLandingPatienceMs);
    connect(&m_landingTimer, &QTimer::timeout, this, &DualPlayerController::ReleaseLanding);
}

DualPlayerController::~DualPlayerController() {
    m_frontRelay->Detach();
    m_rearRelay->Detach();
    m_rearPlayer.StopAndClear();
    m_frontPlayer.StopAndClear();
}

// ---------------------------------------------------------------------------------------------
// Wiring

void DualPlayerController::AttachPlayers(bool* frontLoaded, bool* rearLoaded) {
    if (m_frontPlayer.IsLoaded()) {
        m_frontPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Front));
        m_frontPlayer.AttachEvents(&PlayerEventRelay::Callback, m_frontRelay.get());
        m_frontPlayer.SetArrivalCallback(&PlayerEventRelay::Arrived, m_frontRelay.get());
        m_nRateIndex = kNormalRateIndex;
        m_frontPlayer.SetRate(1.0f);
    }
    if (m_rearPlayer.IsLoaded()) {
        m_rearPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Rear));
        m_rearPlayer.AttachEvents(&PlayerEventRelay::Callback, m_rearRelay.get());
        m_rearPlayer.SetArrivalCallback(&PlayerEventRelay::Arrived, m_rearRelay.get());
        m_rearPlayer.SetRate(static_cast<float>(PlaybackRates[m_nRateIndex].rate));
    }
    // The front player carries the sound and starts muted; the rear one stays at volume 0.
    m_frontPlayer.SetVolume(100);
    m_frontPlayer.SetMute(1);
    if (frontLoaded)
        *frontLoaded = m_frontPlayer.IsLoaded();
    if (rearLoaded)
        *rearLoaded = m_rearPlayer.IsLoaded();
}

void DualPlayerController::SetLogFiles(FILE* front, FILE* rear) {
    m_frontPlayer.SetLogFile(front);
    m_rearPlayer.SetLogFile(rear);
}

// ---------------------------------------------------------------------------------------------
// libVLC's threads: flags read, pending seek cleared, everything else posted.

namespace {

// After a seek, pause or new media no correction for this long, and only on reports made after.
constexpr int64_t kSyncQuietMs = 400;

int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

DualPlayerController::Sighting DualPlayerController::LastSighting(PlayerSide side) const {
    std::lock_guard<std::mutex> lock(m_sightingMutex);
    return m_sighting[SideIndex(side)];
}

void DualPlayerController::OnPlayerEventThread(PlayerSide side, int type, int64_t newTime) {
    if (type == libvlc_MediaPlayerTimeChanged) {
        std::lock_guard<std::mutex> lock(m_sightingMutex);
        m_sighting[SideIndex(side)] = {newTime, SteadyMs()};
    }
    if (type == libvlc_MediaPlayerPlaying)
        PostPlayerMessage(MsgStarted, side, 0);
    bool frontIsMaster = m_frontPlayer.IsLoaded() && m_frontPlayer.IsPlaying();
    if (side == PlayerSide::Rear && frontIsMaster) {
        if (type == libvlc_MediaPlayerEndReached) {
            PostPlayerMessage(MsgRearEnd, side, 1);
            m_llPendingSeekMs = 0;
        }
        return;
    }
    switch (type) {
    case libvlc_MediaPlayerOpening:
        m_llPendingSeekMs = 0;
        PostPlayerMessage(MsgStopped, side, 0);
        break;
    case libvlc_MediaPlayerStopped:
        PostPlayerMessage(MsgStopped, side, 0);
        break;
    case libvlc_MediaPlayerPlaying:
        PostPlayerMessage(MsgState, side, 3);
        break;
    case libvlc_MediaPlayerPaused:
        // A player held at a jump's target stays playing for the controller.
        if (!Player(side).IsPlaying())
            m_llPendingSeekMs = 0;
        PostPlayerMessage(MsgState, side, 4);
        break;
    case libvlc_MediaPlayerEndReached:
        PostPlayerMessage(MsgEnd, side, 1);
        m_llPendingSeekMs = 0;
        break;
    case libvlc_MediaPlayerEncounteredError:
        PostPlayerMessage(MsgError, side, 1);
        break;
    case libvlc_MediaPlayerTimeChanged:
        if (m_llPendingSeekMs.load() == 0)
            PostPlayerMessage(MsgTime, side, newTime);
        break;
    default:
        break;
    }
}

void DualPlayerController::PostPlayerMessage(int kind, PlayerSide side, int64_t value) {
    QCoreApplication::postEvent(this, new PlayerMessageEvent(kind, side, value));
}

bool DualPlayerController::event(QEvent* e) {
    if (e->type() != kPlayerEventType)
        return QObject::event(e);
    auto* m = static_cast<PlayerMessageEvent*>(e);
    HandlePlayerMessage(m->kind, m->side, m->value);
    return true;
}

void DualPlayerController::HandlePlayerMessage(int kind, PlayerSide side, int64_t value) {
    switch (kind) {
    case MsgTime:
        OnTimeReport(side, value);
        break;
    case MsgState:
        OnPlayerStateReport(side, static_cast<int>(value));
        break;
    case MsgArrived:
        OnPlayerArrived(side, static_cast<uint64_t>(value));
        break;
    case MsgEnd:
        PlayNext();
        break;
    case MsgError:
        emit playerError();
        break;
    case MsgStopped:
        emit gpsIndicatorChanged(0);
        break;
    case MsgStarted:
        OnPlayerStarted(side);
        break;
    default: // the rear file ended while the front one plays on
        break;
    }
}

// A seek that became pending after the report was posted wins: the report is stale. So is one
// that arrives after both players were stopped (it would take the curve out of its stopped state).
void DualPlayerController::OnTimeReport(PlayerSide side, int64_t time) {
    if (m_llPendingSeekMs.load() != 0)
        return;
    VlcApi* source = MasterPlayer(true);
    if (!source)
        return;
    if (source != &Player(side))
        time = source->Time();
    int64_t length = source->Length();
    emit timeReported(time);
    emit seekBarPositionChanged(SeekBarPosition(time, length, Scale()));
    g_bBusy = 0;
}

void DualPlayerController::OnPlayerStateReport(PlayerSide side, int state) {
    if (state == 4 && Player(side).IsPlaying())
        return; // held at a jump's target: the button keeps showing pause
    if (state == 1 || state == 4) {
        emit playButtonShowsPause(false);
    } else if (state == 2 || state == 3) {
        emit playButtonShowsPause(true);
        // libVLC unmutes when its audio output starts: the Vol button's state again, shortly.
        m_muteTimer.start();
    }
}

void DualPlayerController::RestoreOnceStarted(PlayerSide side, int64_t timeMs, bool pause) {
    VlcApi& player = Player(side);
    if (pause)
        player.MarkPaused();
    m_startRestore[SideIndex(side)] = {true, timeMs, pause};
}

void DualPlayerController::OnPlayerStarted(PlayerSide side) {
    StartRestore& restore = m_startRestore[SideIndex(side)];
    if (!restore.waiting)
        return;
    restore.waiting = false;
    VlcApi& player = Player(side);
    if (restore.timeMs >= 0) {
        player.SetTime(restore.timeMs);
        if (!restore.pause && m_landing.Active()) {
            // The arrival awaited is now the one at the start time.
            m_landing.Expect(SideIndex(side), ArrivalsOf(side));
            m_landingTimer.start();
        }
    }
    RestartSync();
    if (restore.pause && player.IsPaused())
        player.Pause();
}

VlcApi* DualPlayerController::MasterPlayer(bool includePaused) {
    auto runs = [includePaused](const VlcApi& p) {
        return p.IsLoaded() && (p.IsPlaying() || (includePaused && p.IsPaused()));
    };
    if (runs(m_frontPlayer))
        return &m_frontPlayer;
    if (runs(m_rearPlayer))
        return &m_rearPlayer;
    return nullptr;
}

void DualPlayerController::RefreshSeekBarFromPlayers() {
    VlcApi* source = MasterPlayer(true);
    int64_t length = source ? source->Length() : 0;
    int64_t time = source ? source->Time() : 0;
    emit seekBarPositionChanged(SeekBarPosition(time, length, Scale()));
}

// ---------------------------------------------------------------------------------------------
// Panes

void DualPlayerController::NotePaneHidden(PlayerSide side, bool hidden) {
    (side == PlayerSide::Front ? m_bFrontHidden : m_bRearHidden) = hidden;
}

void DualPlayerController::ShowPaneIfHidden(PlayerSide side) {
    if (!PaneHidden(side))
        return;
    NotePaneHidden(side, false);
    m_host.ShowPane(side, true);
}

void DualPlayerController::HidePaneIfShown(PlayerSide side) {
    if (PaneHidden(side))
        return;
    NotePaneHidden(side, true);
    m_host.ShowPane(side, false);
}

bool DualPlayerController::HasActivePlayer() const {
    for (const VlcApi* p : {&m_frontPlayer, &m_rearPlayer})
        if (p->IsLoaded() && (p->IsPlaying() || p->IsPaused()))
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------------
// Opening

void DualPlayerController::LoadIntoPlayer(PlayerSide side, const QString& path, bool noAudio) {
    Player(side).LoadMedia(Utf8(path), noAudio);
}

void DualPlayerController::StartPlayer(VlcApi& player) {
    if (!player.IsLoaded())
        return;
    RestartSync();
    m_startRestore[&player == &m_frontPlayer ? 0 : 1].waiting = false;
    player.Play();
    player.MarkPlaying();
}

void DualPlayerController::OpenRearPartner(const QString& path, bool noAudio) {
    if (!m_host.HasPane(PlayerSide::Rear))
        return;
    // A rear file is its own rear camera file (the partner rule would turn the "F" of a name
    // like FILE0121_b.MP4 into "R").
    std::string p = Utf8(path);
    QString partner = IsRearFile(p) ? path : QString::fromStdString(GetRearPartner(p));
    if (partner.isEmpty())
        return;
    ShowPaneIfHidden(PlayerSide::Rear);
    if (!m_rearPlayer.IsLoaded())
        return;
    m_rearPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Rear));
    LoadIntoPlayer(PlayerSide::Rear, partner, noAudio);
    StartPlayer(m_rearPlayer);
}

// The file for the front player: the path itself for a front file, else its front partner; empty
// for a rear file that has none.
QString DualPlayerController::FrontFileOf(const QString& path) const {
    std::string p = Utf8(path);
    return IsRearFile(p) ? QString::fromStdString(GetFrontPartner(p)) : path;
}

void DualPlayerController::OpenRecording(const QString& path) {
    m_review->End();
    m_endSettleTimer.stop();
    Diag(" --->> DualPlayerController::OpenRecording %s \n", Utf8(path).c_str());
    QString front = FrontFileOf(path);
    if (front.isEmpty()) {
        // A rear file alone plays in the rear pane, with its sound.
        OpenRearPartner(m_strCurrentPath, false);
        m_host.FitVideoPanes();
        StartPlayer(m_rearPlayer);
        StartRateLabelRefresh();
        LandTogether(0);
        return;
    }
    LoadIntoPlayer(PlayerSide::Front, front, false);
    m_host.FitVideoPanes();
    StartPlayer(m_frontPlayer);
    StartRateLabelRefresh();
    OpenRearPartner(m_strCurrentPath, true);
    LandTogether(0);
}

void DualPlayerController::PlayRecordingAt(int index) {
    ShowPaneIfHidden(PlayerSide::Front);
    SelectAndPlay(index);
}

void DualPlayerController::PlayRecordingFrom(int index, int64_t startMs) {
    PlayRecordingAt(index);
    if (startMs <= 0)
        return;
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
        if (Player(side).IsLoaded() && Player(side).HasMedia())
            RestoreOnceStarted(side, startMs, false);
}

// The partner is looked for among the two entries on either side (a pair sorts next to each
// other, with at most one other camera's file between them).
bool DualPlayerController::CanPlayRecording(int index) const {
    if (index < 0)
        return true;
    const auto& records = m_library.Records();
    int n = static_cast<int>(records.size());
    if (index >= n)
        return true;
    bool own = records[static_cast<size_t>(index)].summary.codec == VideoCodec::H265;
    std::string path = records[static_cast<size_t>(index)].GetFullPath();
    std::string partner = IsRearFile(path) ? GetFrontPartner(path) : GetRearPartner(path);
    bool other = false;
    for (int k = std::max(index - 2, 0); k <= std::min(index + 2, n - 1); ++k) {
        if (k != index && records[static_cast<size_t>(k)].GetFullPath() == partner) {
            other = records[static_cast<size_t>(k)].summary.codec == VideoCodec::H265;
            break;
        }
    }
    return (!own && !other) || m_bHevcDecode;
}

// ---------------------------------------------------------------------------------------------
// Transport

QString DualPlayerController::RateLabel() const {
    const auto& entry = PlaybackRates[static_cast<size_t>(m_nRateIndex)];
    return entry.rate == 1.0 ? QString() : QString::fromLatin1(entry.label);
}

void DualPlayerController::RefreshRateLabel() {
    emit rateLabelChanged(RateLabel());
}

void DualPlayerController::StartRateLabelRefresh() {
    RefreshRateLabel();
    m_nRateLabelTicks = 10;
    m_rateLabelTimer.start();
}

void DualPlayerController::TogglePlayPause() {
    if (m_library.Scanning())
        return;
    m_llPendingSeekMs = 0;
    if (m_library.Records().empty()) {
        emit playButtonShowsPause(false);
        return;
    }
    if (m_review->Active() && ResumeFromReview())
        return;
    const bool pausing = (m_frontPlayer.IsLoaded() && m_frontPlayer.IsPlaying()) ||
                         (m_rearPlayer.IsLoaded() && m_rearPlayer.IsPlaying());
    const int64_t shown = pausing ? TimeShown() : -1;
    if (pausing)
        AbandonLanding();
    if (m_frontPlayer.IsLoaded()) {
        if (m_frontPlayer.IsPlaying()) {
            m_frontPlayer.MarkPaused();
            m_frontPlayer.Pause();
        } else if (m_frontPlayer.IsPaused()) {
            ShowPaneIfHidden(PlayerSide::Front);
            StartPlayer(m_frontPlayer);
            emit curveResumed();
            StartRateLabelRefresh();
        }
    }
    if (m_rearPlayer.IsLoaded()) {
        if (m_rearPlayer.IsPlaying()) {
            m_rearPlayer.MarkPaused();
            m_rearPlayer.Pause();
        } else if (m_rearPlayer.IsPaused()) {
            ShowPaneIfHidden(PlayerSide::Rear);
            StartPlayer(m_rearPlayer);
        }
    }
    if (pausing)
        BeginReview(shown);
    else
        LandAtResumeTime();
}

void DualPlayerController::StopFrontPlayer() {
    m_frontPlayer.StopAndClear();
}

void DualPlayerController::StopBoth() {
    AbandonLanding();
    m_llResumeAtMs = -1;
    m_review->End();
    m_bReviewCrossed = false;
    m_endSettleTimer.stop();
    m_startRestore[0].waiting = m_startRestore[1].waiting = false;
    m_frontPlayer.StopAndClear();
    m_rearPlayer.StopAndClear();
}

void DualPlayerController::StopPlayback() {
    m_llPendingSeekMs = 0;
    emit playButtonShowsPause(false);
    StopBoth();
    ResetRate();
    emit seekBarPositionChanged(Scale().leadIn);
    emit curveReset(true);
    HidePaneIfShown(PlayerSide::Front);
    HidePaneIfShown(PlayerSide::Rear);
}

void DualPlayerController::ResetRate() {
    m_nRateIndex = kNormalRateIndex;
    m_frontPlayer.SetRate(1.0f);
    m_rearPlayer.SetRate(1.0f);
}

void DualPlayerController::StepRate(int d) {
    m_nRateIndex = std::clamp(m_nRateIndex + d, 0, static_cast<int>(PlaybackRates.size()) - 1);
    float rate = static_cast<float>(PlaybackRates[static_cast<size_t>(m_nRateIndex)].rate);
    m_frontPlayer.SetRate(rate);
    m_rearPlayer.SetRate(rate);
    RestartSync();
    RefreshRateLabel();
}

DualPlayerController::Interruption DualPlayerController::PausePlaying() {
    AbandonLanding();
    Interruption paused;
    for (auto [player, flag] :
         {std::pair{&m_frontPlayer, &paused.front}, std::pair{&m_rearPlayer, &paused.rear}}) {
        if (player->IsLoaded() && player->IsPlaying()) {
            player->MarkPaused();
            player->Pause();
            *flag = true;
        }
    }
    return paused;
}

void DualPlayerController::Resume(Interruption paused) {
    if (paused.front)
        StartPlayer(m_frontPlayer);
    if (paused.rear)
        StartPlayer(m_rearPlayer);
}

// Mirroring needs a new instance for the rear player; the pair is loaded again and brought back
// to where playback was (the front player's time, the rear one's for a rear file alone, read
// before anything is stopped), in the state it was in. Only the players that showed the
// recording take part: a front player idle beside a rear file alone stays idle.
void DualPlayerController::Flip() {
    if (m_library.Scanning())
        return;
    m_bFlip = !m_bFlip;
    enum { Stopped, Playing, Paused } prior = Stopped;
    if ((m_frontPlayer.IsLoaded() && m_frontPlayer.IsPlaying()) ||
        (m_rearPlayer.IsLoaded() && m_rearPlayer.IsPlaying()))
        prior = Playing;
    else if ((m_frontPlayer.IsLoaded() && m_frontPlayer.IsPaused()) ||
             (m_rearPlayer.IsLoaded() && m_rearPlayer.IsPaused()))
        prior = Paused;
    const bool reviewing = m_review->Active();
    bool wasPlaying[2] = {m_frontPlayer.IsPlaying(), m_rearPlayer.IsPlaying()};
    bool wasPaused[2] = {m_frontPlayer.IsPaused(), m_rearPlayer.IsPaused()};
    int64_t t = CurrentTime();
    StopBoth();
    m_rearPlayer.Recreate(m_bFlip ? 1 : 0);
    m_frontPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Front));
    m_rearPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Rear));
    if (!m_library.Records().empty())
        ReloadCurrentRecording();

    switch (prior) {
    case Playing:
        emit playButtonShowsPause(true);
        if (wasPlaying[0])
            StartPlayer(m_frontPlayer);
        if (wasPlaying[1])
            StartPlayer(m_rearPlayer);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
            if (Player(side).IsLoaded() && Player(side).HasMedia() && Player(side).IsPlaying())
                RestoreOnceStarted(side, t, false);
        break;
    case Paused:
        emit playButtonShowsPause(false);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear}) {
            VlcApi& p = Player(side);
            if (!p.IsLoaded() || !p.HasMedia() || !(wasPaused[SideIndex(side)] || p.IsPlaying()))
                continue;
            // The reloaded front player has not started yet: it starts, goes to t and pauses
            // there, as the rear player does.
            if (!p.IsPlaying())
                p.Play();
            RestoreOnceStarted(side, t, true);
        }
        if (reviewing)
            BeginReview(t);
        break;
    case Stopped:
        StopBoth();
        emit playButtonShowsPause(false);
        HidePaneIfShown(PlayerSide::Front);
        HidePaneIfShown(PlayerSide::Rear);
        break;
    }
}

void DualPlayerController::ReloadCurrentRecording() {
    int n = static_cast<int>(m_library.Records().size());
    int current = std::min(m_library.CurrentRow(), n - 1);
    if (current != m_library.CurrentRow())
        m_library.SelectRecording(current);
    if (m_pFeed)
        m_pFeed->LoadTrack(current);
    m_strCurrentPath = QString::fromStdString(m_library.GetCurrentPath());
    m_host.FitVideoPanes();
    QString front = FrontFileOf(m_strCurrentPath);
    if (!front.isEmpty()) {
        LoadIntoPlayer(PlayerSide::Front, front, false);
        m_host.FitVideoPanes();
        OpenRearPartner(m_strCurrentPath, true);
        return;
    }
    OpenRearPartner(m_strCurrentPath, false);
    m_host.FitVideoPanes();
}

// ---------------------------------------------------------------------------------------------
// Keeping the cameras in step

void DualPlayerController::SetSyncEnabled(bool on) {
    m_bSync = on;
    RestartSync();
    if (on)
        m_syncTimer.start();
    else
        m_syncTimer.stop();
}

void DualPlayerController::HoldPlayer(PlayerSide side, int ms) {
    VlcApi& player = Player(side);
    if (!player.IsLoaded() || !player.IsPlaying())
        return;
    player.MarkPaused();
    player.Pause();
    QTimer::singleShot(ms, this, [this, side] {
        VlcApi& held = Player(side);
        if (held.IsLoaded() && held.IsPaused()) {
            held.Play();
            held.MarkPlaying();
        }
    });
}

void DualPlayerController::RestartSync() {
    m_sync.Reset();
    m_syncQuietUntil = SteadyMs() + kSyncQuietMs;
    m_syncCorrectionTimer.stop();
    if (m_rearPlayer.IsLoaded() && m_rearPlayer.Rate() != m_frontPlayer.Rate() && m_frontPlayer.IsLoaded())
        m_rearPlayer.SetRate(m_frontPlayer.Rate());
}

std::optional<int64_t> DualPlayerController::TimeNow(PlayerSide side) const {
    // Each time report is stamped by libVLC's thread the moment it is made, so a player's time
    // now is its last report plus the time since, at its rate.
    Sighting seen = LastSighting(side);
    if (seen.timeMs < 0)
        return std::nullopt;
    double rate = (side == PlayerSide::Front ? m_frontPlayer : m_rearPlayer).Rate();
    return seen.timeMs +
           static_cast<int64_t>(std::llround(static_cast<double>(SteadyMs() - seen.wallMs) * rate));
}

std::optional<int64_t> DualPlayerController::RearBehindMs() const {
    std::optional<int64_t> front = TimeNow(PlayerSide::Front), rear = TimeNow(PlayerSide::Rear);
    if (!front || !rear)
        return std::nullopt;
    return *front - *rear;
}

// The front player carries the sound and leads; only the rear one is ever corrected.
void DualPlayerController::KeepRearInStep() {
    if (!m_bSync || !m_frontPlayer.IsLoaded() || !m_rearPlayer.IsLoaded() || !m_frontPlayer.IsPlaying() ||
        !m_rearPlayer.IsPlaying() || m_llPendingSeekMs.load() != 0 || m_syncCorrectionTimer.isActive() ||
        m_landing.Active())
        return;
    int64_t now = SteadyMs();
    // Only reports made after the last restart or correction count.
    int64_t since = m_syncQuietUntil - kSyncQuietMs;
    if (now < m_syncQuietUntil || LastSighting(PlayerSide::Front).wallMs <= since ||
        LastSighting(PlayerSide::Rear).wallMs <= since)
        return;
    std::optional<int64_t> behind = RearBehindMs();
    int64_t length = m_rearPlayer.Length();
    if (!behind || (length > 0 && m_frontPlayer.Time() >= length))
        return; // the rear file is shorter: it simply ends first
    SyncAction action = m_sync.Decide(*behind, m_frontPlayer.Rate());
    switch (action.kind) {
    case SyncAction::SetRate:
        m_rearPlayer.SetRate(static_cast<float>(action.rate));
        m_syncCorrectionTimer.start(static_cast<int>(action.forMs));
        break;
    case SyncAction::Seek:
        m_rearPlayer.SetTime(std::max<int64_t>(0, TimeNow(PlayerSide::Front).value_or(m_frontPlayer.Time())));
        m_sync.Reset();
        m_syncQuietUntil = now + kSyncQuietMs;
        break;
    case SyncAction::None:
        return;
    }
    emit rearCorrected(action.kind, action.rate,
                       action.kind == SyncAction::Seek ? action.byMs : action.forMs);
}

void DualPlayerController::EndRateCorrection() {
    if (m_rearPlayer.IsLoaded() && m_frontPlayer.IsLoaded())
        m_rearPlayer.SetRate(m_frontPlayer.Rate());
    m_sync.Reset();
    m_syncQuietUntil = SteadyMs() + kSyncQuietMs;
}

// ---------------------------------------------------------------------------------------------
// Landing together after a jump

uint64_t DualPlayerController::ArrivalsOf(PlayerSide side) const {
    return (side == PlayerSide::Front ? m_frontRelay : m_rearRelay)->arrivals.load();
}

void DualPlayerController::PlayHeldPlayers() {
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
        if (m_landing.Held(SideIndex(side)) && Player(side).IsPlaying())
            Player(side).Play();
    m_landing.End();
}

void DualPlayerController::LandTogether(int64_t targetMs) {
    m_landing.End();
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear}) {
        VlcApi& player = Player(side);
        int64_t length = player.Length();
        if (player.IsLoaded() && player.HasMedia() && player.IsPlaying() &&
            (length <= 0 || targetMs < length))
            m_landing.Expect(SideIndex(side), ArrivalsOf(side));
    }
    if (m_landing.Active())
        m_landingTimer.start();
    else
        ReleaseLanding();
}

// A player held by a landing still open plays again before the seek: a seek sent to a paused
// player is only decoded once it plays, too late for its pictures.
void DualPlayerController::SendBothTo(int64_t ms) {
    PlayHeldPlayers();
    m_frontPlayer.SetTime(ms);
    m_rearPlayer.SetTime(ms);
    LandTogether(ms);
}

void DualPlayerController::OnPlayerArrived(PlayerSide side, uint64_t arrivalCount) {
    switch (m_landing.Arrived(SideIndex(side), arrivalCount)) {
    case JointLanding::Step::Hold:
        Player(side).Pause();
        break;
    case JointLanding::Step::Release:
        ReleaseLanding();
        break;
    case JointLanding::Step::None:
        break;
    }
}

void DualPlayerController::ReleaseLanding() {
    m_landingTimer.stop();
    const bool landed = m_landing.Active();
    PlayHeldPlayers();
    if (m_bReviewPicturesLeft) {
        m_bReviewPicturesLeft = false;
        m_review->ClearPictures();
    }
    if (landed)
        RestartSync();
}

void DualPlayerController::AbandonLanding() {
    m_landingTimer.stop();
    m_landing.End();
    if (m_bReviewPicturesLeft) {
        m_bReviewPicturesLeft = false;
        m_review->ClearPictures();
    }
}

// ---------------------------------------------------------------------------------------------
// Snapshot

// libVLC writes PNG whatever the name says; a .jpg name gets a real JPEG. libVLC writes into a
// temporary reserved beside the target (created exclusively, never through a link); the picture
// replaces the target only once complete.
void DualPlayerController::WriteSnapshot(VlcApi& player, const QString& path) {
    if (!player.IsLoaded())
        return;
    auto file = WholeFile::Begin(Utf8(path), nullptr);
    if (!file || player.TakeSnapshot(file->TempPath()) != 0)
        return;
    if (!IsJpegPath(path)) {
        file->Commit(nullptr);
        return;
    }
    WriteImageFile(QImage(QString::fromStdString(file->TempPath())), path);
}

void DualPlayerController::Snapshot() {
    if (m_library.Scanning())
        return;
    if (m_library.Records().empty()) {
        m_host.ShowMessage(136, 145);
        return;
    }
    if (m_review->Active()) {
        // The exact pictures shown, at the recordings' full resolution.
        QString path = m_host.AskSnapshotPath();
        if (!path.isEmpty())
            m_review->SavePictures(WithCameraMark(path, "_F"), WithCameraMark(path, "_R"));
        return;
    }
    Interruption paused = PausePlaying();
    QString path = m_host.AskSnapshotPath();
    if (!path.isEmpty()) {
        WriteSnapshot(m_frontPlayer, WithCameraMark(path, "_F"));
        WriteSnapshot(m_rearPlayer, WithCameraMark(path, "_R"));
    }
    Resume(paused);
}

// ---------------------------------------------------------------------------------------------
// Next recording

// The ended player is given a moment before the pair is stopped; anything the user opens or
// stops meanwhile cancels the move.
void DualPlayerController::PlayNext() {
    m_endSettleTimer.start();
}

bool DualPlayerController::IsPartnerOf(int candidate, int current) const {
    std::string path = m_library.GetRecordingPath(candidate);
    std::string currentPath = m_library.GetRecordingPath(current);
    return GetFrontPartner(path) == currentPath || GetRearPartner(path) == currentPath;
}

void DualPlayerController::SelectAndPlay(int index) {
    m_library.SelectRecording(index);
    if (m_pFeed)
        m_pFeed->LoadTrack(index);
    m_strCurrentPath = QString::fromStdString(m_library.GetRecordingPath(index));
    emit currentRecordingChanged();
    OpenRecording(m_strCurrentPath);
}

void DualPlayerController::PlayNextAfterSettling() {
    StopBoth();
    emit seekBarPositionChanged(Scale().leadIn);
    emit curveReset(false);
    if (!m_bAutoPlayNext || m_library.Scanning())
        return;
    int n = static_cast<int>(m_library.Records().size());
    int c = n > 0 ? std::min(m_library.CurrentRow(), n - 1) : -1;
    auto warnOnce = [this](int index) {
        if (!m_bHevcWarned && !CanPlayRecording(index)) {
            m_host.ShowMessage(146, 0);
            m_bHevcWarned = true;
        }
    };
    if (n == 0)
        return;
    if (c >= 0 && c + 1 < n) {
        int x = c + 1;
        warnOnce(x);
        if (IsPartnerOf(x, c))
            ++x; // the partner of what just played has played beside it
        if (x < n) {
            SelectAndPlay(x);
            return;
        }
    }
    // After the last recording (or its partner) playback starts again with the first.
    m_frontPlayer.StopAndClear();
    warnOnce(0);
    SelectAndPlay(0);
}

// ---------------------------------------------------------------------------------------------
// Seeking

int64_t DualPlayerController::RequestSeekFromBar(int barPosition) {
    VlcApi* source = MasterPlayer(true);
    int64_t target = SeekTargetMs(source ? source->Length() : 0, barPosition, Scale());
    m_llPendingSeekMs = target;
    return target;
}

void DualPlayerController::ApplyPendingSeek() {
    int64_t target = m_llPendingSeekMs.load();
    if (target == 0)
        return;
    SendBothTo(target);
    RestartSync();
    if (m_pFeed)
        m_pFeed->ReplotDrivenPath(target & 0xffffffff);
    m_llPendingSeekMs = 0;
    FollowSeekInReview(target);
}

// libVLC's own time is that of its last report, up to a quarter of a second old; the report
// carried on at the player's rate is nearer the picture on the screen.
int64_t DualPlayerController::TimeShown() {
    VlcApi* source = MasterPlayer(false);
    if (!source || m_review->Active() || m_landing.Active())
        return CurrentTime();
    PlayerSide side = source == &m_frontPlayer ? PlayerSide::Front : PlayerSide::Rear;
    std::optional<int64_t> now = TimeNow(side);
    if (!now || SteadyMs() - LastSighting(side).wallMs > 1000)
        return CurrentTime();
    int64_t length = source->Length();
    return std::clamp<int64_t>(*now, 0, length > 0 ? length - 1 : *now);
}

int64_t DualPlayerController::CurrentTime() {
    if (m_review->Active())
        return m_review->TimeMs();
    VlcApi* source = MasterPlayer(true);
    return source ? source->Time() : -1;
}

void DualPlayerController::SeekTo(int64_t ms) {
    VlcApi* source = MasterPlayer(true);
    if (!source)
        return;
    int64_t length = source->Length();
    if (length > 0)
        ms = std::min(ms, length - 1);
    ms = std::max<int64_t>(ms, 1);
    m_llPendingSeekMs = 0;
    SendBothTo(ms);
    ShowMovedTo(ms, length);
    FollowSeekInReview(ms);
}

// After the players were moved to ms by other means than playing: the driven path, the
// instruments and the seek bar follow at once.
void DualPlayerController::ShowMovedTo(int64_t ms, int64_t length) {
    RestartSync();
    if (m_pFeed)
        m_pFeed->ReplotDrivenPath(ms & 0xffffffff);
    emit timeReported(ms);
    emit seekBarPositionChanged(SeekBarPosition(ms, length, Scale()));
}

void DualPlayerController::SkipBy(int64_t deltaMs) {
    int64_t now = CurrentTime();
    if (now >= 0)
        SeekTo(now + deltaMs);
}

// libVLC 3 steps forward only and lands a paused seek where it likes: while paused, the pictures
// come from the media layer's decoder (FrameReview), exact in both directions.
void DualPlayerController::StepFrame(int direction) {
    if (!MasterPlayer(true))
        return;
    if (!m_review->Active()) {
        const int64_t shown = TimeShown();
        PausePlaying();
        emit playButtonShowsPause(false);
        BeginReview(shown);
    }
    m_review->Step(direction);
}

void DualPlayerController::BeginReview(int64_t timeMs) {
    m_review->Begin(m_library.CurrentRow(), timeMs, m_bFlip);
}

// The steps went on into another recording of the drive: it becomes current (list, track, lock
// button); the players load it when playing resumes.
void DualPlayerController::OnReviewCrossed(int row) {
    m_library.SelectRecording(row);
    if (m_pFeed)
        m_pFeed->LoadTrack(row);
    m_strCurrentPath = QString::fromStdString(m_library.GetRecordingPath(row));
    m_bReviewCrossed = true;
    emit currentRecordingChanged();
}

bool DualPlayerController::ResumeFromReview() {
    const int64_t t = std::max<int64_t>(1, m_review->TimeMs());
    const bool crossed = m_bReviewCrossed;
    m_bReviewCrossed = false;
    if (crossed) {
        m_review->End();
        OpenRecording(m_strCurrentPath);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
            if (Player(side).IsLoaded() && Player(side).HasMedia())
                RestoreOnceStarted(side, t, false);
        emit curveResumed();
        return true;
    }
    // The players start where they were paused and are then sent to the picture shown, both
    // at once, beneath the review's pictures (a seek of a paused player is only decoded once it
    // plays again).
    m_review->Finish();
    m_bReviewPicturesLeft = true;
    m_llResumeAtMs = t;
    return false;
}

void DualPlayerController::LandAtResumeTime() {
    const int64_t t = m_llResumeAtMs;
    m_llResumeAtMs = -1;
    if (t < 0)
        return;
    for (VlcApi* p : {&m_frontPlayer, &m_rearPlayer})
        if (p->IsLoaded() && p->HasMedia() && p->IsPlaying())
            p->SetTime(t);
    LandTogether(t);
}

// A seek while the pictures are reviewed: the review goes on from there, in the recording the
// players hold (loaded again when the steps had gone on into another one).
void DualPlayerController::FollowSeekInReview(int64_t ms) {
    if (!m_review->Active())
        return;
    if (m_bReviewCrossed) {
        m_bReviewCrossed = false;
        OpenRecording(m_strCurrentPath);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
            if (Player(side).IsLoaded() && Player(side).HasMedia())
                RestoreOnceStarted(side, ms, true);
    }
    BeginReview(ms);
}

bool DualPlayerController::JumpToJolt(int direction) {
    if (m_library.Scanning())
        return false;
    int row = m_library.CurrentRow();
    int64_t now = CurrentTime();
    if (row < 0 || row >= static_cast<int>(m_library.Records().size()) || now < 0)
        return false;
    std::vector<int64_t> jolts =
        FindJoltsOfTrack(m_library.Track(), m_library.Records()[static_cast<size_t>(row)].summary);
    int64_t target = direction > 0 ? NextJoltTarget(jolts, now) : PreviousJoltTarget(jolts, now);
    if (target < 0)
        return false;
    SeekTo(target);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Sound

void DualPlayerController::SetVolumePos(int position) {
    m_frontPlayer.SetVolume(2 * position);
    m_nVolumePos = position;
}

void DualPlayerController::ApplySliderVolume() {
    m_frontPlayer.SetVolume(2 * m_nVolumePos);
}

void DualPlayerController::SetMuted(bool muted) {
    m_bMuted = muted;
    m_frontPlayer.SetMute(muted ? 1 : 0);
}

} // namespace vemora
