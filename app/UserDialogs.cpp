#include "app/UserDialogs.h"

#include "app/AboutDlg.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vemora {

UserDialogs::Answer QtUserDialogs::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                              Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (buttons) {
    case Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return AnswerOk;
    }
}

QString QtUserDialogs::ChooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}

void QtUserDialogs::About(QWidget* parent) {
    CAboutDlg dlg(parent);
    dlg.exec();
}

} // namespace vemora
