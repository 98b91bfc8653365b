#pragma once
// Decodes any picture of a file exactly: a seek to the key frame at or before it and decoding
// forward to it. The pictures decoded on the way are kept (up to a bound in bytes), so that the
// steps back through a group of pictures that follow cost a colour conversion, and a step forward
// decodes one picture more without a seek. A picture the decoder never gives out, or fails to
// decode, is remembered and not tried again. Pictures come at their display shape: non-square
// pixels are widened (or heightened), never squeezed. One decoder serves one file on one thread at
// a time.

#include "media/FrameIndex.h"
#include "media/RgbFrame.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

namespace vemora::media {

class ExactFrameDecoder {
public:
    // 128 MiB holds 32 decoded 1920 x 1080 pictures (4:2:0, each in two huge pages), 21 at
    // 2560 x 1440, 90 at 720p: a group of pictures of about a second at 30 pictures a second.
    static constexpr size_t kDefaultCacheBytes = size_t{128} << 20;

    explicit ExactFrameDecoder(size_t cacheBytes = kDefaultCacheBytes);
    ~ExactFrameDecoder();
    ExactFrameDecoder(const ExactFrameDecoder&) = delete;
    ExactFrameDecoder& operator=(const ExactFrameDecoder&) = delete;

    // Opens the file's decoder and builds its frame index, or takes the index given (one built
    // earlier for the same file). False with the reason otherwise.
    bool Open(const std::string& path, std::string* error, std::shared_ptr<const FrameIndex> known = {});
    const std::string& Path() const;
    const FrameIndex& Index() const;
    std::shared_ptr<const FrameIndex> SharedIndex() const;

    // Picture n (0 .. Index().Count() - 1) at the file's full resolution, mirrored left to right
    // when asked. Null with the reason in *error.
    std::shared_ptr<RgbFrame> Picture(size_t n, bool mirror, std::string* error);

    // Decodes the group of pictures before the one of picture current into the cache (as much of
    // it as the cache keeps beside current), so that stepping back across the key frame finds it
    // there. Ends early, leaving the decoder ready for the next picture, once stop is set.
    void Prefetch(size_t current, const std::atomic<bool>& stop);

    // Once *cancel is true a Picture call under way ends at its next decoded picture (without the
    // picture): the way from a file's start to a picture, when a seek misses, may be long. Not
    // owned; null = never.
    void SetCancel(const std::atomic<bool>* cancel);

    // Frees the cached pictures (another file became current); the index stays.
    void DropCache();

    // What the cache holds now, and how many pictures the last Picture call decoded.
    size_t CachedPictures() const;
    size_t CachedBytes() const;
    size_t LastDecodeCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace vemora::media
