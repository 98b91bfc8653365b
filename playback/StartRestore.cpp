#include "playback/StartRestore.h"

#include "playback/PairLanding.h"
#include "playback/RearCameraSync.h"

namespace vemora {

void StartRestore::Arm(PlayerSide side, int64_t timeMs, bool pause) {
    if (pause)
        m_players.Of(side).MarkPaused();
    m_restore[SideIndex(side)] = {true, timeMs, pause};
}

void StartRestore::ArmBoth(int64_t timeMs, bool pause) {
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
        if (PlayerPair::HoldsMedia(m_players.Of(side)))
            Arm(side, timeMs, pause);
}

void StartRestore::OnStarted(PlayerSide side) {
    Restore& restore = m_restore[SideIndex(side)];
    if (!restore.waiting)
        return;
    restore.waiting = false;
    VlcApi& player = m_players.Of(side);
    if (restore.timeMs >= 0) {
        player.SetTime(restore.timeMs);
        // The arrival awaited is now the one at the start time.
        if (!restore.pause)
            m_landing.ExpectAgain(side);
    }
    m_sync.Restart();
    if (restore.pause && player.IsPaused())
        player.Pause();
}

} // namespace vemora
