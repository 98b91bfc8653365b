#include "media/KeyPictures.h"

#include "media/FfmpegOwners.h"
#include "media/FrameIndex.h"

#include <algorithm>
#include <filesystem>

namespace vemora::media {

namespace {

// The first packets hold the first key picture: its shown time minus its stored (decoding)
// time is what the index times are shifted by.
constexpr int kPacketsForOffset = 32;

int64_t CompositionOffset(AVFormatContext& input, const AVStream& stream) {
    PacketPtr packet = MakePacket();
    for (int read = 0; read < kPacketsForOffset && av_read_frame(&input, packet.get()) >= 0; ++read) {
        const bool key = packet->stream_index == stream.index && (packet->flags & AV_PKT_FLAG_KEY) &&
                         packet->pts != AV_NOPTS_VALUE && packet->dts != AV_NOPTS_VALUE;
        const int64_t offset = packet->pts - packet->dts;
        av_packet_unref(packet.get());
        if (key)
            return offset;
    }
    return 0;
}

// The stored times of the first pictures tell the typical step between two of them.
constexpr size_t kPicturesForStep = 65;

// The typical step between two stored pictures, in the stream's ticks.
int64_t PictureStep(const std::vector<int64_t>& stored) {
    std::vector<int64_t> steps;
    for (size_t i = 1; i < stored.size(); ++i)
        if (stored[i] > stored[i - 1])
            steps.push_back(stored[i] - stored[i - 1]);
    if (steps.empty())
        return 0;
    std::nth_element(steps.begin(), steps.begin() + static_cast<ptrdiff_t>(steps.size() / 2), steps.end());
    return steps[steps.size() / 2];
}

} // namespace

std::vector<double> ReadKeyPictureTimes(const std::string& path, std::string* error,
                                        const std::atomic<bool>* cancel) {
    std::vector<double> times;
    InputPtr input = OpenInput(path, error, cancel);
    if (!input)
        return times;
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) {
        *error = path + ": no video stream";
        return times;
    }
    AVStream& stream = *input->streams[index];
    const double msPerTick = av_q2d(stream.time_base) * 1000.0;
    std::vector<int64_t> stored, all;
    for (const IndexedPicture& picture : IndexedPictures(*input, stream)) {
        if (all.size() < kPicturesForStep)
            all.push_back(picture.ticks);
        if (picture.key)
            stored.push_back(picture.ticks);
    }
    if (stored.empty()) {
        *error = path + ": no index of key pictures";
        return times;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i)
        if (static_cast<int>(i) != index)
            input->streams[i]->discard = AVDISCARD_ALL;
    // Where pictures are reordered, a key picture's shown time lies after its stored one by up
    // to the reordering depth, and not by the same amount for each (the index holds stored
    // times only). Each time is taken that depth late: a player sent a little after a key
    // picture decodes a picture or two more, one sent before it starts a whole group earlier.
    const int64_t reordering = std::max(0, stream.codecpar->video_delay) * PictureStep(all);
    const int64_t offset = CompositionOffset(*input, stream) + reordering;
    times.reserve(stored.size());
    for (int64_t t : stored)
        times.push_back(static_cast<double>(t + offset - StartTicks(stream)) * msPerTick);
    std::sort(times.begin(), times.end());
    return times;
}

KeyPictures::KeyPictures() : m_thread([this] { Run(); }) {}

KeyPictures::~KeyPictures() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        m_cancel = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void KeyPictures::Load(const std::string& path) {
    if (path.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (std::find(m_waiting.begin(), m_waiting.end(), path) != m_waiting.end())
            return;
        m_waiting.push_back(path);
        if (m_waiting.size() > kKept)
            m_waiting.erase(m_waiting.begin());
    }
    m_wake.notify_all();
}

std::optional<std::vector<double>> KeyPictures::Of(const std::string& path) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Known& k : m_known)
        if (k.path == path && !k.times.empty())
            return k.times;
    return std::nullopt;
}

void KeyPictures::Run() {
    for (;;) {
        std::string path;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || !m_waiting.empty(); });
            if (m_quit)
                return;
            path = m_waiting.front();
            m_waiting.erase(m_waiting.begin());
        }
        // The same path may hold another file now (a card put back at the same place).
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(path, ec);
        const int64_t modified =
            ec ? 0
               : static_cast<int64_t>(std::filesystem::last_write_time(path, ec).time_since_epoch().count());
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto same = std::find_if(m_known.begin(), m_known.end(),
                                     [&path](const Known& k) { return k.path == path; });
            if (same != m_known.end() && !ec && same->size == size && same->modified == modified)
                continue;
            if (same != m_known.end())
                m_known.erase(same);
        }
        std::string error;
        std::vector<double> times = ReadKeyPictureTimes(path, &error, &m_cancel);
        std::lock_guard<std::mutex> lock(m_mutex);
        // A file without key times is remembered too: it is not read again.
        m_known.push_back({path, size, modified, std::move(times)});
        if (m_known.size() > kKept)
            m_known.erase(m_known.begin());
    }
}

} // namespace vemora::media
