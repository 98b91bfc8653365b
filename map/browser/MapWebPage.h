#pragma once
// The page object of one map browser: requests for a new window made by a click and clicked links
// leave the map panel and go to the user's own browser, so that the map page itself is never
// replaced. A script of the page opens no window and takes the page nowhere else.

#include <QElapsedTimer>
#include <QWebEnginePage>

namespace vemora {

class CCefClientHandler;

class MapWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    MapWebPage(QWebEngineProfile* profile, CCefClientHandler* handler, QObject* parent);

    // The engine reports a script's navigation as a followed link: the user's clicks and keys in
    // view (the page's browser) tell the two apart.
    void WatchInputOf(QWidget* view);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool UserJustActed() const;

    CCefClientHandler* m_pHandler;
    QElapsedTimer m_sinceInput;
};

} // namespace vemora
