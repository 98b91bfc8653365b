#pragma once
// The map window: a child of the main window over its map area, owning the browser view that
// shows the map page. It sizes the browser itself, leaving a 10-pixel strip at the bottom, and
// repaints it shortly after every change of place or size.

#include "map/browser/MapBridge.h"

#include <QTimer>
#include <QWidget>

namespace vemora {

class CHtmlMapDlg : public QWidget, public MapBridge {
    Q_OBJECT
public:
    // pageFolder: where gmap.html and BMap.html lie.
    CHtmlMapDlg(QWidget* parent, int mapType, QString pageFolder = DefaultMapPageFolder());
    ~CHtmlMapDlg() override;

    // Starts the browser side and makes the view; the page opens once the browser reports ready.
    void InitCef();
    // Places the map window (parent coordinates); the browser follows.
    void MoveTo(const QRect& rect);
    // Takes every browser down; called when the main window closes.
    void CloseAllBrowsers();

signals:
    // The map page has loaded: from now on script calls reach it.
    void pageReady();

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void OnHostMessage(int wParam);
    // The browser's rectangle for the window's current size.
    void PlaceView();

    QTimer m_refreshTimer;
};

} // namespace vemora
