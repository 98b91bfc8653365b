#include "playback/PlayerEvents.h"

#include "playback/RearCameraSync.h"
#include "playback/VlcApi.h"
#include "playback/transport/SharedPendingSeek.h"

#include <QCoreApplication>

namespace vemora {

QEvent::Type PlayerMessageEvent::Type() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PlayerEventRelay::Connect(QObject* target, const VlcApi& front, const VlcApi& rear,
                               SharedPendingSeek& pendingSeek, RearCameraSync& sync) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_target = target;
    m_front = &front;
    m_rear = &rear;
    m_pendingSeek = &pendingSeek;
    m_sync = &sync;
}

void PlayerEventRelay::Detach() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_target = nullptr;
}

void PlayerEventRelay::Callback(const libvlc_event_t* event, void* data) {
    auto* relay = static_cast<PlayerEventRelay*>(data);
    int64_t newTime =
        event->type == libvlc_MediaPlayerTimeChanged ? event->u.media_player_time_changed.new_time : 0;
    std::lock_guard<std::mutex> lock(relay->m_mutex);
    if (relay->m_target)
        relay->OnEvent(event->type, newTime);
}

void PlayerEventRelay::Arrived(void* data) {
    auto* relay = static_cast<PlayerEventRelay*>(data);
    uint64_t count = ++relay->m_arrivals;
    std::lock_guard<std::mutex> lock(relay->m_mutex);
    if (relay->m_target)
        relay->Post(PlayerMessage::Arrived, static_cast<int64_t>(count));
}

void PlayerEventRelay::Post(PlayerMessage kind, int64_t value, PlayerState state) {
    QCoreApplication::postEvent(m_target, new PlayerMessageEvent(kind, m_side, value, state));
}

// The rear player drives the window only while no front video plays.
void PlayerEventRelay::OnEvent(int type, int64_t newTime) {
    if (type == libvlc_MediaPlayerTimeChanged)
        m_sync->Sight(m_side, newTime);
    if (type == libvlc_MediaPlayerPlaying)
        Post(PlayerMessage::Started);
    bool frontIsMaster = m_front->IsLoaded() && m_front->IsPlaying();
    if (m_side == PlayerSide::Rear && frontIsMaster) {
        if (type == libvlc_MediaPlayerEndReached) {
            Post(PlayerMessage::RearEnd);
            m_pendingSeek->Clear();
        }
        return;
    }
    switch (type) {
    case libvlc_MediaPlayerOpening:
        m_pendingSeek->Clear();
        Post(PlayerMessage::Stopped);
        break;
    case libvlc_MediaPlayerStopped:
        Post(PlayerMessage::Stopped);
        break;
    case libvlc_MediaPlayerPlaying:
        Post(PlayerMessage::State, 0, PlayerState::Playing);
        break;
    case libvlc_MediaPlayerPaused:
        // A player held at a jump's target stays playing for the controller.
        if (!(m_side == PlayerSide::Front ? m_front : m_rear)->IsPlaying())
            m_pendingSeek->Clear();
        Post(PlayerMessage::State, 0, PlayerState::Paused);
        break;
    case libvlc_MediaPlayerEndReached:
        Post(PlayerMessage::End);
        m_pendingSeek->Clear();
        break;
    case libvlc_MediaPlayerEncounteredError:
        Post(PlayerMessage::Error);
        break;
    case libvlc_MediaPlayerTimeChanged:
        if (!m_pendingSeek->IsPending())
            Post(PlayerMessage::Time, newTime);
        break;
    default:
        break;
    }
}

} // namespace vemora
