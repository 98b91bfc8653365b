#pragma once
// The process-wide side of the embedded browser: one browser profile shared by every map page
// (in memory only, with the tile request interceptor), the announcement that the browser is ready,
// and the client handler handed out by default.

#include <QObject>
#include <QPointer>

class QWebEngineProfile;

namespace vemora {

class CCefClientHandler;
class MapPageSchemeHandler;
class TileRequestInterceptor;

class CCefClientApp : public QObject {
    Q_OBJECT
public:
    static CCefClientApp& Instance();

    // Called by a map window's InitCef: prepares the profile once, remembers the window and
    // reports the browser ready to it once the current event has been handled, as the engine's
    // own start-up would.
    void Initialize(QObject* mapWindow);
    // Posts "context initialised" to the registered map window, if one exists.
    void OnContextInitialized();

    QWebEngineProfile* Profile();
    // The folder whose files the map page scheme serves.
    void SetPageFolder(const QString& folder);

    // The map window registers itself while it exists.
    void SetMapWindow(QObject* mapWindow) { m_pMapWindow = mapWindow; }
    QObject* MapWindow() const { return m_pMapWindow; }

    CCefClientHandler* GetDefaultClient() const { return m_pDefaultClient; }
    void SetDefaultClient(CCefClientHandler* handler) { m_pDefaultClient = handler; }

private:
    explicit CCefClientApp(QObject* parent);

    QWebEngineProfile* m_pProfile = nullptr;
    TileRequestInterceptor* m_pInterceptor = nullptr;
    MapPageSchemeHandler* m_pSchemeHandler = nullptr;
    QPointer<QObject> m_pMapWindow;
    QPointer<CCefClientHandler> m_pDefaultClient;
};

} // namespace vemora
