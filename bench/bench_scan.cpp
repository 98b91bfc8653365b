// Scan speed: a generated card of front/rear pairs (2000 recordings by default), scanned with the
// real readers. Prints recordings per second and the time spent sorting and grouping.
//   bench_scan [RECORDINGS] [--sparse MB]   (--sparse: grow every file to MB with a sparse tail)
#include "library/ListSink.h"
#include "library/RecordingLibrary.h"
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"
#include "tools/fixture/FixtureWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace vemora;
namespace fx = vemora::fixture;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The build's base videos: <build>/fixtures beside <build>/bench/bench_scan (made with ffmpeg when
// missing).
std::string FixtureDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("fixtures") : (exe.parent_path().parent_path() / "fixtures").string();
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class CountingSink : public GroupListSink {
public:
    void SetColumns(std::span<const ListColumn>) override {}
    void RetitleColumns() override {}
    void ClearRows() override { rows = 0; }
    void AppendRows(std::vector<ListRow> more) override { rows += more.size(); }
    void SetCurrentRow(int) override {}
    bool IsRowChosen(int) const override { return false; }
    size_t rows = 0;
};

// Pairs of continuous 3-second recordings, a new drive every 50 pairs, layouts mixed. The sparse
// zero tail (a realistic apparent size) is the one place a scan could lose time: the 88-byte
// metadata layout enters unknown top-level data and must stop at the zeros.
bool WriteCard(const std::string& root, int recordings, uint64_t sparseBytes) {
    const std::string baseDir = FixtureDir();
    const std::vector<fx::Layout> layouts{fx::Layout::InlineBoxes, fx::Layout::MetaTrack92,
                                          fx::Layout::MetaTrack88, fx::Layout::GpsIndexBox};
    int64_t t = fx::ToEpochSeconds(fx::CalendarTime{2024, 5, 17, 8, 0, 0});
    for (int pair = 0; pair < recordings / 2; ++pair) {
        fx::RecordingSpec spec;
        spec.layout = layouts[(pair / 50) % layouts.size()];
        spec.start = fx::FromEpochSeconds(t);
        spec.baseDir = baseDir;
        for (fx::Camera camera : {fx::Camera::Front, fx::Camera::Rear}) {
            fs::path path =
                fs::path(root) / fx::RecorderRelativePath(fx::NameStyle::TimeStamped, camera, spec.start,
                                                          static_cast<unsigned>(pair));
            fs::create_directories(path.parent_path());
            fx::WriteResult w = fx::WriteRecording(spec, path.string());
            if (!w.ok) {
                std::fprintf(stderr, "%s: %s\n", path.c_str(), w.error.c_str());
                return false;
            }
            if (sparseBytes > w.file.fileSize &&
                ::truncate(path.c_str(), static_cast<off_t>(sparseBytes)) != 0)
                return false;
        }
        t += (pair % 50 == 49) ? 600 : 3;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    SetDiagnosticSink({}); // the readers' notes about damaged boxes are not what is measured here
    int recordings = 2000;
    uint64_t sparseBytes = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sparse") == 0 && i + 1 < argc)
            sparseBytes = std::strtoull(argv[++i], nullptr, 10) << 20;
        else
            recordings = std::max(2, std::atoi(argv[i]));
    }
    char pattern[] = "/tmp/vemora-bench-scan-XXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    const std::string root = std::string(pattern) + "/";

    auto start = Clock::now();
    if (!WriteCard(root, recordings, sparseBytes))
        return 1;
    std::printf("card: %d recordings written in %.0f ms\n", recordings, MsSince(start));

    // The same files probed one by one, as `vemora probe` reads them: the floor a scan is held to.
    std::vector<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            paths.push_back(entry.path().string());
    double bestProbeMs = 1e300;
    for (int run = 0; run < 3; ++run) {
        start = Clock::now();
        size_t accepted = 0;
        for (const auto& path : paths) {
            ContainerSummary summary;
            CDvr3gpParser reader;
            reader.SetSummary(&summary);
            accepted += reader.Parse(path) == 0;
        }
        double probeMs = MsSince(start);
        bestProbeMs = std::min(bestProbeMs, probeMs);
        std::printf("probe %d: %zu of %zu files accepted in %.1f ms (%.0f files/s)\n", run + 1, accepted,
                    paths.size(), probeMs, paths.size() * 1000.0 / probeMs);
    }

    CountingSink groups, files;
    CRecordingLibrary library;
    library.AttachViews(&groups, &files);
    double bestScanMs = 1e300;
    for (int run = 0; run < 3; ++run) {
        start = Clock::now();
        library.ScanSource(root, "");
        double scanMs = MsSince(start);
        bestScanMs = std::min(bestScanMs, scanMs);
        start = Clock::now();
        library.BuildTables();
        double tablesMs = MsSince(start);
        std::printf("scan %d: %zu recordings in %.1f ms (%.0f recordings/s), tables and rows %.2f ms\n",
                    run + 1, library.Records().size(), scanMs, library.Records().size() * 1000.0 / scanMs,
                    tablesMs);
    }

    // Sorting and grouping alone, from a shuffled copy of the scanned records.
    std::vector<RecordingInfo> shuffled = library.Records();
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    start = Clock::now();
    std::sort(shuffled.begin(), shuffled.end(), CRecordingLibrary::CompareRecordings);
    double sortMs = MsSince(start);
    start = Clock::now();
    library.BuildGroups();
    double groupMs = MsSince(start);
    std::printf("sort %zu records: %.2f ms; mark groups + tables + rows: %.2f ms (%zu groups, %zu rows)\n",
                shuffled.size(), sortMs, groupMs, library.Groups().size(), files.rows);

    std::printf("scan / probe of the same files: %.2f (target: at most 1.5)\n", bestScanMs / bestProbeMs);

    std::error_code ec;
    fs::remove_all(pattern, ec);
    return 0;
}
