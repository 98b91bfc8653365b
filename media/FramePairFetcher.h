#pragma once
// Exact pictures of a recording's two cameras for frame-by-frame review, decoded off the caller's
// thread. A request names a picture of the stepped camera (the front one, or a rear file alone)
// by a time or a picture number plus a number of steps; the other camera's picture nearest in
// time to it is decoded at the same time on a second thread. Only the newest request waiting is
// kept: a burst of steps decodes the picture it ends on, not every one on the way. A file's
// decoder is kept while its pictures are reviewed and used again only for the same file (the
// same device, inode, size and modification time: a card put back at the same place is read
// afresh); Release closes every file and frees the pictures. Frame indexes of the files met are
// kept (small), so that a second pause of a recording does not build its index again.

#include "media/RgbFrame.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vemora::media {

struct PairRequest {
    enum class Anchor {
        Time,  // the picture nearest to timeMs
        Frame, // picture number frame
        Last,  // the file's last picture
    };
    std::string steppedPath; // the camera whose pictures are stepped
    std::string otherPath;   // the other camera's file; "" when there is none
    bool mirrorStepped = false;
    bool mirrorOther = false;
    Anchor anchor = Anchor::Time;
    double timeMs = 0;
    int64_t frame = 0;
    int64_t steps = 0; // pictures forward (+) or back (-) from the anchor
};

struct FetchedPicture {
    uint64_t ticket = 0;
    bool stepped = true; // the stepped camera's picture, else the other camera's
    std::string path;
    // The stepped camera only: the picture wanted lies before the file's first (-1) or after its
    // last (+1); target is its number then (negative, or Count and more). Nothing was decoded.
    int outside = 0;
    int64_t target = 0;
    int64_t frameCount = 0;
    double durationMs = 0;
    std::shared_ptr<const RgbFrame> picture; // null when outside or on a failure
    std::string error;
    bool unopened = false; // the file could not be opened (its decoder or its index)
};

// What the fetcher holds at a moment: decoders (each with its file open) and decoded pictures.
struct FetcherHolding {
    size_t decoders = 0;
    size_t cachedBytes = 0;
};

class FramePairFetcher {
public:
    // done runs on one of the fetcher's threads, once for the stepped camera and once for the
    // other one (when a request names it and its picture is not outside).
    using Done = std::function<void(const FetchedPicture&)>;
    explicit FramePairFetcher(Done done);
    ~FramePairFetcher();
    FramePairFetcher(const FramePairFetcher&) = delete;
    FramePairFetcher& operator=(const FramePairFetcher&) = delete;

    // Replaces a request that waits; returns the ticket its pictures will carry.
    uint64_t Request(const PairRequest& request);
    // Drops the requests waiting and, once the pictures being decoded are done, every decoder
    // with its file and pictures. Returns at once; a later Request opens what it needs again.
    void Release();
    FetcherHolding Holding() const;

    // The most the fetcher keeps decoded: two cameras' caches.
    static size_t CacheBound();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace vemora::media
