#pragma once
// Pictures of the program's resources (SVG sources below ":/pictures/", drawn to the size a
// control needs) and the colour matrices that give a picture its hot and grey looks.

#include <QImage>
#include <QString>

#include <array>
#include <memory>

class QSvgRenderer;

namespace vemora {

// One picture of the resources. Empty until Load succeeds.
class CGdiPlusBitmapResource {
public:
    CGdiPlusBitmapResource();
    ~CGdiPlusBitmapResource();
    CGdiPlusBitmapResource(const CGdiPlusBitmapResource&) = delete;
    CGdiPlusBitmapResource& operator=(const CGdiPlusBitmapResource&) = delete;

    // Loads the picture by name ("play" is ":/pictures/play.svg"), or by a full resource path.
    // False (and empty) when it is missing or unreadable; any earlier picture is dropped.
    bool Load(const QString& name);
    bool IsNull() const { return !m_pRenderer; }
    // The picture stretched to size, transparent where it has nothing; a null image when empty.
    QImage Render(QSize size) const;

private:
    std::unique_ptr<QSvgRenderer> m_pRenderer;
};

// A 5 x 5 colour matrix applied to (red, green, blue, alpha, 1) rows of values in 0..1.
using ColourMatrix = std::array<std::array<float, 5>, 5>;

// Red, green and blue times 1.05 plus 0.05: the picture under the mouse.
inline constexpr ColourMatrix kHotMatrix = {{{1.05f, 0, 0, 0, 0},
                                             {0, 1.05f, 0, 0, 0},
                                             {0, 0, 1.05f, 0, 0},
                                             {0, 0, 0, 1, 0},
                                             {0.05f, 0.05f, 0.05f, 0, 1}}};
// Luminance weights into all three channels: the disabled look.
inline constexpr ColourMatrix kGreyMatrix = {{{0.3f, 0.3f, 0.3f, 0, 0},
                                              {0.59f, 0.59f, 0.59f, 0, 0},
                                              {0.11f, 0.11f, 0.11f, 0, 0},
                                              {0, 0, 0, 1, 0},
                                              {0, 0, 0, 0, 1}}};

// The picture with every pixel's colour through the matrix (unpremultiplied, clamped).
QImage ApplyColourMatrix(const QImage& picture, const ColourMatrix& m);

} // namespace vemora
