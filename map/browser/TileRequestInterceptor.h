#pragma once
// Identifies the program to the map tile server, and keeps the map pages out of the user's files.
// The server turns away requests that do not say which program sends them; a page opened from a
// file sends no Referer of its own. The pages are files that run the map providers' scripts: of
// the local files, such a page loads only those of its own folder.

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace vemora {

inline constexpr char kTileServerHost[] = "tile.openstreetmap.org";
inline constexpr char kTileUserAgent[] = "VemoraViewer/1.0 (map panel of the Vemora Viewer desktop program)";
// A plain http address: the engine drops a referrer of any other scheme, and one starting with
// https may not go to a plain http server.
inline constexpr char kTileReferer[] = "http://vemora-viewer.invalid/";

// Whether a page at pageUrl may load the local file fileUrl: only a local page, and only a file in
// the page's folder or below it.
bool PageMayLoadFile(const QUrl& pageUrl, const QUrl& fileUrl);

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
