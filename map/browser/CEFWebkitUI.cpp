#include "map/browser/CEFWebkitUI.h"

#include "map/browser/CefClientApp.h"
#include "map/browser/CefClientHandler.h"
#include "map/browser/MapWebPage.h"
#include "platform/Diagnostics.h"

#include <QWebEngineSettings>
#include <QWebEngineView>

namespace vemora {

namespace {

void ApplyBrowserSettings(QWebEngineSettings* s) {
    // fontconfig maps Arial onto the metric-compatible free face of the system.
    for (auto family : {QWebEngineSettings::StandardFont, QWebEngineSettings::FixedFont,
                        QWebEngineSettings::SerifFont, QWebEngineSettings::SansSerifFont,
                        QWebEngineSettings::CursiveFont, QWebEngineSettings::FantasyFont})
        s->setFontFamily(family, QStringLiteral("Arial"));
    s->setFontSize(QWebEngineSettings::MinimumFontSize, 12);
    // The map pages come from the program's own scheme, not from files; no page may read files.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // No window without a click (a click's window goes to the user's browser).
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // A failed load shows the program's own error page instead.
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

} // namespace

CCEFWebkitUI::CCEFWebkitUI(QWidget* hostWnd)
    : m_hHostWnd(hostWnd), m_pClientHandler(std::make_unique<CCefClientHandler>(hostWnd)) {
    CCefClientApp::Instance().SetDefaultClient(m_pClientHandler.get());
}

CCEFWebkitUI::~CCEFWebkitUI() = default;

void CCEFWebkitUI::NewPage(const QUrl& url) {
    Diag("----->> CCEFWebkitUI::NewPage ++++++ \n");
    auto* browser = new QWebEngineView(m_hHostWnd);
    auto* page = new MapWebPage(CCefClientApp::Instance().Profile(), m_pClientHandler.get(), browser);
    ApplyBrowserSettings(page->settings());
    browser->setPage(page);
    page->WatchInputOf(browser);
    // The engine's menu (reload, back) would only lose the drawn track; the window's menu shows.
    browser->setContextMenuPolicy(Qt::NoContextMenu);
    browser->setGeometry(m_rcView);
    m_pClientHandler->OnAfterCreated(browser);
    browser->setUrl(url);
    browser->setVisible(Browsers().size() == m_nCurrentTab + 1);
    Diag("----->> CCEFWebkitUI::NewPage ----- \n");
}

void CCEFWebkitUI::SetViewRect(int left, int top, int right, int bottom) {
    m_rcView = QRect(left, top, right - left, bottom - top);
    std::vector<QWebEngineView*> browsers = Browsers();
    for (std::size_t i = 0; i < browsers.size(); ++i) {
        if (i == m_nCurrentTab) {
            browsers[i]->show();
            browsers[i]->setGeometry(m_rcView);
            browsers[i]->update();
        } else {
            browsers[i]->hide();
        }
    }
}

void CCEFWebkitUI::RunScript(const QString& script) {
    for (QWebEngineView* browser : Browsers())
        browser->page()->runJavaScript(script);
}

void CCEFWebkitUI::DestoryCefWindows() {
    for (QWebEngineView* browser : Browsers()) {
        Diag("==>> CCEFWebkitUI::DestoryCefWindows the Webview \n");
        browser->hide();
    }
}

void CCEFWebkitUI::Refresh() {
    Diag("==>>CCEFWebkitUI::ReFresh Refresh the Webview \n");
    for (QWebEngineView* browser : Browsers()) {
        Diag("==>> CCEFWebkitUI::Refresh the Webview \n");
        browser->repaint();
    }
}

std::vector<QWebEngineView*> CCEFWebkitUI::Browsers() const {
    return m_pClientHandler->Browsers();
}

} // namespace vemora
