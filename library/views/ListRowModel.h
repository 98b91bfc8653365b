#pragma once
// The rows of one recording list as the library handed them over: cell texts, padlock image,
// check mark (group list only) and the current-row highlight, which is kept apart from the user's
// selection (the selection lives in the view's selection model).

#include "library/ListSink.h"

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace vemora {

// The text of a string-table id in the current language.
using UiStringLookup = std::function<QString(int id)>;

class CListRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // True for the rows that carry the current-row highlight.
    static constexpr int IsCurrentRowRole = Qt::UserRole + 1;
    static const QColor kCurrentRowBackground;
    static const QColor kCurrentRowText;

    CListRowModel(bool checkable, QObject* parent = nullptr);

    void SetColumns(std::span<const ListColumn> columns, const UiStringLookup& lookup);
    void Retitle(const UiStringLookup& lookup);
    const std::vector<ListColumn>& Columns() const { return m_columns; }

    void ClearRows();
    void AppendRows(std::vector<ListRow> rows);
    // Moves the highlight; a row outside the list removes it. Returns the highlighted row or -1.
    int SetCurrentRow(int row);
    int CurrentRow() const { return m_nCurrentRow; }
    bool IsChecked(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void RowChanged(int row);
    QString TitleOf(int column, const UiStringLookup& lookup) const;

    bool m_bCheckable;
    std::vector<ListColumn> m_columns;
    std::vector<QString> m_titles;
    std::vector<ListRow> m_rows;
    std::vector<bool> m_checked;
    int m_nCurrentRow = -1;
};

} // namespace vemora
