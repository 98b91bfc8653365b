#include "media/FramePairFetcher.h"

#include "media/ExactFrameDecoder.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

namespace vemora::media {

namespace {

// What tells one file from another under the same path.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, st.st_size,
                        static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// The frame indexes of the files met, shared by both cameras' threads; the oldest go first.
class IndexCache {
public:
    std::shared_ptr<const FrameIndex> Find(const std::string& path, const FileIdentity& id) {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Entry& e : m_entries)
            if (e.path == path && e.id == id)
                return e.index;
        return nullptr;
    }
    void Keep(const std::string& path, const FileIdentity& id, std::shared_ptr<const FrameIndex> index) {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::erase_if(m_entries, [&path](const Entry& e) { return e.path == path; });
        m_entries.push_back({path, id, std::move(index)});
        if (m_entries.size() > kEntries)
            m_entries.erase(m_entries.begin());
    }

private:
    // A drive of an hour in one-minute recordings, both cameras: some 40 kB each.
    static constexpr size_t kEntries = 128;
    struct Entry {
        std::string path;
        FileIdentity id;
        std::shared_ptr<const FrameIndex> index;
    };
    std::mutex m_mutex;
    std::vector<Entry> m_entries;
};

// The decoders of one camera: the current file's and the one before it, so that stepping back
// and forth across the cut between two recordings builds each index once.
class CameraDecoders {
public:
    // cancel ends a decode under way (the fetcher's end).
    CameraDecoders(IndexCache& indexes, const std::atomic<bool>* cancel)
        : m_indexes(indexes), m_pCancel(cancel) {}

    ExactFrameDecoder* For(const std::string& path, std::string* error) {
        const std::optional<FileIdentity> id = IdentityOf(path);
        if (!id) {
            *error = path + ": " + std::strerror(errno);
            return nullptr;
        }
        for (size_t i = 0; i < m_decoders.size(); ++i) {
            if (m_decoders[i].path != path)
                continue;
            if (!(m_decoders[i].id == *id)) {
                // Another file under the same name: nothing of the old one is used.
                m_decoders.erase(m_decoders.begin() + static_cast<ptrdiff_t>(i));
                break;
            }
            if (i != 0) {
                m_decoders[0].decoder->DropCache();
                std::swap(m_decoders[0], m_decoders[i]);
            }
            return m_decoders[0].decoder.get();
        }
        auto decoder = std::make_unique<ExactFrameDecoder>();
        decoder->SetCancel(m_pCancel);
        if (!decoder->Open(path, error, m_indexes.Find(path, *id)))
            return nullptr;
        m_indexes.Keep(path, *id, decoder->SharedIndex());
        if (!m_decoders.empty())
            m_decoders[0].decoder->DropCache();
        m_decoders.insert(m_decoders.begin(), Held{path, *id, std::move(decoder)});
        if (m_decoders.size() > 2)
            m_decoders.pop_back();
        return m_decoders[0].decoder.get();
    }

    void Clear() { m_decoders.clear(); }

    FetcherHolding Holding() const {
        FetcherHolding holding;
        for (const Held& h : m_decoders) {
            ++holding.decoders;
            holding.cachedBytes += h.decoder->CachedBytes();
        }
        return holding;
    }

private:
    struct Held {
        std::string path;
        FileIdentity id;
        std::unique_ptr<ExactFrameDecoder> decoder;
    };
    IndexCache& m_indexes;
    const std::atomic<bool>* m_pCancel;
    std::vector<Held> m_decoders;
};

struct OtherJob {
    uint64_t ticket;
    std::string path;
    double timeMs;
    bool mirror;
};

} // namespace

struct FramePairFetcher::Impl {
    explicit Impl(Done d) : done(std::move(d)) {}

