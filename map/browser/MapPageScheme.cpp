#include "map/browser/MapPageScheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace vemora {

namespace {

// The hosts the pages load the map libraries, their pictures and the tiles from.
const char* const kProviderDomains[] = {
    "openstreetmap.org",                                             // Leaflet's tiles
    "googleapis.com",    "gstatic.com", "google.com",   "ggpht.com", // the Google page with a key
    "baidu.com",         "bdimg.com",   "bdstatic.com",              // the China page
};

bool InDomain(const QString& host, const char* domain) {
    const QString d = QString::fromLatin1(domain);
    return host == d || host.endsWith(QLatin1Char('.') + d);
}

bool IsLoopback(const QString& host) {
    if (host == QLatin1String("localhost"))
        return true;
    QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QByteArray MimeTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html"))
        return "text/html";
    if (suffix == QLatin1String("js"))
        return "application/javascript";
    if (suffix == QLatin1String("css"))
        return "text/css";
    if (suffix == QLatin1String("png"))
        return "image/png";
    return "application/octet-stream";
}

} // namespace

void RegisterMapPageScheme() {
    QWebEngineUrlScheme scheme(kMapPageScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure like https (the providers' https scripts are no mixed content); requests of the
    // page's own scripts to its own files are allowed. No local-file rights.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl MapPageSchemeUrl(const QString& name) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kMapPageScheme));
    url.setHost(QString::fromLatin1(kMapPageHost));
    url.setPath(QLatin1Char('/') + name);
    return url;
}

std::optional<QString> MapPageFilePath(const QString& folder, const QUrl& url) {
    if (url.scheme() != QLatin1String(kMapPageScheme) || url.host() != QLatin1String(kMapPageHost) ||
        folder.isEmpty())
        return std::nullopt;
    // The path is cleaned as a path below "/": ".." can climb no higher than the folder itself.
    const QString cleaned = QDir::cleanPath(QLatin1Char('/') + url.path(QUrl::FullyDecoded));
    if (cleaned == QLatin1String("/") || cleaned.startsWith(QLatin1String("/..")) ||
        cleaned.contains(QChar(0)))
        return std::nullopt;
    return QDir::cleanPath(folder) + cleaned;
}

bool MapRequestAllowed(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == QLatin1String(kMapPageScheme) || scheme == QLatin1String("data") ||
        scheme == QLatin1String("blob"))
        return true;
    const QString host = url.host().toLower();
    if (scheme == QLatin1String("http"))
        return IsLoopback(host);
    if (scheme != QLatin1String("https"))
        return false;
    for (const char* domain : kProviderDomains)
        if (InDomain(host, domain))
            return true;
    return IsLoopback(host);
}

void MapPageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    std::optional<QString> path = MapPageFilePath(m_strFolder, job->requestUrl());
    if (!path) {
        job->fail(QWebEngineUrlRequestJob::UrlInvalid);
        return;
    }
    // The folder is the program's own; its links (Debian's Leaflet) are followed, but only to a
    // regular file.
    auto* file = new QFile(*path, job);
    if (!QFileInfo(*path).isFile() || !file->open(QIODevice::ReadOnly)) {
        delete file;
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(MimeTypeOf(*path), file);
}

} // namespace vemora
