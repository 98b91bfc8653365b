#pragma once
// Draws, at the right end of a group row's first cell, a small badge with the number of
// incidents the drive holds (nothing for a drive without any); the columns stay as they are.

#include <QStyledItemDelegate>

#include <vector>

namespace vemora {

class CIncidentCountDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CIncidentCountDelegate(QObject* parent = nullptr);

    // Counts by group row; rows beyond the list show none.
    void SetCounts(std::vector<int> counts) { m_counts = std::move(counts); }
    int CountOf(int row) const;

    static const QColor kBadgeColour;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::vector<int> m_counts;
};

} // namespace vemora
