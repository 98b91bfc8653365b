#pragma once
// Puts decoded camera pictures into a clip's frame: scaled in YUV 4:2:0 straight into their
// region (or copied when nothing needs converting), mirrored on request, and the band's grey
// luma. Whatever the source's bit depth and range (a camera's 10-bit or full-range pictures),
// the clip's pictures are 8-bit limited range.

#include "media/ClipGeometry.h"
#include "media/FfmpegOwners.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vemora::media {

class PictureComposer {
public:
    // Video black over the whole frame.
    static void Clear(AVFrame& frame);
    // The source picture scaled into region of frame; false with the reason when the scaler
    // refuses the source's format.
    bool Place(const AVFrame& source, const Region& region, bool mirror, AVFrame& frame, std::string* error);
    // The band's luma (width x height of region) with neutral chroma.
    static void PlaceBand(const std::vector<uint8_t>& luma, const Region& region, AVFrame& frame);

private:
    // One scaler per camera; kept while its pictures keep their size and format.
    ScalerPtr m_scalers[2];
    int m_next = 0;
    SwsContext* ScalerFor(const AVFrame& source, const Region& region);
    struct Key {
        int w = 0, h = 0, format = -1, dw = 0, dh = 0;
        bool fullRange = false;
        bool operator==(const Key&) const = default;
    };
    Key m_keys[2];
};

} // namespace vemora::media
