#pragma once
// The two players of a recording: the front camera's file in the front pane, its rear partner in
// the rear pane, driven together by the transport commands (play/pause, stop, rates, seeking,
// volume, mute, mirror, snapshot) and moving on to the next recording at the end of one.
//
// libVLC reports on its own threads. Those callbacks only read atomic flags, stamp the players'
// time reports and post events to this object; everything else runs on the thread that owns it
// (the GUI thread). A libVLC thread never waits for the GUI thread and never calls into libVLC.
// While a scan fills the library on its worker, the commands that read the list do nothing.
//
// The controller keeps the players and the transport; its parts each do one thing: keeping the
// rear camera in step (RearCameraSync), landing both players together after a jump
// (PairLanding), moving a player just started to its time (StartRestore) and handing the panes
// to the paused review and back (ReviewHandOver).

#include "media/KeyPictures.h"
#include "playback/PlayerEvents.h"
#include "playback/PlayerHost.h"
#include "playback/PlayerPair.h"
#include "playback/RearCameraSync.h"
#include "playback/VlcApi.h"
#include "playback/transport/CameraSync.h"
#include "playback/transport/NextRecording.h"
#include "playback/transport/PlaybackRates.h"
#include "playback/transport/SeekScale.h"
#include "playback/transport/SharedPendingSeek.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace vemora {

class CRecordingLibrary;
class FrameReview;
class PairLanding;
class ReviewHandOver;
class StartRestore;
class TrackFeed;

class DualPlayerController : public QObject {
    Q_OBJECT
public:
    DualPlayerController(CRecordingLibrary& library, PlayerHost& host, QObject* parent = nullptr);
    ~DualPlayerController() override;

    // --- Wiring --------------------------------------------------------------------------------
    void SetTrackFeed(TrackFeed* feed) { m_pFeed = feed; }
    // Where the seek bar's calibration comes from (it changes when the bar is resized).
    void SetSeekScaleSource(std::function<SeekScale()> source) { m_seekScale = std::move(source); }
    // Binds both players to their panes, attaches their event callbacks and sets rate 1.0;
    // the front player gets volume 100 and starts muted. Returns false for each player that
    // could not be loaded (the caller warns).
    void AttachPlayers(bool* frontLoaded, bool* rearLoaded);
    // Log files of the two players (either may be null).
    void SetLogFiles(FILE* front, FILE* rear);
    // Result of the hardware-decoding probe: H.265 plays without a warning when set.
    void SetHevcDecode(bool on) { m_bHevcDecode = on; }
    // Keeping the rear camera on the front camera's time (off unless switched on).
    void SetSyncEnabled(bool on) { m_sync->SetEnabled(on); }
    bool SyncEnabled() const { return m_sync->Enabled(); }
    // Holds one player for ms while the other plays on, as if it had been started that much
    // later (checks of the correction).
    void HoldPlayer(PlayerSide side, int ms) { m_sync->HoldPlayer(side, ms); }
    // How far the rear player's time is behind the front one's now (negative: ahead), from the
    // players' last time reports; nothing before both have reported.
    std::optional<int64_t> RearBehindMs() const { return m_sync->RearBehindMs(); }

    // --- Opening -------------------------------------------------------------------------------
    void LoadIntoPlayer(PlayerSide side, const QString& path, bool noAudio);
    // Starts the front and rear players for a recording given by either of its files.
    void OpenRecording(const QString& path);
    void OpenRearPartner(const QString& path, bool noAudio);
    // Makes a row of the library current, loads its track and plays it.
    void PlayRecordingAt(int index);
    // The same, from startMs on (both players move there once they play).
    void PlayRecordingFrom(int index, int64_t startMs);
    // False when the recording or its partner is H.265 and the machine cannot decode H.265.
    bool CanPlayRecording(int index) const {
        return vemora::CanPlayRecording(m_library, index, m_bHevcDecode);
    }

