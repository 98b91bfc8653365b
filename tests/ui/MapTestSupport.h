#pragma once
// Page tests run the program's map pages in the real browser engine: a copy of the built page
// folder in which the map providers' libraries are swapped for the stand-ins of map-standins/.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

namespace maptest {

inline QString BuiltPageFolder() {
    return QStringLiteral(VEMORA_BINARY_DIR "/res");
}

inline QString StandIn(const char* name) {
    return QUrl::fromLocalFile(QStringLiteral(VEMORA_SOURCE_DIR "/tests/ui/map-standins/") +
                               QLatin1String(name))
        .toString();
}

// A copy of the built page folder with some texts of the pages replaced.
class PageFolder {
public:
    PageFolder() {
        QDirIterator it(BuiltPageFolder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QString from = it.next();
            QString to = m_dir.filePath(QDir(BuiltPageFolder()).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        if (!QFile::exists(Path("gmap.html")))
            ADD_FAILURE() << "no map pages in " << BuiltPageFolder().toStdString() << ": build map_pages";
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QUrl Url(const QString& nameAndQuery) const {
        QUrl url = QUrl::fromLocalFile(Path(nameAndQuery.section(QLatin1Char('?'), 0, 0)));
        url.setQuery(nameAndQuery.section(QLatin1Char('?'), 1));
        return url;
    }
    void Replace(const QString& page, const QString& from, const QString& to) {
        QFile f(Path(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(f.readAll());
        f.close();
        ASSERT_TRUE(text.contains(from)) << from.toStdString();
        text.replace(from, to);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }
    // The pages with the stand-ins in place of the providers' libraries.
    void UseStandIns() {
        Replace(QStringLiteral("gmap.html"), QStringLiteral("https://maps.googleapis.com/maps/api/js"),
                StandIn("google-maps.js"));
        Replace(QStringLiteral("BMap.html"), QStringLiteral("https://api.map.baidu.com/api?v=1.4&s=1"),
                StandIn("baidu-map.js"));
        Replace(QStringLiteral("BMap.html"), QStringLiteral("\"BMapConvert.js\""),
                QLatin1Char('"') + StandIn("baidu-convertor.js") + QLatin1Char('"'));
        // Tests ask no real tile server: this port refuses at once.
        Replace(QStringLiteral("gmap.html"), QStringLiteral("https://tile.openstreetmap.org/"),
                QStringLiteral("http://127.0.0.1:9/"));
    }

private:
    QTemporaryDir m_dir;
};

// A page that keeps the script errors it is told about.
class ConsolePage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QStringList errors;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int,
                                  const QString&) override {
        if (level == ErrorMessageLevel)
            errors << message;
    }
};

// The value of a script expression in the page.
inline QVariant Eval(QWebEnginePage& page, const QString& script) {
    QVariant result;
    bool done = false;
    page.runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        ADD_FAILURE() << "no answer from the page to " << script.toStdString();
    return result;
}

// Waits until a script expression is true in the page.
inline bool WaitFor(QWebEnginePage& page, const QString& condition, int ms = 15000) {
    return QTest::qWaitFor([&] { return Eval(page, condition).toBool(); }, ms);
}

inline bool Load(QWebEnginePage& page, const QUrl& url) {
    QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
    page.load(url);
    return finished.wait(30000) && finished.first().first().toBool();
}

} // namespace maptest
