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

InputPtr OpenInput(const std::string& path, std::string* error, const std::atomic<bool>* cancel) {
    AVFormatContext* raw = nullptr;
    if (cancel) {
        if (!(raw = avformat_alloc_context()))
            throw std::bad_alloc();
        raw->interrupt_callback.callback = [](void* flag) {
            return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
        };
        raw->interrupt_callback.opaque = const_cast<std::atomic<bool>*>(cancel);
    }
    if (int rc = avformat_open_input(&raw, path.c_str(), nullptr, nullptr); rc < 0) {
        *error = AvError(path, "cannot open", rc);
        return nullptr;
    }
    InputPtr input(raw);
    if (int rc = avformat_find_stream_info(input.get(), nullptr); rc < 0) {
        *error = AvError(path, "cannot read the streams", rc);
        return nullptr;
    }
    return input;
}

std::string AvError(const std::string& file, const std::string& what, int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, text, sizeof text) < 0)
        std::snprintf(text, sizeof text, "error %d", code);
    return file + ": " + what + ": " + text;
}

} // namespace vemora::media
