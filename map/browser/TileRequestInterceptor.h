#pragma once
// Identifies the program to the map tile server. The server turns away requests that do not say
// which program sends them; a page opened from a file sends no Referer of its own.

#include <QWebEngineUrlRequestInterceptor>

namespace vemora {

inline constexpr char kTileServerHost[] = "tile.openstreetmap.org";
inline constexpr char kTileUserAgent[] = "VemoraViewer/1.0 (map panel of the Vemora Viewer desktop program)";
// A plain http address: the engine drops a referrer of any other scheme, and one starting with
// https may not go to a plain http server.
inline constexpr char kTileReferer[] = "http://vemora-viewer.invalid/";

class TileRequestInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    // tileHost: requests to this host and its subdomains get the program's identification.
    explicit TileRequestInterceptor(QObject* parent, QString tileHost = QString::fromLatin1(kTileServerHost));

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QString m_strTileHost;
};

} // namespace vemora
