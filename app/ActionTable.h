#pragma once
// The main window's commands, each described once: what runs it (a button, a key, an entry of
// the window's menu or of the "?" menu), its texts and how its button looks. The buttons, the
// keyboard, both menus, the key list and the tooltips are all made from this table, so a new
// command is one row here plus its texts (and, for a button, its place in the layout).

#include <Qt>

#include <optional>
#include <span>

namespace vemora {

class CDvrDlg;

enum class Action {
    PlayPause,
    SkipBack5,
    SkipForward5,
    SkipBack30,
    SkipForward30,
    FrameBack,
    FrameForward,
    ResetZoom,
    Faster,
    Slower,
    Mute,
    FullScreenFront,
    NextJolt,
    PreviousJolt,
    MarkClipIn,
    MarkClipOut,
    About,
    Configure,
    ExportClip,
    IncidentReport,
    ShowIncidents,
    ShowDrives,
    SaveGpx,
    KeyboardHelp,
    Open,
    Save,
    Snapshot,
    Delete,
    Stop,
    AutoPlayNext,
    Flip,
    SaveKml,
    MapOnOff,
    CurveOnOff,
    Lock,
    Close,
    Maximize,
    Minimize,
    HelpMenu,
    SizeSmall,
    SizeMedium,
    SizeLarge,
};

// An image button of the window; control 0 when the command has none.
struct ButtonLook {
    int control = 0;
    const char* caption = nullptr; // for accessibility, and drawn when there is no picture
    int width = 0;
    int height = 0;
    const char* picture = nullptr;
    const char* alternate = nullptr; // the second picture, shown for the command's other state
    bool toggles = false;            // checkable: a press flips between the two pictures
    bool startsHidden = false;       // hidden and disabled; the command is reached otherwise
};

struct KeyChord {
    int key = 0; // 0: no key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

enum MenuPlace : unsigned {
    kNoMenu = 0,
    kWindowMenu = 1, // the right-click menu of the window
    kHelpMenu = 2,   // the "?" button's menu
};

struct ActionRow {
    Action action;
    const char* name; // unique; how the command is called where it is written down
    void (*run)(CDvrDlg&);
    ButtonLook button{};
    KeyChord key{};
    int keyText = 0; // what the key list says of the key
    int tooltip = 0; // the button's tooltip
    unsigned menus = kNoMenu;
    int menuText = 0;
    bool menuEllipsis = false; // "..." after the entry (a dialog follows)
};

// The rows in the order of the key list and of both menus.
std::span<const ActionRow> WindowActions();
const ActionRow* ActionRowOf(Action action);
// The row of the button with this control id; null for a control that runs no command.
const ActionRow* ActionOfButton(int control);

// Controls with a tooltip that run no command: control id and the tooltip's string id.
struct PassiveTip {
    int control;
    int tooltip;
};
std::span<const PassiveTip> PassiveTooltips();

} // namespace vemora
