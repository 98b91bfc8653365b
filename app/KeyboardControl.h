#pragma once
// The keys of the main window, as users know them from video players, taken from the window's
// action table. The window carries a key's action out while it is the active window and neither
// a dialog nor the map page has the keyboard. While a list has it, the arrows, Space, Home, End
// and the page keys move its rows; a click on a video gives them back to playback.

#include "app/ActionTable.h"

#include <QString>
#include <Qt>

#include <functional>
#include <optional>
#include <vector>

namespace vemora {

// One row of the key list: the key as printed on the keyboard and what it does.
struct KeyHelpRow {
    QString keys;
    QString action;
};

// The action of a key press; keypad and shift variants of the same character count alike.
std::optional<Action> ActionForKey(int key, Qt::KeyboardModifiers modifiers);
// One row per key of the action table, its action in the language of uiString (a string-table
// lookup).
std::vector<KeyHelpRow> KeyboardHelpRows(const std::function<QString(int)>& uiString);

} // namespace vemora
