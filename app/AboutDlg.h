#pragma once
// The About box: maker, version and an OK button; its caption is the About entry's text.

#include <QDialog>

namespace vemora {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

} // namespace vemora
