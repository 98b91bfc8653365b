#pragma once
// Message boxes and modal dialogs of the main window, behind one small interface so that tests
// can answer them.

#include "app/KeyboardControl.h"

#include <QPoint>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vemora {

class UserDialogs {
public:
    enum Buttons { Ok, YesNo, OkCancel };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };

    virtual ~UserDialogs() = default;
    virtual Answer MessageBox(QWidget* parent, const QString& text, const QString& caption,
                              Buttons buttons) = 0;
    // Runs the About dialog modally.
    virtual void About(QWidget* parent) = 0;
    // A folder chosen by the user; empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title) = 0;

    // Where OPEN reads recordings from: a drive (the folder it is mounted at), a folder, or one
    // file of a folder.
    enum class SourceKind { Drive, Folder, File };
    struct SourceChoice {
        bool ok = false;
        SourceKind kind = SourceKind::Folder;
        QString path;
    };
    // The source dialog; by default a folder chosen with ChooseFolder.
    virtual SourceChoice ChooseSource(QWidget* parent, const QString& folderTitle) {
        QString folder = ChooseFolder(parent, folderTitle);
        return {!folder.isEmpty(), SourceKind::Folder, folder};
    }
    // The file a snapshot is saved to (.jpg or .png); empty when cancelled.
    virtual QString ChooseSnapshotPath(QWidget*) { return {}; }
    // A file to save to, proposed as `suggested`; empty when cancelled.
    virtual QString ChooseSavePath(QWidget*, const QString& /*title*/, const QString& /*suggested*/,
                                   const QString& /*filter*/) {
        return {};
    }
    // Pops a menu up at a screen position; the chosen entry, or null.
    virtual QAction* ChooseMenuEntry(QMenu&, QPoint) { return nullptr; }
    // Shows the list of the window's keys modally until the user closes it.
    virtual void ShowKeyList(QWidget*, const QString& /*caption*/, const std::vector<KeyHelpRow>& /*rows*/) {}
};

// The real dialogs: QMessageBox, CAboutDlg, CKeyListDlg and the file dialogs.
class QtUserDialogs : public UserDialogs {
public:
    Answer MessageBox(QWidget* parent, const QString& text, const QString& caption, Buttons buttons) override;
    void About(QWidget* parent) override;
    QString ChooseFolder(QWidget* parent, const QString& title) override;
    SourceChoice ChooseSource(QWidget* parent, const QString& folderTitle) override;
    QString ChooseSnapshotPath(QWidget* parent) override;
    QString ChooseSavePath(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter) override;
    QAction* ChooseMenuEntry(QMenu& menu, QPoint at) override;
    void ShowKeyList(QWidget* parent, const QString& caption, const std::vector<KeyHelpRow>& rows) override;
};

} // namespace vemora
