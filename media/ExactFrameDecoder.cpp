#include "media/ExactFrameDecoder.h"

#include "media/FfmpegOwners.h"
#include "media/StreamReader.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <set>

namespace vemora::media {

namespace {

size_t BytesOf(const AVFrame& frame) {
    size_t bytes = 0;
    for (const AVBufferRef* buffer : frame.buf)
        if (buffer)
            bytes += buffer->size;
    return bytes;
}

void MirrorRows(RgbFrame& picture) {
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* row = picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.stride);
        for (int l = 0, r = picture.width - 1; l < r; ++l, --r)
            std::swap_ranges(row + 3 * l, row + 3 * l + 3, row + 3 * r);
    }
}

} // namespace

// A reader with its place: the picture it decoded last, from which decoding goes on without a
// seek; -1 after a seek or a failure.
struct Cursor {
    std::unique_ptr<StreamReader> reader;
    long long lastDecoded = -1;
    bool OnwardTo(size_t key, size_t n) const {
        return reader && lastDecoded >= static_cast<long long>(key) &&
               lastDecoded < static_cast<long long>(n);
    }
};

struct ExactFrameDecoder::Impl {
    explicit Impl(size_t bound) : cacheBound(bound) {}

    bool Decode(size_t n, std::string* error);
    // Decodes from key (after a seek) or on from the picture decoded last up to n, keeping the
    // pictures nearest to around; ends early when stop is set.
    bool DecodeFrom(Cursor& cursor, size_t key, size_t n, bool seek, std::string* error, size_t around,
                    const std::atomic<bool>* stop = nullptr);
    void Keep(size_t m, const AVFrame& frame, size_t around);
    std::shared_ptr<RgbFrame> Convert(const AVFrame& frame, size_t n, bool mirror);

    size_t cacheBound;
    std::string path;
    std::shared_ptr<const FrameIndex> shared = std::make_shared<FrameIndex>();
    const FrameIndex* indexPtr = shared.get();
    const FrameIndex& index() const { return *indexPtr; }
    // Pictures decoded from the file's start without coming out, or whose decoding failed.
    std::set<size_t> undecodable;
    Cursor main;
    // A second reader reads ahead (the group before) while the first keeps its place for the
    // steps forward.
    Cursor ahead;
    std::map<size_t, FramePtr> cache;
    size_t cacheBytes = 0;
    size_t lastDecodeCount = 0;
    const std::atomic<bool>* cancel = nullptr;
    ScalerPtr scaler;
};

ExactFrameDecoder::ExactFrameDecoder(size_t cacheBytes) : m_impl(std::make_unique<Impl>(cacheBytes)) {}
ExactFrameDecoder::~ExactFrameDecoder() = default;

void ExactFrameDecoder::SetCancel(const std::atomic<bool>* cancel) {
    m_impl->cancel = cancel;
}

bool ExactFrameDecoder::Open(const std::string& path, std::string* error,
                             std::shared_ptr<const FrameIndex> known) {
    // Every failure comes back as a value with the file's name; FFmpeg's own log would only
    // repeat it on the terminal.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    m_impl = std::make_unique<Impl>(m_impl->cacheBound);
    m_impl->path = path;
    // One opening of the file serves the index and the decoding.
    std::unique_ptr<StreamReader> reader = StreamReader::Open(path, StreamKind::Video, error);
    if (!reader)
        return false;
    if (!known || known->Count() == 0) {
        auto built = std::make_shared<FrameIndex>();
        if (!built->BuildFrom(reader->Format(), reader->StreamIndex(), path, error))
            return false;
        known = std::move(built);
    }
    m_impl->shared = std::move(known);
    m_impl->indexPtr = m_impl->shared.get();
    m_impl->main.reader = std::move(reader);
    return true;
}

const std::string& ExactFrameDecoder::Path() const {
    return m_impl->path;
}

const FrameIndex& ExactFrameDecoder::Index() const {
    return m_impl->index();
}

std::shared_ptr<const FrameIndex> ExactFrameDecoder::SharedIndex() const {
    return m_impl->shared;
}

