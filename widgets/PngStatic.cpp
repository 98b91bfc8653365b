#include "widgets/PngStatic.h"

#include <QPainter>

namespace vemora {

CPngStatic::CPngStatic(int id, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picture%1").arg(id));
}

CPngStatic::~CPngStatic() = default;

bool CPngStatic::LoadPicture(const QString& name) {
    m_pImage = std::make_unique<CGdiPlusBitmapResource>();
    if (!m_pImage->Load(name))
        m_pImage.reset();
    update();
    return m_pImage != nullptr;
}

void CPngStatic::SetColour(bool colour) {
    if (colour == m_bColour)
        return;
    m_bColour = colour;
    update();
}

void CPngStatic::paintEvent(QPaintEvent*) {
    if (!m_pImage)
        return;
    const QImage picture = m_pImage->Render(size());
    QPainter p(this);
    p.drawImage(0, 0, m_bColour ? picture : ApplyColourMatrix(picture, kGreyMatrix));
}

} // namespace vemora
