#include "library/views/RejectedFilesDlg.h"

#include "library/views/RejectedFileTexts.h"
#include "widgets/PlainText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vemora {

CRejectedFilesDlg::CRejectedFilesDlg(const std::vector<RejectedFile>& files, const UiStringLookup& lookup,
                                     QWidget* parent)
    : QDialog(parent), m_pTable(new QTreeWidget(this)) {
    setWindowTitle(lookup(ids::kRejectedCaption));
    m_pTable->setColumnCount(2);
    m_pTable->setHeaderLabels({lookup(ids::kRejectedFileColumn), lookup(ids::kRejectedReasonColumn)});
    m_pTable->setRootIsDecorated(false);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setUniformRowHeights(true);
    for (const RejectedFile& file : files) {
        auto* item = new QTreeWidgetItem(m_pTable);
        item->setText(0, QString::fromStdString(file.RelativePath()));
        item->setToolTip(0, PlainToolTip(QString::fromStdString(file.GetFullPath())));
        item->setText(1, RejectionText(lookup, file.verdict));
        item->setToolTip(1, PlainToolTip(item->text(1)));
    }
    m_pTable->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_pTable->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(lookup(ids::kRejectedClose), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTable);
    layout->addWidget(buttons);
    resize(720, 320);
}

} // namespace vemora
