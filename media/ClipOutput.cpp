#include "media/ClipOutput.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace vemora::media {

namespace {

constexpr const char* kPreset = "veryfast";
// A share-size clip is made to be sent on, not examined frame by frame: one pass of sub-pixel
// motion refinement instead of the preset's two, and no search of the smallest inter-picture
// partitions. On camera footage that takes a seventh off the whole export (decoding included)
// and makes the file about an eighth larger at the same quality setting. Full size, the
// evidence, keeps the preset as it is.
constexpr const char* kShareEncoderOptions = "subme=1:partitions=i8x8,i4x4";

CodecPtr OpenVideoEncoder(const std::string& path, int width, int height, AVRational frameRate,
                          bool globalHeader, const ClipEncoding& encoding, std::string* error) {
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) {
        *error = path + ": this FFmpeg has no H.264 encoder (libx264)";
        return nullptr;
    }
    CodecPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx)
        throw std::bad_alloc();
    ctx->width = width;
    ctx->height = height;
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->time_base = av_inv_q(frameRate);
    ctx->framerate = frameRate;
    ctx->sample_aspect_ratio = AVRational{1, 1};
    // The composer converts every source to limited range. The colour description is written
    // with it (the stream tags no range without one): what players assume for untagged pictures
    // of this height, which the composer keeps.
    ctx->color_range = AVCOL_RANGE_MPEG;
    const bool hd = height >= 720;
    ctx->colorspace = hd ? AVCOL_SPC_BT709 : AVCOL_SPC_SMPTE170M;
    ctx->color_primaries = hd ? AVCOL_PRI_BT709 : AVCOL_PRI_SMPTE170M;
    ctx->color_trc = hd ? AVCOL_TRC_BT709 : AVCOL_TRC_SMPTE170M;
    ctx->thread_count = 0;
    if (globalHeader)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(ctx->priv_data, "preset", kPreset, 0);
    av_opt_set_double(ctx->priv_data, "crf", X264Crf(encoding.quality), 0);
    if (const std::string params = X264Params(encoding.size); !params.empty())
        av_opt_set(ctx->priv_data, "x264-params", params.c_str(), 0);
    if (int rc = avcodec_open2(ctx.get(), codec, nullptr); rc < 0) {
        *error = AvError(path, "cannot start the H.264 encoder", rc);
        return nullptr;
    }
    return ctx;
}

CodecPtr OpenAudioEncoder(const std::string& path, const SoundFormat& sound, bool globalHeader,
                          ClipQuality quality, std::string* error) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec) {
        *error = path + ": this FFmpeg has no AAC encoder";
        return nullptr;
    }
    CodecPtr ctx(avcodec_alloc_context3(codec));
    if (!ctx)
        throw std::bad_alloc();
    ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
    ctx->sample_rate = sound.sampleRate;
    if (int rc = av_channel_layout_copy(&ctx->ch_layout, &sound.layout); rc < 0) {
        *error = AvError(path, "cannot set the sound channels", rc);
        return nullptr;
    }
    ctx->bit_rate = AacBitRate(quality);
    ctx->time_base = AVRational{1, sound.sampleRate};
    if (globalHeader)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (int rc = avcodec_open2(ctx.get(), codec, nullptr); rc < 0) {
        *error = AvError(path, "cannot start the AAC encoder", rc);
        return nullptr;
    }
    return ctx;
}

AVStream* AddStream(AVFormatContext* format, const AVCodecContext* codec, const std::string& path,
                    std::string* error) {
    AVStream* stream = avformat_new_stream(format, nullptr);
    if (!stream)
        throw std::bad_alloc();
    if (int rc = avcodec_parameters_from_context(stream->codecpar, codec); rc < 0) {
        *error = AvError(path, "cannot describe a stream", rc);
        return nullptr;
    }
    stream->time_base = codec->time_base;
    return stream;
}

} // namespace

const char* X264Preset() {
    return kPreset;
}

std::string X264Params(ClipSize size) {
    return size == ClipSize::Share ? kShareEncoderOptions : std::string();
}

int X264Crf(ClipQuality quality) {
    return quality == ClipQuality::High ? 17 : 20;
}

int AacBitRate(ClipQuality quality) {
    return quality == ClipQuality::High ? 192000 : 128000;
}

ClipOutput::~ClipOutput() = default;

