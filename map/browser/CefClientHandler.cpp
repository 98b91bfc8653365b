#include "map/browser/CefClientHandler.h"

#include "map/LoadErrorPage.h"
#include "platform/Diagnostics.h"

#include <QDesktopServices>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include <algorithm>

namespace vemora {

namespace {

CCefClientHandler::ExternalOpener& Opener() {
    static CCefClientHandler::ExternalOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

} // namespace

CCefClientHandler::CCefClientHandler(QWidget* hostWnd) : m_hHostWnd(hostWnd) {}

void CCefClientHandler::SetExternalOpener(ExternalOpener opener) {
    Opener() = std::move(opener);
}

void CCefClientHandler::OnAfterCreated(QWebEngineView* browser) {
    m_browsers.emplace_back(browser);
    QWebEnginePage* page = browser->page();
    connect(page, &QWebEnginePage::loadingChanged, this, [this, page](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            OnLoadError(page, info);
        else if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus &&
                 info.url().scheme() != QLatin1String("data"))
            emit pageLoaded();
    });
}

void CCefClientHandler::OnBeforeClose(QWebEngineView* browser) {
    std::erase_if(m_browsers, [browser](const QPointer<QWebEngineView>& b) { return !b || b == browser; });
}

bool CCefClientHandler::OnBeforePopup(const QUrl& target) {
    // Only web addresses: the system's opener would also run programs for other schemes.
    const QString scheme = target.scheme();
    if (target.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        Opener()(target);
    return true;
}

void CCefClientHandler::OnLoadError(QWebEnginePage* page, const QWebEngineLoadingInfo& info) {
    // A server's answer with an error status still shows the server's own page.
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        return;
    if (!ShowsLoadErrorPage(info.errorCode()) || info.url().scheme() == QLatin1String("data"))
        return;
    const std::string uri = LoadErrorPageDataUri(info.url().toString().toStdString(),
                                                 info.errorString().toStdString(), info.errorCode());
    QPointer<QWebEnginePage> target(page);
    // Not from inside the engine's own notification: load once it has returned.
    QMetaObject::invokeMethod(
        this,
        [target, uri] {
            if (target)
                target->load(QUrl(QString::fromStdString(uri)));
        },
        Qt::QueuedConnection);
}

void CCefClientHandler::CloseAllBrowsers() {
    std::vector<QPointer<QWebEngineView>> closing;
    closing.swap(m_browsers);
    std::erase_if(closing, [](const QPointer<QWebEngineView>& b) { return !b; });
    if (closing.empty())
        return;
    Diag(" --->> CCefClientHandler::CloseAllBrowsers ++++ \n");
    for (auto& browser : closing)
        delete browser.data();
    Diag(" --->> CCefClientHandler::CloseAllBrowsers ---- \n");
}

std::vector<QWebEngineView*> CCefClientHandler::Browsers() const {
    std::vector<QWebEngineView*> out;
    for (const auto& b : m_browsers)
        if (b)
            out.push_back(b.data());
    return out;
}

} // namespace vemora
