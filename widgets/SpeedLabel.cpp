#include "widgets/SpeedLabel.h"

#include "widgets/OutlinedText.h"

#include <QPainter>

namespace vemora {

CSpeedLabelStatic::CSpeedLabelStatic(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("speed"));
}

void CSpeedLabelStatic::SetSpeedKmh(int kmh) {
    m_nSpeedKmh = kmh;
    update();
}

void CSpeedLabelStatic::ToggleUnit() {
    m_bMph = !m_bMph;
    update();
}

QString CSpeedLabelStatic::Text() const {
    if (m_bMph)
        return QStringLiteral("%1 MPH").arg(qRound(m_nSpeedKmh / 1.609344));
    return QStringLiteral("%1 Km/h").arg(m_nSpeedKmh);
}

void CSpeedLabelStatic::mouseDoubleClickEvent(QMouseEvent*) {
    ToggleUnit();
}

void CSpeedLabelStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 5, 5));
    DrawOutlinedText(p, Text(), QPointF(2, 2), qMax(10, height() - 8), OutlinedTextStyle::Speed);
}

CPbSpeedLabelStatic::CPbSpeedLabelStatic(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rate"));
}

void CPbSpeedLabelStatic::SetLabel(const QString& text) {
    m_strLabel = text;
    update();
}

void CPbSpeedLabelStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 5, 5));
    DrawOutlinedText(p, m_strLabel, QPointF(2, 2), qMax(10, height() - 8), OutlinedTextStyle::Rate);
}

} // namespace vemora
