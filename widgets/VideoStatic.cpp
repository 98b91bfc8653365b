#include "widgets/VideoStatic.h"

#include "app/CustomMessages.h"

#include <QPainter>

namespace vemora {

CVideoStatic::CVideoStatic(int id, QWidget* parent, QObject* mainWindow)
    : QWidget(parent), m_nId(id), m_pMainWindow(mainWindow) {
    setObjectName(QStringLiteral("video%1").arg(id));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

unsigned long CVideoStatic::NativeWindow() {
    setAttribute(Qt::WA_NativeWindow);
    return static_cast<unsigned long>(winId());
}

void CVideoStatic::mouseDoubleClickEvent(QMouseEvent*) {
    if (m_pMainWindow)
        PostUserMessage(m_pMainWindow, UM_TOGGLE_FULLSCREEN, 0);
}

void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
}

CVideoStaticBg::CVideoStaticBg(int id, QWidget* parent) : QFrame(parent), m_nId(id) {
    setObjectName(QStringLiteral("videobg%1").arg(id));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 0));
    setPalette(pal);
    SetClientEdge(true);
}

void CVideoStaticBg::SetClientEdge(bool on) {
    setFrameStyle(on ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(on ? 2 : 0);
}

} // namespace vemora