    // --- Transport -----------------------------------------------------------------------------
    void TogglePlayPause();
    void StopPlayback();
    // Stops both players and clears their marks (OPEN, list activations, file operations).
    void StopBoth();
    // Closing and Cancel stop only the front player.
    void StopFrontPlayer();
    void StepRate(int d);
    // Rate 1.0 on both players (OPEN).
    void ResetRate();
    void Flip();
    void Snapshot();
    // End of the master player's file: the next recording, skipping the current one's partner,
    // wrapping around after the last; nothing more while auto-play is off.
    void PlayNext();

    // Pauses the playing players for the time of some other work; Resume plays them again.
    struct Interruption {
        bool front = false;
        bool rear = false;
    };
    Interruption PausePlaying();
    void Resume(Interruption paused);

    // --- Seeking -------------------------------------------------------------------------------
    // A seek-bar position while the bar is dragged or released: stores the pending seek and
    // returns its target time (0 at the very start), which the instruments show at once.
    int64_t RequestSeekFromBar(int barPosition);
    // Moves both players to ms at once (skips, jolts): the instruments and the seek bar follow.
    void SeekTo(int64_t ms);
    // Moves both players deltaMs from where the front one is (within the recording).
    void SkipBy(int64_t deltaMs);
    // One front picture forward (+1) or back (-1), exactly, both cameras paused.
    void StepFrame(int direction);
    // The exact paused pictures over the panes (zoom, stills).
    FrameReview& Review();
    // To a little before the next (+1) or previous (-1) jolt of the G-sensor; false with none.
    bool JumpToJolt(int direction);
    // Where playback is: the leading player's time, paused or playing; -1 with none.
    int64_t CurrentTime();
    // The time of the picture the leading player shows now (pausing and stepping start there).
    int64_t TimeShown();
    // Applies a pending seek to both players (every 500 ms); the driven path is redrawn.
    void ApplyPendingSeek();
    std::optional<int64_t> PendingSeek() const { return m_pendingSeek.Target(); }
    void ClearPendingSeek() { m_pendingSeek.Clear(); }
    // Puts the seek bar where the players are, 200 ms from now (after a resize).
    void RefreshSeekBarSoon() { m_seekBarRefreshTimer.start(); }

    // --- Sound ---------------------------------------------------------------------------------
    // Volume slider position 0..100; the front player gets twice that.
    void SetVolumePos(int position);
    int VolumePos() const { return m_nVolumePos; }
    // OPEN gives the front player the slider's volume again.
    void ApplySliderVolume();
    // The Vol button: the front player is muted while it is in its second state.
    void SetMuted(bool muted);
    bool Muted() const { return m_bMuted; }

    // --- State ---------------------------------------------------------------------------------
    const VlcApi& Front() const { return m_frontPlayer; }
    const VlcApi& Rear() const { return m_rearPlayer; }
    int RateIndex() const { return m_nRateIndex; }
    QString RateLabel() const;
    bool AutoPlayNext() const { return m_bAutoPlayNext; }
    void SetAutoPlayNext(bool on) { m_bAutoPlayNext = on; }
    bool Flipped() const { return m_bFlip; }
    bool HevcDecode() const { return m_bHevcDecode; }
    bool HevcWarned() const { return m_bHevcWarned.load(); }
    void MarkHevcWarned() { m_bHevcWarned = true; }
    QString CurrentPath() const { return m_strCurrentPath; }
    void SetCurrentPath(const QString& path) { m_strCurrentPath = path; }
    bool PaneHidden(PlayerSide side) const {
        return side == PlayerSide::Front ? m_bFrontHidden : m_bRearHidden;
    }
    // Called by the window when it shows or hides a pane itself (full screen, file operations).
    void NotePaneHidden(PlayerSide side, bool hidden) {
        (side == PlayerSide::Front ? m_bFrontHidden : m_bRearHidden) = hidden;
    }
    // True while either player is playing or paused.
    bool HasActivePlayer() const {
        for (const VlcApi* p : {&m_frontPlayer, &m_rearPlayer})
            if (p->IsLoaded() && (p->IsPlaying() || p->IsPaused()))
                return true;
        return false;
    }

signals:
    // The PLAY button shows its pause picture while true.
    void playButtonShowsPause(bool pause);
    // The rate label's text: empty at normal speed.
    void rateLabelChanged(const QString& label);
    void seekBarPositionChanged(int position);
    // The G-sensor cursor goes back to the start; stopped = the curve shows its stopped state.
    void curveReset(bool stopped);
    // Playback resumed: the curve leaves its stopped state.
    void curveResumed();
    void gpsIndicatorChanged(int state);
    // The master player's time while no seek is pending: the instruments follow it.
    void timeReported(qint64 ms);
    void playerError();
    // A correction of the rear player: kind is SetRate (for ms) or Seek (by ms).
    void rearCorrected(SyncAction::Kind kind, double rate, qint64 ms);
    // Another recording became current (the lock button follows it).
    void currentRecordingChanged();

protected:
    bool event(QEvent* e) override;

private:
    void HandlePlayerMessage(const PlayerMessageEvent& message);
    void OnTimeReport(PlayerSide side, int64_t time);
    void OnPlayerStateReport(PlayerSide side, PlayerState state);
    void OnPlayerStarted(PlayerSide side);

