#include "playback/DualPlayerController.h"

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "platform/Diagnostics.h"
#include "playback/FrameReview.h"
#include "playback/PairLanding.h"
#include "playback/PlayerSnapshot.h"
#include "playback/ReviewHandOver.h"
#include "playback/StartRestore.h"
#include "playback/transport/PlaybackRates.h"
#include "playback/transport/SkipLanding.h"
#include "settings/WindowTexts.h"
#include "telemetry/JoltFinder.h"
#include "telemetry/TrackFeed.h"

#include <algorithm>

namespace vemora {

namespace {

std::string Utf8(const QString& s) {
    return s.toStdString();
}

} // namespace

DualPlayerController::DualPlayerController(CRecordingLibrary& library, PlayerHost& host, QObject* parent)
    : QObject(parent), m_library(library), m_host(host),
      m_frontRelay(std::make_unique<PlayerEventRelay>(PlayerSide::Front)),
      m_rearRelay(std::make_unique<PlayerEventRelay>(PlayerSide::Rear)) {
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
    connect(&m_muteTimer, &QTimer::timeout, this, [this] { m_frontPlayer.SetMute(m_bMuted); });
    m_endSettleTimer.setSingleShot(true);
    m_endSettleTimer.setInterval(400);
    connect(&m_endSettleTimer, &QTimer::timeout, this, &DualPlayerController::PlayNextAfterSettling);

    m_landing = std::make_unique<PairLanding>(Players(), [this](PlayerSide side) {
        return (side == PlayerSide::Front ? m_frontRelay : m_rearRelay)->Arrivals();
    });
    connect(m_landing.get(), &PairLanding::ended, this, &DualPlayerController::OnLandingEnded);
    m_sync = std::make_unique<RearCameraSync>(
        Players(), [this] { return m_pendingSeek.IsPending() || m_landing->Active(); });
    connect(m_sync.get(), &RearCameraSync::corrected, this, &DualPlayerController::rearCorrected);
    m_startRestore = std::make_unique<StartRestore>(Players(), *m_landing, *m_sync);
    m_review = std::make_unique<ReviewHandOver>(m_library, Players(), *m_landing, *m_startRestore,
                                                [this] { OpenRecording(m_strCurrentPath); });
    connect(&Review(), &FrameReview::moved, this,
            [this](qint64 ms, qint64 length) { ShowMovedTo(ms, length); });
    connect(&Review(), &FrameReview::crossed, this, &DualPlayerController::OnReviewCrossed);
    for (PlayerEventRelay* relay : {m_frontRelay.get(), m_rearRelay.get()})
        relay->Connect(this, m_frontPlayer, m_rearPlayer, m_pendingSeek, *m_sync);
}

DualPlayerController::~DualPlayerController() {
    m_frontRelay->Detach();
    m_rearRelay->Detach();
    m_rearPlayer.StopAndClear();
    m_frontPlayer.StopAndClear();
}

FrameReview& DualPlayerController::Review() {
    return m_review->Review();
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
        m_rearPlayer.SetRate(RateAt(m_nRateIndex));
    }
    // The front player carries the sound and starts muted; the rear one stays at volume 0.
    m_frontPlayer.SetVolume(100);
    m_frontPlayer.SetMute(true);
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
// What libVLC's threads posted

bool DualPlayerController::event(QEvent* e) {
    if (e->type() != PlayerMessageEvent::Type())
        return QObject::event(e);
    HandlePlayerMessage(*static_cast<PlayerMessageEvent*>(e));
    return true;
}

void DualPlayerController::HandlePlayerMessage(const PlayerMessageEvent& m) {
    switch (m.kind) {
    case PlayerMessage::Time:
        OnTimeReport(m.side, m.value);
        break;
    case PlayerMessage::State:
        OnPlayerStateReport(m.side, m.state);
        break;
    case PlayerMessage::Arrived:
        m_landing->OnArrived(m.side, static_cast<uint64_t>(m.value));
        break;
    case PlayerMessage::End:
        PlayNext();
        break;
    case PlayerMessage::Error:
        emit playerError();
        break;
    case PlayerMessage::Stopped:
        emit gpsIndicatorChanged(0);
        break;
    case PlayerMessage::Started:
        OnPlayerStarted(m.side);
        break;
    case PlayerMessage::RearEnd: // the rear file ended while the front one plays on
        break;
    }
}

// A seek that became pending after the report was posted wins: the report is stale. So is one
// that arrives after both players were stopped (it would take the curve out of its stopped state).
void DualPlayerController::OnTimeReport(PlayerSide side, int64_t time) {
    if (m_pendingSeek.IsPending())
        return;
    VlcApi* source = MasterPlayer(true);
    if (!source)
        return;
    if (source != &Player(side))
        time = source->Time();
    int64_t length = source->Length();
    emit timeReported(time);
    emit seekBarPositionChanged(SeekBarPosition(time, length, Scale()));
}

void DualPlayerController::OnPlayerStateReport(PlayerSide side, PlayerState state) {
    if (state == PlayerState::Paused && Player(side).IsPlaying())
        return; // held at a jump's target: the button keeps showing pause
    if (state == PlayerState::Opening || state == PlayerState::Paused) {
        emit playButtonShowsPause(false);
    } else if (state == PlayerState::Buffering || state == PlayerState::Playing) {
        emit playButtonShowsPause(true);
        // libVLC unmutes when its audio output starts: the Vol button's state again, shortly.
        m_muteTimer.start();
    }
}

void DualPlayerController::OnPlayerStarted(PlayerSide side) {
    m_startRestore->OnStarted(side);
    m_landing->OnStarted(side);
}

void DualPlayerController::OnLandingEnded(bool landed) {
    m_review->ClearLeftPictures();
    if (landed)
        m_sync->Restart();
}

void DualPlayerController::RefreshSeekBarFromPlayers() {
    VlcApi* source = MasterPlayer(true);
    int64_t length = source ? source->Length() : 0;
    int64_t time = source ? source->Time() : 0;
    emit seekBarPositionChanged(SeekBarPosition(time, length, Scale()));
}

// ---------------------------------------------------------------------------------------------
// Panes

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

// ---------------------------------------------------------------------------------------------
// Opening

void DualPlayerController::LoadIntoPlayer(PlayerSide side, const QString& path, bool noAudio) {
    Player(side).LoadMedia(Utf8(path), noAudio);
    m_keyPictures.Load(Utf8(path));
}

void DualPlayerController::StartPlayer(VlcApi& player) {
    if (!player.IsLoaded())
        return;
    m_sync->Restart();
    m_startRestore->Cancel(Players().SideOf(player));
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
    Review().End();
    m_endSettleTimer.stop();
    Diag(" --->> DualPlayerController::OpenRecording %s \n", Utf8(path).c_str());
    QString front = FrontFileOf(path);
    if (front.isEmpty()) {
        // A rear file alone plays in the rear pane, with its sound.
        OpenRearPartner(m_strCurrentPath, false);
        m_host.FitVideoPanes();
        StartPlayer(m_rearPlayer);
        StartRateLabelRefresh();
        m_landing->LandTogether(0);
        return;
    }
    LoadIntoPlayer(PlayerSide::Front, front, false);
    m_host.FitVideoPanes();
    StartPlayer(m_frontPlayer);
    StartRateLabelRefresh();
    OpenRearPartner(m_strCurrentPath, true);
    m_landing->LandTogether(0);
}

void DualPlayerController::PlayRecordingAt(int index) {
    ShowPaneIfHidden(PlayerSide::Front);
    SelectAndPlay(index);
}

void DualPlayerController::PlayRecordingFrom(int index, int64_t startMs) {
    PlayRecordingAt(index);
    if (startMs > 0)
        m_startRestore->ArmBoth(startMs, false);
}

// ---------------------------------------------------------------------------------------------
// Transport

QString DualPlayerController::RateLabel() const {
    std::string_view label = RateLabelAt(m_nRateIndex);
    return label.empty() ? QString()
                         : QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
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
    m_pendingSeek.Clear();
    if (m_library.Records().empty()) {
        emit playButtonShowsPause(false);
        return;
    }
    if (m_review->Active() && m_review->Resume()) {
        emit curveResumed();
        return;
    }
    const bool pausing = Players().AnyPlaying();
    const int64_t shown = pausing ? TimeShown() : -1;
    if (pausing)
        m_landing->Abandon();
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
        m_review->Begin(shown, m_bFlip);
    else
        m_review->LandAtResumeTime();
}

void DualPlayerController::StopFrontPlayer() {
    m_frontPlayer.StopAndClear();
}

void DualPlayerController::StopBoth() {
    m_landing->Abandon();
    m_review->End();
    m_endSettleTimer.stop();
    m_startRestore->CancelBoth();
    m_frontPlayer.StopAndClear();
    m_rearPlayer.StopAndClear();
}

void DualPlayerController::StopPlayback() {
    m_pendingSeek.Clear();
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
    m_nRateIndex = SteppedRateIndex(m_nRateIndex, d);
    m_frontPlayer.SetRate(RateAt(m_nRateIndex));
    m_rearPlayer.SetRate(RateAt(m_nRateIndex));
    m_sync->Restart();
    RefreshRateLabel();
}

DualPlayerController::Interruption DualPlayerController::PausePlaying() {
    m_landing->Abandon();
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
    enum class Prior { Stopped, Playing, Paused } prior = Prior::Stopped;
    if (Players().AnyPlaying())
        prior = Prior::Playing;
    else if (Players().AnyPaused())
        prior = Prior::Paused;
    const bool reviewing = m_review->Active();
    bool wasPlaying[2] = {m_frontPlayer.IsPlaying(), m_rearPlayer.IsPlaying()};
    bool wasPaused[2] = {m_frontPlayer.IsPaused(), m_rearPlayer.IsPaused()};
    int64_t t = CurrentTime();
    StopBoth();
    m_rearPlayer.Recreate(m_bFlip ? VideoMode::Mirrored : VideoMode::Plain);
    m_frontPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Front));
    m_rearPlayer.SetWindow(m_host.PaneWindow(PlayerSide::Rear));
    if (!m_library.Records().empty())
        ReloadCurrentRecording();

    switch (prior) {
    case Prior::Playing:
        emit playButtonShowsPause(true);
        if (wasPlaying[0])
            StartPlayer(m_frontPlayer);
        if (wasPlaying[1])
            StartPlayer(m_rearPlayer);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
            if (PlayerPair::Runs(Player(side)))
                m_startRestore->Arm(side, t, false);
        break;
    case Prior::Paused:
        emit playButtonShowsPause(false);
        for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear}) {
            VlcApi& p = Player(side);
            if (!PlayerPair::HoldsMedia(p) || !(wasPaused[SideIndex(side)] || p.IsPlaying()))
                continue;
            // The reloaded front player has not started yet: it starts, goes to t and pauses
            // there, as the rear player does.
            if (!p.IsPlaying())
                p.Play();
            m_startRestore->Arm(side, t, true);
        }
        if (reviewing)
            m_review->Begin(t, m_bFlip);
        break;
    case Prior::Stopped:
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
// Snapshot

