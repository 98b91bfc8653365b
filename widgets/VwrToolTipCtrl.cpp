#include "widgets/VwrToolTipCtrl.h"

#include "widgets/GdiPlusBitmap.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>

namespace vemora {
namespace {

constexpr int kPadding = 6;
constexpr int kIconGap = 8;
// Wider texts wrap.
constexpr int kMaxTextWidth = 200;

QRect TextBox(const QFontMetrics& fm, const QString& text) {
    return fm.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), Qt::TextWordWrap | Qt::AlignLeft, text);
}

} // namespace

CToolTipPopup::CToolTipPopup() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("tooltip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CToolTipPopup::SetContent(const QString& text, const QImage& icon) {
    m_strText = text;
    m_icon = icon;
    const QRect box = TextBox(fontMetrics(), text);
    const int iconWidth = icon.isNull() ? 0 : CVwrToolTipCtrl::kIconSize + kIconGap;
    const int height = std::max(box.height(), icon.isNull() ? 0 : CVwrToolTipCtrl::kIconSize);
    resize(2 * kPadding + iconWidth + box.width(), 2 * kPadding + height);
    update();
}

// The platform's tooltip colours, a thin border, the icon left of the text.
void CToolTipPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    p.setPen(palette().color(QPalette::ToolTipText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    int x = kPadding;
    if (!m_icon.isNull()) {
        p.drawImage(QPoint(x, (height() - m_icon.height()) / 2), m_icon);
        x += CVwrToolTipCtrl::kIconSize + kIconGap;
    }
    p.drawText(QRect(x, kPadding, width() - x - kPadding, height() - 2 * kPadding),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, m_strText);
}

CVwrToolTipCtrl::CVwrToolTipCtrl(QObject* parent) : QObject(parent) {}

CVwrToolTipCtrl::~CVwrToolTipCtrl() {
    delete m_pPopup;
}

void CVwrToolTipCtrl::AddTool(QWidget* tool, int stringId, const QString& icon) {
    Entry entry;
    entry.stringId = stringId;
    if (!icon.isEmpty()) {
        CGdiPlusBitmapResource picture;
        if (picture.Load(icon))
            entry.icon = picture.Render(QSize(kIconSize, kIconSize));
    }
    m_tools[tool] = entry;
    tool->installEventFilter(this);
    connect(tool, &QObject::destroyed, this, [this, tool] { m_tools.erase(tool); });
    if (m_lookup)
        tool->setToolTip(m_lookup(stringId));
}

void CVwrToolTipCtrl::RemoveTool(QWidget* tool) {
    if (m_tools.erase(tool))
        tool->removeEventFilter(this);
}

void CVwrToolTipCtrl::Retext() {
    if (!m_lookup)
        return;
    for (auto& [tool, entry] : m_tools)
        tool->setToolTip(m_lookup(entry.stringId));
}

void CVwrToolTipCtrl::ShowTip(QWidget* tool, QPoint globalPos) {
    auto it = m_tools.find(tool);
    if (it == m_tools.end() || !m_lookup)
        return HideTip();
    const QString text = m_lookup(it->second.stringId);
    if (text.isEmpty())
        return HideTip();
    if (!m_pPopup)
        m_pPopup = new CToolTipPopup;
    m_pPopup->SetContent(text, it->second.icon);
    // Below and right of the pointer, kept on the screen.
    QPoint at = globalPos + QPoint(12, 16);
    if (QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::min(at.x(), area.right() - m_pPopup->width()));
        if (at.y() + m_pPopup->height() > area.bottom())
            at.setY(globalPos.y() - m_pPopup->height() - 4);
    }
    m_pPopup->move(at);
    m_pPopup->show();
    m_pPopup->raise();
}

void CVwrToolTipCtrl::HideTip() {
    if (m_pPopup)
        m_pPopup->hide();
}

bool CVwrToolTipCtrl::eventFilter(QObject* watched, QEvent* e) {
    auto* tool = qobject_cast<QWidget*>(watched);
    if (!tool || !m_tools.count(tool))
        return false;
    switch (e->type()) {
    case QEvent::ToolTip:
        ShowTip(tool, static_cast<QHelpEvent*>(e)->globalPos());
        return true;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        HideTip();
        break;
    default:
        break;
    }
    return false;
}

} // namespace vemora
