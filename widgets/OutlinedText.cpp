#include "widgets/OutlinedText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace vemora {

void DrawOutlinedText(QPainter& painter, const QString& text, QPointF origin, qreal emSize,
                      OutlinedTextStyle style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(emSize));
    font.setBold(style != OutlinedTextStyle::Rate);
    QFontMetricsF metrics(font);
    QPainterPath path;
    path.addText(origin + QPointF(0, metrics.ascent()), font, text);

    QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    switch (style) {
    case OutlinedTextStyle::Title:
        gradient.setColorAt(0, QColor(255, 255, 255));
        gradient.setColorAt(1, QColor(150, 170, 200));
        break;
    case OutlinedTextStyle::Speed:
        gradient.setColorAt(0, QColor(255, 255, 255));
        gradient.setColorAt(1, QColor(120, 200, 255));
        break;
    case OutlinedTextStyle::Rate:
        gradient.setColorAt(0, QColor(255, 230, 120));
        gradient.setColorAt(1, QColor(255, 160, 40));
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.fillPath(path, gradient);
    painter.restore();
}

} // namespace vemora
