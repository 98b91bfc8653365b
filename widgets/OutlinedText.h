#pragma once
// Outlined, glowing, gradient-filled text: the window's title, the digits of the speed and rate
// labels, and the text of the video panes. One recipe, three variants.

#include <QPainter>
#include <QString>

namespace vemora {

enum class OutlinedTextStyle {
    Title,  // "Arial Black", always at (50, 10)
    Digits, // "Arial", at the given origin
    Pane,   // "Arial", always at (10, 10)
};

// Draws text (at most 127 characters are used) with the top-left of its layout box at origin
// (ignored by the title and pane variants), em size in pixels.
void DrawOutlinedText(QPainter& painter, const QString& text, QPointF origin, qreal emSize,
                      OutlinedTextStyle style);

} // namespace vemora
