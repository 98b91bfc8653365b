#include "app/KeyboardControl.h"

namespace vemora {

namespace {

const KeyBinding kBindings[] = {
    {Qt::Key_Space, Qt::NoModifier, KeyAction::PlayPause, "Play / pause"},
    {Qt::Key_Left, Qt::NoModifier, KeyAction::SkipBack5, "5 seconds back"},
    {Qt::Key_Right, Qt::NoModifier, KeyAction::SkipForward5, "5 seconds forward"},
    {Qt::Key_Left, Qt::ShiftModifier, KeyAction::SkipBack30, "30 seconds back"},
    {Qt::Key_Right, Qt::ShiftModifier, KeyAction::SkipForward30, "30 seconds forward"},
    {Qt::Key_Comma, Qt::NoModifier, KeyAction::FrameBack, "One frame back (paused)"},
    {Qt::Key_Period, Qt::NoModifier, KeyAction::FrameForward, "One frame forward (paused)"},
    {Qt::Key_Plus, Qt::NoModifier, KeyAction::Faster, "Faster"},
    {Qt::Key_Minus, Qt::NoModifier, KeyAction::Slower, "Slower"},
    {Qt::Key_M, Qt::NoModifier, KeyAction::Mute, "Sound on / off"},
    {Qt::Key_F, Qt::NoModifier, KeyAction::FullScreenFront, "Front camera full screen (again to leave)"},
    {Qt::Key_J, Qt::NoModifier, KeyAction::NextJolt, "To the next jolt of the G-sensor"},
    {Qt::Key_J, Qt::ShiftModifier, KeyAction::PreviousJolt, "To the previous jolt of the G-sensor"},
};

// Shift matters only for the keys bound both ways; "+" needs Shift on many keyboards, and the
// keypad sends its own modifier.
bool ShiftMatters(int key) {
    for (const KeyBinding& b : kBindings)
        if (b.key == key && b.modifiers == Qt::ShiftModifier)
            return true;
    return false;
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

QString KeyboardHelpText() {
    QString text;
    for (const KeyBinding& b : kBindings) {
        QString keys = QKeySequence(b.key | static_cast<int>(b.modifiers)).toString(QKeySequence::NativeText);
        text += keys.leftJustified(14) + QString::fromLatin1(b.help) + QLatin1Char('\n');
    }
    return text.trimmed();
}

} // namespace vemora
