#pragma once
// Names from a card are data: a folder called "<img src=/dev/zero>" or holding "<a href=...>"
// must be drawn as those characters, never read as markup. Every widget that shows a card name,
// a path or a reason built from one goes through these.

#include <QString>

class QLabel;
class QMessageBox;
class QProgressDialog;

namespace vemora {

// A tooltip that shows text exactly: tooltips guess their format, so the text is escaped into a
// paragraph that is always taken as markup and reads as the original characters.
QString PlainToolTip(const QString& text);

// The widget shows its texts as plain characters from now on.
void MakePlain(QLabel& label);
void MakePlain(QMessageBox& box);
// A progress dialog's label guesses its format too; it gets a plain one of its own.
void MakePlain(QProgressDialog& dialog);

} // namespace vemora
