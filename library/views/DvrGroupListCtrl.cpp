#include "library/views/DvrGroupListCtrl.h"

#include <QItemSelectionModel>

namespace vemora {

CDvrGroupListCtrl::CDvrGroupListCtrl(QWidget* parent) : CDvrListView(true, kGroupColumns, parent) {}

bool CDvrGroupListCtrl::IsRowChosen(int row) const {
    if (row < 0 || row >= RowModel()->rowCount())
        return false;
    return RowModel()->IsChecked(row) || selectionModel()->isRowSelected(row, QModelIndex());
}

} // namespace vemora
