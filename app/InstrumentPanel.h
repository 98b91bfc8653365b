#pragma once
// The main window's instruments as the track feeder sees them: the G-sensor curve, the speed label
// and the compass behind the core's sink interfaces. A call from another thread (a track loaded
// by the open thread) is handed over to the widgets' thread, in order.

#include "telemetry/InstrumentSinks.h"

#include <QObject>

#include <functional>

namespace vemora {

class CGSensorCtrl;
class CSpeedLabelStatic;
class CPngCompassStatic;

class InstrumentPanel : public QObject, public GSensorSink, public InstrumentSink {
    Q_OBJECT
public:
    // Any widget may be null. Lives on the widgets' thread.
    InstrumentPanel(CGSensorCtrl* curve, CSpeedLabelStatic* speed, CPngCompassStatic* compass,
                    QObject* parent = nullptr);

    void ClearCurve() override;
    void ShowCurve(GSensorCurve curve) override;
    void ShowPosition(int32_t ms) override;
    void ShowHeading(int degrees) override;
    void ClearHeading() override;
    void ShowSpeed(bool valid, uint16_t kmh) override;

private:
    // Runs fn now on the widgets' thread, else queues it there.
    void OnWidgetThread(std::function<void()> fn);

    CGSensorCtrl* m_pCurve;
    CSpeedLabelStatic* m_pSpeed;
    CPngCompassStatic* m_pCompass;
};

} // namespace vemora
