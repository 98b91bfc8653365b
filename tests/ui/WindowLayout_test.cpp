// The main window's geometry without a window: control places, splitter clamps, video panes,
// fixed sizes, full screen and the saved position.

#include "app/ControlIds.h"
#include "app/WindowLayout.h"

#include <gtest/gtest.h>

using namespace vemora;
using namespace vemora::layout;

namespace {

WindowState State(int W, int H) {
    WindowState s;
    s.client = QSize(W, H);
    s.gSensorHeight = 80;
    return s;
}

} // namespace

TEST(WindowLayoutTest, ColumnsListsAndRowsFollowTheClientSize) {
    const WindowGeometry g = LayoutWindow(State(1000, 700));
    // c = 240: the right column starts at 1000 - 5 - 240 = 755; half = 377.
    EXPECT_EQ(g.Control(IDC_MAP_PLACEHOLDER), QRect(QPoint(755, 48), QPoint(994, 48 + 240 - 1)));
    EXPECT_EQ(g.Control(IDC_FILE_LIST), QRect(QPoint(755, 293), QPoint(994, 635)));
    EXPECT_EQ(g.columnSplitter, QRect(750, 48, 5, 700 - 64 - 48));
    EXPECT_EQ(g.Control(IDC_FRONT_VIDEO_BG).right() + 1, 372);
    EXPECT_EQ(g.Control(IDC_REAR_VIDEO_BG).left(), 372);
    EXPECT_EQ(g.Control(IDC_REAR_VIDEO_BG).right() + 1, 749);
    // s = 700 - 99 - 80 - 120 = 401: seek bar, curve, group list and its splitter below each other.
    EXPECT_EQ(g.Control(IDC_SEEK), QRect(5, 401, 744, 20));
    EXPECT_EQ(g.Control(IDC_GSENSOR), QRect(5, 426, 744, 80));
    EXPECT_EQ(g.Control(IDC_GROUP_LIST), QRect(QPoint(5, 511), QPoint(748, 635)));
    EXPECT_EQ(g.listSplitter, QRect(5, 506, 744, 5));
    EXPECT_EQ(g.Control(IDC_CLOSE), QRect(968, 2, 25, 25));
    EXPECT_EQ(g.Control(IDC_ABOUT), QRect(887, 2, 25, 25));
    EXPECT_EQ(g.Control(IDC_SIZE_S), QRect(801, 11, 16, 16));
    EXPECT_EQ(g.Control(IDC_DEL), QRect(152, 656, 48, 36));
    EXPECT_EQ(g.Control(IDC_SLOW).left(), 220);
    EXPECT_EQ(g.Control(IDC_PLAY), QRect(302, 644, 48, 48));
    EXPECT_EQ(g.Control(IDC_FAST).right() + 1, 391);
    EXPECT_EQ(g.Control(IDC_GSR), QRect(1000 - 195 + 4 * 34, 660, 32, 32));
}

TEST(WindowLayoutTest, SwitchedOffPanelsGiveTheirRoomAway) {
    WindowState s = State(1000, 700);
    s.mapEnabled = false;
    s.gSensorEnabled = false;
    const WindowGeometry g = LayoutWindow(s);
    EXPECT_EQ(g.Control(IDC_MAP_PLACEHOLDER).height(), 0);
    EXPECT_EQ(g.Control(IDC_FILE_LIST), QRect(QPoint(755, 48), QPoint(994, 635)));
    EXPECT_FALSE(g.HasControl(IDC_GSENSOR));
    // Without the curve the seek bar moves down and the group list follows it directly.
    EXPECT_EQ(g.Control(IDC_SEEK).top(), 700 - 99 - 120);
    EXPECT_EQ(g.Control(IDC_GROUP_LIST).top(), 700 - 99 - 120 + 25);
}

TEST(WindowLayoutTest, SplitterValuesArePinnedByTheClamps) {
    struct Case {
        const char* what;
        int panelWidth, mapHeight, groupListHeight;
        int column, map, groupList;
    };
    // Client 1000 x 700 with an 80 px curve: limits 20..980, 20..573 and 20..468.
    const Case cases[] = {
        {"start values", 240, 240, 120, 240, 240, 120},
        {"dragged past the far side", 5000, 5000, 5000, 980, 573, 468},
        {"dragged past the near side", -40, 3, -9, 20, 20, 20},
    };
    for (const Case& c : cases) {
        WindowState s = State(1000, 700);
        s.panelWidth = c.panelWidth;
        s.mapHeight = c.mapHeight;
        s.groupListHeight = c.groupListHeight;
        const WindowGeometry g = LayoutWindow(s);
        EXPECT_EQ(g.Control(IDC_FILE_LIST).width(), c.column) << c.what;
        EXPECT_EQ(g.Control(IDC_MAP_PLACEHOLDER).height(), c.map) << c.what;
        // The seek bar sits the group list's height (and the curve's and the bottom rows') above the bottom.
        EXPECT_EQ(700 - 99 - 80 - g.Control(IDC_SEEK).top(), c.groupList) << c.what;
    }
}

