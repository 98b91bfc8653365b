#pragma once
// The page object of one map browser: requests for a new window and clicked links leave the map
// panel and go to the user's own browser, so that the map page itself is never replaced.

#include <QWebEnginePage>

namespace vemora {

class CCefClientHandler;

class MapWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    MapWebPage(QWebEngineProfile* profile, CCefClientHandler* handler, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    CCefClientHandler* m_pHandler;
};

} // namespace vemora
