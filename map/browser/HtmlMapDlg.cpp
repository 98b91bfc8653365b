#include "map/browser/HtmlMapDlg.h"

#include "map/browser/CEFWebkitUI.h"
#include "map/browser/CefClientApp.h"
#include "map/browser/CefClientHandler.h"
#include "map/browser/MapHostMessage.h"
#include "platform/Diagnostics.h"

#include <QPainter>

namespace vemora {

namespace {

// Below the browser the map window shows its own background, the main window's colour.
constexpr QColor kMapBackground(5, 5, 5);
constexpr int kBottomStrip = 10;
constexpr int kRefreshDelayMs = 100;

} // namespace

CHtmlMapDlg::CHtmlMapDlg(QWidget* parent, int mapType, QString pageFolder)
    : QWidget(parent), MapBridge(mapType, std::move(pageFolder)) {
    setObjectName(QStringLiteral("map"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(kRefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, [this] {
        if (m_pWebView)
            m_pWebView->Refresh();
    });
    CCefClientApp::Instance().SetMapWindow(this);
}

CHtmlMapDlg::~CHtmlMapDlg() {
    Diag(" --->> CHtmlMapDlg::~CHtmlMapDlg ++++ \n");
    if (CCefClientApp::Instance().MapWindow() == this)
        CCefClientApp::Instance().SetMapWindow(nullptr);
    // The browsers are children of this window; they go before the view that lists them.
    if (m_pWebView)
        m_pWebView->ClientHandler()->CloseAllBrowsers();
    Diag(" --->> CHtmlMapDlg::~CHtmlMapDlg ---- \n");
}

void CHtmlMapDlg::InitCef() {
    CCefClientApp::Instance().Initialize(this);
    if (!m_pWebView) {
        m_pWebView = std::make_unique<CCEFWebkitUI>(this);
        connect(m_pWebView->ClientHandler(), &CCefClientHandler::pageLoaded, this, &CHtmlMapDlg::pageReady);
        PlaceView();
    }
}

void CHtmlMapDlg::MoveTo(const QRect& rect) {
    setGeometry(rect);
    PlaceView();
    PostMapHostMessage(this, kMapRefresh);
}

void CHtmlMapDlg::PlaceView() {
    if (!m_pWebView)
        return;
    int h = height() > kBottomStrip ? height() - kBottomStrip : height();
    m_pWebView->SetViewRect(0, 0, width(), h);
}

// The main window asks the main loop to quit right after this; closing the last browser need not.
void CHtmlMapDlg::CloseAllBrowsers() {
    Diag("RemoveAllCefBrowser \n");
    if (!m_pWebView)
        return;
    m_pWebView->DestoryCefWindows();
    m_pWebView->ClientHandler()->CloseAllBrowsers();
}

bool CHtmlMapDlg::event(QEvent* e) {
    if (e->type() == MapHostEvent::Type()) {
        OnHostMessage(static_cast<MapHostEvent*>(e)->WParam());
        return true;
    }
    return QWidget::event(e);
}

void CHtmlMapDlg::OnHostMessage(int wParam) {
    if (wParam == kMapContextInitialized) {
        m_bCefReady = true;
        LoadMap(m_nMapType);
    } else if (wParam == kMapRefresh) {
        m_refreshTimer.start();
    }
}

// The main window's layout places this window with setGeometry; the browser follows here.
void CHtmlMapDlg::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    PlaceView();
    PostMapHostMessage(this, kMapRefresh);
}

void CHtmlMapDlg::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), kMapBackground);
}

} // namespace vemora