void DualPlayerController::Snapshot() {
    if (m_library.Scanning())
        return;
    if (m_library.Records().empty()) {
        m_host.ShowMessage(wintext::kNoFilesInList, wintext::kOkCaption);
        return;
    }
    if (m_review->Active()) {
        // The exact pictures shown, at the recordings' full resolution.
        QString path = m_host.AskSnapshotPath();
        if (!path.isEmpty())
            Review().SavePictures(WithCameraMark(path, "_F"), WithCameraMark(path, "_R"));
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
    std::optional<NextRecordingChoice> next = ChooseNextRecording(m_library);
    if (!next)
        return;
    auto warnOnce = [this](int index) {
        if (!m_bHevcWarned && !CanPlayRecording(index)) {
            m_host.ShowMessage(wintext::kNoHevcDecoder, 0);
            m_bHevcWarned = true;
        }
    };
    if (next->checkedFirst >= 0)
        warnOnce(next->checkedFirst);
    if (next->wrapped) {
        m_frontPlayer.StopAndClear();
        warnOnce(next->row);
    }
    SelectAndPlay(next->row);
}

// ---------------------------------------------------------------------------------------------
// Seeking

int64_t DualPlayerController::RequestSeekFromBar(int barPosition) {
    VlcApi* source = MasterPlayer(true);
    int64_t target = SeekTargetMs(source ? source->Length() : 0, barPosition, Scale());
    m_pendingSeek.Set(target);
    return target;
}

void DualPlayerController::ApplyPendingSeek() {
    std::optional<int64_t> target = m_pendingSeek.Target();
    if (!target)
        return;
    m_landing->SendBothTo(*target);
    m_sync->Restart();
    if (m_pFeed)
        m_pFeed->ReplotDrivenPath(*target);
    m_pendingSeek.Clear();
    m_review->FollowSeek(*target, m_bFlip);
}

// libVLC's own time is that of its last report, up to a quarter of a second old; the report
// carried on at the player's rate is nearer the picture on the screen.
int64_t DualPlayerController::TimeShown() {
    VlcApi* source = MasterPlayer(false);
    if (!source || m_review->Active() || m_landing->Active())
        return CurrentTime();
    std::optional<int64_t> now = m_sync->TimeNow(Players().SideOf(*source), 1000);
    if (!now)
        return CurrentTime();
    int64_t length = source->Length();
    return std::clamp<int64_t>(*now, 0, length > 0 ? length - 1 : *now);
}

int64_t DualPlayerController::CurrentTime() {
    if (m_review->Active())
        return Review().TimeMs();
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
    ms = std::max<int64_t>(ms, 0);
    m_pendingSeek.Clear();
    m_landing->SendBothTo(ms);
    ShowMovedTo(ms, length);
    m_review->FollowSeek(ms, m_bFlip);
}

// After the players were moved to ms by other means than playing: the driven path, the
// instruments and the seek bar follow at once.
void DualPlayerController::ShowMovedTo(int64_t ms, int64_t length) {
    m_sync->Restart();
    if (m_pFeed)
        m_pFeed->ReplotDrivenPath(ms);
    emit timeReported(ms);
    emit seekBarPositionChanged(SeekBarPosition(ms, length, Scale()));
}

// A skip while playing lands on a key picture (both cameras show it at once); while paused the
// review's exact picture is where it counts from and lands.
void DualPlayerController::SkipBy(int64_t deltaMs) {
    int64_t now = CurrentTime();
    if (now < 0)
        return;
    if (m_review->Active()) {
        SeekTo(now + deltaMs);
        return;
    }
    auto keysOf = [this](const VlcApi& player) {
        return player.IsLoaded() ? m_keyPictures.Of(player.MediaPath()) : std::nullopt;
    };
    const std::optional<std::vector<double>> front = keysOf(m_frontPlayer), rear = keysOf(m_rearPlayer);
    SeekTo(SkipLandingMs(now, deltaMs, front ? &*front : nullptr, rear ? &*rear : nullptr));
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
        m_review->Begin(shown, m_bFlip);
    }
    Review().Step(direction);
}

// The steps went on into another recording of the drive: it becomes current (list, track, lock
// button); the players load it when playing resumes.
void DualPlayerController::OnReviewCrossed(int row) {
    m_library.SelectRecording(row);
    if (m_pFeed)
        m_pFeed->LoadTrack(row);
    m_strCurrentPath = QString::fromStdString(m_library.GetRecordingPath(row));
    m_review->NoteCrossed();
    emit currentRecordingChanged();
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
    m_frontPlayer.SetMute(muted);
}

} // namespace vemora
