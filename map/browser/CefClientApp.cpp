#include "map/browser/CefClientApp.h"

#include "map/browser/CefClientHandler.h"
#include "map/browser/MapHostMessage.h"
#include "map/browser/MapPageScheme.h"
#include "map/browser/TileRequestInterceptor.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWebEngineProfile>

namespace vemora {

CCefClientApp::CCefClientApp(QObject* parent) : QObject(parent) {}

CCefClientApp& CCefClientApp::Instance() {
    // Lives as long as the application object, which also ends the profile's life after every page.
    static CCefClientApp* app = new CCefClientApp(QCoreApplication::instance());
    return *app;
}

QWebEngineProfile* CCefClientApp::Profile() {
    if (!m_pProfile) {
        // No storage name: an in-memory profile, nothing written to disk.
        m_pProfile = new QWebEngineProfile(this);
        m_pProfile->setHttpAcceptLanguage(QStringLiteral("ja"));
        m_pInterceptor = new TileRequestInterceptor(m_pProfile);
        m_pProfile->setUrlRequestInterceptor(m_pInterceptor);
        m_pSchemeHandler = new MapPageSchemeHandler(m_pProfile);
        m_pProfile->installUrlSchemeHandler(kMapPageScheme, m_pSchemeHandler);
    }
    return m_pProfile;
}

void CCefClientApp::SetPageFolder(const QString& folder) {
    Profile();
    m_pSchemeHandler->SetFolder(folder);
}

void CCefClientApp::Initialize(QObject* mapWindow) {
    Profile();
    SetMapWindow(mapWindow);
    QTimer::singleShot(0, this, &CCefClientApp::OnContextInitialized);
}

void CCefClientApp::OnContextInitialized() {
    if (m_pMapWindow)
        PostMapHostMessage(m_pMapWindow, kMapContextInitialized);
}

} // namespace vemora
