#include "media/FfmpegOwners.h"

#include <cstdio>
#include <new>

namespace vemora::media {

FramePtr MakeFrame() {
    FramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    return frame;
}

PacketPtr MakePacket() {
    PacketPtr packet(av_packet_alloc());
    if (!packet)
        throw std::bad_alloc();
    return packet;
}

std::string AvError(const std::string& file, const std::string& what, int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0)
        std::snprintf(text, sizeof text, "error %d", code);
    return file + ": " + what + ": " + text;
}

} // namespace vemora::media
