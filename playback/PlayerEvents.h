#pragma once
// How libVLC's threads reach the player controller. Each player's callbacks get a relay as their
// user data; on libVLC's threads the relay only reads the players' atomic flags, stamps the time
// reports, clears the pending seek and posts what it heard to the controller as an event.

#include "playback/PlayerHost.h"
#include "playback/transport/PlayerState.h"

#include <vlc/vlc.h>

#include <QEvent>

#include <atomic>
#include <cstdint>
#include <mutex>

class QObject;

namespace vemora {

class RearCameraSync;
class SharedPendingSeek;
class VlcApi;

// What a libVLC callback tells the GUI thread.
enum class PlayerMessage { Time, State, End, RearEnd, Error, Stopped, Started, Arrived };

class PlayerMessageEvent : public QEvent {
public:
    static QEvent::Type Type();
    PlayerMessageEvent(PlayerMessage kind, PlayerSide side, int64_t value, PlayerState state)
        : QEvent(Type()), kind(kind), side(side), value(value), state(state) {}
    PlayerMessage kind;
    PlayerSide side;
    int64_t value;     // Time: the time reported; Arrived: the player's arrival count
    PlayerState state; // State
};

class PlayerEventRelay {
public:
    explicit PlayerEventRelay(PlayerSide side) : m_side(side) {}

    // From now on the player's events are posted to target; time reports are stamped in sync.
    void Connect(QObject* target, const VlcApi& front, const VlcApi& rear, SharedPendingSeek& pendingSeek,
                 RearCameraSync& sync);
    // Before the players are released: a late callback finds no target instead of a destroyed one.
    void Detach();
    // How many first pictures the player has shown since it was created.
    uint64_t Arrivals() const { return m_arrivals.load(); }

    static void Callback(const libvlc_event_t* event, void* data);
    // On libVLC's input thread: the player's first picture after an opening or a seek.
    static void Arrived(void* data);

private:
    void OnEvent(int type, int64_t newTime);
    void Post(PlayerMessage kind, int64_t value = 0, PlayerState state = PlayerState::NothingSpecial);

    const PlayerSide m_side;
    std::mutex m_mutex; // guards the targets below against Detach
    QObject* m_target = nullptr;
    const VlcApi* m_front = nullptr;
    const VlcApi* m_rear = nullptr;
    SharedPendingSeek* m_pendingSeek = nullptr;
    RearCameraSync* m_sync = nullptr;
    std::atomic<uint64_t> m_arrivals{0};
};

} // namespace vemora
