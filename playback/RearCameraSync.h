#pragma once
// Keeps the rear camera's player on the front one's time while both play: every 100 ms the two
// players' times now (from their last time reports, stamped on libVLC's threads) are compared and
// CameraSync's decision is carried out on the rear player. Off unless switched on.

#include "playback/PlayerPair.h"
#include "playback/transport/CameraSync.h"
#include "playback/transport/TimeSighting.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace vemora {

class RearCameraSync : public QObject {
    Q_OBJECT
public:
    // heldOff: true while the players are moving anyway (a pending seek, a landing).
    RearCameraSync(PlayerPair players, std::function<bool()> heldOff, QObject* parent = nullptr);

    void SetEnabled(bool on);
    bool Enabled() const { return m_bSync; }
    // Clocks start again and the rear player returns to the front rate (after anything that moves
    // or restarts a player).
    void Restart();
    // Holds one player for ms while the other plays on, as if it had been started that much
    // later (checks of the correction).
    void HoldPlayer(PlayerSide side, int ms);

    // On libVLC's threads: a player reported its time.
    void Sight(PlayerSide side, int64_t timeMs);
    // A player's time now from its last report; nothing before it has reported, or when that
    // report is older than maxAgeMs.
    std::optional<int64_t> TimeNow(PlayerSide side, int64_t maxAgeMs = INT64_MAX) const;
    // How far the rear player's time is behind the front one's now (negative: ahead).
    std::optional<int64_t> RearBehindMs() const;

signals:
    // A correction of the rear player (kind SetRate or Seek).
    void corrected(SyncAction::Kind kind, double rate, qint64 ms);

private:
    void KeepRearInStep();
    void EndRateCorrection();
    TimeSighting LastSighting(PlayerSide side) const;

    PlayerPair m_players;
    std::function<bool()> m_heldOff;
    bool m_bSync = false;
    CameraSync m_sync;
    QTimer m_syncTimer;           // compares the two players' times while both play
    QTimer m_syncCorrectionTimer; // ends a rate correction of the rear player
    // Written by libVLC's threads.
    mutable std::mutex m_sightingMutex;
    TimeSighting m_sighting[2];
};

} // namespace vemora