std::unique_ptr<ClipOutput> ClipOutput::Create(const std::string& path, int width, int height,
                                               AVRational frameRate, const SoundFormat* sound,
                                               const ClipEncoding& encoding, std::string* error) {
    std::unique_ptr<ClipOutput> out(new ClipOutput);
    out->m_path = path;
    AVFormatContext* raw = nullptr;
    if (int rc = avformat_alloc_output_context2(&raw, nullptr, "mp4", path.c_str()); rc < 0 || !raw) {
        *error = AvError(path, "cannot set up the MP4 writer", rc);
        return nullptr;
    }
    out->m_format.reset(raw);
    const bool globalHeader = raw->oformat->flags & AVFMT_GLOBALHEADER;
    out->m_video = OpenVideoEncoder(path, width, height, frameRate, globalHeader, encoding, error);
    if (!out->m_video || !(out->m_videoStream = AddStream(raw, out->m_video.get(), path, error)))
        return nullptr;
    out->m_videoStream->avg_frame_rate = frameRate;
    if (sound) {
        out->m_audio = OpenAudioEncoder(path, *sound, globalHeader, encoding.quality, error);
        if (!out->m_audio || !(out->m_audioStream = AddStream(raw, out->m_audio.get(), path, error)))
            return nullptr;
    }
    if (int rc = avio_open(&raw->pb, path.c_str(), AVIO_FLAG_WRITE); rc < 0) {
        *error = AvError(path, "cannot create the file", rc);
        return nullptr;
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    int rc = avformat_write_header(raw, &options);
    av_dict_free(&options);
    if (rc < 0) {
        *error = AvError(path, "cannot write the header", rc);
        return nullptr;
    }
    out->m_picture = MakeFrame();
    out->m_picture->format = AV_PIX_FMT_YUV420P;
    out->m_picture->width = width;
    out->m_picture->height = height;
    out->m_picture->color_range = AVCOL_RANGE_MPEG;
    if (int rc2 = av_frame_get_buffer(out->m_picture.get(), 0); rc2 < 0) {
        *error = AvError(path, "cannot allocate a picture", rc2);
        return nullptr;
    }
    out->m_packet = MakePacket();
    return out;
}

AVFrame* ClipOutput::Picture(std::string* error) {
    if (int rc = av_frame_make_writable(m_picture.get()); rc < 0) {
        *error = AvError(m_path, "cannot allocate a picture", rc);
        return nullptr;
    }
    return m_picture.get();
}

int ClipOutput::SoundFrameSize() const {
    return m_audio && m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
}

int ClipOutput::SampleRate() const {
    return m_audio ? m_audio->sample_rate : 0;
}

const AVChannelLayout& ClipOutput::ChannelLayout() const {
    return m_audio->ch_layout;
}

bool ClipOutput::Drain(AVCodecContext* codec, AVStream* stream, std::string* error) {
    for (;;) {
        int rc = avcodec_receive_packet(codec, m_packet.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0) {
            *error = AvError(m_path, "cannot encode", rc);
            return false;
        }
        av_packet_rescale_ts(m_packet.get(), codec->time_base, stream->time_base);
        m_packet->stream_index = stream->index;
        rc = av_interleaved_write_frame(m_format.get(), m_packet.get());
        if (rc < 0) {
            *error = AvError(m_path, "cannot write", rc);
            return false;
        }
    }
}

bool ClipOutput::Send(AVCodecContext* codec, AVStream* stream, const AVFrame* frame, std::string* error) {
    if (int rc = avcodec_send_frame(codec, frame); rc < 0) {
        *error = AvError(m_path, "cannot encode", rc);
        return false;
    }
    return Drain(codec, stream, error);
}

bool ClipOutput::WritePicture(int64_t index, std::string* error) {
    m_picture->pts = index;
    return Send(m_video.get(), m_videoStream, m_picture.get(), error);
}

bool ClipOutput::WriteSound(AVFrame* samples, std::string* error) {
    return Send(m_audio.get(), m_audioStream, samples, error);
}

bool ClipOutput::Finish(std::string* error) {
    if (!Send(m_video.get(), m_videoStream, nullptr, error))
        return false;
    if (m_audio && !Send(m_audio.get(), m_audioStream, nullptr, error))
        return false;
    if (int rc = av_write_trailer(m_format.get()); rc < 0) {
        *error = AvError(m_path, "cannot finish the file", rc);
        return false;
    }
    int rc = avio_closep(&m_format->pb);
    if (rc < 0) {
        *error = AvError(m_path, "cannot finish the file", rc);
        return false;
    }
    return true;
}

} // namespace vemora::media
