#include "map/browser/MapWebPage.h"

#include "map/browser/CefClientHandler.h"

#include <QChildEvent>
#include <QEvent>
#include <QWebEngineNewWindowRequest>
#include <QWidget>

namespace vemora {

MapWebPage::MapWebPage(QWebEngineProfile* profile, CCefClientHandler* handler, QObject* parent)
    : QWebEnginePage(profile, parent), m_pHandler(handler) {
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (request.isUserInitiated())
            m_pHandler->OnBeforePopup(request.requestedUrl());
    });
}

// The engine draws into a child of the view that it may replace; every child is watched.
void MapWebPage::WatchInputOf(QWidget* view) {
    view->installEventFilter(this);
    for (QObject* child : view->children())
        child->installEventFilter(this);
}

bool MapWebPage::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::ChildAdded:
        static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        m_sinceInput.start();
        break;
    default:
        break;
    }
    return QWebEnginePage::eventFilter(watched, e);
}

bool MapWebPage::UserJustActed() const {
    constexpr qint64 kClickToNavigationMs = 1000;
    return m_sinceInput.isValid() && m_sinceInput.elapsed() < kClickToNavigationMs;
}

bool MapWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame)
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // A link in the page (the tile attribution, the provider's terms) would replace the map.
    if (type == NavigationTypeLinkClicked) {
        if (UserJustActed())
            m_pHandler->OnBeforePopup(url);
        return false;
    }
    // The program loads its pages and the error page; a reload stays on the page.
    return type == NavigationTypeTyped || type == NavigationTypeReload;
}

} // namespace vemora
