#pragma once
// One owner per FFmpeg object, so that every early return frees what was made. Only media/
// includes this header: nothing above the media layer sees an FFmpeg type.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <atomic>
#include <memory>
#include <string>

namespace vemora::media {

struct InputCloser {
    void operator()(AVFormatContext* ctx) const { avformat_close_input(&ctx); }
};
// An output context with the file it writes, closed (not finished) on release.
struct OutputCloser {
    void operator()(AVFormatContext* ctx) const {
        if (ctx && !(ctx->oformat->flags & AVFMT_NOFILE))
            avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};
struct CodecCloser {
    void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerFreer {
    void operator()(SwsContext* ctx) const { sws_freeContext(ctx); }
};
struct ResamplerFreer {
    void operator()(SwrContext* ctx) const { swr_free(&ctx); }
};
struct FifoFreer {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecCloser>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;
using FifoPtr = std::unique_ptr<AVAudioFifo, FifoFreer>;

// An allocation FFmpeg refused is out of memory; these throw std::bad_alloc then, like new.
FramePtr MakeFrame();
PacketPtr MakePacket();

// Opens `path` and reads its stream headers; null with a readable `error` when either fails.
// Once *cancel is true (when given), reading the file stops at its next read.
InputPtr OpenInput(const std::string& path, std::string* error, const std::atomic<bool>* cancel = nullptr);

// "FILE: what: FFmpeg's text for code".
std::string AvError(const std::string& file, const std::string& what, int code);

} // namespace vemora::media
