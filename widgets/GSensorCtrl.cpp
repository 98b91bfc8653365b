#include "widgets/GSensorCtrl.h"

#include <QPainter>

namespace vemora {

CGSensorCtrl::CGSensorCtrl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("gsensor"));
    setMinimumHeight(60);
    resize(400, 80);
}

void CGSensorCtrl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 5, 5));
    p.setPen(QColor(60, 60, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // Zero line and the +/- half-scale grid.
    int mid = height() / 2;
    p.setPen(QPen(QColor(80, 80, 80), 1, Qt::DotLine));
    p.drawLine(0, mid, width(), mid);
    p.setPen(QPen(QColor(45, 45, 45), 1, Qt::DotLine));
    p.drawLine(0, mid / 2, width(), mid / 2);
    p.drawLine(0, mid + mid / 2, width(), mid + mid / 2);
}

} // namespace vemora
