#include "media/FrameIndex.h"

#include "media/FfmpegOwners.h"

#include <algorithm>
#include <cmath>

namespace vemora::media {

namespace {

struct PacketTime {
    int64_t pts;
    bool key;
};

bool ReadPacketTimes(const std::string& path, std::vector<PacketTime>& times, int64_t& startPts,
                     AVRational& timeBase, std::string* error) {
    InputPtr input = OpenInput(path, error);
    if (!input)
        return false;
    int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) {
        *error = path + ": no video stream";
        return false;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i)
        if (static_cast<int>(i) != index)
            input->streams[i]->discard = AVDISCARD_ALL;
    const AVStream* stream = input->streams[index];
    timeBase = stream->time_base;
    startPts = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    PacketPtr packet = MakePacket();
    int64_t previous = AV_NOPTS_VALUE;
    for (;;) {
        int rc = av_read_frame(input.get(), packet.get());
        if (rc == AVERROR_EOF)
            break;
        if (rc < 0) {
            // A file cut short keeps the pictures before the cut.
            if (!times.empty())
                break;
            *error = AvError(path, "cannot read", rc);
            return false;
        }
        if (packet->stream_index == index) {
            int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (pts == AV_NOPTS_VALUE)
                pts =
                    previous == AV_NOPTS_VALUE ? startPts : previous + std::max<int64_t>(1, packet->duration);
            previous = pts;
            times.push_back({pts, (packet->flags & AV_PKT_FLAG_KEY) != 0});
        }
        av_packet_unref(packet.get());
    }
    if (times.empty()) {
        *error = path + ": no pictures in the video stream";
        return false;
    }
    return true;
}

} // namespace

bool FrameIndex::Build(const std::string& path, std::string* error) {
    m_frames.clear();
    std::vector<PacketTime> times;
    int64_t startPts = 0;
    AVRational timeBase{1, 1000};
    if (!ReadPacketTimes(path, times, startPts, timeBase, error))
        return false;
    std::stable_sort(times.begin(), times.end(),
                     [](const PacketTime& a, const PacketTime& b) { return a.pts < b.pts; });
    // A picture stored twice under one time shows once.
    times.erase(std::unique(times.begin(), times.end(),
                            [](const PacketTime& a, const PacketTime& b) { return a.pts == b.pts; }),
                times.end());
    const double msPerTick = av_q2d(timeBase) * 1000.0;
    m_frames.reserve(times.size());
    for (const PacketTime& t : times)
        m_frames.push_back({static_cast<double>(t.pts - startPts) * msPerTick, t.key});
    std::vector<double> steps;
    for (size_t i = 1; i < m_frames.size(); ++i)
        steps.push_back(m_frames[i].timeMs - m_frames[i - 1].timeMs);
    if (!steps.empty()) {
        std::nth_element(steps.begin(), steps.begin() + static_cast<ptrdiff_t>(steps.size() / 2),
                         steps.end());
        m_frameMs = steps[steps.size() / 2];
    } else {
        m_frameMs = 1000.0 / 30;
    }
    return true;
}

size_t FrameIndex::NearestTo(double timeMs) const {
    if (m_frames.empty())
        return 0;
    auto after = std::lower_bound(m_frames.begin(), m_frames.end(), timeMs,
                                  [](const FrameEntry& e, double t) { return e.timeMs < t; });
    if (after == m_frames.begin())
        return 0;
    if (after == m_frames.end())
        return m_frames.size() - 1;
    auto before = after - 1;
    size_t n = static_cast<size_t>(before - m_frames.begin());
    return timeMs - before->timeMs <= after->timeMs - timeMs ? n : n + 1;
}

size_t FrameIndex::KeyAtOrBefore(size_t n) const {
    n = std::min(n, m_frames.empty() ? 0 : m_frames.size() - 1);
    while (n > 0 && !m_frames[n].key)
        --n;
    return n;
}

double FrameIndex::DurationMs() const {
    return m_frames.empty() ? 0 : m_frames.back().timeMs + m_frameMs;
}

} // namespace vemora::media
