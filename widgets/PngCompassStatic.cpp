#include "widgets/PngCompassStatic.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vemora {
namespace {

constexpr int kPictureSize = 48;
constexpr int kCardPictures = 8;

QImage RenderPicture(const QString& resource) {
    if (!resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QImage(resource).convertToFormat(QImage::Format_ARGB32);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    QImage image(kPictureSize, kPictureSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

} // namespace

CPngCompassStatic::CPngCompassStatic(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("compass"));
    for (int k = 1; k <= kCardPictures; ++k)
        AddImage(QStringLiteral(":/compass/card_%1.svg").arg(k));
    resize(32, 32);
}

bool CPngCompassStatic::AddImage(const QString& resource) {
    QImage picture = RenderPicture(resource);
    if (picture.isNull())
        return false;
    m_images.push_back(picture);
    if (m_images.size() == 1)
        m_grey = GreyPicture(picture);
    return true;
}

int CPngCompassStatic::PictureForHeading(int degrees, int count) {
    const int r = ((360 - degrees % 360) % 360 + 360) % 360;
    int s = r / 45;
    if (r - 45 * s > 22)
        ++s;
    return s % count + 1;
}

int CPngCompassStatic::SetHeading(int degrees) {
    if (m_images.empty())
        return 0;
    ShowImage(PictureForHeading(degrees, ImageCount()));
    return 1;
}

// The heading comes with every time report; the compass (drawn over the window's ground) is
// painted again only when it shows another picture.
void CPngCompassStatic::ClearHeading() {
    ShowImage(0);
}

void CPngCompassStatic::ShowImage(int image) {
    if (image == m_nImage)
        return;
    m_nImage = image;
    update();
}

QImage CPngCompassStatic::GreyPicture(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = line[x];
            const int v = qBound(0, qRound(0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c)), 255);
            line[x] = qRgba(v, v, v, qAlpha(c));
        }
    }
    return grey;
}

void CPngCompassStatic::paintEvent(QPaintEvent*) {
    if (m_nImage > ImageCount() || m_images.empty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_nImage >= 1 ? m_images[static_cast<size_t>(m_nImage - 1)] : m_grey);
}

} // namespace vemora
