#include "media/FrameIndex.h"

#include "media/FfmpegOwners.h"

#include <algorithm>
#include <cmath>

namespace vemora::media {

namespace {

// Packets read to learn how the stored times relate to the shown ones: enough to meet the
// pictures reordered after a key picture, and few enough to cost a small part of a second.
constexpr int kCheckedPackets = 12;

// The amount by which the shown times of the first packets exceed the stored ones, when it is
// the same for each of them and the packets come in the index's order: the index's times are
// then the shown times, shifted. False when the stream reorders its pictures (or names no
// times): the index holds decoding times only.
bool ConstantOffset(AVFormatContext& input, const AVStream& stream,
                    const std::vector<IndexedPicture>& entries, int64_t& offset, bool& readPackets) {
    readPackets = false;
    if (stream.codecpar->video_delay > 0)
        return false;
    readPackets = true;
    PacketPtr packet = MakePacket();
    size_t matched = 0;
    bool first = true;
    while (matched < std::min<size_t>(kCheckedPackets, entries.size())) {
        const int rc = av_read_frame(&input, packet.get());
        if (rc < 0)
            break;
        // Pictures an edit list leaves out are not in the entries either.
        const bool ours = packet->stream_index == stream.index && (packet->flags & AV_PKT_FLAG_DISCARD) == 0;
        const int64_t pts = packet->pts, dts = packet->dts;
        av_packet_unref(packet.get());
        if (!ours)
            continue;
        if (pts == AV_NOPTS_VALUE || dts == AV_NOPTS_VALUE || dts != entries[matched].ticks)
            return false;
        if (first)
            offset = pts - dts;
        else if (pts - dts != offset)
            return false;
        first = false;
        ++matched;
    }
    return matched > 0;
}

bool ReadIndexedPictures(AVFormatContext& input, const AVStream& stream, const std::string& path,
                         std::vector<IndexedPicture>& times, std::string* error) {
    const int64_t startPts = StartTicks(stream);
    PacketPtr packet = MakePacket();
    int64_t previous = AV_NOPTS_VALUE;
    for (;;) {
        int rc = av_read_frame(&input, packet.get());
        if (rc == AVERROR_EOF)
            break;
        if (rc < 0) {
            // A file cut short keeps the pictures before the cut.
            if (!times.empty())
                break;
            *error = AvError(path, "cannot read", rc);
            return false;
        }
        if (packet->stream_index == stream.index) {
            int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (pts == AV_NOPTS_VALUE)
                pts =
                    previous == AV_NOPTS_VALUE ? startPts : previous + std::max<int64_t>(1, packet->duration);
            previous = pts;
            times.push_back({pts, (packet->flags & AV_PKT_FLAG_KEY) != 0});
        }
        av_packet_unref(packet.get());
    }
    return true;
}

} // namespace

std::vector<IndexedPicture> IndexedPictures(AVFormatContext& input, AVStream& stream) {
    std::vector<IndexedPicture> entries;
    const int count = avformat_index_get_entries_count(&stream);
    const int64_t fileSize = input.pb ? avio_size(input.pb) : -1;
    entries.reserve(static_cast<size_t>(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        const AVIndexEntry* e = avformat_index_get_entry(&stream, i);
        if (!e || (e->flags & AVINDEX_DISCARD_FRAME))
            continue;
        if (fileSize > 0 && e->pos + e->size > fileSize)
            break;
        entries.push_back({e->timestamp, (e->flags & AVINDEX_KEYFRAME) != 0});
    }
    return entries;
}

int64_t StartTicks(const AVStream& stream) {
    return stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
}

bool FrameIndex::Build(const std::string& path, std::string* error) {
    m_frames.clear();
    m_source = Source::None;
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
    return BuildFrom(*input, index, path, error);
}

bool FrameIndex::BuildFrom(AVFormatContext& input, int streamIndex, const std::string& path,
                           std::string* error) {
    m_frames.clear();
    m_source = Source::None;
    if (streamIndex < 0 || static_cast<unsigned>(streamIndex) >= input.nb_streams) {
        *error = path + ": no video stream";
        return false;
    }
    AVStream& stream = *input.streams[streamIndex];
    std::vector<IndexedPicture> times = IndexedPictures(input, stream);
    int64_t offset = 0;
    bool readPackets = false;
    if (!times.empty() && ConstantOffset(input, stream, times, offset, readPackets)) {
        for (IndexedPicture& t : times)
            t.ticks += offset;
        m_source = Source::DemuxerIndex;
    } else {
        // From the first picture again when the check above read packets.
        if (readPackets &&
            av_seek_frame(&input, streamIndex, times.front().ticks, AVSEEK_FLAG_BACKWARD) < 0) {
            *error = path + ": cannot go back to the first picture";
            return false;
        }
        times.clear();
        if (!ReadIndexedPictures(input, stream, path, times, error))
            return false;
        m_source = Source::Packets;
    }
    if (times.empty()) {
        *error = path + ": no pictures in the video stream";
        m_source = Source::None;
        return false;
    }
    std::stable_sort(times.begin(), times.end(),
                     [](const IndexedPicture& a, const IndexedPicture& b) { return a.ticks < b.ticks; });
    // A picture stored twice under one time shows once.
    times.erase(
        std::unique(times.begin(), times.end(),
                    [](const IndexedPicture& a, const IndexedPicture& b) { return a.ticks == b.ticks; }),
        times.end());
    const int64_t startPts = StartTicks(stream);
    const double msPerTick = av_q2d(stream.time_base) * 1000.0;
    m_frames.reserve(times.size());
    for (const IndexedPicture& t : times)
        m_frames.push_back({static_cast<double>(t.ticks - startPts) * msPerTick, t.key});
    Finish();
    return true;
}

void FrameIndex::Finish() {
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
