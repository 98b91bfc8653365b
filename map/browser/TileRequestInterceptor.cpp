#include "map/browser/TileRequestInterceptor.h"

#include "map/browser/MapPageScheme.h"

#include <QDir>
#include <QFileInfo>

namespace vemora {

TileRequestInterceptor::TileRequestInterceptor(QObject* parent, QString tileHost)
    : QWebEngineUrlRequestInterceptor(parent), m_strTileHost(std::move(tileHost)) {}

bool PageMayLoadFile(const QUrl& pageUrl, const QUrl& fileUrl) {
    if (!pageUrl.isLocalFile() || !fileUrl.isLocalFile())
        return false;
    const QString folder = QDir::cleanPath(QFileInfo(pageUrl.toLocalFile()).path()) + QLatin1Char('/');
    return QDir::cleanPath(fileUrl.toLocalFile()).startsWith(folder);
}

void TileRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    // A page of the program's own scheme reaches only what MapRequestAllowed names.
    if (info.firstPartyUrl().scheme() == QLatin1String(kMapPageScheme) &&
        !MapRequestAllowed(info.requestUrl())) {
        info.block(true);
        return;
    }
    // The page itself is what the program loads (other navigations are refused by the page).
    if (info.requestUrl().scheme() == QLatin1String("file") &&
        info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame &&
        !PageMayLoadFile(info.firstPartyUrl(), info.requestUrl())) {
        info.block(true);
        return;
    }
    const QString host = info.requestUrl().host();
    if (host != m_strTileHost && !host.endsWith(QLatin1Char('.') + m_strTileHost))
        return;
    info.setHttpHeader("User-Agent", kTileUserAgent);
    info.setHttpHeader("Referer", kTileReferer);
}

} // namespace vemora
