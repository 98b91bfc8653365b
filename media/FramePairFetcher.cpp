#include "media/FramePairFetcher.h"

#include "media/ExactFrameDecoder.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vemora::media {

namespace {

// The decoders of one camera: the current file's and the one before it, so that stepping back
// and forth across the cut between two recordings builds each index once.
class CameraDecoders {
public:
    // cancel ends a decode under way (the fetcher's end).
    explicit CameraDecoders(const std::atomic<bool>* cancel) : m_pCancel(cancel) {}

    ExactFrameDecoder* For(const std::string& path, std::string* error) {
        for (size_t i = 0; i < m_decoders.size(); ++i) {
            if (m_decoders[i]->Path() != path)
                continue;
            if (i != 0) {
                m_decoders[0]->DropCache();
                std::swap(m_decoders[0], m_decoders[i]);
            }
            return m_decoders[0].get();
        }
        auto decoder = std::make_unique<ExactFrameDecoder>();
        decoder->SetCancel(m_pCancel);
        if (!decoder->Open(path, error))
            return nullptr;
        if (!m_decoders.empty())
            m_decoders[0]->DropCache();
        m_decoders.insert(m_decoders.begin(), std::move(decoder));
        if (m_decoders.size() > 2)
            m_decoders.pop_back();
        return m_decoders[0].get();
    }

private:
    const std::atomic<bool>* m_pCancel;
    std::vector<std::unique_ptr<ExactFrameDecoder>> m_decoders;
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
    void ReadAhead(const Served& served, const std::function<bool()>& jobWaits, std::atomic<bool>& interrupt);

    Done done;
    std::mutex mutex;
    std::condition_variable wake;
    bool quit = false;
    uint64_t nextTicket = 0;
    std::optional<std::pair<uint64_t, PairRequest>> steppedJob;
    std::optional<OtherJob> otherJob;
    // Set when a job comes: reading ahead stops.
    std::atomic<bool> steppedInterrupt{false};
    std::atomic<bool> otherInterrupt{false};
    // Set when the fetcher ends: a decode under way stops at its next picture.
    std::atomic<bool> quitting{false};
    CameraDecoders steppedDecoders{&quitting};
    CameraDecoders otherDecoders{&quitting};
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

void FramePairFetcher::Impl::RunStepped() {
    for (;;) {
        std::pair<uint64_t, PairRequest> job;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || steppedJob.has_value(); });
            if (quit)
                return;
            job = std::move(*steppedJob);
            steppedJob.reset();
        }
        try {
            ReadAhead(
                Stepped(job.first, job.second), [this] { return steppedJob.has_value(); }, steppedInterrupt);
        } catch (const std::exception& e) {
            FetchedPicture failed;
            failed.ticket = job.first;
            failed.path = job.second.steppedPath;
            failed.error = job.second.steppedPath + ": " + e.what();
            done(failed);
        }
    }
}

void FramePairFetcher::Impl::ReadAhead(const Served& served, const std::function<bool()>& jobWaits,
                                       std::atomic<bool>& interrupt) {
    if (!served.decoder)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
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
            otherJob = OtherJob{ticket, request.otherPath, index[n].timeMs, request.mirrorOther};
            otherInterrupt = true;
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
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || otherJob.has_value(); });
            if (quit)
                return;
            job = std::move(*otherJob);
            otherJob.reset();
        }
        ReadAhead(
            Other(job), [this] { return otherJob.has_value(); }, otherInterrupt);
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
