#pragma once
// The keys of the main window, as users know them from video players. Each key stands for one
// action; the window carries the actions out while it is the active window and neither a dialog
// nor the map page has the keyboard.

#include <QKeySequence>
#include <QString>
#include <Qt>

#include <span>

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
    Faster,
    Slower,
    Mute,
    FullScreenFront,
    NextJolt,
    PreviousJolt,
};

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyAction action;
    const char* help; // what the "?" menu says of it
};

std::span<const KeyBinding> KeyBindings();
// The action of a key press; keypad and shift variants of the same character count alike.
KeyAction ActionForKey(int key, Qt::KeyboardModifiers modifiers);
// One line per binding: "Space    Play / pause".
QString KeyboardHelpText();

} // namespace vemora
