#include "library/views/ListRowModel.h"

#include "library/views/PadlockImages.h"

#include <QColor>

namespace vemora {

// The current recording's row: dark like the main window, so that it cannot be taken for the
// user's (blue) selection, which is what the file operations act on.
const QColor CListRowModel::kCurrentRowBackground(48, 48, 48);
const QColor CListRowModel::kCurrentRowText(255, 255, 255);

CListRowModel::CListRowModel(bool checkable, QObject* parent)
    : QAbstractTableModel(parent), m_bCheckable(checkable) {}

QString CListRowModel::TitleOf(int column, const UiStringLookup& lookup) const {
    return lookup ? lookup(m_columns[static_cast<size_t>(column)].titleId) : QString();
}

void CListRowModel::SetColumns(std::span<const ListColumn> columns, const UiStringLookup& lookup) {
    beginResetModel();
    m_columns.assign(columns.begin(), columns.end());
    m_titles.clear();
    for (int c = 0; c < static_cast<int>(m_columns.size()); ++c)
        m_titles.push_back(TitleOf(c, lookup));
    endResetModel();
}

void CListRowModel::Retitle(const UiStringLookup& lookup) {
    for (int c = 0; c < static_cast<int>(m_columns.size()); ++c)
        m_titles[static_cast<size_t>(c)] = TitleOf(c, lookup);
    if (!m_columns.empty())
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_columns.size()) - 1);
}

void CListRowModel::ClearRows() {
    beginResetModel();
    m_rows.clear();
    m_checked.clear();
    m_nCurrentRow = -1;
    endResetModel();
}

void CListRowModel::AppendRows(std::vector<ListRow> rows) {
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    for (ListRow& row : rows)
        m_rows.push_back(std::move(row));
    m_checked.resize(m_rows.size(), false);
    endInsertRows();
}

void CListRowModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount() && columnCount() > 0)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int CListRowModel::SetCurrentRow(int row) {
    const int old = m_nCurrentRow;
    m_nCurrentRow = row >= 0 && row < rowCount() ? row : -1;
    RowChanged(old);
    RowChanged(m_nCurrentRow);
    return m_nCurrentRow;
}

bool CListRowModel::IsChecked(int row) const {
    return row >= 0 && row < static_cast<int>(m_checked.size()) && m_checked[static_cast<size_t>(row)];
}

int CListRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CListRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CListRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ListRow& row = m_rows[static_cast<size_t>(index.row())];
    const bool current = index.row() == m_nCurrentRow;
    const bool first = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole: {
        const auto c = static_cast<size_t>(index.column());
        return c < row.cells.size() ? QString::fromStdString(row.cells[c]) : QString();
    }
    case Qt::DecorationRole:
        return first ? QVariant(PadlockImage(row.lockImage)) : QVariant();
    case Qt::CheckStateRole:
        if (m_bCheckable && first)
            return IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole:
        return current ? QVariant(kCurrentRowBackground) : QVariant();
    case Qt::ForegroundRole:
        return current ? QVariant(kCurrentRowText) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case IsCurrentRowRole:
        return current;
    default:
        return {};
    }
}

bool CListRowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_bCheckable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 ||
        index.row() >= rowCount())
        return false;
    m_checked[static_cast<size_t>(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant CListRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_titles[static_cast<size_t>(section)];
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CListRowModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_bCheckable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace vemora
