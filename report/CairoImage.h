#pragma once
// Decoded pictures as cairo surfaces: one owner of a surface, a picture converted to cairo's
// 32-bit layout (optionally made smaller), and a surface encoded as PNG bytes.

#include "media/RgbFrame.h"

#include <cairo.h>

#include <memory>
#include <string>

namespace vemora::report {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

struct ContextRelease {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Context = std::unique_ptr<cairo_t, ContextRelease>;

// The picture at full size; null when cairo cannot hold it.
Surface SurfaceOf(const media::RgbFrame& picture);
// The picture scaled to at most maxWidth pixels across, keeping its shape.
Surface ScaledSurface(cairo_surface_t* full, int maxWidth);
// The surface as a PNG file's bytes; empty when it cannot be encoded.
std::string PngBytes(cairo_surface_t* surface);

} // namespace vemora::report
