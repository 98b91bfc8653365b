// The map window over the real browser engine: which page opens when, the marker calls with the
// layout-0 conversion and the (0, 0) rule, the browser's place, the error page and links that
// want a new window.

#include "map/browser/CEFWebkitUI.h"
#include "map/browser/CefClientHandler.h"
#include "map/browser/HtmlMapDlg.h"
#include "tests/ui/MapTestSupport.h"

#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace vemora;
using namespace maptest;

namespace {

QWebEngineView* OnlyBrowser(const CHtmlMapDlg& map) {
    auto browsers = map.WebView()->Browsers();
    return browsers.size() == 1 ? browsers.front() : nullptr;
}

QString PageName(const CHtmlMapDlg& map) {
    QWebEngineView* b = OnlyBrowser(map);
    return b ? b->url().fileName() : QString();
}

// A map window whose page has loaded.
struct LoadedMap {
    explicit LoadedMap(const QString& folder, int mapType = 0) : map(nullptr, mapType, folder) {
        map.resize(400, 300);
        QSignalSpy ready(&map, &CHtmlMapDlg::pageReady);
        map.InitCef();
        loaded = ready.wait(30000);
    }
    QWebEnginePage& Page() { return *OnlyBrowser(map)->page(); }
    CHtmlMapDlg map;
    bool loaded = false;
};

} // namespace

TEST(MapWindowTest, TheMapSettingChoosesThePageAndAnEarlyChoiceDecidesTheFirst) {
    CHtmlMapDlg map(nullptr, 0, BuiltPageFolder());
    map.InitCef();
    EXPECT_TRUE(map.LoadMap(1)); // before the browser is ready: remembered only
    EXPECT_FALSE(map.CefReady());
    EXPECT_TRUE(map.WebView()->Browsers().empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return map.CefReady(); }, 10000));
    EXPECT_EQ(PageName(map), QStringLiteral("BMap.html"));

    for (auto [type, page] : {std::pair{0, "gmap.html"}, std::pair{1, "BMap.html"}, std::pair{2, "gmap.html"},
                              std::pair{0, "gmap.html"}}) {
        map.LoadMap(type);
        EXPECT_EQ(PageName(map), QLatin1String(page)) << type;
        EXPECT_EQ(map.MapType(), type);
    }
}

TEST(MapWindowTest, MarkerMovesWithTheLayoutConversionButNeverToZeroZero) {
    LoadedMap m(BuiltPageFolder());
    ASSERT_TRUE(m.loaded);
    ASSERT_TRUE(WaitFor(m.Page(), "typeof engine === 'object'"));
    const QString marker = QStringLiteral("[marker.getLatLng().lat, marker.getLatLng().lng].join()");

    EXPECT_TRUE(m.map.MoveMarker(35.30, 139.15, 0)); // NMEA / 100: 35 deg 30 min, 139 deg 15 min
    EXPECT_TRUE(WaitFor(m.Page(), marker + " === '35.5,139.25'"))
        << Eval(m.Page(), marker).toString().toStdString();
    EXPECT_TRUE(m.map.MoveMarker(35.30, 139.15, 1));
    EXPECT_TRUE(WaitFor(m.Page(), marker + " === '35.3,139.15'"));
    EXPECT_FALSE(m.map.MoveMarker(0.0, 0.0, 3));
    m.map.ExecuteScript("path_plot(1.000000,2.000000)");
    EXPECT_TRUE(WaitFor(m.Page(), "poly.getLatLngs().length === 1"));
    EXPECT_EQ(Eval(m.Page(), marker).toString(), QStringLiteral("35.3,139.15"));
    EXPECT_EQ(Eval(m.Page(), "polydrived.getLatLngs().length").toInt(), 2);
}

TEST(MapWindowTest, BrowserLeavesATenPixelStripUnlessTheWindowIsTooLow) {
    CHtmlMapDlg map(nullptr, 0, BuiltPageFolder());
    map.InitCef();
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnlyBrowser(map) != nullptr; }, 10000));
    for (auto [height, browserHeight] :
         {std::pair{300, 290}, std::pair{11, 1}, std::pair{10, 10}, std::pair{1, 1}}) {
        map.MoveTo(QRect(5, 48, 240, height));
        EXPECT_EQ(map.geometry(), QRect(5, 48, 240, height));
        EXPECT_EQ(OnlyBrowser(map)->geometry(), QRect(0, 0, 240, browserHeight)) << height;
    }
}

TEST(MapWindowTest, AFailedLoadShowsTheErrorPage) {
    CHtmlMapDlg map(nullptr, 0, QStringLiteral("/nonexistent/res"));
    map.InitCef();
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnlyBrowser(map) != nullptr; }, 10000));
    QWebEnginePage& page = *OnlyBrowser(map)->page();
    const QString expected = QStringLiteral(
        "Failed to load URL file:///nonexistent/res/gmap.html with error net::ERR_FILE_NOT_FOUND (-6).");
    const QString text = QStringLiteral("document.body ? document.body.innerText : ''");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Eval(page, text) == expected; }, 10000))
        << Eval(page, text).toString().toStdString();
}

TEST(MapWindowTest, NewWindowsOpenInTheUsersBrowserAndTheMapStays) {
    QList<QUrl> opened;
    CCefClientHandler::SetExternalOpener([&](const QUrl& url) { opened << url; });
    LoadedMap m(BuiltPageFolder());
    ASSERT_TRUE(m.loaded);
    const QUrl mapUrl = m.Page().url();
    m.Page().runJavaScript(QStringLiteral("window.open('https://www.openstreetmap.org/copyright')"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 10000));
    // A link of the page, followed in place, would replace the map as well.
    m.Page().runJavaScript(QStringLiteral(
        "document.querySelector('.leaflet-control-attribution a[href*=openstreetmap]').click()"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened.size() == 2; }, 10000));
    CCefClientHandler::SetExternalOpener([](const QUrl&) {});
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://www.openstreetmap.org/copyright")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://www.openstreetmap.org/copyright")));
    EXPECT_EQ(m.Page().url(), mapUrl);
    EXPECT_EQ(m.map.WebView()->Browsers().size(), 1u);
}
