#include "library/views/DvrListView.h"

#include "library/views/PadlockImages.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace vemora {

CDvrListView::CDvrListView(bool checkable, std::span<const ListColumn> columns, QWidget* parent)
    : QTableView(parent), m_pModel(new CListRowModel(checkable, this)),
      m_defaultColumns(columns.begin(), columns.end()) {
    setModel(m_pModel);
}

void CDvrListView::InitList() {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setIconSize(QSize(kPadlockImageSize, kPadlockImageSize));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kPadlockImageSize + 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsMovable(false);
    // Columns keep their computed widths: the recording list is wider than its window and scrolls.
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    PadlockImage(0); // draws the images now rather than at the first paint
    MakeColumns(m_defaultColumns);
}

void CDvrListView::MakeColumns(std::span<const ListColumn> columns) {
    m_pModel->SetColumns(columns, m_lookup);
    const int w = width();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const ListColumn& col = columns[static_cast<size_t>(c)];
        setColumnWidth(c, col.widthDenominator > 0 ? w * col.widthNumerator / col.widthDenominator : 0);
    }
}

void CDvrListView::UpdateColumnTitles() {
    m_pModel->Retitle(m_lookup);
}

void CDvrListView::ClearAllRows() {
    clearSelection();
    m_pModel->ClearRows();
}

void CDvrListView::AppendAllRows(std::vector<ListRow> rows) {
    m_pModel->AppendRows(std::move(rows));
}

void CDvrListView::HighlightRow(int row) {
    const int shown = m_pModel->SetCurrentRow(row);
    if (shown >= 0)
        scrollTo(m_pModel->index(shown, 0));
}

QModelIndex CDvrListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void CDvrListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex hit = indexAt(event->position().toPoint());
    event->accept();
    emit rowActivated(hit.isValid() ? hit.row() : -1);
}

} // namespace vemora
