// The map pages come from the program's own scheme: a page names only files of its folder, and
// reaches the network only over https to the map providers.
#include "map/browser/MapPageScheme.h"

#include <gtest/gtest.h>

using namespace vemora;

TEST(MapPageScheme, PagesReadTheirFolderAndReachOnlyTheProviders) {
    const QString folder = QStringLiteral("/opt/vemora/res");
    struct FileCase {
        const char* url;
        const char* file; // nullptr: refused
    } files[] = {
        {"vemora-map://pages/gmap.html", "/opt/vemora/res/gmap.html"},
        {"vemora-map://pages/leaflet/leaflet.js", "/opt/vemora/res/leaflet/leaflet.js"},
        {"vemora-map://pages/leaflet/../gmap_ufo.png", "/opt/vemora/res/gmap_ufo.png"},
        {"vemora-map://pages/../../etc/passwd", nullptr}, // climbing out of the folder
        {"vemora-map://pages/%2e%2e/%2e%2e/etc/passwd", nullptr},
        {"vemora-map://pages/leaflet/%2e%2e/%2e%2e/etc/passwd", nullptr},
        {"vemora-map://pages/", nullptr},
        {"vemora-map://other/gmap.html", nullptr},
        {"file:///opt/vemora/res/gmap.html", nullptr},
    };
    for (const FileCase& c : files) {
        auto path = MapPageFilePath(folder, QUrl(QString::fromLatin1(c.url)));
        if (!c.file)
            EXPECT_FALSE(path) << c.url;
        else
            EXPECT_EQ(path.value_or(QString()), QString::fromLatin1(c.file)) << c.url;
    }

    struct RequestCase {
        const char* url;
        bool allowed;
    } requests[] = {
        {"vemora-map://pages/leaflet/leaflet.css", true},
        {"https://tile.openstreetmap.org/15/1/2.png", true},
        {"https://maps.googleapis.com/maps/api/js?key=k", true},
        {"https://api.map.baidu.com/api?v=1.4&s=1", true},
        {"https://developer.baidu.com.evil.example/x.js", false},
        {"http://api.map.baidu.com/getscript", false}, // no plain http
        {"https://example.org/tracker.js", false},
        {"file:///etc/hostname", false},
        {"ftp://tile.openstreetmap.org/x", false},
        {"http://127.0.0.1:9/15/1/2.png", true}, // a test's own server on this machine
    };
    for (const RequestCase& c : requests)
        EXPECT_EQ(MapRequestAllowed(QUrl(QString::fromLatin1(c.url))), c.allowed) << c.url;
}
