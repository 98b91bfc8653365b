#pragma once
// Message boxes and modal dialogs of the main window, behind one small interface so that tests
// can answer them.

#include <QString>

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
};

// The real dialogs: QMessageBox and CAboutDlg.
class QtUserDialogs : public UserDialogs {
public:
    Answer MessageBox(QWidget* parent, const QString& text, const QString& caption, Buttons buttons) override;
    void About(QWidget* parent) override;
    QString ChooseFolder(QWidget* parent, const QString& title) override;
};

} // namespace vemora
