#include "widgets/VideoStatic.h"

#include <QPainter>

namespace vemora {

CVideoStatic::CVideoStatic(int id, QWidget* parent) : QWidget(parent), m_nId(id) {
    setObjectName(QStringLiteral("video%1").arg(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

unsigned long CVideoStatic::NativeWindow() {
    setAttribute(Qt::WA_NativeWindow);
    return static_cast<unsigned long>(winId());
}

void CVideoStatic::mouseDoubleClickEvent(QMouseEvent*) {
    emit fullScreenRequested(m_nId);
}

void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
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
