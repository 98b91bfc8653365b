#include "media/StreamReader.h"

#include <cmath>

#include <optional>

namespace vemora::media {

std::unique_ptr<StreamReader> StreamReader::Open(const std::string& path, StreamKind kind,
                                                 std::string* error) {
    std::unique_ptr<StreamReader> reader(new StreamReader);
    reader->m_path = path;
    reader->m_input = OpenInput(path, error);
    if (!reader->m_input)
        return nullptr;
    const AVMediaType type = kind == StreamKind::Video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO;
    const AVCodec* decoder = nullptr;
    int index = av_find_best_stream(reader->m_input.get(), type, -1, -1, &decoder, 0);
    if (index < 0 || !decoder) {
        *error = path + (kind == StreamKind::Video ? ": no video stream" : ": no audio stream");
        return nullptr;
    }
    reader->m_stream = reader->m_input->streams[index];
    // Only this stream's packets are wanted; the demuxer skips the others cheaply.
    for (unsigned i = 0; i < reader->m_input->nb_streams; ++i)
        if (static_cast<int>(i) != index)
            reader->m_input->streams[i]->discard = AVDISCARD_ALL;
    reader->m_codec.reset(avcodec_alloc_context3(decoder));
    if (!reader->m_codec)
        throw std::bad_alloc();
    if (int rc = avcodec_parameters_to_context(reader->m_codec.get(), reader->m_stream->codecpar); rc < 0) {
        *error = AvError(path, "cannot set up the decoder", rc);
        return nullptr;
    }
    reader->m_codec->thread_count = 0; // as many as the machine has
    reader->m_codec->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    reader->m_codec->pkt_timebase = reader->m_stream->time_base;
    if (kind == StreamKind::Video) {
        reader->m_pictures = std::make_unique<PictureMemory>();
        reader->m_pictures->Serve(*reader->m_codec);
    }
    if (int rc = avcodec_open2(reader->m_codec.get(), decoder, nullptr); rc < 0) {
        *error = AvError(path, "cannot open the decoder", rc);
        return nullptr;
    }
    reader->m_startPts = reader->m_stream->start_time != AV_NOPTS_VALUE ? reader->m_stream->start_time : 0;
    reader->m_frame = MakeFrame();
    reader->m_packet = MakePacket();
    return reader;
}

namespace {

double StreamLengthMs(const AVFormatContext& input, const AVStream& stream) {
    if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0)
        return static_cast<double>(stream.duration) * av_q2d(stream.time_base) * 1000.0;
    if (input.duration != AV_NOPTS_VALUE && input.duration > 0)
        return static_cast<double>(input.duration) * 1000.0 / AV_TIME_BASE;
    return 0;
}

} // namespace

