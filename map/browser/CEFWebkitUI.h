#pragma once
// The browser view of the map window: creates the browsers inside the host window, places them,
// runs script calls in them and takes them down. Only the first browser is ever shown.

#include <QRect>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

class QWebEngineView;
class QWidget;

namespace vemora {

class CCefClientHandler;

class CCEFWebkitUI {
public:
    // Also creates the client handler of this view, for the same host window.
    explicit CCEFWebkitUI(QWidget* hostWnd);
    ~CCEFWebkitUI();

    CCEFWebkitUI(const CCEFWebkitUI&) = delete;
    CCEFWebkitUI& operator=(const CCEFWebkitUI&) = delete;

    const char* GetTypeName() const { return "WKEWebkitUI"; }
    // Stores the rectangle (host coordinates, right and bottom exclusive) and puts the shown
    // browser there; the others are hidden.
    void SetViewRect(int left, int top, int right, int bottom);
    QRect GetViewRect() const { return m_rcView; }

    // One more browser in the view, loading url.
    void NewPage(const QUrl& url);
    // Runs script in the main frame of every browser; no result comes back.
    void RunScript(const QString& script);
    // Takes the browsers' windows off the screen.
    void DestoryCefWindows();
    // Repaints every browser's window.
    void Refresh();

    CCefClientHandler* ClientHandler() const { return m_pClientHandler.get(); }
    std::vector<QWebEngineView*> Browsers() const;

private:
    QWidget* m_hHostWnd;
    std::unique_ptr<CCefClientHandler> m_pClientHandler;
    std::size_t m_nCurrentTab = 0;
    QRect m_rcView;
};

} // namespace vemora
