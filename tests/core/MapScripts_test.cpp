// The script texts sent to the map page, the page a map setting opens, and the load-error page.

#include "map/LoadErrorPage.h"
#include "map/MapScripts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vemora;

TEST(MapScriptsTest, MarkerMovesAreFixedTextsAfterTheLayoutZeroConversion) {
    struct Case {
        double lat, lon;
        int format, mapType;
        const char* script; // nullptr: nothing sent
    };
    const Case cases[] = {
        {0.0, 0.0, 0, 0, nullptr},
        {0.0, 0.0, 3, 1, nullptr},
        {-0.0, 0.0, 1, 0, nullptr},
        {0.0, 139.5, 3, 0, "movpos(0.000000, 139.500000)"},
        {35.30, 139.15, 0, 0, "movpos(35.500000, 139.250000)"},
        {35.30, 139.15, 0, 1, "movpos(35.500000, 139.250000)"},
        {35.30, 139.15, 0, 2, "movpos(35.300000, 139.150000)"}, // neither page: as stored
        {35.30, 139.15, 1, 0, "movpos(35.300000, 139.150000)"},
        {-33.8688, -151.2093, 4, 0, "movpos(-33.868800, -151.209300)"},
        {NAN, 139.0, 1, 0, nullptr},
        {35.0, INFINITY, 1, 0, nullptr},
    };
    for (const Case& c : cases) {
        auto script = MarkerScript(c.lat, c.lon, c.format, c.mapType);
        if (c.script)
            EXPECT_EQ(script, std::string(c.script)) << c.lat << " " << c.lon << " format " << c.format;
        else
            EXPECT_FALSE(script.has_value()) << c.lat << " " << c.lon;
    }
}

TEST(MapScriptsTest, OnlyTheChinaSettingOpensTheChinaPage) {
    for (auto [type, page] : {std::pair{0, "gmap.html"}, std::pair{1, "BMap.html"}, std::pair{2, "gmap.html"},
                              std::pair{-1, "gmap.html"}})
        EXPECT_STREQ(MapPageFile(type), page) << type;
}

TEST(LoadErrorPageTest, PageTextIsEscapedAndTravelsAsAnEncodedDataUri) {
    EXPECT_EQ(LoadErrorPageHtml("file:///opt/res/gmap.html", "net::ERR_FILE_NOT_FOUND", -6),
              "<html><body bgcolor=\"white\"><h2>Failed to load URL file:///opt/res/gmap.html with error "
              "net::ERR_FILE_NOT_FOUND (-6).</h2></body></html>");
    EXPECT_EQ(
        LoadErrorPageHtml("file:///a<b>&\"c", "x<y", 1),
        "<html><body bgcolor=\"white\"><h2>Failed to load URL file:///a&lt;b&gt;&amp;&quot;c with error "
        "x&lt;y (1).</h2></body></html>");

    for (auto [in, out] : {std::pair{"", ""}, std::pair{"f", "Zg=="}, std::pair{"fo", "Zm8="},
                           std::pair{"foo", "Zm9v"}, std::pair{"\xff\xfe\xfd?", "//79Pw=="}})
        EXPECT_EQ(Base64Encode(in), out) << in;
    EXPECT_EQ(UriEncode("a b+/=-_.!~*'()Z9"), "a%20b%2B%2F%3D-_.!~*'()Z9");
    EXPECT_EQ(LoadErrorPageDataUri("<", "", 0).substr(0, 22), "data:text/html;base64,");

    EXPECT_FALSE(ShowsLoadErrorPage(-3));
    EXPECT_TRUE(ShowsLoadErrorPage(-6));
    EXPECT_TRUE(ShowsLoadErrorPage(-105));
}
