#include "widgets/VideoStatic.h"

#include <QPainter>
#include <QPainterPath>
#include <QWindow>

namespace vemora {

CVideoStatic::CVideoStatic(int id, QWidget* parent) : QWidget(parent), m_nId(id) {
    setObjectName(QStringLiteral("video%1").arg(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

// Named after the pane, so that tools looking at the window tree can tell the video panes.
unsigned long CVideoStatic::NativeWindow() {
    setAttribute(Qt::WA_NativeWindow);
    auto id = static_cast<unsigned long>(winId());
    if (QWindow* window = windowHandle())
        window->setTitle(objectName());
    return id;
}

void CVideoStatic::mouseDoubleClickEvent(QMouseEvent*) {
    emit fullScreenRequested(m_nId);
}

void CVideoStatic::SetLoadingText(const QString& text) {
    m_strText = text;
    update();
}

// White letters with a dark outline, centred, so they read on any picture.
void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (m_strText.isEmpty())
        return;
    QFont font = p.font();
    font.setPixelSize(std::max(14, height() / 12));
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, m_strText);
    QRectF box = path.boundingRect();
    path.translate(rect().center() - box.center());
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(QColor(20, 20, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Qt::white);
}

CVideoStaticBg::CVideoStaticBg(int id, QWidget* parent) : QWidget(parent), m_nId(id) {
    setObjectName(QStringLiteral("videobg%1").arg(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoStaticBg::SetClientEdge(bool on) {
    m_bClientEdge = on;
    update();
}

// A sunken two-pixel edge in the window's greys (the palette's light colour is far too bright
// on the dark background).
void CVideoStaticBg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_bClientEdge)
        return;
    QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(30, 30, 32));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(70, 70, 75));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace vemora
