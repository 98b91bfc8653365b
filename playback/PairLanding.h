#pragma once
// Both players land together after a jump: JointLanding's account carried out on the players,
// with the patience for a player that never arrives.

#include "playback/PlayerPair.h"
#include "playback/transport/JointLanding.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace vemora {

class PairLanding : public QObject {
    Q_OBJECT
public:
    // arrivalsOf: how many first pictures a player has shown since it was created.
    PairLanding(PlayerPair players, std::function<uint64_t(PlayerSide)> arrivalsOf,
                QObject* parent = nullptr);

    bool Active() const { return m_landing.Active(); }
    // The playing players were just sent to targetMs (or started): the first to show its picture
    // there waits for the other. A player whose file ends before targetMs is not waited for.
    void LandTogether(int64_t targetMs);
    // Both players to ms (skips, seek-bar seeks, jolts), landing together.
    void SendBothTo(int64_t ms);
    // A player of the open landing was sent on again (to its start time): its next arrival counts.
    void ExpectAgain(PlayerSide side);
    void OnArrived(PlayerSide side, uint64_t arrivalCount);
    // The player reported Playing.
    void OnStarted(PlayerSide side);
    // Plays the held players again and ends the landing.
    void Release();
    // Ends the landing without playing anyone (the players are paused or stopped).
    void Abandon();

signals:
    // The landing is over; landed: it ended by the players' arrival (or the patience), not by
    // being abandoned.
    void ended(bool landed);

private:
    void PlayHeldPlayers();
    void OnPatienceOver();

    PlayerPair m_players;
    std::function<uint64_t(PlayerSide)> m_arrivalsOf;
    JointLanding m_landing;
    QTimer m_landingTimer; // one-shot: a player that never arrives is not waited for longer
};

} // namespace vemora
