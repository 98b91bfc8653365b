#include "widgets/SpeedLabel.h"

#include "widgets/OutlinedText.h"

#include <QMouseEvent>
#include <QPainter>

namespace vemora {
namespace {

const QColor kGround(5, 5, 5);

} // namespace

// Both labels paint their whole ground themselves: the window under them (its outlined title
// among it) need not be painted again each time they change.
CSpeedLabelStatic::CSpeedLabelStatic(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("speed"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateText();
}

// Called with every time report of the players: a speed that did not change is not painted again.
void CSpeedLabelStatic::SetSpeed(bool valid, uint16_t kmh) {
    if ((m_bValid != 0) == valid && m_wSpeedKmh == kmh)
        return;
    m_bValid = valid ? 1 : 0;
    m_wSpeedKmh = kmh;
    UpdateText();
    update();
}

int CSpeedLabelStatic::UpdateText() {
    m_strUnit = m_bMetric ? QStringLiteral("Km/h") : QStringLiteral("MPH");
    const int shown = m_bMetric ? m_wSpeedKmh : (m_wSpeedKmh * 10) / 16;
    m_strValue = QString::asprintf("%3d", shown);
    return 1;
}

void CSpeedLabelStatic::ToggleUnit() {
    m_bMetric = !m_bMetric;
    UpdateText();
    update();
}

void CSpeedLabelStatic::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        ToggleUnit();
}

void CSpeedLabelStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kGround);
    if (!m_bValid)
        return;
    DrawOutlinedText(p, m_strValue, QPointF(0, 10), 20, OutlinedTextStyle::Digits);
    DrawOutlinedText(p, m_strUnit, QPointF(40, 18), 12, OutlinedTextStyle::Digits);
}

CPbSpeedLabelStatic::CPbSpeedLabelStatic(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rate"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CPbSpeedLabelStatic::SetText(const QString& text, bool show) {
    if (text == m_strText && (m_bShow != 0) == show)
        return 1;
    m_strText = text;
    m_bShow = show ? 1 : 0;
    update();
    return 1;
}

void CPbSpeedLabelStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kGround);
    if (m_bShow)
        DrawOutlinedText(p, m_strText, QPointF(0, 10), 20, OutlinedTextStyle::Digits);
}

} // namespace vemora
