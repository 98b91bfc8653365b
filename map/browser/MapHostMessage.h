#pragma once
// The message the browser side posts to the map window: "context initialised" or "refresh".

#include <QCoreApplication>
#include <QEvent>

namespace vemora {

inline constexpr int kMapHostMessage = 0x4C8;
inline constexpr int kMapContextInitialized = 0xF011;
inline constexpr int kMapRefresh = 0xF021;

class MapHostEvent : public QEvent {
public:
    explicit MapHostEvent(int wParam) : QEvent(Type()), m_wParam(wParam) {}
    int WParam() const { return m_wParam; }
    static QEvent::Type Type() { return static_cast<QEvent::Type>(QEvent::User + kMapHostMessage); }

private:
    int m_wParam;
};

inline void PostMapHostMessage(QObject* mapWindow, int wParam) {
    QCoreApplication::postEvent(mapWindow, new MapHostEvent(wParam));
}

} // namespace vemora
