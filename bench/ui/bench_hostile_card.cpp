// bench_hostile_card [ROOT]: how the window's arrangement holds up against the hostile card. The
// card is scanned on a worker thread, as the window scans it, while the GUI thread's event loop
// runs a 10 ms timer; reported are the scan's time, the largest gap between two timer ticks (the
// event-loop latency a user would feel) and how long a cancel takes to end a scan under way.
#include "library/RecordingLibrary.h"
#include "tools/fixture/FixtureWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>

using namespace vemora;
namespace fs = std::filesystem;

namespace {

struct Run {
    double scanMs = 0;
    double largestTickGapMs = 0;
    double cancelMs = 0;
    size_t listed = 0, rejected = 0;
};

// Scans card on a worker; cancelAfterMs >= 0 asks for a cancel that long after the start.
Run ScanWhileTicking(const std::string& card, int cancelAfterMs) {
    Run run;
    CRecordingLibrary library;
    std::atomic<bool> done{false};
    std::atomic<qint64> cancelAtNs{-1};
    QElapsedTimer clock, sinceTick;
    clock.start();
    sinceTick.start();
    std::thread worker([&] {
        library.ScanSource(card, std::string());
        const qint64 endNs = clock.nsecsElapsed();
        run.scanMs = static_cast<double>(endNs) / 1e6;
        if (cancelAtNs >= 0)
            run.cancelMs = static_cast<double>(endNs - cancelAtNs) / 1e6;
        done = true;
    });
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.largestTickGapMs =
            std::max(run.largestTickGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        if (cancelAfterMs >= 0 && cancelAtNs < 0 && !done && clock.elapsed() >= cancelAfterMs) {
            cancelAtNs = clock.nsecsElapsed();
            library.RequestScanCancel();
        }
        if (done)
            QCoreApplication::quit();
    });
    tick.start();
    QCoreApplication::exec();
    worker.join();
    run.listed = library.Records().size();
    run.rejected = library.Rejected().size();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const fs::path root = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "vemora-bench-hostile";
    fs::remove_all(root);
    fixture::HostileCardResult made =
        fixture::WriteHostileCard((root / "card").string(), (root / "outside").string(), VEMORA_FIXTURE_DIR);
    if (!made.ok) {
        std::fprintf(stderr, "bench_hostile_card: %s\n", made.error.c_str());
        return 1;
    }
    const std::string card = (root / "card").string();
    Run whole = ScanWhileTicking(card, -1);
    std::printf(
        "scan of the hostile card: %.0f ms, %zu listed, %zu turned down; largest event-loop gap %.1f ms\n",
        whole.scanMs, whole.listed, whole.rejected, whole.largestTickGapMs);
    // A cancel a third of the way in, as closing the window during the scan would ask.
    const int cancelAfter = static_cast<int>(whole.scanMs / 3);
    Run cancelled = ScanWhileTicking(card, cancelAfter);
    std::printf("scan cancelled %d ms in: ended %.2f ms after the request; largest event-loop gap %.1f ms\n",
                cancelAfter, cancelled.cancelMs, cancelled.largestTickGapMs);
    fs::remove_all(root);
    return 0;
}
