#pragma once
// The group list: one row per drive ("Group", "Resolution", "Start Time", "Length", "File Size"),
// with check boxes. Checked or selected groups are what copy, delete and lock act on.

#include "library/ListSink.h"
#include "library/views/DvrListView.h"

namespace vemora {

class CDvrGroupListCtrl : public CDvrListView, public GroupListSink {
    Q_OBJECT
public:
    explicit CDvrGroupListCtrl(QWidget* parent = nullptr);

    void SetColumns(std::span<const ListColumn> columns) override { MakeColumns(columns); }
    void RetitleColumns() override { UpdateColumnTitles(); }
    void ClearRows() override { ClearAllRows(); }
    void AppendRows(std::vector<ListRow> rows) override { AppendAllRows(std::move(rows)); }
    void SetCurrentRow(int row) override { HighlightRow(row); }
    bool IsRowChosen(int row) const override;
};

} // namespace vemora
