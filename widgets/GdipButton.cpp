#include "widgets/GdipButton.h"

#include <QPainter>
#include <QPainterPath>

namespace vemora {

CGdipButton::CGdipButton(int id, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_nId(id) {
    setText(caption);
    setObjectName(QStringLiteral("button%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] { emit command(m_nId); });
}

void CGdipButton::SetAltShown(bool shown) {
    m_bAltShown = shown;
    m_bGrey = false;
    update();
}

void CGdipButton::SetGrey(bool grey) {
    m_bGrey = grey;
    update();
}

void CGdipButton::enterEvent(QEnterEvent*) {
    m_bHover = true;
    update();
}

void CGdipButton::leaveEvent(QEvent*) {
    m_bHover = false;
    update();
}

// Narrow buttons (the mute toggle) show a speaker instead of a caption; crossed out while muted.
void CGdipButton::PaintSpeaker(QPainter& p, const QColor& ink) {
    qreal w = width(), h = height();
    QPolygonF cone;
    cone << QPointF(w * 0.2, h * 0.4) << QPointF(w * 0.45, h * 0.4) << QPointF(w * 0.8, h * 0.22)
         << QPointF(w * 0.8, h * 0.78) << QPointF(w * 0.45, h * 0.6) << QPointF(w * 0.2, h * 0.6);
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    p.drawPolygon(cone);
    if (m_bAltShown) {
        p.setPen(QPen(QColor(220, 60, 60), 1.5));
        p.drawLine(QPointF(1, h * 0.25), QPointF(w - 1, h * 0.75));
    }
}

void CGdipButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(5, 5, 5));
    QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor fill = m_bAltShown ? QColor(40, 90, 150) : QColor(45, 45, 48);
    if (m_bHover)
        fill = fill.lighter(140);
    if (isDown())
        fill = fill.darker(130);
    QPainterPath path;
    path.addRoundedRect(face, 4, 4);
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(90, 90, 95), 1));
    p.drawPath(path);
    QColor ink = (m_bGrey || !isEnabled()) ? QColor(110, 110, 110) : QColor(230, 230, 230);
    p.setPen(ink);
    if (width() < 3 * height() / 4) {
        PaintSpeaker(p, ink);
        return;
    }
    QFont f = font();
    f.setPixelSize(qMax(8, qMin(height() / 2, 12)));
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace vemora
