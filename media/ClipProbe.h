#pragma once
// Reads a written clip back: its picture size, every picture's luma and the length of its sound.
// For the tests and benchmarks that check what a clip holds.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vemora::media {

struct LumaView {
    const uint8_t* data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    uint8_t At(int x, int y) const { return data[static_cast<ptrdiff_t>(y) * stride + x]; }
};

struct ClipFacts {
    int width = 0;
    int height = 0;
    int64_t frames = 0;
    bool yuv420p = false;
    std::string videoCodec;
    bool hasSound = false;
    std::string soundCodec;
    double soundMs = 0;
};

// visit (may be empty) sees each picture in order. False with the reason when the file cannot
// be read.
bool ProbeClip(const std::string& path, ClipFacts& facts, const std::function<void(const LumaView&)>& visit,
               std::string* error);

} // namespace vemora::media
