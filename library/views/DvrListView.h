#pragma once
// What the group list and the recording list share: a report-style table with full-row
// selection, grid lines and the padlock image in the first column, filled by the library through
// its list sink, whose double-clicks ask the main window to open a row.

#include "library/ListSink.h"
#include "library/views/ListRowModel.h"

#include <QTableView>

#include <span>
#include <vector>

namespace vemora {

class CDvrListView : public QTableView {
    Q_OBJECT
public:
    // Turns the table into a report view (styles, image size) and makes its columns.
    void InitList();
    // After a language change: every column's title again from the string table; widths stay.
    void UpdateColumnTitles();
    // Where column titles come from (the settings' LoadUiString in the program).
    void SetTitleLookup(UiStringLookup lookup) { m_lookup = std::move(lookup); }

    CListRowModel* RowModel() const { return m_pModel; }

signals:
    // A double-click on a row; -1 when it hit no row (below the last one). The main window turns
    // it into its "open group" / "open recording" event.
    void rowActivated(int row);

protected:
    CDvrListView(bool checkable, std::span<const ListColumn> columns, QWidget* parent);

    // Columns from `columns`: titles looked up now, widths a fraction of the control's width.
    void MakeColumns(std::span<const ListColumn> columns);
    void ClearAllRows();
    void AppendAllRows(std::vector<ListRow> rows);
    // Moves the current-row highlight and scrolls the row into view.
    void HighlightRow(int row);

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Home and End go to the first and the last row, as in any list of rows.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    CListRowModel* m_pModel;
    std::vector<ListColumn> m_defaultColumns;
    UiStringLookup m_lookup;
};

} // namespace vemora
