#include "widgets/VideoSlider.h"

#include "widgets/Frame3d.h"
#include "widgets/SeekBarValues.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vemora {

COwnerDrawnSlider::COwnerDrawnSlider(QWidget* parent, QColor thumb, QColor thumbPressed)
    : QSlider(Qt::Horizontal, parent), m_crThumb(thumb), m_crThumbPressed(thumbPressed) {
    setFocusPolicy(Qt::NoFocus);
}

int COwnerDrawnSlider::ThumbDiameter() const {
    return std::clamp(height() - 4, 6, 14);
}

QRect COwnerDrawnSlider::ChannelRect() const {
    const int inset = ThumbDiameter() / 2 + 3;
    const int middle = height() / 2;
    return QRect(QPoint(inset, middle - 2), QPoint(std::max(inset, width() - inset) - 1, middle + 1));
}

QRect COwnerDrawnSlider::ThumbRect() const {
    const QRect channel = ChannelRect();
    const int span = std::max(1, maximum() - minimum());
    const int cx = channel.left() + (channel.width() * (value() - minimum())) / span;
    const int d = ThumbDiameter();
    return QRect(cx - d / 2, height() / 2 - d / 2, d, d);
}

int COwnerDrawnSlider::PositionFromX(int x) const {
    const QRect channel = ChannelRect();
    return minimum() + ((maximum() - minimum()) * (x - channel.left())) / std::max(1, channel.width());
}

void COwnerDrawnSlider::DrawThumb(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isSliderDown() ? m_crThumbPressed : m_crThumb);
    painter.drawEllipse(ThumbRect());
    painter.restore();
}

// The wheel would move the thumb without a request to the players.
void COwnerDrawnSlider::wheelEvent(QWheelEvent* e) {
    e->ignore();
}

CVideoSlider::CVideoSlider(QWidget* parent)
    : COwnerDrawnSlider(parent, QColor(100, 250, 100), QColor(240, 0, 180)) {
    setObjectName(QStringLiteral("seek"));
    setRange(0, kSeekRange);
}

void CVideoSlider::PublishCalibration() {
    const int leadIn = SeekLeadInForWidth(width());
    SeekLeadIn = leadIn;
    SeekSpan = kSeekRange - leadIn;
    const QRect channel = ChannelRect();
    const int span = std::max(1, maximum() - minimum());
    SeekThumbX = ((channel.right() + 1 - channel.left() - 10) * value()) / span + 10;
}

void CVideoSlider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    DrawSunkenEdge(p, rect());
    PublishCalibration();
    DrawClipMarks(p);
    DrawMarks(p);
    DrawThumb(p);
}

void CVideoSlider::SetClipMarks(int inPosition, int outPosition, bool inBefore, bool outAfter) {
    if (inPosition == m_nClipIn && outPosition == m_nClipOut && inBefore == m_bClipInBefore &&
        outAfter == m_bClipOutAfter)
        return;
    m_nClipIn = inPosition;
    m_nClipOut = outPosition;
    m_bClipInBefore = inBefore;
    m_bClipOutAfter = outAfter;
    update();
}

int CVideoSlider::XOfPosition(int position) const {
    const QRect channel = ChannelRect();
    return channel.left() + (channel.width() * (position - minimum())) / std::max(1, maximum() - minimum());
}

// The marked range as an amber band over the channel, each mark a tick across the bar.
void CVideoSlider::DrawClipMarks(QPainter& painter) const {
    const bool in = m_nClipIn >= 0, out = m_nClipOut >= 0;
    if (!in && !out && !(m_bClipInBefore && m_bClipOutAfter))
        return;
    const QRect channel = ChannelRect();
    const QColor amber(255, 176, 0);
    int left = in ? XOfPosition(m_nClipIn) : (m_bClipInBefore ? channel.left() : -1);
    int right = out ? XOfPosition(m_nClipOut) : (m_bClipOutAfter ? channel.right() : -1);
    if (left >= 0 && right > left)
        painter.fillRect(QRect(QPoint(left, channel.top() - 1), QPoint(right, channel.bottom() + 1)), amber);
    for (int x : {in ? left : -1, out ? right : -1})
        if (x >= 0)
            painter.fillRect(QRect(x - 1, 2, 3, std::max(4, height() - 4)), amber);
}

void CVideoSlider::SetMarks(std::vector<SeekMark> marks) {
    m_marks = std::move(marks);
    update();
}

// Marks sit where the thumb stands when that moment plays: past the lead-in, on the span.
int CVideoSlider::MarkX(const SeekMark& mark) const {
    const QRect channel = ChannelRect();
    const double position = SeekLeadInForWidth(width()) +
                            std::clamp(mark.fraction, 0.0, 1.0) * (kSeekRange - SeekLeadInForWidth(width()));
    const int span = std::max(1, maximum() - minimum());
    return channel.left() + static_cast<int>(channel.width() * (position - minimum()) / span);
}

void CVideoSlider::DrawMarks(QPainter& painter) const {
    if (m_marks.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const int top = 3, bottom = height() - 3;
    for (const SeekMark& mark : m_marks) {
        const int x = MarkX(mark);
        painter.setBrush(mark.colour);
        // A small downward triangle above a thin line: visible beside the round thumb.
        const QPointF triangle[3] = {{x - 3.5, double(top)}, {x + 3.5, double(top)}, {double(x), top + 5.0}};
        painter.drawPolygon(triangle, 3);
        painter.fillRect(QRect(x, top, 1, bottom - top), mark.colour);
    }
    painter.restore();
}

int CVideoSlider::SeekPositionAt(int x) const {
    return std::max(PositionFromX(x), SeekLeadIn.load());
}

void CVideoSlider::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    setValue(SeekPositionAt(e->position().toPoint().x()));
    m_bDragging = 1;
    setSliderDown(true);
}

void CVideoSlider::mouseMoveEvent(QMouseEvent* e) {
    if (!m_bDragging)
        return;
    setValue(SeekPositionAt(e->position().toPoint().x()));
    emit seekDragged();
}

void CVideoSlider::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !m_bDragging)
        return;
    m_bDragging = 0;
    setSliderDown(false);
    setValue(SeekPositionAt(e->position().toPoint().x()));
    emit seekDragged();
    emit seekReleased();
}

CMySliderControl::CMySliderControl(QWidget* parent)
    : COwnerDrawnSlider(parent, QColor(255, 0, 0), QColor(170, 0, 0)) {
    setObjectName(QStringLiteral("volume"));
    setRange(0, 100);
    setValue(50);
    // Every new position is a new volume, also one set by keyboard or by the window.
    connect(this, &QSlider::valueChanged, this, &CMySliderControl::volumeChanged);
}

// No background of its own: the window's picture shows through around the channel.
void CMySliderControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect channel = ChannelRect();
    if (channel.height() > channel.width())
        channel.adjust(-1, 0, 1, 0);
    else
        channel.adjust(0, -2, 0, 2);
    DrawSunkenEdge(p, channel);
    DrawThumb(p);
}

void CMySliderControl::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    setValue(PositionFromX(e->position().toPoint().x()));
    m_bDragging = 1;
    setSliderDown(true);
}

void CMySliderControl::mouseMoveEvent(QMouseEvent* e) {
    if (!m_bDragging)
        return;
    setValue(PositionFromX(e->position().toPoint().x()));
}

void CMySliderControl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !m_bDragging)
        return;
    m_bDragging = 0;
    setSliderDown(false);
    emit volumeChanged(value());
}

void CMySliderControl::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        mousePressEvent(e);
}

} // namespace vemora
