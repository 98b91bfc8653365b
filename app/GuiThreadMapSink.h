#pragma once
// Hands the track feeder's map calls to the map window's thread when they come from another one
// (a track loaded by the open thread), keeping their order; calls on that thread go straight
// through.

#include "map/MapScriptSink.h"

#include <QObject>

namespace vemora {

class GuiThreadMapSink : public QObject, public MapScriptSink {
    Q_OBJECT
public:
    // target: the map bridge, living on this object's thread.
    explicit GuiThreadMapSink(MapScriptSink* target, QObject* parent = nullptr);

    void ExecuteScript(const std::string& script) override;
    // From another thread the move is queued and the answer is whether the position is not (0, 0).
    bool MoveMarker(double latitude, double longitude, int format) override;

private:
    MapScriptSink* m_pTarget;
};

} // namespace vemora
