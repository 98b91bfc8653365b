#include "app/DvrDlg.h"

#include "app/ControlIds.h"
#include "app/DvrDlgShared.h"
#include "app/WindowLayout.h"
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
    QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(layout::RestoredWindowRect(SettingsFile::Instance().ReadWindowRect(), workArea));
    raise();
    LayoutControls(width(), height());
}

void CDvrDlg::SaveWindowPosition() {
    SettingsFile::Instance().SaveWindowRect(layout::SavedRectOf(geometry()));
}

void CDvrDlg::SetFixedWindowRect(const QRect& r) {
    setGeometry(r);
    m_bMaximized = false;
}

void CDvrDlg::OnMaximize() {
    if (m_bMaximized) {
        setGeometry(m_rcRestore);
        raise();
        show();
        m_bMaximized = false;
    } else {
        m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
        setGeometry(MonitorRect());
        m_bMaximized = true;
    }
    if (m_bMapEnabled) {
        m_pMapDlg->hide();
        m_pMapDlg->show();
    }
}

void CDvrDlg::OnMinimize() {
    m_bMinimized = true;
    showMinimized();
}

void CDvrDlg::OnSizeSmall() {
    SetFixedWindowRect(layout::FixedWindowRect(layout::FixedSize::Small, MonitorRect()));
}

void CDvrDlg::OnSizeMedium() {
    SetFixedWindowRect(layout::FixedWindowRect(layout::FixedSize::Medium, MonitorRect()));
}

void CDvrDlg::OnSizeLarge() {
    SetFixedWindowRect(layout::FixedWindowRect(layout::FixedSize::Large, MonitorRect()));
}

// One video pane fills its monitor, or the window returns to where it was. The players that
// were playing pause for the change and play on afterwards.
void CDvrDlg::OnToggleFullScreen(FullScreenPane pane) {
    m_ptCursor = QCursor::pos();
    auto paneHit = [this](QWidget* pane) {
        return pane->isVisible() && QRect(pane->mapToGlobal(QPoint(0, 0)), pane->size()).contains(m_ptCursor);
    };
    if (pane == FullScreenPane::Front && !m_bFullScreen)
        m_fullScreenPane = PlayerSide::Front;
    else if (paneHit(m_pFrontVideo))
        m_fullScreenPane = PlayerSide::Front;
    else if (paneHit(m_pRearVideo))
        m_fullScreenPane = PlayerSide::Rear;
    if (m_library.Records().empty() || LibraryBusy())
        return;
    DualPlayerController::Interruption paused = m_pPlayers->PausePlaying();
    if (m_bFullScreen)
        LeaveFullScreen();
    else
        EnterFullScreen();
    m_pPlayers->Resume(paused);
}

void CDvrDlg::LeaveFullScreen() {
    m_bFullScreen = false;
    (m_fullScreenPane == PlayerSide::Rear ? m_pRearBg : m_pFrontBg)->SetClientEdge(true);
    ShowControls(true);
    setGeometry(m_rcRestore);
    raise();
    show();
    ShowPane(PlayerSide::Front, !m_pPlayers->PaneHidden(PlayerSide::Front));
    ShowPane(PlayerSide::Rear, !m_pPlayers->PaneHidden(PlayerSide::Rear));
    UpdateWindowShape(width(), height());
    LayoutControls(width(), height());
}

void CDvrDlg::EnterFullScreen() {
    m_rcRestore = QRect(geometry().topLeft(), QSize(m_nClientCx, m_nClientCy));
    const QRect monitor = MonitorRect();
    m_bFullScreen = true;
    m_bMaximized = false;
    ShowControls(false);
    (m_fullScreenPane == PlayerSide::Rear ? m_pRearBg : m_pFrontBg)->SetClientEdge(false);
    setGeometry(layout::FullScreenWindowRect(monitor, QSize(m_nClientCx, m_nClientCy)));
    UpdateWindowShape(width(), height());
    LayoutControls(width(), height());
    Button(IDC_PLAY)->setFocus();
    (m_fullScreenPane == PlayerSide::Rear ? m_pFrontVideo : m_pRearVideo)->hide();
    (m_fullScreenPane == PlayerSide::Rear ? m_pRearVideo : m_pFrontVideo)->update();
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
    if (m_bMinimized)
        ShowPanesAfterMinimise();
    if (m_pPlayers && !m_controls.empty()) {
        m_pPlayers->RefreshSeekBarSoon();
        m_layoutRerun.start();
    }
    update();
}

// Back from the task bar the panes show again (those that have something to show).
void CDvrDlg::ShowPanesAfterMinimise() {
    m_bMinimized = false;
    ShowPane(PlayerSide::Front, !m_pPlayers->PaneHidden(PlayerSide::Front));
    ShowPane(PlayerSide::Rear, !m_pPlayers->PaneHidden(PlayerSide::Rear));
}

// A window restored from the task bar keeps its size, so no resize says it is back.
void CDvrDlg::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && m_bMinimized && !isMinimized() && !m_controls.empty())
        ShowPanesAfterMinimise();
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