    VlcApi& Player(PlayerSide side) { return side == PlayerSide::Front ? m_frontPlayer : m_rearPlayer; }
    PlayerPair Players() { return {m_frontPlayer, m_rearPlayer}; }
    VlcApi* MasterPlayer(bool includePaused) { return Players().Master(includePaused); }
    void ShowPaneIfHidden(PlayerSide side);
    void HidePaneIfShown(PlayerSide side);
    void StartPlayer(VlcApi& player);
    void StartRateLabelRefresh();
    void RefreshRateLabel();
    void RefreshSeekBarFromPlayers();
    void PlayNextAfterSettling();
    void ReloadCurrentRecording();
    QString FrontFileOf(const QString& path) const;
    void ShowMovedTo(int64_t ms, int64_t length);
    void SelectAndPlay(int index);
    SeekScale Scale() const { return m_seekScale ? m_seekScale() : SeekScale{}; }
    void OnReviewCrossed(int row);
    void OnLandingEnded(bool landed);

    CRecordingLibrary& m_library;
    PlayerHost& m_host;
    TrackFeed* m_pFeed = nullptr;
    std::function<SeekScale()> m_seekScale;

    // The relays outlive the players: libVLC may still call back while a player is released.
    std::unique_ptr<PlayerEventRelay> m_frontRelay;
    std::unique_ptr<PlayerEventRelay> m_rearRelay;
    // Released in reverse order: the rear player before the front player.
    VlcApi m_frontPlayer;
    VlcApi m_rearPlayer;

    int m_nRateIndex = kNormalRateIndex;
    bool m_bAutoPlayNext = true;
    bool m_bFlip = false;
    SharedPendingSeek m_pendingSeek;
    int m_nVolumePos = 50;
    bool m_bMuted = true;
    std::atomic<bool> m_bHevcWarned{false};
    bool m_bHevcDecode = false;
    QString m_strCurrentPath;
    int m_nRateLabelTicks = 10;
    bool m_bFrontHidden = true;
    bool m_bRearHidden = true;

    QTimer m_rateLabelTimer;      // refreshes the rate label 11 times after an opening
    QTimer m_pendingSeekTimer;    // applies a pending seek every 500 ms
    QTimer m_seekBarRefreshTimer; // one-shot: seek bar from the players
    QTimer m_muteTimer;           // one-shot: the mute again once the audio output runs
    QTimer m_endSettleTimer;      // one-shot: the next recording once the ended one has settled

    // The parts work on the players and go before them.
    std::unique_ptr<RearCameraSync> m_sync;
    std::unique_ptr<PairLanding> m_landing;
    // The loaded files' key pictures, where skips land.
    media::KeyPictures m_keyPictures;
    std::unique_ptr<StartRestore> m_startRestore;
    std::unique_ptr<ReviewHandOver> m_review;
};

} // namespace vemora
