#include "app/WindowLayout.h"

#include "app/ControlIds.h"

#include <algorithm>
#include <climits>

namespace vemora::layout {
namespace {

// A rectangle from its edges (right and bottom exclusive); inverted edges give an empty one.
QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// Splitter values are clamped on every layout, never stored clamped: a value above the upper
// limit becomes the limit, then one below the smallest panel becomes that.
int ClampPanel(int value, int upper) {
    return std::max(kMinPanel, std::min(value, upper));
}

void PlaceTitleBar(WindowGeometry& g, int W) {
    const int titleIds[] = {IDC_CLOSE, IDC_MAXIMIZE, IDC_MINIMIZE, IDC_ABOUT};
    for (int k = 0; k < 4; ++k)
        g.controls[titleIds[k]] = QRect(W - 32 - 27 * k, kTitleButtonY, kTitleButtonSize, kTitleButtonSize);
    const int sizeIds[] = {IDC_SIZE_L, IDC_SIZE_M, IDC_SIZE_S};
    for (int k = 0; k < 3; ++k)
        g.controls[sizeIds[k]] = QRect(W - 159 - 20 * k, kSizeButtonY, kSizeButtonSize, kSizeButtonSize);
    g.controls[IDC_LOGO] = kLogoRect;
    g.controls[IDC_GPS] = kGpsRect;
    g.controls[IDC_SPEED] = kSpeedRect;
    g.controls[IDC_RATE_LABEL] = kRateLabelRect;
}

void PlaceBottomRows(WindowGeometry& g, int W, int H) {
    const int fileIds[] = {IDC_OPEN, IDC_SNAP, IDC_SAVE, IDC_DEL};
    for (int k = 0; k < 4; ++k)
        g.controls[fileIds[k]] =
            QRect(QPoint(kFileButtonX + kFileButton.width() * k, H - kFileButtonFromBottom), kFileButton);
    struct Transport {
        int id, side, fromBottom;
    };
    const Transport transport[] = {
        {IDC_SLOW, 40, 48}, {IDC_STOP, 40, 48}, {IDC_PLAY, 48, 56}, {IDC_FAST, 40, 48}};
    int x = kTransportX;
    for (const Transport& b : transport) {
        g.controls[b.id] = QRect(x, H - b.fromBottom, b.side, b.side);
        x += b.side + kTransportGap;
    }
    g.controls[IDC_VOL] = QRect(402, H - 40, 12, 24);
    g.controls[IDC_VOLUME] = QRect(416, H - 36, 80, 20);
    const int rightIds[] = {IDC_FLIP, IDC_LOOP, IDC_KML, IDC_MAP, IDC_GSR};
    for (int k = 0; k < 5; ++k)
        g.controls[rightIds[k]] =
            QRect(QPoint(W - kRightButtonsFromRight + kRightButtonStep * k, H - kRightButtonsFromBottom),
                  kRightButton);
}

} // namespace

WindowGeometry LayoutWindow(const WindowState& s) {
    WindowGeometry g;
    const int W = s.client.width(), H = s.client.height();
    if (s.fullScreen) {
        g.controls[IDC_FRONT_VIDEO_BG] = s.monitorInClient;
        g.controls[IDC_REAR_VIDEO_BG] = s.monitorInClient;
        return g;
    }
    PlaceTitleBar(g, W);

    // The right-hand column: map above the recording list.
    const int c = ClampPanel(s.panelWidth, W - kMinPanel);
    const int right = W - kMargin;
    const int left = right - c;
    const int listBottom = H - kListBottomGap;
    if (s.mapEnabled) {
        const int m = ClampPanel(s.mapHeight, H - kMapReserve);
        g.controls[IDC_MAP_PLACEHOLDER] = Edges(left, kContentTop, right, kContentTop + m);
        g.controls[IDC_FILE_LIST] = Edges(left, kContentTop + kMargin + m, right, listBottom);
        g.mapSplitter = Edges(left, kContentTop, right, listBottom);
    } else {
        g.controls[IDC_MAP_PLACEHOLDER] = Edges(left, 0, right, 0);
        g.controls[IDC_FILE_LIST] = Edges(left, kContentTop, right, listBottom);
    }
    g.columnSplitter = Edges(left - kSplitterWidth, kContentTop, left, listBottom);
    // The note about unreadable files sits in the gap below the recording list.
    g.rejectedNote = Edges(left, H - 62, right, H - 46);

    // The left part: videos, seek bar, curve, group list.
    const int curve = s.gSensorEnabled ? s.gSensorHeight : 0;
    const int l = ClampPanel(s.groupListHeight, H - kGroupListReserve - curve);
    const int half = left / 2;
    const int leftEnd = 2 * half - kMargin;
    const int seekTop = H - kSeekFromBottom - curve - l;
    g.controls[IDC_SEEK] = QRect(kMargin, seekTop, 2 * (half - kMargin), kSeekHeight);
    int groupTop = seekTop + kSeekGap;
    if (s.gSensorEnabled) {
        g.controls[IDC_GSENSOR] = Edges(kMargin, seekTop + kSeekGap, leftEnd, seekTop + kSeekGap + curve);
        groupTop = seekTop + kSeekGap + kSplitterWidth + curve;
    }
    g.controls[IDC_GROUP_LIST] = Edges(kMargin, groupTop, leftEnd, listBottom);
    g.listSplitter = Edges(kMargin, groupTop - kSplitterWidth, leftEnd, groupTop);

    PlaceBottomRows(g, W, H);

    g.controls[IDC_FRONT_VIDEO_BG] = Edges(kMargin, kContentTop, half - kMargin, seekTop);
    g.controls[IDC_REAR_VIDEO_BG] = Edges(half - kMargin, kContentTop, leftEnd, seekTop);
    return g;
}

PaneRects FitVideoPanes(QRect F, QRect R, QSize video, bool fullScreen) {
    if (!fullScreen) {
        F.adjust(kClientEdge, kClientEdge, -kClientEdge, -kClientEdge);
        R.adjust(kClientEdge, kClientEdge, -kClientEdge, -kClientEdge);
    }
    if (video.width() <= 0 || video.height() <= 0)
        video = kDefaultVideoSize;
    const qint64 w = video.width(), h = video.height();
    const qint64 fw = F.width(), fh = F.height();
    if (fw > 0 && fh > 0) {
        if (h * fw < w * fh) { // relatively taller: bars above and below
            const int d = static_cast<int>(h * fw / w);
            const int o = static_cast<int>((fh - d) / 2);
            F = QRect(F.left(), F.top() + o, F.width(), d);
            R = QRect(R.left(), R.top() + o, R.width(), d);
        } else if (w * fh < h * fw) { // relatively wider: bars left and right
            const int b = static_cast<int>(w * fh / h);
            const int o = static_cast<int>((fw - b) / 2);
            F = QRect(F.left() + o, F.top(), b, F.height());
            R = QRect(R.left() + o, R.top(), b, R.height());
        }
    }
    return {F, R};
}

QRect FixedWindowRect(FixedSize size, QRect m) {
    switch (size) {
    case FixedSize::Small:
        return QRect(m.left() + (m.width() - kMinWindowWidth) / 2,
                     m.top() + (m.height() - kMinWindowHeight) / 2, kMinWindowWidth, kMinWindowHeight);
    case FixedSize::Medium:
        return QRect(m.left() + m.width() / 8, m.top() + m.height() / 8,
                     std::max(m.width() * 4 / 5, kMinWindowWidth),
                     std::max(m.height() * 4 / 5, kMinWindowHeight));
    case FixedSize::Large:
        break;
    }
    return m;
}

QRect FullScreenWindowRect(QRect monitor, QSize clientBefore) {
    const bool sameSide =
        monitor.width() == clientBefore.width() || monitor.height() == clientBefore.height();
    return QRect(monitor.topLeft(), QSize(monitor.width(), monitor.height() - (sameSide ? 1 : 0)));
}

QRect RestoredWindowRect(const SavedWindowRect& saved, QRect workArea) {
    // Fitted relative to the work area's corner, then moved back into screen coordinates.
    auto shift = [](int value, int by) {
        return static_cast<int>(std::clamp<long long>(static_cast<long long>(value) - by, INT_MIN, INT_MAX));
    };
    SavedWindowRect relative{shift(saved.left, workArea.left()), shift(saved.top, workArea.top()),
                             shift(saved.right, workArea.left()), shift(saved.bottom, workArea.top())};
    WindowPlacement p = RestoreWindowRect(relative, workArea.width(), workArea.height());
    return QRect(workArea.left() + p.x, workArea.top() + p.y, p.width, p.height);
}

SavedWindowRect SavedRectOf(QRect window) {
    return {window.left(), window.top(), window.left() + window.width(), window.top() + window.height()};
}

QSize GripSize(QPoint mouse) {
    return QSize(std::max(mouse.x(), kMinWindowWidth), std::max(mouse.y(), kMinWindowHeight));
}

} // namespace vemora::layout