layout::WindowState CDvrDlg::LayoutState(int W, int H) const {
    layout::WindowState state;
    state.client = QSize(W, H);
    state.fullScreen = m_bFullScreen;
    if (m_bFullScreen) {
        const QRect monitor = MonitorRect();
        state.monitorInClient = QRect(mapFromGlobal(monitor.topLeft()), monitor.size());
    }
    state.mapEnabled = m_bMapEnabled;
    state.gSensorEnabled = m_bGSensorEnabled;
    state.gSensorHeight = m_pGSensor->height();
    state.panelWidth = m_nPanelWidth;
    state.mapHeight = m_nMapHeight;
    state.groupListHeight = m_nGroupListHeight;
    return state;
}

void CDvrDlg::LayoutControls(int W, int H) {
    if (m_controls.empty() || W <= 0 || H <= 0)
        return;
    const layout::WindowGeometry g = layout::LayoutWindow(LayoutState(W, H));
    for (const auto& [id, rect] : g.controls)
        if (QWidget* c = id == IDC_MAP_PLACEHOLDER ? m_pMapDlg : Control(id))
            c->setGeometry(rect);
    if (!m_bFullScreen) {
        m_pRejectedNote->setGeometry(g.rejectedNote);
        m_pIncidentNote->setGeometry(g.rejectedNote);
        m_rcMapSplitter = g.mapSplitter;
        m_rcListSplitter = g.listSplitter;
        m_rcColumnSplitter = g.columnSplitter;
        Control(IDC_LOCK)->hide();
        Control(IDC_DEL)->hide();
    }
    FitVideoPanes();
}

// The picture size of the current recording (the last one when the index lies past the end);
// empty while none is current or a scan is rebuilding the list.
QSize CDvrDlg::CurrentVideoSize() const {
    if (LibraryBusy())
        return {};
    const auto& records = m_library.Records();
    const int row = m_library.CurrentRow();
    if (records.empty() || row < 0)
        return {};
    const auto& summary = records[std::min<std::size_t>(row, records.size() - 1)].summary;
    return QSize(summary.width, summary.height);
}

void CDvrDlg::FitVideoPanes() {
    const layout::PaneRects panes = layout::FitVideoPanes(m_pFrontBg->geometry(), m_pRearBg->geometry(),
                                                          CurrentVideoSize(), m_bFullScreen);
    if (!m_bFullScreen || m_fullScreenPane == PlayerSide::Front)
        m_pFrontVideo->setGeometry(panes.front);
    if (!m_bFullScreen || m_fullScreenPane == PlayerSide::Rear)
        m_pRearVideo->setGeometry(panes.rear);
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
    // The rate label shows only away from normal speed.
    m_pRateLabel->setVisible(show && !m_pPlayers->RateLabel().isEmpty());
    m_pRejectedNote->setVisible(show && m_pRejectedNote->HasContent());
    m_pIncidentNote->setVisible(show && m_pIncidentSearch->Running());
    if (!m_bMapEnabled || !show)
        m_pMapDlg->setGeometry(0, 0, 1, 1);
    else
        m_pMapDlg->show();
    if (!m_fullScreenPane)
        return;
    const PlayerSide other = m_fullScreenPane == PlayerSide::Front ? PlayerSide::Rear : PlayerSide::Front;
    (other == PlayerSide::Rear ? m_pRearBg : m_pFrontBg)->setVisible(show);
    ShowPane(other, show && !m_pPlayers->PaneHidden(other));
}

// Most paints are of a little of the ground under a control that changed: the outlined title,
// the dearest thing drawn here, is drawn only when its band is in the painted region.
void CDvrDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), kBackground);
    int R = width() - 1, B = height() - 1;
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int n : {25, 20, 15, 10})
        p.drawLine(R - n, B, R, B - n);
    if (!m_bFullScreen && event->region().intersects(QRect(0, 0, width(), layout::kContentTop)))
        DrawOutlinedText(p, m_strTitle, QPointF(50, 10), m_nTitleSize, OutlinedTextStyle::Title);
}

QRect CDvrDlg::GripRect() const {
    return QRect(width() - layout::kGripSize, height() - layout::kGripSize, layout::kGripSize,
                 layout::kGripSize);
}

void CDvrDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    QPoint pt = e->position().toPoint();
    if (GripRect().contains(pt)) {
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
        resize(layout::GripSize(pt));
        setCursor(Qt::SizeFDiagCursor);
        m_bMaximized = false;
    } else if (m_bMapSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nMapHeight = pt.y() - layout::kContentTop;
        LayoutControls(W, H);
    } else if (m_bListSplitterDrag) {
        setCursor(Qt::SizeVerCursor);
        m_nGroupListHeight = H - pt.y() - layout::kGroupListDragOffset;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (m_bColumnSplitterDrag) {
        setCursor(Qt::SizeHorCursor);
        m_nPanelWidth = W - pt.x() - layout::kColumnDragOffset;
        LayoutControls(W, H);
        m_pGSensor->update();
    } else if (GripRect().contains(pt)) {
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
        resize(layout::GripSize(e->position().toPoint()));
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
