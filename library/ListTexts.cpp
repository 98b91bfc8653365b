#include "library/ListTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <limits>

namespace vemora {
namespace {

struct Resolution {
    int width;
    int height;
    const char* name;
};

constexpr std::array<Resolution, 12> kResolutions{{
    {2048, 1600, "QXGA"},
    {2048, 1536, "QXGA"},
    {1920, 1080, "1080P HD"},
    {1600, 1200, "UXGA"},
    {1280, 1024, "SXGA"},
    {1280, 720, "720P"},
    {1152, 870, "MAC"},
    {1024, 768, "XGA"},
    {800, 600, "SVGA"},
    {720, 480, "480P"},
    {640, 480, "VGA"},
    {320, 240, "CIF"},
}};

template <typename... Args> std::string Printf(const char* format, Args... args) {
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, format, args...);
    return n < 0 ? std::string() : std::string(buffer, std::min<size_t>(n, sizeof buffer - 1));
}

} // namespace

std::string ResolutionName(int width, int height) {
    for (const Resolution& r : kResolutions) {
        if (r.width == width && r.height == height)
            return r.name;
    }
    if (width == 0 || height == 0)
        return {};
    return Printf("%dx%d", width, height);
}

std::string FormatLocalTime(int64_t seconds, const char* format) {
    if (seconds < std::numeric_limits<time_t>::min() || seconds > std::numeric_limits<time_t>::max())
        return {};
    time_t t = static_cast<time_t>(seconds);
    struct tm local {};
    if (!::localtime_r(&t, &local))
        return {};
    char buffer[128];
    size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}

std::string LengthText(int64_t durationMs) {
    return Printf(" %lld s ", static_cast<long long>(durationMs / 1000));
}

std::string SizeText(int64_t bytes) {
    return Printf(" %lld MB", static_cast<long long>(bytes >> 20));
}

std::string GroupIdText(int group) {
    return Printf("G%d", group);
}

std::string RecordingIdText(int group, int indexInGroup) {
    return Printf("G%d-%d", group, indexInGroup);
}

} // namespace vemora
