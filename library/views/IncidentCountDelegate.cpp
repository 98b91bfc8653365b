#include "library/views/IncidentCountDelegate.h"

#include <QPainter>

namespace vemora {

const QColor CIncidentCountDelegate::kBadgeColour(230, 120, 20);

CIncidentCountDelegate::CIncidentCountDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

int CIncidentCountDelegate::CountOf(int row) const {
    return row >= 0 && row < static_cast<int>(m_counts.size()) ? m_counts[static_cast<size_t>(row)] : 0;
}

void CIncidentCountDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const int count = index.column() == 0 ? CountOf(index.row()) : 0;
    if (count <= 0)
        return;
    const QString text = count > 99 ? QStringLiteral("99+") : QString::number(count);
    QFont font = option.font;
    font.setPointSizeF(font.pointSizeF() * 0.8);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int h = std::min(option.rect.height() - 4, metrics.height() + 2);
    const int w = std::max(h, metrics.horizontalAdvance(text) + 8);
    const QRect badge(option.rect.right() - w - 2, option.rect.center().y() - h / 2, w, h);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kBadgeColour);
    painter->drawRoundedRect(badge, h / 2.0, h / 2.0);
    painter->setPen(Qt::white);
    painter->setFont(font);
    painter->drawText(badge, Qt::AlignCenter, text);
    painter->restore();
}

} // namespace vemora
