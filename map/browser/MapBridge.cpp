#include "map/browser/MapBridge.h"

#include "map/MapScripts.h"
#include "map/browser/CEFWebkitUI.h"
#include "map/browser/CefClientApp.h"
#include "map/browser/CefClientHandler.h"
#include "map/browser/MapPageScheme.h"
#include "platform/Diagnostics.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrlQuery>

namespace vemora {

QString DefaultMapPageFolder() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString installed = appDir + QStringLiteral("/../share/vemora-viewer/res");
    if (!QFileInfo::exists(appDir + QStringLiteral("/res/gmap.html")) &&
        QFileInfo::exists(installed + QStringLiteral("/gmap.html")))
        return QFileInfo(installed).canonicalFilePath();
    return appDir + QStringLiteral("/res");
}

QUrl MapPageUrl(int mapType, const QString& apiKey) {
    QUrl url = MapPageSchemeUrl(QString::fromLatin1(MapPageFile(mapType)));
    static const QRegularExpression kKeyText(QStringLiteral("^[A-Za-z0-9_-]{1,100}$"));
    if (mapType != kChinaMapPage && kKeyText.match(apiKey).hasMatch()) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("key"), apiKey);
        url.setQuery(query);
    }
    return url;
}

MapBridge::MapBridge(int mapType, QString pageFolder)
    : m_nMapType(mapType), m_strPageFolder(std::move(pageFolder)) {}

MapBridge::~MapBridge() = default;

bool MapBridge::LoadMap(int mapType) {
    m_nMapType = mapType;
    if (!m_bCefReady || !m_pWebView)
        return true;
    CCefClientApp::Instance().SetPageFolder(m_strPageFolder);
    QUrl url = MapPageUrl(mapType, SettingsFile::Instance().ReadMapKey());
    if (url == m_pageUrl && !m_pWebView->Browsers().empty())
        return true;
    // One page at a time: a second browser would never be shown, yet would load, draw and hold
    // its memory, and every script call would run in both.
    m_pWebView->ClientHandler()->CloseAllBrowsers();
    m_pageUrl = url;
    m_pWebView->NewPage(url);
    return true;
}

void MapBridge::ExecuteScript(const std::string& script) {
    if (m_pWebView)
        m_pWebView->RunScript(QString::fromStdString(script));
}

bool MapBridge::MoveMarker(double latitude, double longitude, int format) {
    std::optional<std::string> script = MarkerScript(latitude, longitude, format, m_nMapType);
    if (!script)
        return false;
    ExecuteScript(*script);
    return true;
}

} // namespace vemora
