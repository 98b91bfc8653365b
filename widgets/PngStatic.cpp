#include "widgets/PngStatic.h"

#include <QPainter>
#include <QPainterPath>

namespace vemora {

CPngStatic::CPngStatic(int id, Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setObjectName(QStringLiteral("picture%1").arg(id));
}

void CPngStatic::SetState(int state) {
    m_nState = state;
    update();
}

void CPngStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(5, 5, 5));
    switch (m_kind) {
    case Kind::Logo:
        PaintLogo(p);
        break;
    case Kind::GpsIndicator:
        PaintGps(p);
        break;
    case Kind::Banner:
        break;
    }
}

// A stylised lens: two rings and a highlight.
void CPngStatic::PaintLogo(QPainter& p) {
    QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(60, 140, 220), 3));
    p.drawEllipse(r);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.drawEllipse(r.adjusted(r.width() / 4, r.height() / 4, -r.width() / 4, -r.height() / 4));
    p.setBrush(QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(r.center().x() - r.width() / 8, r.center().y() - r.height() / 8), 2, 2);
}

// Satellite dish with a state colour: grey no signal, amber searching, green fix.
void CPngStatic::PaintGps(QPainter& p) {
    static const QColor kColours[] = {QColor(90, 90, 90), QColor(230, 160, 40), QColor(60, 200, 90)};
    QColor c = kColours[qBound(0, m_nState, 2)];
    QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r, 30 * 16, 120 * 16);
    p.drawArc(r.adjusted(r.width() / 5, r.height() / 5, -r.width() / 5, -r.height() / 5), 30 * 16, 120 * 16);
    p.setBrush(c);
    p.drawEllipse(r.center(), 3, 3);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 0, 0, -1), Qt::AlignBottom | Qt::AlignHCenter, QStringLiteral("GPS"));
}

} // namespace vemora
