#pragma once
// libVLC seeks and pauses only a player that already plays: a player just started is moved to
// its time (when not negative), and paused when asked, at its first Playing report.

#include "playback/PlayerPair.h"

#include <cstdint>

namespace vemora {

class PairLanding;
class RearCameraSync;

class StartRestore {
public:
    StartRestore(PlayerPair players, PairLanding& landing, RearCameraSync& sync)
        : m_players(players), m_landing(landing), m_sync(sync) {}

    // The player was (or is about to be) started: at its Playing report it goes to timeMs, and
    // pauses there with pause (it counts as paused from now on).
    void Arm(PlayerSide side, int64_t timeMs, bool pause);
    // Both players that hold a media, the same way.
    void ArmBoth(int64_t timeMs, bool pause);
    // The player was started afresh: nothing waits for its report.
    void Cancel(PlayerSide side) { m_restore[SideIndex(side)].waiting = false; }
    void CancelBoth() { m_restore[0].waiting = m_restore[1].waiting = false; }
    // The player reported Playing.
    void OnStarted(PlayerSide side);

private:
    struct Restore {
        bool waiting = false;
        int64_t timeMs = -1;
        bool pause = false;
    };
    PlayerPair m_players;
    PairLanding& m_landing;
    RearCameraSync& m_sync;
    Restore m_restore[2];
};

} // namespace vemora
