#pragma once
// Where a picture lies in a view while it is zoomed: the picture fits the view at 1x and may be
// enlarged up to 8x around a point of the view, and dragged. The state is the zoom and the
// picture point at the view's centre, so that a view that changes size (full screen) keeps both.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace vemora {

class ZoomView {
public:
    static constexpr double kMaxZoom = 8.0;

    void SetPicture(QSizeF picture);
    void SetView(QSizeF view);
    double Zoom() const { return m_zoom; }

    // Multiplies the zoom by factor (kept within 1x .. 8x) so that the picture point under
    // viewPoint stays there.
    void ZoomAround(QPointF viewPoint, double factor);
    // Moves the picture by delta view pixels (as far as it reaches).
    void Pan(QPointF delta);
    // 1x, centred.
    void Reset();

    // Where the whole picture is drawn in view coordinates.
    QRectF PictureRect() const;
    // The picture point shown at a view point.
    QPointF PicturePointAt(QPointF viewPoint) const;

private:
    double Scale() const; // view pixels per picture pixel
    void Clamp();

    QSizeF m_picture;
    QSizeF m_view;
    double m_zoom = 1.0;
    QPointF m_center; // picture coordinates
};

} // namespace vemora
