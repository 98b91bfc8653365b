#pragma once
// The main window's geometry as plain functions of its state: where every control goes for a
// client size and the panel switches, how the video panes fit their backgrounds, the fixed window
// sizes, full screen and the saved window position. No widget is touched here, so the rules can
// be checked without a window.

#include "settings/SettingsFile.h"

#include <QRect>
#include <QSize>

#include <map>

namespace vemora::layout {

// Outer margin of the window's content and gap between neighbouring panels.
inline constexpr int kMargin = 5;
// Top of the video, map and list area: below the title bar.
inline constexpr int kContentTop = 48;
// Distance of the lists' bottom edge from the window's bottom: room for the button rows.
inline constexpr int kListBottomGap = 64;
// Smallest size a splitter leaves a panel.
inline constexpr int kMinPanel = 20;
// Height of the seek bar and the gap that separates it (and the curve) from what follows.
inline constexpr int kSeekHeight = 20;
inline constexpr int kSeekGap = 25;
// Below the curve the group list keeps a splitter's width of space.
inline constexpr int kSplitterWidth = 5;
// The map keeps this much of the column free below it (list, splitter and bottom rows).
inline constexpr int kMapReserve = 127;
// The group list keeps the seek bar, the curve and the bottom rows free above and below it.
inline constexpr int kGroupListReserve = 152;
// From the window's bottom to the seek bar's top, without group list and curve.
inline constexpr int kSeekFromBottom = 99;
// Sunken edge of a video background that the pane leaves visible.
inline constexpr int kClientEdge = 2;
// Side of the resize grip square in the bottom-right corner.
inline constexpr int kGripSize = 20;
// Splitter drags: offsets between the mouse position and the panel size it sets.
inline constexpr int kGroupListDragOffset = 74;
inline constexpr int kColumnDragOffset = 10;

// Title-bar buttons (25 x 25 at y 2, right-aligned, 27 px apart) and the size buttons.
inline constexpr int kTitleButtonY = 2;
inline constexpr int kTitleButtonSize = 25;
inline constexpr int kSizeButtonY = 11;
inline constexpr int kSizeButtonSize = 16;

// Bottom rows.
inline constexpr int kFileButtonX = 8;
inline constexpr QSize kFileButton{48, 36};
inline constexpr int kFileButtonFromBottom = 44;
inline constexpr int kTransportX = 220;
inline constexpr int kTransportGap = 1;
inline constexpr int kRightButtonsFromRight = 195;
inline constexpr int kRightButtonStep = 34;
inline constexpr int kRightButtonsFromBottom = 40;
inline constexpr QSize kRightButton{32, 32};

// Fixed places beside the title.
inline constexpr QRect kLogoRect{8, 4, 40, 40};
inline constexpr QRect kGpsRect{222, 8, 32, 32};
inline constexpr QRect kSpeedRect{262, 8, 130, 32};
inline constexpr QRect kRateLabelRect{400, 8, 80, 32};

// Aspect ratio assumed while no recording is current.
inline constexpr QSize kDefaultVideoSize{1280, 720};

// What the layout depends on.
struct WindowState {
    QSize client;
    bool fullScreen = false;
    // Full screen: the monitor's whole rectangle in client coordinates.
    QRect monitorInClient;
    bool mapEnabled = true;
    bool gSensorEnabled = true;
    int gSensorHeight = 0; // the curve's present height; the layout never changes it
    int panelWidth = 240;
    int mapHeight = 240;
    int groupListHeight = 120;
};

// Rectangles in client coordinates. Controls are keyed by control id; the map window by
// IDC_MAP_PLACEHOLDER, whose place it takes.
struct WindowGeometry {
    std::map<int, QRect> controls;
    QRect rejectedNote;
    QRect mapSplitter, listSplitter, columnSplitter;
    bool HasControl(int id) const { return controls.count(id) != 0; }
    QRect Control(int id) const {
        auto it = controls.find(id);
        return it == controls.end() ? QRect() : it->second;
    }
};

// Places every control for the state. In full screen only the two video backgrounds are placed.
WindowGeometry LayoutWindow(const WindowState& state);

// The front and rear panes fitted into their backgrounds with the video's aspect ratio; both get
// the size worked out from the front background. Outside full screen the backgrounds' sunken
// edges stay visible. A video size with a zero side counts as the default size.
struct PaneRects {
    QRect front, rear;
};
PaneRects FitVideoPanes(QRect frontBackground, QRect rearBackground, QSize video, bool fullScreen);

// The window rectangles of the S, M and L commands on a monitor (its whole rectangle).
enum class FixedSize { Small, Medium, Large };
QRect FixedWindowRect(FixedSize size, QRect monitor);

// The window rectangle while a pane fills the monitor. One pixel short when the window already
// had the monitor's width or height, so that the size change always reaches the window.
QRect FullScreenWindowRect(QRect monitor, QSize clientBefore);

// The saved WINPOS rectangle (screen coordinates) fitted into the work area: at least
// 800 x 560, at most the work area, moved inside it. Saved and restored in the same screen
// coordinates, so a panel at the top or left of the desktop does not move the window on
// every start.
QRect RestoredWindowRect(const SavedWindowRect& saved, QRect workArea);
SavedWindowRect SavedRectOf(QRect window);

// Where a grip drag or release to (x, y) sizes the window.
QSize GripSize(QPoint mouse);

} // namespace vemora::layout
