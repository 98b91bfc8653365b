#include "widgets/FrameOverlay.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace vemora {

namespace {
constexpr double kZoomPerNotch = 1.25; // one wheel notch
constexpr int kCaptionSize = 13;
} // namespace

FrameOverlay::FrameOverlay(QWidget* pane) : QWidget(pane) {
    setObjectName(pane->objectName() + QStringLiteral("-frame"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Above the player's own window, which is a native window inside the pane.
    setAttribute(Qt::WA_NativeWindow);
    setGeometry(pane->rect());
    pane->installEventFilter(this);
    hide();
}

bool FrameOverlay::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parent() && e->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        m_view.SetView(size());
    }
    return QWidget::eventFilter(watched, e);
}

void FrameOverlay::ShowPicture(const QImage& picture, const QString& caption) {
    m_picture = picture;
    m_caption = caption;
    m_view.SetPicture(picture.size());
    m_view.SetView(size());
    if (!isVisible()) {
        show();
        raise();
    }
    update();
}

void FrameOverlay::Clear() {
    hide();
    m_picture = QImage();
    m_caption.clear();
    m_view.SetPicture({});
    m_bDragging = false;
}

void FrameOverlay::ResetZoom() {
    m_view.Reset();
    update();
}

void FrameOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 5, 5));
    if (m_picture.isNull())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(m_view.PictureRect(), m_picture);
    if (m_caption.isEmpty())
        return;
    QFont font = p.font();
    font.setPixelSize(kCaptionSize);
    p.setFont(font);
    const QRect text = p.fontMetrics().boundingRect(m_caption).adjusted(-6, -3, 6, 3);
    const QRect box(QPoint(6, height() - text.height() - 6), text.size());
    p.fillRect(box, QColor(0, 0, 0, 120));
    p.setPen(QColor(220, 220, 220));
    p.drawText(box, Qt::AlignCenter, m_caption);
}

void FrameOverlay::wheelEvent(QWheelEvent* e) {
    const double notches = e->angleDelta().y() / 120.0;
    if (notches == 0 || m_picture.isNull())
        return;
    m_view.ZoomAround(e->position(), std::pow(kZoomPerNotch, notches));
    update();
    e->accept();
}

void FrameOverlay::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        m_bDragging = true;
        m_lastDrag = e->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
    e->accept();
}

void FrameOverlay::mouseMoveEvent(QMouseEvent* e) {
    if (!m_bDragging)
        return;
    const QPoint now = e->position().toPoint();
    m_view.Pan(now - m_lastDrag);
    m_lastDrag = now;
    update();
}

void FrameOverlay::mouseReleaseEvent(QMouseEvent*) {
    m_bDragging = false;
    unsetCursor();
}

// Double-click keeps its meaning on the pane below: full screen.
void FrameOverlay::mouseDoubleClickEvent(QMouseEvent* e) {
    m_bDragging = false;
    e->ignore();
}

} // namespace vemora
