#include "widgets/ZoomView.h"

#include <algorithm>

namespace vemora {

void ZoomView::SetPicture(QSizeF picture) {
    if (picture == m_picture)
        return;
    m_picture = picture;
    Reset();
}

void ZoomView::SetView(QSizeF view) {
    m_view = view;
    Clamp();
}

void ZoomView::Reset() {
    m_zoom = 1.0;
    m_center = QPointF(m_picture.width() / 2, m_picture.height() / 2);
}

double ZoomView::Scale() const {
    if (m_picture.isEmpty() || m_view.isEmpty())
        return 1.0;
    return m_zoom * std::min(m_view.width() / m_picture.width(), m_view.height() / m_picture.height());
}

QRectF ZoomView::PictureRect() const {
    const double s = Scale();
    QPointF topLeft = QPointF(m_view.width() / 2, m_view.height() / 2) - m_center * s;
    return QRectF(topLeft, m_picture * s);
}

QPointF ZoomView::PicturePointAt(QPointF viewPoint) const {
    const QRectF r = PictureRect();
    return (viewPoint - r.topLeft()) / Scale();
}

void ZoomView::ZoomAround(QPointF viewPoint, double factor) {
    const QPointF anchor = PicturePointAt(viewPoint);
    m_zoom = std::clamp(m_zoom * factor, 1.0, kMaxZoom);
    // The centre that puts the anchor back under viewPoint at the new scale.
    m_center = anchor - (viewPoint - QPointF(m_view.width() / 2, m_view.height() / 2)) / Scale();
    Clamp();
}

void ZoomView::Pan(QPointF delta) {
    m_center -= delta / Scale();
    Clamp();
}

// Along an axis where the picture is smaller than the view it stays centred; elsewhere it covers
// the view.
void ZoomView::Clamp() {
    const double s = Scale();
    auto clampAxis = [s](double center, double picture, double view) {
        double half = view / (2 * s);
        if (picture * s <= view)
            return picture / 2;
        return std::clamp(center, half, picture - half);
    };
    m_center.setX(clampAxis(m_center.x(), m_picture.width(), m_view.width()));
    m_center.setY(clampAxis(m_center.y(), m_picture.height(), m_view.height()));
}

} // namespace vemora
