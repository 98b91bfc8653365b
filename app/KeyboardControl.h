#pragma once
// The keys of the main window, as users know them from video players. Each key stands for one
// action; the window carries the actions out while it is the active window and neither a dialog
// nor the map page has the keyboard. While a list has it, the arrows, Space, Home, End and the
// page keys move its rows; a click on a video gives them back to playback.

#include <QKeySequence>
#include <QString>
#include <Qt>

#include <functional>
#include <span>
#include <vector>

namespace vemora {

enum class KeyAction {
    None,
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
    ExportClip,
    ShowIncidents,
    ShowDrives,
};

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyAction action;
    int helpText; // string-table id of what the key list says of it
};

// One row of the key list: the key as printed on the keyboard and what it does.
struct KeyHelpRow {
    QString keys;
    QString action;
};

std::span<const KeyBinding> KeyBindings();
// The action of a key press; keypad and shift variants of the same character count alike.
KeyAction ActionForKey(int key, Qt::KeyboardModifiers modifiers);
// One row per binding, its action in the language of uiString (a string-table lookup).
std::vector<KeyHelpRow> KeyboardHelpRows(const std::function<QString(int)>& uiString);

} // namespace vemora
