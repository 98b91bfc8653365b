#include "app/KeyboardControl.h"

#include <QKeySequence>

namespace vemora {

namespace {

bool HasKey(const ActionRow& row) {
    return row.key.key != 0;
}

// Shift matters only for the keys bound both ways; "+" needs Shift on many keyboards, and the
// keypad sends its own modifier.
bool ShiftMatters(int key) {
    for (const ActionRow& row : WindowActions())
        if (row.key.key == key && row.key.modifiers == Qt::ShiftModifier)
            return true;
    return false;
}

// The arrows as drawn on the keys; the other names as the platform writes them.
QString KeyName(const KeyChord& chord) {
    QString key;
    if (chord.key == Qt::Key_Left)
        key = QStringLiteral("←");
    else if (chord.key == Qt::Key_Right)
        key = QStringLiteral("→");
    else
        key = QKeySequence(chord.key).toString(QKeySequence::NativeText);
    if (chord.modifiers & Qt::ShiftModifier)
        key = QKeySequence(Qt::Key_Shift).toString(QKeySequence::NativeText) + QLatin1Char('+') + key;
    return key;
}

} // namespace

std::optional<Action> ActionForKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == 0 || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return std::nullopt;
    if (key == Qt::Key_Equal)
        key = Qt::Key_Plus; // the "+" key without Shift
    Qt::KeyboardModifiers wanted = ShiftMatters(key) ? (modifiers & Qt::ShiftModifier) : Qt::NoModifier;
    for (const ActionRow& row : WindowActions())
        if (row.key.key == key && row.key.modifiers == wanted)
            return row.action;
    return std::nullopt;
}

std::vector<KeyHelpRow> KeyboardHelpRows(const std::function<QString(int)>& uiString) {
    std::vector<KeyHelpRow> rows;
    for (const ActionRow& row : WindowActions())
        if (HasKey(row))
            rows.push_back({KeyName(row.key), uiString(row.keyText)});
    return rows;
}

} // namespace vemora
