#pragma once
// Outlined, gradient-filled text as the window's title and labels draw it.

#include <QPainter>
#include <QString>

namespace vemora {

enum class OutlinedTextStyle { Title, Speed, Rate };

// Draws text with its top-left at origin, em size in pixels.
void DrawOutlinedText(QPainter& painter, const QString& text, QPointF origin, qreal emSize,
                      OutlinedTextStyle style);

} // namespace vemora
