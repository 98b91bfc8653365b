#pragma once
// The recording list: one row per recording file ("ID", "File Name", "Start Time", "End Time",
// "File Size", "Folder"), wider than its window.

#include "library/ListSink.h"
#include "library/views/DvrListView.h"

namespace vemora {

class CDvrFileListCtrl : public CDvrListView, public ListSink {
    Q_OBJECT
public:
    explicit CDvrFileListCtrl(QWidget* parent = nullptr);

    void SetColumns(std::span<const ListColumn> columns) override { MakeColumns(columns); }
    void RetitleColumns() override { UpdateColumnTitles(); }
    void ClearRows() override { ClearAllRows(); }
    void AppendRows(std::vector<ListRow> rows) override { AppendAllRows(std::move(rows)); }
    void SetCurrentRow(int row) override { HighlightRow(row); }
};

} // namespace vemora
