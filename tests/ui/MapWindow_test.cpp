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
        "Failed to load URL vemora-map://pages/gmap.html with error net::ERR_FILE_NOT_FOUND (-6).");
    const QString text = QStringLiteral("document.body ? document.body.innerText : ''");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Eval(page, text) == expected; }, 10000))
        << Eval(page, text).toString().toStdString();
}

// The page's scripts come from the map providers: of the local files they read only the page's
// own; a window opens only for a click, and only for a web address, in the user's own browser; the
// map stays in place.
TEST(MapWindowTest, NewWindowsOpenInTheUsersBrowserAndTheMapStays) {
    QList<QUrl> opened;
    CCefClientHandler::SetExternalOpener([&](const QUrl& url) { opened << url; });
    LoadedMap m(BuiltPageFolder());
    ASSERT_TRUE(m.loaded);
    const QUrl mapUrl = m.Page().url();
    auto readFile = [&](const char* url) {
        m.Page().runJavaScript(
            QStringLiteral("delete window.got; var x = new XMLHttpRequest();"
                           "x.onload = function () { window.got = 'read'; };"
                           "x.onerror = function () { window.got = 'refused'; };"
                           "try { x.open('GET', '%1'); x.send(); } catch (e) { window.got = 'refused'; }")
                .arg(QLatin1String(url)));
        return WaitFor(m.Page(), "window.got !== undefined") ? Eval(m.Page(), "window.got").toString()
                                                             : QString();
    };
    EXPECT_EQ(readFile("file:///etc/hostname"), QStringLiteral("refused"));
    EXPECT_EQ(readFile("gmap_ufo.png"), QStringLiteral("read"));

    // Without the user's click nothing opens: not a script's window, not a script's move to
    // another address, not a link a script clicks, and never an address that is not http(s).
    const char* clickLink =
        "var a = document.createElement('a'); a.href = '%1'; document.body.appendChild(a); a.click();";
    for (const QString& script :
         {QStringLiteral("window.open('https://example.org/unasked')"),
          QStringLiteral("location.href = 'https://example.org/elsewhere'"),
          QString::fromLatin1(clickLink).arg(QLatin1String("https://example.org/scripted")),
          QStringLiteral(
              "document.querySelector('.leaflet-control-attribution a[href*=openstreetmap]').click()")})
        m.Page().runJavaScript(script);
    QTest::qWait(1500);
    EXPECT_TRUE(opened.isEmpty());

    // The user's clicks: on the tile attribution (followed in place it would replace the map), on
    // a link that asks for a new window, and on one that is not a web address.
    m.Page().runJavaScript(QStringLiteral(
        "function place(href, top, target) { var b = document.createElement('a'); b.href = href;"
        "  b.target = target; b.style = 'position:fixed; left:0; width:60px; height:40px; z-index:100000;"
        "  display:block; top:' + top + 'px'; document.body.appendChild(b); }"
        "place('https://example.org/clicked', 0, '_blank'); place('file:///etc/hostname', 60, '');"
        "window.placed = true;"));
    ASSERT_TRUE(WaitFor(m.Page(), "window.placed === true"));
    const QVariantList attribution =
        Eval(m.Page(), "var r = document.querySelector('.leaflet-control-attribution a[href*=openstreetmap]')"
                       ".getBoundingClientRect(); [r.left + r.width / 2, r.top + r.height / 2]")
            .toList();
    ASSERT_EQ(attribution.size(), 2);
    QWidget* input = OnlyBrowser(m.map)->focusProxy();
    for (QPoint at :
         {QPoint(attribution[0].toInt(), attribution[1].toInt()), QPoint(20, 20), QPoint(20, 80)}) {
        QTest::mouseClick(input, Qt::LeftButton, {}, at);
        QTest::qWait(1200);
    }
    CCefClientHandler::SetExternalOpener([](const QUrl&) {});
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("https://www.openstreetmap.org/copyright")),
                                   QUrl(QStringLiteral("https://example.org/clicked"))}))
        << opened.size();
    EXPECT_EQ(m.Page().url(), mapUrl);
    EXPECT_EQ(m.map.WebView()->Browsers().size(), 1u);
}
