#include "widgets/VideoStatic.h"

#include "widgets/OutlinedText.h"
#include <QPainter>

#include <QMouseEvent>
#include <QWindow>

namespace vemora {

namespace {
constexpr qreal kPaneTextSize = 36;
}

CVideoStatic::CVideoStatic(int id, QWidget* parent) : QWidget(parent), m_nId(id) {
    setObjectName(QStringLiteral("video%1").arg(id));
    // A click on the video takes the keyboard from a list: the playback keys act again.
    setFocusPolicy(Qt::ClickFocus);
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

// The pane's text in the outlined pane lettering, at its fixed place near the top left.
void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(5, 5, 5));
    if (!m_strText.isEmpty())
        DrawOutlinedText(p, m_strText, QPointF(), kPaneTextSize, OutlinedTextStyle::Pane);
}

// A double-click on the background asks for full screen as one on the pane does.
void CVideoStaticBg::mouseDoubleClickEvent(QMouseEvent*) {
    emit fullScreenRequested(m_nId);
}

// A press on a pane goes nowhere: it must not start a window drag from under the video.
void CVideoStatic::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

CVideoStaticBg::CVideoStaticBg(int id, QWidget* parent) : QWidget(parent), m_nId(id) {
    setObjectName(QStringLiteral("videobg%1").arg(id));
    setFocusPolicy(Qt::ClickFocus);
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
