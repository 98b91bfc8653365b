#pragma once
// The map of the Drives window: the all-drives page (drives.html) in a browser of the shared map
// profile. Script calls made before the page has loaded wait for it; a click on a line comes back
// as driveClicked. The page goes nowhere else: every other navigation is refused.

#include <QStringList>
#include <QWebEngineView>

namespace vemora {

class DrivesMapView : public QWebEngineView {
    Q_OBJECT
public:
    // pageFolder: the map pages' folder (drives.html and leaflet/ inside).
    DrivesMapView(const QString& pageFolder, QWidget* parent);

    void RunScript(const QString& script);
    bool PageLoaded() const { return m_bLoaded; }

signals:
    void driveClicked(qint64 id);
    void pageLoaded();

private:
    bool m_bLoaded = false;
    QStringList m_pending;
};

} // namespace vemora
