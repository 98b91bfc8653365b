#include "map/browser/TileRequestInterceptor.h"

#include <QUrl>

namespace vemora {

TileRequestInterceptor::TileRequestInterceptor(QObject* parent, QString tileHost)
    : QWebEngineUrlRequestInterceptor(parent), m_strTileHost(std::move(tileHost)) {}

void TileRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString host = info.requestUrl().host();
    if (host != m_strTileHost && !host.endsWith(QLatin1Char('.') + m_strTileHost))
        return;
    info.setHttpHeader("User-Agent", kTileUserAgent);
    info.setHttpHeader("Referer", kTileReferer);
}

} // namespace vemora
