#include "widgets/PlainText.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTextDocument>

namespace vemora {

QString PlainToolTip(const QString& text) {
    if (text.isEmpty())
        return text; // no tooltip at all
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

void MakePlain(QLabel& label) {
    label.setTextFormat(Qt::PlainText);
    label.setTextInteractionFlags(Qt::NoTextInteraction);
    label.setOpenExternalLinks(false);
}

void MakePlain(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
}

void MakePlain(QProgressDialog& dialog) {
    auto* label = new QLabel(&dialog);
    MakePlain(*label);
    dialog.setLabel(label); // the dialog takes the label over
}

} // namespace vemora
