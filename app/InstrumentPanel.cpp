#include "app/InstrumentPanel.h"

#include "widgets/GSensorCtrl.h"
#include "widgets/PngCompassStatic.h"
#include "widgets/SpeedLabel.h"

#include <QThread>

namespace vemora {

InstrumentPanel::InstrumentPanel(CGSensorCtrl* curve, CSpeedLabelStatic* speed, CPngCompassStatic* compass,
                                 QObject* parent)
    : QObject(parent), m_pCurve(curve), m_pSpeed(speed), m_pCompass(compass) {}

void InstrumentPanel::OnWidgetThread(std::function<void()> fn) {
    if (QThread::currentThread() == thread())
        fn();
    else
        QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void InstrumentPanel::ClearCurve() {
    OnWidgetThread([this] {
        if (m_pCurve)
            m_pCurve->ClearSamples();
    });
}

void InstrumentPanel::ShowCurve(GSensorCurve curve) {
    OnWidgetThread([this, curve = std::move(curve)]() mutable {
        if (!m_pCurve)
            return;
        m_pCurve->SetSamples(std::move(curve.samples), curve.fullScaleG, curve.rangeG);
        m_pCurve->SetSamplesPerMs(curve.samplesPerMs);
        m_pCurve->SetPixelsPerMs(curve.pixelsPerMs);
        m_pCurve->SetSpanMode(curve.spanMode);
    });
}

void InstrumentPanel::ShowPosition(int32_t ms) {
    OnWidgetThread([this, ms] {
        if (!m_pCurve)
            return;
        m_pCurve->SetStopped(false);
        m_pCurve->SetPosition(ms);
    });
}

void InstrumentPanel::ShowHeading(int degrees) {
    OnWidgetThread([this, degrees] {
        if (m_pCompass)
            m_pCompass->SetHeading(degrees);
    });
}

void InstrumentPanel::ClearHeading() {
    OnWidgetThread([this] {
        if (m_pCompass)
            m_pCompass->ClearHeading();
    });
}

void InstrumentPanel::ShowSpeed(bool valid, uint16_t kmh) {
    OnWidgetThread([this, valid, kmh] {
        if (m_pSpeed)
            m_pSpeed->SetSpeed(valid, kmh);
    });
}

} // namespace vemora
