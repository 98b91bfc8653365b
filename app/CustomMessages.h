#pragma once
// The main window's custom messages. Child controls, the players' event callbacks and the worker
// threads reach the main window only through these, each carrying one small integer. They are
// posted Qt events, so any thread may send them; the main window handles them on the GUI thread.

#include <QCoreApplication>
#include <QEvent>

namespace vemora {

enum UserMessage : int {
    UM_PLAYER_ERROR = 0xC01,
    UM_LANGUAGE_CHANGED = 0xC02,
    UM_UNUSED_C03 = 0xC03,
    UM_TOGGLE_FULLSCREEN = 0xC04,
    UM_SHOW_CONTROLS = 0xC05,
    UM_PLAYER_STATE = 0xC06,
    UM_PLAYER_TIME = 0xC07,
    UM_END_REACHED = 0xC08,
    UM_OPEN_GROUP = 0xC09,
    UM_OPEN_FILE = 0xC0A,
    UM_MAP_CHANGED = 0xC0B,
    UM_VOLUME_CHANGED = 0xC0C,
    UM_SEEK_DRAGGED = 0xC0D,
    UM_REAR_END_REACHED = 0xC0E,
    UM_HEVC_WARNING = 0xC0F,
};

inline constexpr int kFirstUserMessage = UM_PLAYER_ERROR;
inline constexpr int kLastUserMessage = UM_HEVC_WARNING;

// Qt event types are allocated above QEvent::User; message m travels as User + m.
class UserMessageEvent : public QEvent {
public:
    UserMessageEvent(int message, qint64 wParam)
        : QEvent(static_cast<QEvent::Type>(QEvent::User + message)), m_message(message), m_wParam(wParam) {}

    int Message() const { return m_message; }
    qint64 WParam() const { return m_wParam; }

    static bool IsUserMessage(const QEvent* e) {
        int t = static_cast<int>(e->type()) - QEvent::User;
        return t >= kFirstUserMessage && t <= kLastUserMessage;
    }

private:
    int m_message;
    qint64 m_wParam;
};

// Safe from any thread: the receiver handles the message later on its own thread.
inline void PostUserMessage(QObject* receiver, int message, qint64 wParam) {
    QCoreApplication::postEvent(receiver, new UserMessageEvent(message, wParam));
}

} // namespace vemora
