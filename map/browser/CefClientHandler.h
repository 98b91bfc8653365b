#pragma once
// The browser client of one map view: keeps the open browsers in creation order, hands links
// that want a new window to the user's own browser, and shows a readable page in place of a
// page that failed to load.

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

#include <functional>
#include <vector>

class QWebEngineLoadingInfo;
class QWebEnginePage;

namespace vemora {

class CCefClientHandler : public QObject {
    Q_OBJECT
public:
    explicit CCefClientHandler(QWidget* hostWnd);

    // A new browser of this client.
    void OnAfterCreated(QWebEngineView* browser);
    // A browser about to go: it leaves the list.
    void OnBeforeClose(QWebEngineView* browser);
    // A page asked for a new window or a link was clicked: an http or https target opens in the
    // system's default browser, anything else nowhere; no window is made here. Always true
    // (handled).
    bool OnBeforePopup(const QUrl& target);
    // Failed loads other than cancelled ones get the error page in the failing page.
    void OnLoadError(QWebEnginePage* page, const QWebEngineLoadingInfo& info);

    // Destroys every browser (their windows go first).
    void CloseAllBrowsers();

    std::vector<QWebEngineView*> Browsers() const;
    QWidget* HostWindow() const { return m_hHostWnd; }

    // Where OnBeforePopup sends its URL; QDesktopServices::openUrl unless replaced (tests).
    using ExternalOpener = std::function<void(const QUrl&)>;
    static void SetExternalOpener(ExternalOpener opener);

signals:
    // A map page (not the error page) has finished loading; calls made from now on reach it.
    void pageLoaded();

private:
    QPointer<QWidget> m_hHostWnd;
    std::vector<QPointer<QWebEngineView>> m_browsers;
};

} // namespace vemora
