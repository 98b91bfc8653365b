#include "media/ClipSound.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vemora::media {

namespace {

constexpr int kChunk = 4096;

} // namespace

ClipSound::ClipSound(ClipOutput& output) : m_output(output) {
    const int channels = output.ChannelLayout().nb_channels;
    m_part.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, channels, kChunk));
    m_pending.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, channels, kChunk));
    if (!m_part || !m_pending)
        throw std::bad_alloc();
    m_chunk = MakeFrame();
    m_chunk->format = AV_SAMPLE_FMT_FLTP;
    m_chunk->sample_rate = output.SampleRate();
    m_chunk->nb_samples = std::max(kChunk, output.SoundFrameSize());
    if (av_channel_layout_copy(&m_chunk->ch_layout, &output.ChannelLayout()) < 0 ||
        av_frame_get_buffer(m_chunk.get(), 0) < 0)
        throw std::bad_alloc();
}

bool ClipSound::BeginPart(const std::string& path, double startMs, std::string* error) {
    av_audio_fifo_reset(m_part.get());
    m_resampler.reset();
    m_reader.reset();
    m_startMs = startMs;
    m_partPos = 0;
    std::string why;
    if (!path.empty())
        m_reader = StreamReader::Open(path, StreamKind::Audio, &why);
    m_partSoundEnded = !m_reader;
    if (m_reader && startMs > 0 && !m_reader->SeekBefore(startMs, error))
        return false;
    return true;
}

void ClipSound::PartSilence(int64_t count) {
    while (count > 0) {
        int n = static_cast<int>(std::min<int64_t>(count, m_chunk->nb_samples));
        av_samples_set_silence(m_chunk->extended_data, 0, n, m_chunk->ch_layout.nb_channels,
                               AV_SAMPLE_FMT_FLTP);
        if (av_audio_fifo_write(m_part.get(), reinterpret_cast<void**>(m_chunk->extended_data), n) < n)
            throw std::bad_alloc();
        count -= n;
        m_partPos += n;
    }
}

bool ClipSound::Queue(const AVFrame& decoded, std::string* error) {
    const int outRate = m_output.SampleRate();
    if (!m_resampler) {
        SwrContext* raw = nullptr;
        // FFmpeg 5.1 declares the layouts without const; it only reads them.
        int rc =
            swr_alloc_set_opts2(&raw, const_cast<AVChannelLayout*>(&m_output.ChannelLayout()),
                                AV_SAMPLE_FMT_FLTP, outRate, const_cast<AVChannelLayout*>(&decoded.ch_layout),
                                static_cast<AVSampleFormat>(decoded.format), decoded.sample_rate, 0, nullptr);
        m_resampler.reset(raw);
        if (rc >= 0)
            rc = swr_init(raw);
        if (rc < 0) {
            *error = AvError(m_reader->Path(), "cannot convert the sound", rc);
            return false;
        }
    }
    // Where the block belongs in this part's sound: samples before the start, or before what is
    // already there, are dropped; a gap in the timestamps becomes silence.
    const int64_t target = std::llround((m_reader->FrameTimeMs() - m_startMs) * outRate / 1000.0);
    const int64_t gapTolerance = outRate / 500; // 2 ms: the timestamps' own rounding
    if (target > m_partPos + gapTolerance)
        PartSilence(target - m_partPos);
    int capacity = swr_get_out_samples(m_resampler.get(), decoded.nb_samples);
    std::vector<float> buffer(static_cast<size_t>(std::max(capacity, 1)) *
                              m_output.ChannelLayout().nb_channels);
    std::vector<uint8_t*> planes;
    for (int c = 0; c < m_output.ChannelLayout().nb_channels; ++c)
        planes.push_back(reinterpret_cast<uint8_t*>(buffer.data() + static_cast<size_t>(c) * capacity));
    int got = swr_convert(m_resampler.get(), planes.data(), capacity,
                          const_cast<const uint8_t**>(decoded.extended_data), decoded.nb_samples);
    if (got < 0) {
        *error = AvError(m_reader->Path(), "cannot convert the sound", got);
        return false;
    }
    const int64_t skip = std::max<int64_t>(0, m_partPos - target);
    if (got <= skip)
        return true;
    for (uint8_t*& p : planes)
        p += static_cast<size_t>(skip) * sizeof(float);
    const int n = got - static_cast<int>(skip);
    if (av_audio_fifo_write(m_part.get(), reinterpret_cast<void**>(planes.data()), n) < n)
        throw std::bad_alloc();
    m_partPos += n;
    return true;
}

bool ClipSound::DecodeMore(std::string* error) {
    if (m_partSoundEnded)
        return false;
    const AVFrame* frame = m_reader->Next(error);
    if (!frame) {
        m_partSoundEnded = true;
        return error->empty();
    }
    return Queue(*frame, error);
}

bool ClipSound::PushSilence(int count) {
    while (count > 0) {
        int n = std::min(count, m_chunk->nb_samples);
        av_samples_set_silence(m_chunk->extended_data, 0, n, m_chunk->ch_layout.nb_channels,
                               AV_SAMPLE_FMT_FLTP);
        if (av_audio_fifo_write(m_pending.get(), reinterpret_cast<void**>(m_chunk->extended_data), n) < 0)
            throw std::bad_alloc();
        count -= n;
        m_queued += n;
    }
    return true;
}

bool ClipSound::FillTo(int64_t totalSamples, std::string* error) {
    while (m_queued < totalSamples) {
        int need = static_cast<int>(std::min<int64_t>(totalSamples - m_queued, m_chunk->nb_samples));
        int have = av_audio_fifo_size(m_part.get());
        if (have == 0) {
            if (!m_partSoundEnded) {
                if (!DecodeMore(error) && !error->empty())
                    return false;
                continue;
            }
            // The recording's sound has ended (or it has none): silence now, so that the
            // writer's interleaving never waits on sound that will not come.
            PushSilence(static_cast<int>(totalSamples - m_queued));
            break;
        }
        int n = std::min(need, have);
        if (av_audio_fifo_read(m_part.get(), reinterpret_cast<void**>(m_chunk->extended_data), n) < n ||
            av_audio_fifo_write(m_pending.get(), reinterpret_cast<void**>(m_chunk->extended_data), n) < n)
            throw std::bad_alloc();
        m_queued += n;
    }
    return EncodeFull(false, error);
}

bool ClipSound::EncodeFull(bool all, std::string* error) {
    const int frameSize = m_output.SoundFrameSize();
    while (av_audio_fifo_size(m_pending.get()) >= frameSize ||
           (all && av_audio_fifo_size(m_pending.get()) > 0)) {
        int n = std::min(frameSize, av_audio_fifo_size(m_pending.get()));
        FramePtr frame = MakeFrame();
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = m_output.SampleRate();
        frame->nb_samples = n;
        if (av_channel_layout_copy(&frame->ch_layout, &m_output.ChannelLayout()) < 0 ||
            av_frame_get_buffer(frame.get(), 0) < 0)
            throw std::bad_alloc();
        av_audio_fifo_read(m_pending.get(), reinterpret_cast<void**>(frame->extended_data), n);
        frame->pts = m_encoded;
        m_encoded += n;
        if (!m_output.WriteSound(frame.get(), error))
            return false;
    }
    return true;
}

bool ClipSound::Finish(std::string* error) {
    return EncodeFull(true, error);
}

} // namespace vemora::media