void ExactFrameDecoder::Prefetch(size_t current, const std::atomic<bool>& stop) {
    Impl& d = *m_impl;
    if (!d.main.reader || current >= d.index().Count() || d.cache.empty())
        return;
    const size_t key = d.index().KeyAtOrBefore(current);
    if (key == 0 || d.cache.count(key - 1))
        return;
    // Nothing the cache would not keep beside current: it holds bound / picture size pictures.
    const size_t pictureBytes = BytesOf(*d.cache.begin()->second);
    const size_t room = pictureBytes ? d.cacheBound / pictureBytes : 0;
    if (current - key + 2 > room)
        return;
    std::string error;
    if (!d.ahead.reader && !(d.ahead.reader = StreamReader::Open(d.path, StreamKind::Video, &error)))
        return;
    d.DecodeFrom(d.ahead, d.index().KeyAtOrBefore(key - 1), key - 1, true, &error, current, &stop);
}

void ExactFrameDecoder::DropCache() {
    m_impl->cache.clear();
    m_impl->cacheBytes = 0;
}

size_t ExactFrameDecoder::CachedPictures() const {
    return m_impl->cache.size();
}

size_t ExactFrameDecoder::CachedBytes() const {
    return m_impl->cacheBytes;
}

size_t ExactFrameDecoder::LastDecodeCount() const {
    return m_impl->lastDecodeCount;
}

std::shared_ptr<RgbFrame> ExactFrameDecoder::Picture(size_t n, bool mirror, std::string* error) {
    error->clear();
    m_impl->lastDecodeCount = 0;
    if (!m_impl->main.reader) {
        *error = m_impl->path + ": not open";
        return nullptr;
    }
    if (n >= m_impl->index().Count()) {
        *error = m_impl->path + ": no picture " + std::to_string(n);
        return nullptr;
    }
    if (m_impl->undecodable.count(n)) {
        *error = m_impl->path + ": picture " + std::to_string(n) + " could not be decoded";
        return nullptr;
    }
    if (!m_impl->cache.count(n) && !m_impl->Decode(n, error)) {
        // Damaged data on the way to the picture fails the same way on every try: not decoded
        // again until the file is opened again.
        if (!error->empty() && !(m_impl->cancel && m_impl->cancel->load()))
            m_impl->undecodable.insert(n);
        return nullptr;
    }
    auto cached = m_impl->cache.find(n);
    if (cached == m_impl->cache.end()) {
        m_impl->undecodable.insert(n);
        *error = m_impl->path + ": picture " + std::to_string(n) + " could not be decoded";
        return nullptr;
    }
    return m_impl->Convert(*cached->second, n, mirror);
}

// Decoding on from the picture decoded last costs n - lastDecoded pictures; from the key frame
// n - key + 1 and a seek. The cheaper one is taken.
bool ExactFrameDecoder::Impl::Decode(size_t n, std::string* error) {
    const size_t key = index().KeyAtOrBefore(n);
    const bool aheadOnward = !main.OnwardTo(key, n) && ahead.OnwardTo(key, n);
    Cursor& cursor = aheadOnward ? ahead : main;
    if (DecodeFrom(cursor, key, n, !cursor.OnwardTo(key, n), error, n, cancel) && cache.count(n))
        return true;
    if (!error->empty() || (cancel && cancel->load()))
        return false;
    // The seek landed after the picture (a key frame the demuxer does not know as one): from the
    // file's start.
    return DecodeFrom(main, 0, n, true, error, n, cancel);
}

bool ExactFrameDecoder::Impl::DecodeFrom(Cursor& cursor, size_t key, size_t n, bool seek, std::string* error,
                                         size_t around, const std::atomic<bool>* stop) {
    StreamReader* reader = cursor.reader.get();
    long long& lastDecoded = cursor.lastDecoded;
    const double frameMs = index().FrameDurationMs();
    if (seek) {
        lastDecoded = -1;
        // Half a picture past the key frame's time, so that rounding never seeks to the key frame
        // before it.
        double target = key == 0 ? 0.0 : index()[key].timeMs + frameMs / 2;
        if (!reader->SeekBefore(target, error))
            return false;
    }
    for (;;) {
        if (stop && stop->load())
            return true;
        const AVFrame* frame = reader->Next(error);
        if (!frame) {
            lastDecoded = -1;
            return error->empty();
        }
        ++lastDecodeCount;
        const size_t m = index().NearestTo(reader->FrameTimeMs());
        if (seek && lastDecoded < 0 && m > n)
            return true; // landed after the picture wanted
        lastDecoded = static_cast<long long>(m);
        // Pictures before the key frame (leading pictures of an open group) may be damaged.
        if (m >= key)
            Keep(m, *frame, around);
        if (m >= n)
            return true;
    }
}

