// Step-back latency of frame-by-frame review on a generated 1920 x 1080, 30 pictures a second
// pair (front and rear), with 1 s and 2 s between key frames: the time from asking for a picture
// to having both cameras' pictures in RGB at full resolution, for the first step back into a
// group of pictures not decoded yet (at once, and after a moment paused, in which the group
// before is read ahead) and for steps back inside the cache; the cache's memory.
//   bench_frame_steps [SECONDS]     (default 12 s of video per file; needs ffmpeg)
#include "media/ExactFrameDecoder.h"
#include "media/FramePairFetcher.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace media = vemora::media;

// A pattern that changes every picture, encoded as a recorder would (H.264, B-frames off).
bool MakeVideo(const std::string& path, const char* source, int keySpacing, int seconds) {
    std::string command = "ffmpeg -loglevel error -y -f lavfi -i '" + std::string(source) +
                          "=size=1920x1080:rate=30:duration=" + std::to_string(seconds) +
                          "' -c:v libx264 -preset veryfast -crf 23 -bf 0 -pix_fmt yuv420p -g " +
                          std::to_string(keySpacing) + " -keyint_min " + std::to_string(keySpacing) +
                          " -sc_threshold 0 '" + path + "'";
    return std::system(command.c_str()) == 0;
}

// Waits for both pictures of one request.
class PairWaiter {
public:
    PairWaiter()
        : m_fetcher([this](const media::FetchedPicture& p) {
              std::lock_guard<std::mutex> lock(m_mutex);
              if (p.ticket != m_ticket)
                  return;
              if (!p.picture)
                  std::fprintf(stderr, "%s\n", p.error.c_str());
              ++m_arrived;
              m_done.notify_all();
          }) {}

    // Milliseconds until both cameras' pictures are there.
    double Fetch(const media::PairRequest& request) {
        auto start = Clock::now();
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_arrived = 0;
            m_ticket = m_fetcher.Request(request);
            m_done.wait(lock, [this] { return m_arrived == 2; });
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    uint64_t m_ticket = 0;
    int m_arrived = 0;
    media::FramePairFetcher m_fetcher;
};

media::PairRequest AtFrame(const std::string& front, const std::string& rear, int64_t frame) {
    media::PairRequest r;
    r.steppedPath = front;
    r.otherPath = rear;
    r.anchor = media::PairRequest::Anchor::Frame;
    r.frame = frame;
    return r;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Report(const char* what, const std::vector<double>& ms, double goal) {
    double worst = *std::max_element(ms.begin(), ms.end());
    std::printf("  %-44s median %6.1f ms  worst %6.1f ms  (%zu steps; goal <= %.0f ms: %s)\n", what,
                Median(ms), worst, ms.size(), goal, worst <= goal ? "met" : "MISSED");
}

void Run(const std::string& dir, int keySpacing, int seconds) {
    const std::string front = dir + "/front_g" + std::to_string(keySpacing) + ".mp4";
    const std::string rear = dir + "/rear_g" + std::to_string(keySpacing) + ".mp4";
    if (!MakeVideo(front, "testsrc2", keySpacing, seconds) ||
        !MakeVideo(rear, "testsrc", keySpacing, seconds)) {
        std::fprintf(stderr, "ffmpeg could not make the test videos\n");
        std::exit(1);
    }
    std::printf("1920 x 1080, 30/s, a key frame every %d pictures (%.0f s):\n", keySpacing,
                keySpacing / 30.0);
    PairWaiter waiter;
    // The first request opens both files and builds their indexes.
    double open = waiter.Fetch(AtFrame(front, rear, 0));
    std::printf("  %-44s %6.1f ms\n", "first picture (index of both files built)", open);
    std::vector<double> intoNewGroup, afterPause, inCache;
    const int pictures = seconds * 30;
    // Paused on the first picture of a group; "," goes into the group before, which is decoded
    // whole; further "," come from the cache.
    for (int key = pictures - keySpacing; key >= keySpacing; key -= keySpacing) {
        waiter.Fetch(AtFrame(front, rear, key));
        intoNewGroup.push_back(waiter.Fetch(AtFrame(front, rear, key - 1)));
        for (int back = 2; back <= 6; ++back)
            inCache.push_back(waiter.Fetch(AtFrame(front, rear, key - back)));
        // The same after a second and a half on the key frame: the group before is read ahead.
        waiter.Fetch(AtFrame(front, rear, key));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        afterPause.push_back(waiter.Fetch(AtFrame(front, rear, key - 1)));
    }
    Report("first step back into a new group of pictures", intoNewGroup, 400);
    Report("the same after 1.5 s paused (read ahead)", afterPause, 50);
    Report("step back inside the cache", inCache, 50);
    // One camera's cache after decoding a whole group.
    media::ExactFrameDecoder decoder;
    std::string error;
    if (decoder.Open(front, &error) &&
        decoder.Picture(static_cast<size_t>(2 * keySpacing - 1), false, &error))
        std::printf("  %-44s %zu pictures, %.1f MiB a camera (bound %.0f MiB a camera)\n",
                    "cache after one group", decoder.CachedPictures(), decoder.CachedBytes() / 1048576.0,
                    media::ExactFrameDecoder::kDefaultCacheBytes / 1048576.0);
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(4, std::atoi(argv[1])) : 12;
    char pattern[] = "/tmp/vemora-frame-steps-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    const std::string dir = pattern;
    for (int spacing : {30, 60})
        Run(dir, spacing, seconds);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
