#include "app/KeyboardControl.h"

namespace vemora {

namespace {

// Play/pause, faster, slower and sound share their texts with the tooltips of the buttons.
const KeyBinding kBindings[] = {
    {Qt::Key_Space, Qt::NoModifier, KeyAction::PlayPause, 134},        // "Play/Pause video"
    {Qt::Key_Left, Qt::NoModifier, KeyAction::SkipBack5, 226},         // "5 seconds back"
    {Qt::Key_Right, Qt::NoModifier, KeyAction::SkipForward5, 227},     // "5 seconds forward"
    {Qt::Key_Left, Qt::ShiftModifier, KeyAction::SkipBack30, 228},     // "30 seconds back"
    {Qt::Key_Right, Qt::ShiftModifier, KeyAction::SkipForward30, 229}, // "30 seconds forward"
    {Qt::Key_Comma, Qt::NoModifier, KeyAction::FrameBack, 230},        // "Pause and step one frame back"
    {Qt::Key_Period, Qt::NoModifier, KeyAction::FrameForward, 231},    // "... one frame forward"
    {Qt::Key_0, Qt::NoModifier, KeyAction::ResetZoom, 400},            // "Paused picture back to 1x"
    {Qt::Key_Plus, Qt::NoModifier, KeyAction::Faster, 186},            // "Faster speed"
    {Qt::Key_Minus, Qt::NoModifier, KeyAction::Slower, 184},           // "Slower speed"
    {Qt::Key_M, Qt::NoModifier, KeyAction::Mute, 188},                 // "Volume On/Off"
    {Qt::Key_F, Qt::NoModifier, KeyAction::FullScreenFront, 232},      // "Front camera full screen ..."
    {Qt::Key_J, Qt::NoModifier, KeyAction::NextJolt, 233},             // "To the next jolt ..."
    {Qt::Key_J, Qt::ShiftModifier, KeyAction::PreviousJolt, 234},      // "To the previous jolt ..."
    {Qt::Key_I, Qt::NoModifier, KeyAction::MarkClipIn, 301},           // "Mark the start of a clip"
    {Qt::Key_O, Qt::NoModifier, KeyAction::MarkClipOut, 302},          // "Mark the end of a clip"
    {Qt::Key_E, Qt::NoModifier, KeyAction::ExportClip, 303},           // "Export a clip of both cameras"
    {Qt::Key_L, Qt::NoModifier, KeyAction::ShowIncidents, 613},        // "List of the card's incidents"
    {Qt::Key_D, Qt::NoModifier, KeyAction::ShowDrives, 902},           // "Every drive of every card"
};

// Shift matters only for the keys bound both ways; "+" needs Shift on many keyboards, and the
// keypad sends its own modifier.
bool ShiftMatters(int key) {
    for (const KeyBinding& b : kBindings)
        if (b.key == key && b.modifiers == Qt::ShiftModifier)
            return true;
    return false;
}

// The arrows as drawn on the keys; the other names as the platform writes them.
QString KeyName(const KeyBinding& b) {
    QString key;
    if (b.key == Qt::Key_Left)
        key = QStringLiteral("←");
    else if (b.key == Qt::Key_Right)
        key = QStringLiteral("→");
    else
        key = QKeySequence(b.key).toString(QKeySequence::NativeText);
    if (b.modifiers & Qt::ShiftModifier)
        key = QKeySequence(Qt::Key_Shift).toString(QKeySequence::NativeText) + QLatin1Char('+') + key;
    return key;
}

} // namespace

std::span<const KeyBinding> KeyBindings() {
    return kBindings;
}

KeyAction ActionForKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return KeyAction::None;
    if (key == Qt::Key_Equal)
        key = Qt::Key_Plus; // the "+" key without Shift
    Qt::KeyboardModifiers wanted = ShiftMatters(key) ? (modifiers & Qt::ShiftModifier) : Qt::NoModifier;
    for (const KeyBinding& b : kBindings)
        if (b.key == key && b.modifiers == wanted)
            return b.action;
    return KeyAction::None;
}

std::vector<KeyHelpRow> KeyboardHelpRows(const std::function<QString(int)>& uiString) {
    std::vector<KeyHelpRow> rows;
    for (const KeyBinding& b : kBindings)
        rows.push_back({KeyName(b), uiString(b.helpText)});
    return rows;
}

} // namespace vemora
