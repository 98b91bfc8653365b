#include "app/KeyListDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vemora {

CKeyListDlg::CKeyListDlg(const QString& caption, const std::vector<KeyHelpRow>& rows,
                         const QString& closeText, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    int line = 0;
    for (const KeyHelpRow& row : rows) {
        auto* keys = new QLabel(row.keys, this);
        QFont bold = keys->font();
        bold.setBold(true);
        keys->setFont(bold);
        grid->addWidget(keys, line, 0);
        grid->addWidget(new QLabel(row.action, this), line, 1);
        ++line;
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(closeText, QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, line, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vemora
