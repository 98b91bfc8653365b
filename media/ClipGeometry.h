#pragma once
// Where each camera's picture and the band go in a clip's frame.

#include "media/ClipWriter.h"

namespace vemora::media {

struct Region {
    int x = 0, y = 0, width = 0, height = 0; // all even
    bool Empty() const { return width <= 0 || height <= 0; }
};

struct ClipGeometry {
    int width = 0;
    int height = 0;        // whole frame, band included
    int pictureHeight = 0; // above the band
    Region front;          // empty when the layout leaves the camera out
    Region rear;
    Region band; // empty without the band
};

// Sizes of the two cameras' pictures (0 x 0 for a camera left out). requestedHeight 0: the
// height of the camera the layout is built on, at most 1080. ClipSize::Share lowers the height
// (the requested one too) until the frame is at most kShareMaxWidth wide; it never raises it.
ClipGeometry PlanGeometry(ClipLayout layout, int frontWidth, int frontHeight, int rearWidth, int rearHeight,
                          int requestedHeight, ClipSize size, bool band);

} // namespace vemora::media