    void RunStepped();
    void RunOther();
    // The picture served: where to read ahead from while nothing else is asked for.
    struct Served {
        ExactFrameDecoder* decoder = nullptr;
        size_t frame = 0;
    };
    Served Stepped(uint64_t ticket, const PairRequest& request);
    Served Other(const OtherJob& job);
    // Reads ahead with served's decoder until a job comes (checked under the lock first).
    // Reading ahead waits until the other camera's picture of the same request is served: on a
    // machine of two cores it would take the time that picture needs.
    void ReadAhead(const Served& served, const std::function<bool()>& jobWaits, std::atomic<bool>& interrupt,
                   const uint64_t& partnerBusy);
    void MarkServed(uint64_t& busy) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            busy = 0;
        }
        wake.notify_all();
    }

    Done done;
    std::mutex mutex;
    std::condition_variable wake;
    bool quit = false;
    uint64_t nextTicket = 0;
    std::optional<std::pair<uint64_t, PairRequest>> steppedJob;
    std::optional<OtherJob> otherJob;
    // Set by Release: each thread drops its decoders before its next job.
    bool releaseStepped = false;
    bool releaseOther = false;
    uint64_t releasedUpTo = 0; // the pictures of these tickets are no longer wanted
    // The ticket whose picture each camera is decoding (or is asked to), 0 when none.
    uint64_t steppedBusy = 0;
    uint64_t otherBusy = 0;
    // Set when a job comes: reading ahead stops.
    std::atomic<bool> steppedInterrupt{false};
    std::atomic<bool> otherInterrupt{false};
    IndexCache indexes;
    // Set when the fetcher ends: a decode under way stops at its next picture.
    std::atomic<bool> quitting{false};
    CameraDecoders steppedDecoders{indexes, &quitting};
    CameraDecoders otherDecoders{indexes, &quitting};
    // What each thread holds, told after each job.
    std::atomic<size_t> steppedDecoderCount{0}, otherDecoderCount{0};
    std::atomic<size_t> steppedBytes{0}, otherBytes{0};
    void Tell(const CameraDecoders& decoders, std::atomic<size_t>& count, std::atomic<size_t>& bytes) {
        const FetcherHolding h = decoders.Holding();
        count = h.decoders;
        bytes = h.cachedBytes;
    }
    std::thread steppedThread;
    std::thread otherThread;
};

FramePairFetcher::FramePairFetcher(Done done) : m_impl(std::make_unique<Impl>(std::move(done))) {
    m_impl->steppedThread = std::thread([impl = m_impl.get()] { impl->RunStepped(); });
    m_impl->otherThread = std::thread([impl = m_impl.get()] { impl->RunOther(); });
}

FramePairFetcher::~FramePairFetcher() {
    {
        std::lock_guard<std::mutex> lock(m_impl->mutex);
        m_impl->quit = true;
        m_impl->quitting = true;
        m_impl->steppedInterrupt = true;
        m_impl->otherInterrupt = true;
    }
    m_impl->wake.notify_all();
    m_impl->steppedThread.join();
    m_impl->otherThread.join();
}

size_t FramePairFetcher::CacheBound() {
    return 2 * ExactFrameDecoder::kDefaultCacheBytes;
}

uint64_t FramePairFetcher::Request(const PairRequest& request) {
    uint64_t ticket;
    {
        std::lock_guard<std::mutex> lock(m_impl->mutex);
        ticket = ++m_impl->nextTicket;
        m_impl->steppedJob.emplace(ticket, request);
        m_impl->steppedInterrupt = true;
    }
    m_impl->wake.notify_all();
    return ticket;
}

void FramePairFetcher::Release() {
    {
        std::lock_guard<std::mutex> lock(m_impl->mutex);
        m_impl->steppedJob.reset();
        if (m_impl->otherJob)
            m_impl->otherBusy = 0; // asked for, never to be decoded
        m_impl->otherJob.reset();
        m_impl->releaseStepped = m_impl->releaseOther = true;
        m_impl->releasedUpTo = m_impl->nextTicket;
        m_impl->steppedInterrupt = true;
        m_impl->otherInterrupt = true;
    }
    m_impl->wake.notify_all();
}

FetcherHolding FramePairFetcher::Holding() const {
    return FetcherHolding{m_impl->steppedDecoderCount + m_impl->otherDecoderCount,
                          m_impl->steppedBytes + m_impl->otherBytes};
}

void FramePairFetcher::Impl::RunStepped() {
    for (;;) {
        std::pair<uint64_t, PairRequest> job;
        bool release = false;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || steppedJob.has_value() || releaseStepped; });
            if (quit)
                return;
            release = std::exchange(releaseStepped, false);
        }
        if (release) {
            steppedDecoders.Clear();
            Tell(steppedDecoders, steppedDecoderCount, steppedBytes);
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!steppedJob)
                continue;
            job = std::move(*steppedJob);
            steppedJob.reset();
            steppedBusy = job.first;
        }
        try {
            const Served served = Stepped(job.first, job.second);
            MarkServed(steppedBusy);
            ReadAhead(
                served, [this] { return steppedJob.has_value() || releaseStepped; }, steppedInterrupt,
                otherBusy);
        } catch (const std::exception& e) {
            FetchedPicture failed;
            failed.ticket = job.first;
            failed.path = job.second.steppedPath;
            failed.error = job.second.steppedPath + ": " + e.what();
            done(failed);
            MarkServed(steppedBusy);
        }
        Tell(steppedDecoders, steppedDecoderCount, steppedBytes);
    }
}

