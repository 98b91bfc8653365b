#pragma once
// The list of the main window's keys: one row per key with what it does, and a Close button.

#include "app/KeyboardControl.h"

#include <QDialog>

#include <vector>

namespace vemora {

class CKeyListDlg : public QDialog {
    Q_OBJECT
public:
    CKeyListDlg(const QString& caption, const std::vector<KeyHelpRow>& rows, const QString& closeText,
                QWidget* parent);
};

} // namespace vemora
