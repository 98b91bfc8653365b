#include "media/ClipGeometry.h"

#include "media/BandPainter.h"

#include <algorithm>
#include <cmath>

namespace vemora::media {

namespace {

constexpr int kDefaultMaxHeight = 1080;

int Even(double value) {
    return std::max(2, static_cast<int>(std::lround(value / 2.0)) * 2);
}

// Width of a w x h picture scaled to height.
int WidthAt(int w, int h, int height) {
    return h > 0 ? Even(static_cast<double>(w) * height / h) : 0;
}

// The pictures' regions at picture height h.
ClipGeometry PicturesAt(ClipLayout layout, int frontWidth, int frontHeight, int rearWidth, int rearHeight,
                        int h) {
    ClipGeometry g;
    g.pictureHeight = h;
    switch (layout) {
    case ClipLayout::Side:
        g.front = {0, 0, WidthAt(frontWidth, frontHeight, h), h};
        g.rear = {g.front.width, 0, WidthAt(rearWidth, rearHeight, h), h};
        g.width = g.front.width + g.rear.width;
        break;
    case ClipLayout::Pip: {
        g.front = {0, 0, WidthAt(frontWidth, frontHeight, h), h};
        int insetWidth = Even(g.front.width / 3.0);
        int insetHeight = rearWidth > 0 ? Even(static_cast<double>(rearHeight) * insetWidth / rearWidth) : 0;
        insetHeight = std::min(insetHeight, h);
        int margin = Even(g.front.width / 64.0);
        g.rear = {g.front.width - insetWidth - margin, margin, insetWidth, insetHeight};
        g.width = g.front.width;
        break;
    }
    case ClipLayout::Front:
        g.front = {0, 0, WidthAt(frontWidth, frontHeight, h), h};
        g.width = g.front.width;
        break;
    case ClipLayout::Rear:
        g.rear = {0, 0, WidthAt(rearWidth, rearHeight, h), h};
        g.width = g.rear.width;
        break;
    }
    g.height = h;
    return g;
}

} // namespace

ClipGeometry PlanGeometry(ClipLayout layout, int frontWidth, int frontHeight, int rearWidth, int rearHeight,
                          int requestedHeight, ClipSize size, bool band) {
    const int baseHeight = layout == ClipLayout::Rear ? rearHeight : frontHeight;
    int h = requestedHeight > 0 ? Even(requestedHeight) : Even(std::min(baseHeight, kDefaultMaxHeight));
    ClipGeometry g = PicturesAt(layout, frontWidth, frontHeight, rearWidth, rearHeight, h);
    if (size == ClipSize::Share && g.width > kShareMaxWidth) {
        // The width grows with the height: from the proportional height down to the tallest that fits
        // once each picture's width is rounded to even.
        h = Even(static_cast<double>(h) * kShareMaxWidth / g.width);
        g = PicturesAt(layout, frontWidth, frontHeight, rearWidth, rearHeight, h);
        while (g.width > kShareMaxWidth && h > 2)
            g = PicturesAt(layout, frontWidth, frontHeight, rearWidth, rearHeight, h -= 2);
    }
    if (band) {
        g.band = {0, h, g.width, BandHeightFor(h)};
        g.height += g.band.height;
    }
    return g;
}

} // namespace vemora::media
