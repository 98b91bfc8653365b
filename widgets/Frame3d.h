#pragma once
// The raised and sunken frames of the instruments, drawn the way the classic desktop draws its
// 3-D edges: one colour on the top and left, another on the bottom and right.

#include <QColor>
#include <QPainter>
#include <QRect>

namespace vemora {

// A one-pixel frame just inside rect.
void Draw3dFrame(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);
// A two-pixel sunken edge just inside rect (outer and inner sunken); returns the rectangle inside it.
QRect DrawSunkenEdge(QPainter& painter, const QRect& rect);

} // namespace vemora
