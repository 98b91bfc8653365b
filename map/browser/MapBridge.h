#pragma once
// The program's side of the conversation with the map page: which page to open, and the script
// calls sent to it. The map window is the bridge; the track feeder sees it as a MapScriptSink.

#include "map/MapScriptSink.h"

#include <QString>
#include <QUrl>

#include <memory>

namespace vemora {

class CCEFWebkitUI;

// The folder holding the map pages: "res" beside the program, or the installed share folder.
QString DefaultMapPageFolder();

// The URL of the page for a map setting, under the program's own page scheme (MapPageScheme.h),
// which serves the bridge's page folder. The Google page gets the API key as its "key" query
// value when one is given; a key with other characters than letters, digits, '-' and '_' is no
// key.
QUrl MapPageUrl(int mapType, const QString& apiKey);

class MapBridge : public MapScriptSink {
public:
    ~MapBridge() override;

    // Remembers the map setting; once the browser is ready, opens its page. The page replaces the
    // one shown unless it is that page already. Always true.
    bool LoadMap(int mapType);
    // Runs script in every browser of the view; nothing without a view. Calls made before the page
    // has loaded are lost.
    void ExecuteScript(const std::string& script) override;
    // "movpos(lat, lon)" after the conversion of layout 0; false and nothing sent for (0, 0).
    bool MoveMarker(double latitude, double longitude, int format) override;

    int MapType() const { return m_nMapType; }
    bool CefReady() const { return m_bCefReady; }
    CCEFWebkitUI* WebView() const { return m_pWebView.get(); }
    const QString& PageFolder() const { return m_strPageFolder; }

protected:
    MapBridge(int mapType, QString pageFolder);

    int m_nMapType;
    bool m_bCefReady = false;
    std::unique_ptr<CCEFWebkitUI> m_pWebView;
    QString m_strPageFolder;
    QUrl m_pageUrl; // the page the view shows (empty before the first)
};

} // namespace vemora