TEST(WindowLayoutTest, FullScreenGivesBothBackgroundsTheMonitor) {
    WindowState s = State(1280, 799);
    s.fullScreen = true;
    s.monitorInClient = QRect(0, 0, 1280, 800);
    const WindowGeometry g = LayoutWindow(s);
    EXPECT_EQ(g.Control(IDC_FRONT_VIDEO_BG), s.monitorInClient);
    EXPECT_EQ(g.Control(IDC_REAR_VIDEO_BG), s.monitorInClient);
    EXPECT_FALSE(g.HasControl(IDC_PLAY));
    // A window as wide or as high as its monitor gets one pixel less, so that the size changes.
    EXPECT_EQ(FullScreenWindowRect(QRect(0, 0, 1280, 800), QSize(1280, 800)), QRect(0, 0, 1280, 799));
    EXPECT_EQ(FullScreenWindowRect(QRect(1280, 0, 1920, 1080), QSize(900, 600)), QRect(1280, 0, 1920, 1080));
}

TEST(WindowLayoutTest, PanesKeepTheRecordingsAspectRatio) {
    struct Case {
        const char* what;
        QSize video;
        bool fullScreen;
        QRect background, front;
    };
    const Case cases[] = {
        // h x fw = 540 000 < w x fh = 768 000: d = 281, 59 px below the top.
        {"1920 x 1080, full screen", {1920, 1080}, true, {0, 0, 500, 400}, {0, 59, 500, 281}},
        {"1920 x 1080 inside the sunken edge",
         {1920, 1080},
         false,
         {10, 20, 504, 404},
         {12, 22 + 59, 500, 281}},
        {"640 x 480 gives a 4:3 pane", {640, 480}, true, {0, 0, 500, 400}, {0, 12, 500, 375}},
        {"wide background: bars left and right", {1280, 720}, true, {0, 0, 1000, 300}, {233, 0, 533, 300}},
        {"no picture size: 16:9", {0, 0}, true, {0, 0, 500, 400}, {0, 59, 500, 281}},
    };
    for (const Case& c : cases) {
        const QRect rear = c.background.translated(600, 0);
        const PaneRects panes = FitVideoPanes(c.background, rear, c.video, c.fullScreen);
        EXPECT_EQ(panes.front, c.front) << c.what;
        EXPECT_EQ(panes.rear, c.front.translated(600, 0)) << c.what;
    }
}

TEST(WindowLayoutTest, FixedSizesOnTheNearestMonitor) {
    const QRect monitor(1920, 0, 1280, 1024);
    EXPECT_EQ(FixedWindowRect(FixedSize::Small, monitor), QRect(1920 + 240, 232, 800, 560));
    EXPECT_EQ(FixedWindowRect(FixedSize::Medium, monitor), QRect(1920 + 160, 128, 1024, 819));
    EXPECT_EQ(FixedWindowRect(FixedSize::Large, monitor), monitor);
    // On a small monitor M keeps the minimum size.
    EXPECT_EQ(FixedWindowRect(FixedSize::Medium, QRect(0, 0, 900, 600)).size(), QSize(800, 560));
}

TEST(WindowLayoutTest, SavedPositionFitsTheWorkArea) {
    struct Case {
        const char* what;
        SavedWindowRect saved;
        QRect workArea, expected;
    };
    const Case cases[] = {
        {"smaller than 800 x 560", {100, 100, 400, 300}, {0, 0, 1280, 800}, {100, 100, 800, 560}},
        {"larger than the screen", {-10, 0, 3000, 2000}, {0, 0, 1280, 800}, {0, 0, 1280, 800}},
        {"negative corner", {-300, -200, 700, 500}, {0, 0, 1280, 800}, {0, 0, 1000, 700}},
        {"sticking out right and below", {1000, 700, 1900, 1300}, {0, 0, 1280, 800}, {380, 200, 900, 600}},
        {"above a top panel", {50, 0, 850, 560}, {0, 32, 1280, 768}, {50, 32, 800, 560}},
        {"left of a side panel", {0, 40, 800, 600}, {64, 0, 1216, 800}, {64, 40, 800, 560}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RestoredWindowRect(c.saved, c.workArea), c.expected) << c.what;
}

TEST(WindowLayoutTest, SavedPositionDoesNotCreepOverStartsWithATopPanel) {
    const QRect workArea(0, 32, 1280, 768);
    SavedWindowRect saved{200, 150, 1100, 750};
    const QRect first = RestoredWindowRect(saved, workArea);
    for (int start = 0; start < 3; ++start) {
        const QRect opened = RestoredWindowRect(saved, workArea);
        EXPECT_EQ(opened, first) << "start " << start;
        saved = SavedRectOf(opened); // closed where it opened
    }
    EXPECT_EQ(first, QRect(200, 150, 900, 600));
}
