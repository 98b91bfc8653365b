#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/CustomMessages.h"
#include "app/DvrDlgShared.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/RejectedFilesNote.h"
#include "settings/SettingsFile.h"
#include "widgets/GSensorCtrl.h"
#include "widgets/GdipButton.h"
#include "widgets/OutlinedText.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoStatic.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

// The main window's geometry: saved position, sizes, full screen, the layout of every control,
// the window's shape, its painting and the mouse on its background (grip, splitters, dragging).

namespace vemora {

QRect CDvrDlg::MonitorRect() const {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void CDvrDlg::RestoreWindowPosition() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto& settings = SettingsFile::Instance();
    WindowPlacement p = RestoreWindowRect(settings.ReadWindowRect(), avail.width(), avail.height());
    setGeometry(avail.left() + p.x, avail.top() + p.y, p.width, p.height);
    raise();
    LayoutControls(p.width, p.height);
}

void CDvrDlg::SaveWindowPosition() {
    QRect g = geometry();
    SavedWindowRect r;
    r.left = g.left();
    r.top = g.top();
    r.right = g.left() + g.width();
    r.bottom = g.top() + g.height();
    SettingsFile::Instance().SaveWindowRect(r);
}

void CDvrDlg::SetFixedWindowRect(const QRect& r) {
    setGeometry(r);
    m_bMaximized = 0;
}

void CDvrDlg::OnMaximize() {
    if (m_bMaximized) {
        setGeometry(m_rcRestore);
        raise();
        show();
        m_bMaximized = 0;
    } else {
        m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
        setGeometry(MonitorRect());
        m_bMaximized = 1;
    }
    if (m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

void CDvrDlg::OnMinimize() {
    m_bMinimized = 1;
    showMinimized();
}

void CDvrDlg::OnSizeSmall() {
    QRect m = MonitorRect();
    SetFixedWindowRect(QRect(m.left() + (m.width() - 800) / 2, m.top() + (m.height() - 560) / 2, 800, 560));
}

void CDvrDlg::OnSizeMedium() {
    QRect m = MonitorRect();
    SetFixedWindowRect(QRect(m.left() + m.width() / 8, m.top() + m.height() / 8,
                             std::max(m.width() * 4 / 5, 800), std::max(m.height() * 4 / 5, 560)));
}

void CDvrDlg::OnSizeLarge() {
    SetFixedWindowRect(MonitorRect());
}

// One video pane fills its monitor, or the window returns to where it was.
void CDvrDlg::OnToggleFullScreen(qint64 wParam) {
    m_ptCursor = QCursor::pos();
    auto paneHit = [this](QWidget* pane) {
        return pane->isVisible() && QRect(pane->mapToGlobal(QPoint(0, 0)), pane->size()).contains(m_ptCursor);
    };
    if (wParam == kFullScreenFrontPane && !m_bFullScreen)
        m_nFullScreenPane = 1;
    else if (paneHit(m_pFrontVideo))
        m_nFullScreenPane = 1;
    else if (paneHit(m_pRearVideo))
        m_nFullScreenPane = 2;
    if (m_library.Records().empty() || LibraryBusy())
        return;
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    CVideoStaticBg* paneBg = m_nFullScreenPane == 2 ? m_pRearBg : m_pFrontBg;
    if (m_bFullScreen) {
        m_bFullScreen = 0;
        paneBg->SetClientEdge(true);
        ShowControls(true);
        setGeometry(m_rcRestore);
        raise();
        show();
        m_pFrontVideo->show();
        m_pRearVideo->show();
        UpdateWindowShape(width(), height());
        LayoutControls(width(), height());
    } else {
        m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
        QRect monitor = MonitorRect();
        m_bFullScreen = 1;
        m_bMaximized = 0;
        ShowControls(false);
        paneBg->SetClientEdge(false);
        int h = (monitor.width() == m_nClientCx || monitor.height() == m_nClientCy) ? monitor.height() - 1
                                                                                    : monitor.height();
        setGeometry(monitor.left(), monitor.top(), monitor.width(), h);
        UpdateWindowShape(width(), height());
        LayoutControls(width(), height());
        Button(IDC_PLAY)->setFocus();
        (m_nFullScreenPane == 2 ? m_pFrontVideo : m_pRearVideo)->hide();
        (m_nFullScreenPane == 2 ? m_pRearVideo : m_pFrontVideo)->update();
    }
    m_pPlayers->Resume(paused);
}

void CDvrDlg::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    int cx = width(), cy = height();
    if (cx == 0 || cy == 0)
        return;
    m_nClientCx = cx;
    m_nClientCy = cy;
    UpdateWindowShape(cx, cy);
    if (!m_controls.empty() && QSize(cx, cy) != m_lastLayoutSize) {
        LayoutControls(cx, cy);
        m_lastLayoutSize = QSize(cx, cy);
    }
    if (m_bMinimized) {
        m_bMinimized = 0;
        m_pFrontVideo->show();
        m_pRearVideo->show();
    }
    if (m_pPlayers && !m_controls.empty()) {
        m_pPlayers->RefreshSeekBarSoon();
        m_layoutRerun.start();
    }
    update();
}

// The embedded browser settles its own size a little after the window; a second layout and a
// hide/show of the map make it take the final one.
void CDvrDlg::RerunLayout() {
    LayoutControls(m_nClientCx, m_nClientCy);
    if (m_pMapDlg && m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

// Rounded corners, the top-left one rounded further.
void CDvrDlg::UpdateWindowShape(int cx, int cy) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return; // that platform has no window shapes
    if (m_bFullScreen) {
        setMask(QRegion(0, 0, cx, cy));
        return;
    }
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, cx, cy), 5, 5);
    QRegion a(rounded.toFillPolygon().toPolygon());
    QRegion corner = QRegion(0, 0, 30, 30) & a;
    QRegion inEllipse = QRegion(0, 0, 30, 30) & QRegion(0, 0, 60, 60, QRegion::Ellipse);
    corner -= inEllipse;
    setMask(a ^ corner);
}

void CDvrDlg::LayoutControls(int W, int H) {
    if (m_controls.empty() || W <= 0 || H <= 0)
        return;
    if (m_bFullScreen) {
        QRect monitor = MonitorRect();
        QRect local(mapFromGlobal(monitor.topLeft()), monitor.size());
        m_pFrontBg->setGeometry(local);
        m_pRearBg->setGeometry(local);
        FitVideoPanes();
        return;
    }
    auto place = [this](int id, int x, int y, int w, int h) {
        if (QWidget* c = Control(id))
            c->setGeometry(x, y, w, h);
    };
    auto placeRect = [](QWidget* c, int l, int t, int r, int b) {
        c->setGeometry(l, t, std::max(0, r - l), std::max(0, b - t));
    };

    place(IDC_CLOSE, W - 32, 2, 25, 25);
    place(IDC_MAXIMIZE, W - 59, 2, 25, 25);
    place(IDC_MINIMIZE, W - 86, 2, 25, 25);
    place(IDC_ABOUT, W - 113, 2, 25, 25);
    place(IDC_SIZE_L, W - 159, 11, 16, 16);
    place(IDC_SIZE_M, W - 179, 11, 16, 16);
    place(IDC_SIZE_S, W - 199, 11, 16, 16);

    int c = std::max(20, std::min(m_nPanelWidth, W - 20));
    int left = W - 5 - c;
    if (m_bMapEnabled) {
        int m = std::max(20, std::min(m_nMapHeight, H - 127));
        placeRect(m_pMapDlg, left, 48, W - 5, 48 + m);
        placeRect(m_pFileList, left, 53 + m, W - 5, H - 64);
        m_rcMapSplitter = QRect(QPoint(left, 48), QPoint(W - 5, H - 64));
    } else {
        placeRect(m_pMapDlg, left, 0, W - 5, 0);
        placeRect(m_pFileList, left, 48, W - 5, H - 64);
    }
    m_rcColumnSplitter = QRect(QPoint(left - 5, 48), QPoint(left, H - 64));
    placeRect(m_pRejectedNote, left, H - 62, W - 5, H - 46); // in the gap below the recording list

    int g = m_bGSensorEnabled ? m_pGSensor->height() : 0;
    int l = std::max(20, std::min(m_nGroupListHeight, H - 152 - g));
    int half = left / 2;
    int s = H - 99 - g - l;
    place(IDC_SEEK, 5, s, 2 * (half - 5), 20);
    int t = s + 25;
    if (m_bGSensorEnabled) {
        placeRect(m_pGSensor, 5, s + 25, 2 * half - 5, s + 25 + g);
        t = s + 30 + g;
    }
    placeRect(m_pGroupList, 5, t, 2 * half - 5, H - 64);
    m_rcListSplitter = QRect(QPoint(5, t - 5), QPoint(2 * half - 5, t));

    const int bottomLeft[] = {IDC_OPEN, IDC_SNAP, IDC_SAVE, IDC_DEL};
    for (int k = 0; k < 4; ++k)
        place(bottomLeft[k], 8 + 48 * k, H - 44, 48, 36);

    struct Transport {
        int id, w, h, dy;
    };
    const Transport transport[] = {
        {IDC_SLOW, 40, 40, 48}, {IDC_STOP, 40, 40, 48}, {IDC_PLAY, 48, 48, 56}, {IDC_FAST, 40, 40, 48}};
    int x = 220;
    for (const auto& b : transport) {
        place(b.id, x, H - b.dy, b.w, b.h);
        x += b.w + 1;
    }
    place(IDC_VOL, 402, H - 40, 12, 24);
    place(IDC_VOLUME, 416, H - 36, 80, 20);
    const int right[] = {IDC_FLIP, IDC_LOOP, IDC_KML, IDC_MAP, IDC_GSR};
    for (int k = 0; k < 5; ++k)
        place(right[k], W - 195 + 34 * k, H - 40, 32, 32);
    Control(IDC_LOCK)->hide();
    Control(IDC_DEL)->hide();

    // The instruments keep their template places beside the title.
    place(IDC_GPS, 222, 8, 32, 32);
    place(IDC_SPEED, 262, 8, 130, 32);
    place(IDC_RATE_LABEL, 400, 8, 80, 32);

    placeRect(m_pFrontBg, 5, 48, half - 5, s);
    placeRect(m_pRearBg, half - 5, 48, 2 * half - 5, s);
    FitVideoPanes();
}

void CDvrDlg::FitVideoPanes() {
    QRect F = m_pFrontBg->geometry();
    QRect R = m_pRearBg->geometry();
    if (!m_bFullScreen) {
        F.adjust(2, 2, -2, -2);
        R.adjust(2, 2, -2, -2);
    }
    qint64 w = 1280, h = 720;
    qint64 fw = F.width(), fh = F.height();
    if (fw > 0 && fh > 0) {
        if (h * fw < w * fh) {
            int d = static_cast<int>(h * fw / w);
            int o = static_cast<int>((fh - d) / 2);
            F = QRect(F.left(), F.top() + o, F.width(), d);
            R = QRect(R.left(), R.top() + o, R.width(), d);
        } else if (w * fh < h * fw) {
            int b = static_cast<int>(w * fh / h);
            int o = static_cast<int>((fw - b) / 2);
            F = QRect(F.left() + o, F.top(), b, F.height());
            R = QRect(R.left() + o, R.top(), b, R.height());
        }
    }
    if (!m_bFullScreen || m_nFullScreenPane == 1)
        m_pFrontVideo->setGeometry(F);
    if (!m_bFullScreen || m_nFullScreenPane == 2)
        m_pRearVideo->setGeometry(R);
    m_pFrontVideo->raise();
    m_pRearVideo->raise();
}

void CDvrDlg::ShowControls(bool show) {
    static const int kIds[] = {IDC_PLAY,   IDC_STOP,   IDC_SLOW,       IDC_FAST,      IDC_DEL,
                               IDC_SAVE,   IDC_SNAP,   IDC_OPEN,       IDC_LOOP,      IDC_KML,
                               IDC_MAP,    IDC_GSR,    IDC_LOCK,       IDC_SEEK,      IDC_VOLUME,
                               IDC_GPS,    IDC_CLOSE,  IDC_MAXIMIZE,   IDC_MINIMIZE,  IDC_ABOUT,
                               IDC_VOL,    IDC_LOGO,   IDC_GROUP_LIST, IDC_FILE_LIST, IDC_SPEED,
                               IDC_SIZE_S, IDC_SIZE_M, IDC_SIZE_L,     IDC_RATE_LABEL};
    m_pGSensor->setVisible(show && m_bGSensorEnabled);
    for (int id : kIds)
        if (QWidget* w = Control(id))
            w->setVisible(show);
    m_pRejectedNote->setVisible(show && !m_pRejectedNote->Files().empty());
    if (!m_bMapEnabled || !show)
        m_pMapDlg->setGeometry(0, 0, 1, 1);
    else
        m_pMapDlg->show();
    if (m_nFullScreenPane == 1) {
        m_pRearVideo->setVisible(show);
        m_pRearBg->setVisible(show);
    } else if (m_nFullScreenPane == 2) {
        m_pFrontVideo->setVisible(show);
        m_pFrontBg->setVisible(show);
    }
}

void CDvrDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    int R = width() - 1, B = height() - 1;
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int n : {25, 20, 15, 10})
        p.drawLine(R - n, B, R, B - n);
    if (!m_bFullScreen)
        DrawOutlinedText(p, m_strTitle, QPointF(50, 10), m_nTitleSize, OutlinedTextStyle::Title);
}

void CDvrDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    QPoint pt = e->position().toPoint();
    QRect grip(width() - kGripSize, height() - kGripSize, kGripSize, kGripSize);
    if (grip.contains(pt)) {
        m_bGripDrag = true;
    } else if (m_rcMapSplitter.contains(pt)) {
        m_bMapSplitterDrag = true;
    } else if (m_rcListSplitter.contains(pt)) {
        m_bListSplitterDrag = true;
    } else if (m_rcColumnSplitter.contains(pt)) {
        m_bColumnSplitterDrag = true;
    } else if (!m_bMaximized && !m_bFullScreen && windowHandle()) {
        windowHandle()->startSystemMove();
    }
}

void CDvrDlg::mouseMoveEvent(QMouseEvent* e) {
    QPoint pt = e->position().toPoint();
    int W = width(), H = height();
    if (m_bGripDrag && !m_bMaximized && !m_bFullScreen) {
        resize(std::max(pt.x(), 800), std::max(pt.y(), 560));
        setCursor(Qt::SizeFDiagCursor);
        m_bMaximized = 0;
    } else if (m_bMapSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nMapHeight = pt.y() - 48;
        LayoutControls(W, H);
    } else if (m_bListSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nGroupListHeight = H - pt.y() - 74;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (m_bColumnSplitterDrag) {
        setCursor(Qt::SizeHorCursor);
        m_nPanelWidth = W - pt.x() - 10;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (QRect(W - kGripSize, H - kGripSize, kGripSize, kGripSize).contains(pt)) {
        setCursor(Qt::SizeFDiagCursor);
    } else if (m_rcMapSplitter.contains(pt) || m_rcListSplitter.contains(pt)) {
        setCursor(Qt::SizeVerCursor);
    } else if (m_rcColumnSplitter.contains(pt)) {
        setCursor(Qt::SizeHorCursor);
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

void CDvrDlg::mouseReleaseEvent(QMouseEvent* e) {
    bool dragged = m_bGripDrag || m_bMapSplitterDrag || m_bListSplitterDrag || m_bColumnSplitterDrag;
    if (!dragged)
        return QWidget::mouseReleaseEvent(e);
    if (m_bGripDrag) {
        QPoint pt = e->position().toPoint();
        resize(std::max(pt.x(), 800), std::max(pt.y(), 560));
    }
    m_bGripDrag = m_bMapSplitterDrag = m_bListSplitterDrag = m_bColumnSplitterDrag = false;
    LayoutControls(width(), height());
    if (m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

void CDvrDlg::mouseDoubleClickEvent(QMouseEvent* e) {
    if (m_pSpeed->geometry().contains(e->position().toPoint())) {
        m_pSpeed->ToggleUnit();
        return;
    }
    OnMaximize();
}

} // namespace vemora
