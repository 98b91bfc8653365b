#include "app/CoverDlg.h"

#include "app/DvrDlgShared.h"

#include <QPainter>

namespace vemora {

CCoverDlg::CCoverDlg(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CCoverDlg"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCoverDlg::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), kBackground);
}

} // namespace vemora
