#pragma once
// The map pages are served by the program itself under a URL scheme of its own, not as local
// files: a page that runs the map providers' scripts then has no file origin, so it can read no
// file of the user's, and the request policy below lets it reach only the providers over https.

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlSchemeHandler>

#include <optional>

namespace vemora {

inline constexpr char kMapPageScheme[] = "vemora-map";
inline constexpr char kMapPageHost[] = "pages";

// Declares the scheme to the browser engine; must run before the application object exists.
void RegisterMapPageScheme();

// "vemora-map://pages/<name>".
QUrl MapPageSchemeUrl(const QString& name);

// The file of folder that a page-scheme URL names: its path cleaned and taken below folder.
// Nothing for another scheme or host, an empty name, or a path that would leave the folder.
std::optional<QString> MapPageFilePath(const QString& folder, const QUrl& url);

// Whether a map page may make a request: its own scheme, inline data, and https to the map
// providers' and the tile server's hosts. Plain http only to this machine (a test's server);
// files never.
bool MapRequestAllowed(const QUrl& url);

class MapPageSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit MapPageSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

    // The folder whose files the scheme serves (the program's own "res").
    void SetFolder(const QString& folder) { m_strFolder = folder; }
    const QString& Folder() const { return m_strFolder; }

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString m_strFolder;
};

} // namespace vemora
