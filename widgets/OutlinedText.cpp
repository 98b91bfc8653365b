#include "widgets/OutlinedText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <optional>

namespace vemora {
namespace {

struct Gradient {
    QPointF from, to;
    QColor first, second;
};

struct Variant {
    const char* family;
    QFont::Weight weight; // helps a substitute family look like the named one
    std::optional<QPointF> fixedOrigin;
    QColor glow;
    Gradient a, b;
};

// Colours are given as (alpha, red, green, blue).
QColor Argb(int a, int r, int g, int b) {
    return QColor(r, g, b, a);
}

const Variant& VariantOf(OutlinedTextStyle style) {
    static const Variant kTitle{"Arial Black",
                                QFont::Black,
                                QPointF(50, 10),
                                Argb(62, 0, 2, 2),
                                {{0, 0}, {0, 90}, Argb(200, 0, 0, 240), Argb(255, 30, 120, 195)},
                                {{0, 10}, {0, 60}, Argb(255, 255, 255, 255), Argb(15, 1, 1, 1)}};
    static const Variant kDigits{"Arial",
                                 QFont::Normal,
                                 std::nullopt,
                                 Argb(80, 160, 80, 2),
                                 {{0, 0}, {0, 90}, Argb(200, 190, 220, 24), Argb(255, 195, 120, 0)},
                                 {{0, 10}, {0, 40}, Argb(255, 255, 188, 0), Argb(150, 255, 1, 1)}};
    static const Variant kPane{"Arial",
                               QFont::Normal,
                               QPointF(10, 10),
                               Argb(80, 10, 150, 220),
                               {{0, 0}, {0, 90}, Argb(200, 20, 120, 240), Argb(255, 20, 120, 240)},
                               {{0, 10}, {0, 120}, Argb(255, 80, 188, 250), Argb(150, 80, 80, 155)}};
    switch (style) {
    case OutlinedTextStyle::Title:
        return kTitle;
    case OutlinedTextStyle::Pane:
        return kPane;
    default:
        return kDigits;
    }
}

// A linear gradient that repeats beyond its two points, as tiled gradient brushes do.
QLinearGradient Brush(const Gradient& g) {
    QLinearGradient brush(g.from, g.to);
    brush.setColorAt(0, g.first);
    brush.setColorAt(1, g.second);
    brush.setSpread(QGradient::RepeatSpread);
    return brush;
}

} // namespace

void DrawOutlinedText(QPainter& painter, const QString& text, QPointF origin, qreal emSize,
                      OutlinedTextStyle style) {
    const Variant& v = VariantOf(style);
    QFont font(QString::fromLatin1(v.family));
    font.setPixelSize(qMax(1, qRound(emSize)));
    font.setWeight(v.weight);
    const QPointF at = v.fixedOrigin.value_or(origin);
    QPainterPath path;
    path.addText(at + QPointF(0, QFontMetricsF(font).ascent()), font, text.left(127));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Argb(155, 215, 215, 215), 3));
    painter.drawPath(path);
    for (int width = 1; width <= 8; ++width) {
        painter.setPen(QPen(v.glow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.fillPath(path, Brush(v.a));
    painter.fillPath(path, Brush(v.b));
    painter.restore();
}

} // namespace vemora
