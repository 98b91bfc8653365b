#pragma once
// A decoded picture as the viewer and the snapshot writer take it: 8-bit RGB, three bytes a
// pixel, rows of stride bytes. Nothing of FFmpeg's shows here.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vemora::media {

struct RgbFrame {
    int width = 0;
    int height = 0;
    int stride = 0; // bytes from one row to the next
    std::vector<uint8_t> pixels;
    int64_t frame = 0; // number of the picture in its file, from 0 in presentation order
    double timeMs = 0; // from the recording's start
    bool mirrored = false;

    const uint8_t* Row(int y) const {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(stride);
    }
};

} // namespace vemora::media