void FramePairFetcher::Impl::ReadAhead(const Served& served, const std::function<bool()>& jobWaits,
                                       std::atomic<bool>& interrupt, const uint64_t& partnerBusy) {
    if (!served.decoder)
        return;
    {
        std::unique_lock<std::mutex> lock(mutex);
        wake.wait(lock, [&] { return quit || jobWaits() || partnerBusy == 0; });
        if (quit || jobWaits())
            return;
        interrupt = false;
    }
    try {
        served.decoder->Prefetch(served.frame, interrupt);
    } catch (const std::exception&) {
        // Reading ahead is a courtesy: the next request decodes what it needs itself.
    }
}

FramePairFetcher::Impl::Served FramePairFetcher::Impl::Stepped(uint64_t ticket, const PairRequest& request) {
    FetchedPicture result;
    result.ticket = ticket;
    result.path = request.steppedPath;
    ExactFrameDecoder* decoder = steppedDecoders.For(request.steppedPath, &result.error);
    if (!decoder) {
        result.unopened = true;
        done(result);
        return {};
    }
    const FrameIndex& index = decoder->Index();
    const auto count = static_cast<int64_t>(index.Count());
    int64_t base = request.anchor == PairRequest::Anchor::Time
                       ? static_cast<int64_t>(index.NearestTo(request.timeMs))
                   : request.anchor == PairRequest::Anchor::Last ? count - 1
                                                                 : request.frame;
    result.target = base + request.steps;
    result.frameCount = count;
    result.durationMs = index.DurationMs();
    if (result.target < 0 || result.target >= count) {
        result.outside = result.target < 0 ? -1 : +1;
        done(result);
        return {};
    }
    const auto n = static_cast<size_t>(result.target);
    if (!request.otherPath.empty()) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (ticket > releasedUpTo) {
                otherJob = OtherJob{ticket, request.otherPath, index[n].timeMs, request.mirrorOther};
                otherBusy = ticket;
                otherInterrupt = true;
            }
        }
        wake.notify_all();
    }
    result.picture = decoder->Picture(n, request.mirrorStepped, &result.error);
    done(result);
    return {decoder, n};
}

void FramePairFetcher::Impl::RunOther() {
    for (;;) {
        OtherJob job;
        bool release = false;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || otherJob.has_value() || releaseOther; });
            if (quit)
                return;
            release = std::exchange(releaseOther, false);
        }
        if (release) {
            otherDecoders.Clear();
            Tell(otherDecoders, otherDecoderCount, otherBytes);
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!otherJob)
                continue;
            job = std::move(*otherJob);
            otherJob.reset();
        }
        const Served served = Other(job);
        MarkServed(otherBusy);
        ReadAhead(
            served, [this] { return otherJob.has_value() || releaseOther; }, otherInterrupt, steppedBusy);
        Tell(otherDecoders, otherDecoderCount, otherBytes);
    }
}

FramePairFetcher::Impl::Served FramePairFetcher::Impl::Other(const OtherJob& job) {
    FetchedPicture result;
    result.ticket = job.ticket;
    result.stepped = false;
    result.path = job.path;
    Served served;
    try {
        if (ExactFrameDecoder* decoder = otherDecoders.For(job.path, &result.error)) {
            const FrameIndex& index = decoder->Index();
            size_t n = index.NearestTo(job.timeMs);
            result.target = static_cast<int64_t>(n);
            result.frameCount = static_cast<int64_t>(index.Count());
            result.durationMs = index.DurationMs();
            result.picture = decoder->Picture(n, job.mirror, &result.error);
            served = {decoder, n};
        } else {
            result.unopened = true;
        }
    } catch (const std::exception& e) {
        result.picture.reset();
        result.error = job.path + ": " + e.what();
        served = {};
    }
    done(result);
    return served;
}

} // namespace vemora::media
