#include "map/browser/MapWebPage.h"

#include "map/browser/CefClientHandler.h"

#include <QWebEngineNewWindowRequest>

namespace vemora {

MapWebPage::MapWebPage(QWebEngineProfile* profile, CCefClientHandler* handler, QObject* parent)
    : QWebEnginePage(profile, parent), m_pHandler(handler) {
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        m_pHandler->OnBeforePopup(request.requestedUrl());
    });
}

bool MapWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // A link in the page (the tile attribution, the provider's terms) would replace the map.
    if (type == NavigationTypeLinkClicked && isMainFrame && !url.isLocalFile()) {
        m_pHandler->OnBeforePopup(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace vemora