std::optional<double> StreamReader::VideoLengthMs(const std::string& path, std::string* error) {
    AVFormatContext* raw = nullptr;
    if (int rc = avformat_open_input(&raw, path.c_str(), nullptr, nullptr); rc < 0) {
        *error = AvError(path, "cannot open", rc);
        return std::nullopt;
    }
    InputPtr input(raw);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream& stream = *input->streams[i];
        if (stream.codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
            (stream.disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        if (double ms = StreamLengthMs(*input, stream); ms > 0)
            return ms;
    }
    *error = path + ": the video names no length";
    return std::nullopt;
}

double StreamReader::DurationMs() const {
    return StreamLengthMs(*m_input, *m_stream);
}

AVRational StreamReader::SampleAspect() const {
    AVRational sar = m_stream->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        sar = m_codec->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        return AVRational{1, 1};
    return sar;
}

AVRational StreamReader::FrameRate() const {
    // The base rate is the camera's: a write stall lowers the average, not the rate the
    // pictures were taken at. A base rate far above the average (fields, a coarse time base)
    // is not.
    auto valid = [](AVRational r) { return r.num > 0 && r.den > 0; };
    const AVRational base = m_stream->r_frame_rate;
    const AVRational average = m_stream->avg_frame_rate;
    if (valid(base) && av_q2d(base) <= 240 && (!valid(average) || av_q2d(base) < 1.5 * av_q2d(average)))
        return base;
    if (valid(average))
        return average;
    return valid(base) ? base : AVRational{0, 1};
}

double StreamReader::FrameDurationMs() const {
    AVRational rate = FrameRate();
    return rate.num > 0 ? 1000.0 * rate.den / rate.num : 0.0;
}

AVRational StreamReader::SampleAspect(const AVFrame& frame) const {
    AVRational sar = av_guess_sample_aspect_ratio(m_input.get(), m_stream, const_cast<AVFrame*>(&frame));
    return sar.num > 0 && sar.den > 0 ? sar : AVRational{1, 1};
}

int StreamReader::ShownWidth() const {
    const AVRational sar = SampleAspect();
    return static_cast<int>(std::lround(static_cast<double>(m_codec->width) * sar.num / sar.den));
}

bool StreamReader::SeekBefore(double timeMs, std::string* error) {
    const AVRational tb = m_stream->time_base;
    int64_t target = m_startPts + av_rescale_q(static_cast<int64_t>(timeMs), AVRational{1, 1000}, tb);
    if (int rc = av_seek_frame(m_input.get(), m_stream->index, target, AVSEEK_FLAG_BACKWARD); rc < 0) {
        *error = AvError(m_path, "cannot seek", rc);
        return false;
    }
    avcodec_flush_buffers(m_codec.get());
    m_draining = false;
    m_ended = false;
    m_haveLast = false;
    return true;
}

double StreamReader::TimeOf(const AVFrame& frame) {
    int64_t pts = frame.best_effort_timestamp != AV_NOPTS_VALUE ? frame.best_effort_timestamp : frame.pts;
    if (pts == AV_NOPTS_VALUE) {
        // No time stored: the frame follows the previous one.
        double step = m_stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO && frame.sample_rate > 0
                          ? 1000.0 * frame.nb_samples / frame.sample_rate
                          : FrameDurationMs();
        return m_haveLast ? m_lastTimeMs + step : 0.0;
    }
    return static_cast<double>(pts - m_startPts) * av_q2d(m_stream->time_base) * 1000.0;
}

bool StreamReader::SendNextPacket(std::string* error) {
    for (;;) {
        int rc = av_read_frame(m_input.get(), m_packet.get());
        if (rc == AVERROR_EOF) {
            m_draining = true;
            rc = avcodec_send_packet(m_codec.get(), nullptr);
            if (rc < 0 && rc != AVERROR_EOF) {
                *error = AvError(m_path, "cannot finish decoding", rc);
                return false;
            }
            return true;
        }
        if (rc < 0) {
            *error = AvError(m_path, "cannot read", rc);
            return false;
        }
        if (m_packet->stream_index != m_stream->index) {
            av_packet_unref(m_packet.get());
            continue;
        }
        rc = avcodec_send_packet(m_codec.get(), m_packet.get());
        av_packet_unref(m_packet.get());
        if (rc < 0 && rc != AVERROR(EAGAIN)) {
            *error = AvError(m_path, "damaged picture or sound data", rc);
            return false;
        }
        return true;
    }
}

const AVFrame* StreamReader::Next(std::string* error) {
    error->clear();
    if (m_ended)
        return nullptr;
    for (;;) {
        int rc = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (rc == 0) {
            m_lastTimeMs = TimeOf(*m_frame);
            m_haveLast = true;
            return m_frame.get();
        }
        if (rc == AVERROR_EOF) {
            m_ended = true;
            return nullptr;
        }
        if (rc != AVERROR(EAGAIN)) {
            *error = AvError(m_path, "cannot decode", rc);
            return nullptr;
        }
        if (m_draining) {
            m_ended = true;
            return nullptr;
        }
        if (!SendNextPacket(error))
            return nullptr;
    }
}

} // namespace vemora::media
