#include "widgets/Frame3d.h"

namespace vemora {

void Draw3dFrame(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

QRect DrawSunkenEdge(QPainter& painter, const QRect& rect) {
    Draw3dFrame(painter, rect, QColor(160, 160, 160), QColor(255, 255, 255));
    QRect inner = rect.adjusted(1, 1, -1, -1);
    Draw3dFrame(painter, inner, QColor(105, 105, 105), QColor(227, 227, 227));
    return inner.adjusted(1, 1, -1, -1);
}

} // namespace vemora
