#include "report/CairoImage.h"

#include <cstring>

namespace vemora::report {

Surface SurfaceOf(const media::RgbFrame& picture) {
    if (picture.width <= 0 || picture.height <= 0 || picture.stride < 3 * picture.width ||
        picture.pixels.size() < static_cast<size_t>(picture.stride) * static_cast<size_t>(picture.height))
        return nullptr;
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* in = picture.Row(y);
        auto* out = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * static_cast<size_t>(stride));
        for (int x = 0; x < picture.width; ++x, in += 3)
            out[x] = uint32_t(in[0]) << 16 | uint32_t(in[1]) << 8 | uint32_t(in[2]);
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

Surface ScaledSurface(cairo_surface_t* full, int maxWidth) {
    const int width = cairo_image_surface_get_width(full);
    const int height = cairo_image_surface_get_height(full);
    const double scale = width > maxWidth ? static_cast<double>(maxWidth) / width : 1.0;
    const int w = std::max(1, static_cast<int>(width * scale + 0.5));
    const int h = std::max(1, static_cast<int>(height * scale + 0.5));
    Surface small(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h));
    if (cairo_surface_status(small.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    Context cr(cairo_create(small.get()));
    cairo_scale(cr.get(), static_cast<double>(w) / width, static_cast<double>(h) / height);
    cairo_set_source_surface(cr.get(), full, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr.get());
    cairo_surface_flush(small.get());
    return small;
}

std::string PngBytes(cairo_surface_t* surface) {
    std::string bytes;
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(surface, append, &bytes) != CAIRO_STATUS_SUCCESS)
        return {};
    return bytes;
}

} // namespace vemora::report
