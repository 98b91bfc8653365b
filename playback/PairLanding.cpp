#include "playback/PairLanding.h"

#include "platform/Diagnostics.h"

namespace vemora {

namespace {

// How long a player that arrived at a jump's target waits for the other one at most: longer than
// decoding a long group of full-HD pictures takes on a busy machine.
constexpr int kLandingPatienceMs = 4000;

} // namespace

PairLanding::PairLanding(PlayerPair players, std::function<uint64_t(PlayerSide)> arrivalsOf, QObject* parent)
    : QObject(parent), m_players(players), m_arrivalsOf(std::move(arrivalsOf)) {
    m_landingTimer.setSingleShot(true);
    m_landingTimer.setInterval(kLandingPatienceMs);
    connect(&m_landingTimer, &QTimer::timeout, this, &PairLanding::OnPatienceOver);
}

void PairLanding::PlayHeldPlayers() {
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear})
        if (m_landing.Held(SideIndex(side)) && m_players.Of(side).IsPlaying())
            m_players.Of(side).Play();
    m_landing.End();
}

void PairLanding::LandTogether(int64_t targetMs) {
    m_landing.End();
    for (PlayerSide side : {PlayerSide::Front, PlayerSide::Rear}) {
        VlcApi& player = m_players.Of(side);
        if (PlayerPair::Runs(player) && JointLanding::Awaits(targetMs, player.Length()))
            m_landing.Expect(SideIndex(side), m_arrivalsOf(side));
    }
    if (m_landing.Active())
        m_landingTimer.start();
    else
        Release();
}

// A player held by a landing still open plays again before the seek: a seek sent to a paused
// player is only decoded once it plays, too late for its pictures.
void PairLanding::SendBothTo(int64_t ms) {
    PlayHeldPlayers();
    m_players.front.SetTime(ms);
    m_players.rear.SetTime(ms);
    LandTogether(ms);
}

void PairLanding::ExpectAgain(PlayerSide side) {
    if (!m_landing.Active())
        return;
    m_landing.Expect(SideIndex(side), m_arrivalsOf(side));
    m_landingTimer.start();
}

void PairLanding::OnArrived(PlayerSide side, uint64_t arrivalCount) {
    switch (m_landing.Arrived(SideIndex(side), arrivalCount)) {
    case JointLanding::Step::Hold:
        m_players.Of(side).Pause();
        break;
    case JointLanding::Step::Release:
        Release();
        break;
    case JointLanding::Step::None:
        break;
    }
}

void PairLanding::OnStarted(PlayerSide side) {
    m_landing.Started(SideIndex(side));
}

void PairLanding::OnPatienceOver() {
    const bool wasOff = m_landing.Off();
    if (m_landing.PatienceOver(VlcApi::ArrivalEverTold()) == JointLanding::Step::Release)
        Release();
    if (!wasOff && m_landing.Off())
        Diag(" --->> PairLanding: libVLC tells no \"Decoder wait done\": the players are no longer "
             "held for each other after a jump \n");
}

void PairLanding::Release() {
    m_landingTimer.stop();
    const bool landed = m_landing.Active();
    PlayHeldPlayers();
    emit ended(landed);
}

void PairLanding::Abandon() {
    m_landingTimer.stop();
    m_landing.End();
    emit ended(false);
}

} // namespace vemora
