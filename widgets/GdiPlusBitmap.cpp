#include "widgets/GdiPlusBitmap.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace vemora {

CGdiPlusBitmapResource::CGdiPlusBitmapResource() = default;
CGdiPlusBitmapResource::~CGdiPlusBitmapResource() = default;

bool CGdiPlusBitmapResource::Load(const QString& name) {
    m_pRenderer.reset();
    const QString path =
        name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/pictures/%1.svg").arg(name);
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid())
        return false;
    m_pRenderer = std::move(renderer);
    return true;
}

QImage CGdiPlusBitmapResource::Render(QSize size) const {
    if (!m_pRenderer || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_pRenderer->render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

QImage ApplyColourMatrix(const QImage& picture, const ColourMatrix& m) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const float in[5] = {qRed(line[x]) / 255.f, qGreen(line[x]) / 255.f, qBlue(line[x]) / 255.f,
                                 qAlpha(line[x]) / 255.f, 1.f};
            int out[4];
            for (int c = 0; c < 4; ++c) {
                float v = 0;
                for (int r = 0; r < 5; ++r)
                    v += in[r] * m[r][c];
                out[c] = static_cast<int>(std::clamp(v, 0.f, 1.f) * 255.f + 0.5f);
            }
            line[x] = qRgba(out[0], out[1], out[2], out[3]);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vemora
