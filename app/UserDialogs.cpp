#include "app/UserDialogs.h"

#include "app/AboutDlg.h"
#include "app/KeyListDlg.h"
#include "library/views/MediaOpenDialog.h"
#include "settings/SettingsFile.h"
#include "widgets/PlainText.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace vemora {

UserDialogs::Answer QtUserDialogs::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                              Buttons buttons) {
    QMessageBox box(parent);
    MakePlain(box); // the texts carry card names and paths
    box.setWindowTitle(caption);
    // The texts carry names from the card and the catalogue: never read as markup.
    box.setTextFormat(Qt::PlainText);
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

UserDialogs::SourceChoice QtUserDialogs::ChooseSource(QWidget* parent, const QString&) {
    CMediaOpenDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    switch (dialog.m_nChoice) {
    case CMediaOpenDialog::Disk:
        return {true, SourceKind::Drive, dialog.m_strDisk};
    case CMediaOpenDialog::File:
        return {true, SourceKind::File, dialog.m_strFile};
    default:
        return {true, SourceKind::Folder, dialog.m_strFolder};
    }
}

// A JPEG unless the user picks the PNG filter or types ".png".
QString QtUserDialogs::ChooseSnapshotPath(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Jpeg File(*.jpg)"), QStringLiteral("Png File(*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("png")) ? QStringLiteral("png")
                                                                      : QStringLiteral("jpg"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtUserDialogs::About(QWidget* parent) {
    CAboutDlg dlg(parent);
    dlg.exec();
}

QString QtUserDialogs::ChooseSavePath(QWidget* parent, const QString& title, const QString& suggested,
                                      const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QAction* QtUserDialogs::ChooseMenuEntry(QMenu& menu, QPoint at) {
    return menu.exec(at);
}

void QtUserDialogs::ShowKeyList(QWidget* parent, const QString& caption,
                                const std::vector<KeyHelpRow>& rows) {
    constexpr int kStrClose = 206; // "Close", shared with the list of unreadable files
    CKeyListDlg dlg(caption, rows, SettingsFile::Instance().LoadUiString(kStrClose), parent);
    dlg.exec();
}

} // namespace vemora
