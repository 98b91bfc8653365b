#include "map/browser/DrivesMapView.h"

#include "map/DrivesMapScripts.h"
#include "map/browser/CefClientApp.h"
#include "map/browser/CefClientHandler.h"
#include "map/browser/MapPageScheme.h"
#include "platform/Diagnostics.h"

#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace vemora {
namespace {

class DrivesMapPage : public QWebEnginePage {
public:
    DrivesMapPage(QWebEngineProfile* profile, QUrl home, DrivesMapView* view)
        : QWebEnginePage(profile, view), m_home(std::move(home)), m_pView(view) {}

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (std::optional<int64_t> id = DriveIdOfPageMessage(message.toStdString()))
            emit m_pView->driveClicked(*id);
        else
            Diag("drives map: %s", message.toUtf8().constData());
    }
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return !isMainFrame || url == m_home;
    }

private:
    QUrl m_home;
    DrivesMapView* m_pView;
};

} // namespace

DrivesMapView::DrivesMapView(const QString& pageFolder, QWidget* parent) : QWebEngineView(parent) {
    // Served like the other map pages, from the program's own scheme: no file origin.
    CCefClientApp::Instance().SetPageFolder(pageFolder);
    const QUrl home = MapPageSchemeUrl(QStringLiteral("drives.html"));
    auto* page = new DrivesMapPage(CCefClientApp::Instance().Profile(), home, this);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (!ok)
            return;
        m_bLoaded = true;
        const QStringList pending = std::exchange(m_pending, {});
        for (const QString& script : pending)
            page->runJavaScript(script);
        emit pageLoaded();
    });
    page->load(home);
}

void DrivesMapView::RunScript(const QString& script) {
    if (m_bLoaded)
        page()->runJavaScript(script);
    else
        m_pending.append(script);
}

} // namespace vemora