// The cache keeps the pictures nearest to the one wanted.
void ExactFrameDecoder::Impl::Keep(size_t m, const AVFrame& frame, size_t around) {
    if (cache.count(m))
        return;
    FramePtr copy(av_frame_clone(&frame));
    if (!copy)
        throw std::bad_alloc();
    cacheBytes += BytesOf(*copy);
    cache.emplace(m, std::move(copy));
    auto distance = [around](size_t k) { return k > around ? k - around : around - k; };
    while (cacheBytes > cacheBound && cache.size() > 1) {
        auto first = cache.begin();
        auto last = std::prev(cache.end());
        auto drop = distance(first->first) >= distance(last->first) ? first : last;
        cacheBytes -= BytesOf(*drop->second);
        cache.erase(drop);
    }
}

namespace {

// The picture's size on screen: pixels wider than tall widen the picture, narrower ones make it
// taller, so that no pixel of the stream is dropped.
void DisplaySize(int width, int height, AVRational sar, int& outWidth, int& outHeight) {
    outWidth = width;
    outHeight = height;
    if (sar.num <= 0 || sar.den <= 0 || sar.num == sar.den)
        return;
    if (sar.num > sar.den)
        outWidth = static_cast<int>(av_rescale(width, sar.num, sar.den));
    else
        outHeight = static_cast<int>(av_rescale(height, sar.den, sar.num));
    // A stream that claims an absurd shape is shown as stored.
    if (outWidth > 4 * width || outHeight > 4 * height || outWidth <= 0 || outHeight <= 0) {
        outWidth = width;
        outHeight = height;
    }
}

} // namespace

std::shared_ptr<RgbFrame> ExactFrameDecoder::Impl::Convert(const AVFrame& frame, size_t n, bool mirror) {
    int width = frame.width, height = frame.height;
    DisplaySize(frame.width, frame.height, main.reader->SampleAspect(frame), width, height);
    auto picture = std::make_shared<RgbFrame>();
    picture->width = width;
    picture->height = height;
    picture->stride = (3 * width + 63) / 64 * 64;
    picture->pixels.resize(static_cast<size_t>(picture->stride) * static_cast<size_t>(height));
    picture->frame = static_cast<int64_t>(n);
    picture->timeMs = index()[n].timeMs;
    picture->mirrored = mirror;
    const auto format = static_cast<AVPixelFormat>(frame.format);
    scaler.reset(sws_getCachedContext(scaler.release(), frame.width, frame.height, format, width, height,
                                      AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler)
        throw std::bad_alloc();
    // Recorders' HD pictures are BT.709 whether or not the stream says so.
    int space = frame.colorspace != AVCOL_SPC_UNSPECIFIED ? frame.colorspace
                : frame.height >= 720                     ? SWS_CS_ITU709
                                                          : SWS_CS_ITU601;
    const int full = frame.color_range == AVCOL_RANGE_JPEG || format == AV_PIX_FMT_YUVJ420P ? 1 : 0;
    sws_setColorspaceDetails(scaler.get(), sws_getCoefficients(space), full,
                             sws_getCoefficients(SWS_CS_ITU709), 1, 0, 1 << 16, 1 << 16);
    uint8_t* dst[4] = {picture->pixels.data(), nullptr, nullptr, nullptr};
    int dstStride[4] = {picture->stride, 0, 0, 0};
    sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, dst, dstStride);
    if (mirror)
        MirrorRows(*picture);
    return picture;
}

} // namespace vemora::media
