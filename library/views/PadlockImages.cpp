#include "library/views/PadlockImages.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace vemora {

namespace {

void DrawShackle(QPainter& p) {
    QPen pen(QColor(120, 120, 128), 2.6);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(7.5, 12);
    shackle.lineTo(7.5, 8);
    shackle.arcTo(QRectF(7.5, 2.5, 9, 10), 180, -180);
    shackle.lineTo(16.5, 12);
    p.drawPath(shackle);
}

void DrawBody(QPainter& p) {
    QLinearGradient gold(0, 11, 0, 22);
    gold.setColorAt(0, QColor(250, 210, 80));
    gold.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(4.5, 10.5, 15, 12), 2, 2);
}

void DrawMark(QPainter& p, const QString& mark) {
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 30, 0));
    p.drawText(QRectF(4.5, 10.5, 15, 12), Qt::AlignCenter, mark);
}

void DrawKeyhole(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 30, 0));
    p.drawEllipse(QPointF(12, 15.5), 1.8, 1.8);
    p.drawRect(QRectF(11.3, 16, 1.4, 4));
}

QPixmap MakePadlock(int index) {
    QImage image(kPadlockImageSize, kPadlockImageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (index != 0) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        DrawShackle(p);
        DrawBody(p);
        if (index == 1)
            DrawMark(p, QStringLiteral("G"));
        else if (index == 2)
            DrawMark(p, QStringLiteral("M"));
        else
            DrawKeyhole(p);
    }
    return QPixmap::fromImage(image);
}

} // namespace

const QPixmap& PadlockImage(int index) {
    static const std::array<QPixmap, kPadlockImageCount> images = {MakePadlock(0), MakePadlock(1),
                                                                   MakePadlock(2), MakePadlock(3)};
    return images[static_cast<size_t>(index & 3)];
}

} // namespace vemora
