#include "app/GuiThreadMapSink.h"

#include <QThread>

namespace vemora {

GuiThreadMapSink::GuiThreadMapSink(MapScriptSink* target, QObject* parent)
    : QObject(parent), m_pTarget(target) {}

void GuiThreadMapSink::ExecuteScript(const std::string& script) {
    if (QThread::currentThread() == thread()) {
        m_pTarget->ExecuteScript(script);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, script] { m_pTarget->ExecuteScript(script); }, Qt::QueuedConnection);
}

bool GuiThreadMapSink::MoveMarker(double latitude, double longitude, int format) {
    if (QThread::currentThread() == thread())
        return m_pTarget->MoveMarker(latitude, longitude, format);
    QMetaObject::invokeMethod(
        this, [this, latitude, longitude, format] { m_pTarget->MoveMarker(latitude, longitude, format); },
        Qt::QueuedConnection);
    return latitude != 0 || longitude != 0;
}

} // namespace vemora
