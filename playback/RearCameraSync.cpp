#include "playback/RearCameraSync.h"

#include <algorithm>
#include <chrono>

namespace vemora {

namespace {

int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

RearCameraSync::RearCameraSync(PlayerPair players, std::function<bool()> heldOff, QObject* parent)
    : QObject(parent), m_players(players), m_heldOff(std::move(heldOff)) {
    m_syncTimer.setInterval(100);
    connect(&m_syncTimer, &QTimer::timeout, this, &RearCameraSync::KeepRearInStep);
    m_syncCorrectionTimer.setSingleShot(true);
    m_syncCorrectionTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_syncCorrectionTimer, &QTimer::timeout, this, &RearCameraSync::EndRateCorrection);
}

void RearCameraSync::SetEnabled(bool on) {
    m_bSync = on;
    Restart();
    if (on)
        m_syncTimer.start();
    else
        m_syncTimer.stop();
}

void RearCameraSync::HoldPlayer(PlayerSide side, int ms) {
    VlcApi& player = m_players.Of(side);
    if (!player.IsLoaded() || !player.IsPlaying())
        return;
    player.MarkPaused();
    player.Pause();
    QTimer::singleShot(ms, this, [this, side] {
        VlcApi& held = m_players.Of(side);
        if (held.IsLoaded() && held.IsPaused()) {
            held.Play();
            held.MarkPlaying();
        }
    });
}

void RearCameraSync::Restart() {
    m_sync.Restart(SteadyMs());
    m_syncCorrectionTimer.stop();
    VlcApi& front = m_players.front;
    VlcApi& rear = m_players.rear;
    if (rear.IsLoaded() && rear.Rate() != front.Rate() && front.IsLoaded())
        rear.SetRate(front.Rate());
}

void RearCameraSync::Sight(PlayerSide side, int64_t timeMs) {
    std::lock_guard<std::mutex> lock(m_sightingMutex);
    m_sighting[SideIndex(side)] = {timeMs, SteadyMs()};
}

TimeSighting RearCameraSync::LastSighting(PlayerSide side) const {
    std::lock_guard<std::mutex> lock(m_sightingMutex);
    return m_sighting[SideIndex(side)];
}

// Each time report is stamped by libVLC's thread the moment it is made, so a player's time now
// is its last report plus the time since, at its rate.
std::optional<int64_t> RearCameraSync::TimeNow(PlayerSide side, int64_t maxAgeMs) const {
    TimeSighting seen = LastSighting(side);
    int64_t now = SteadyMs();
    std::optional<int64_t> time = seen.TimeAt(now, m_players.Of(side).Rate());
    if (!time || now - seen.wallMs > maxAgeMs)
        return std::nullopt;
    return time;
}

std::optional<int64_t> RearCameraSync::RearBehindMs() const {
    std::optional<int64_t> front = TimeNow(PlayerSide::Front), rear = TimeNow(PlayerSide::Rear);
    if (!front || !rear)
        return std::nullopt;
    return *front - *rear;
}

// The front player carries the sound and leads; only the rear one is ever corrected.
void RearCameraSync::KeepRearInStep() {
    VlcApi& front = m_players.front;
    VlcApi& rear = m_players.rear;
    if (!m_bSync || !front.IsLoaded() || !rear.IsLoaded() || !front.IsPlaying() || !rear.IsPlaying() ||
        m_syncCorrectionTimer.isActive() || m_heldOff())
        return;
    int64_t now = SteadyMs();
    // Only reports made after the last restart or correction count.
    if (!m_sync.Listening(now, LastSighting(PlayerSide::Front).wallMs, LastSighting(PlayerSide::Rear).wallMs))
        return;
    std::optional<int64_t> behind = RearBehindMs();
    int64_t length = rear.Length();
    if (!behind || (length > 0 && front.Time() >= length))
        return; // the rear file is shorter: it simply ends first
    SyncAction action = m_sync.Decide(*behind, front.Rate());
    switch (action.kind) {
    case SyncAction::Kind::SetRate:
        rear.SetRate(static_cast<float>(action.rate));
        m_syncCorrectionTimer.start(static_cast<int>(action.forMs));
        break;
    case SyncAction::Kind::Seek:
        rear.SetTime(std::max<int64_t>(0, TimeNow(PlayerSide::Front).value_or(front.Time())));
        m_sync.Restart(now);
        break;
    case SyncAction::Kind::None:
        return;
    }
    emit corrected(action.kind, action.rate,
                   action.kind == SyncAction::Kind::Seek ? action.byMs : action.forMs);
}

void RearCameraSync::EndRateCorrection() {
    if (m_players.rear.IsLoaded() && m_players.front.IsLoaded())
        m_players.rear.SetRate(m_players.front.Rate());
    m_sync.Restart(SteadyMs());
}

} // namespace vemora
