// The drive log's costs: recording the summaries of a card of 2000 pairs (one drive each) in a
// new catalogue, and again when nothing changed; the catalogue's size on disk; listing and
// filtering a catalogue of 10 000 drives as the Drives window does (goal: 50 ms).
//   bench_catalogue [FOLDER]   (a scratch folder; a temporary one by default)
// The card is made cheaply: one 60-second recording is written with the fixture writer and its
// bytes copied under 4000 names; the container reader gives each pair its own start time.
#include "library/Catalogue.h"
#include "library/DriveFilter.h"
#include "library/DriveLog.h"
#include "library/RecordingLibrary.h"
#include "map/NearestPlace.h"
#include "platform/BackgroundThread.h"
#include "platform/Diagnostics.h"
#include "tools/fixture/FixtureWriter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace fx = vemora::fixture;
namespace fs = std::filesystem;
using namespace vemora;

namespace {

constexpr int kPairs = 2000;
const int kListedDrives =
    std::getenv("VEMORA_BENCH_DRIVES") ? std::atoi(std::getenv("VEMORA_BENCH_DRIVES")) : 10000;
constexpr int64_t kDriveSpacingSeconds = 600;

std::string FixtureDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("fixtures") : (exe.parent_path().parent_path() / "fixtures").string();
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

uint64_t BytesOfCatalogue(const std::string& db) {
    uint64_t total = 0;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code ec;
        const auto size = fs::file_size(db + suffix, ec);
        if (!ec)
            total += size;
    }
    return total;
}

std::string TimeName(int64_t start, const char* camera) {
    const fx::CalendarTime t = fx::FromEpochSeconds(start);
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d_%02d%02d%02d_%s.MP4", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, camera);
    return name;
}

// One recording's bytes under the names of kPairs pairs; the start time of each name.
bool WriteCard(const std::string& folder, std::map<std::string, int64_t>& startOf) {
    fx::RecordingSpec spec;
    spec.layout = fx::Layout::GpsIndexBox;
    spec.seconds = 60;
    spec.fps = 1;
    spec.width = 320;
    spec.height = 180;
    spec.baseDir = FixtureDir();
    spec.start = {2026, 1, 5, 7, 0, 0};
    fx::DriveSimulation drive;
    spec.gps = fx::SimulateGps(drive, spec.seconds, fx::LayoutGpsRate(spec.layout), spec.start);
    spec.gsensor = fx::SimulateGsensor(drive, spec.seconds, fx::LayoutGsensorRate(spec.layout));
    const std::string model = folder + "/model.MP4";
    const fx::WriteResult written = fx::WriteRecording(spec, model);
    if (!written.ok) {
        std::fprintf(stderr, "bench_catalogue: %s\n", written.error.c_str());
        return false;
    }
    fs::create_directories(folder + "/card/DCIM/F");
    fs::create_directories(folder + "/card/DCIM/R");
    const int64_t first = fx::ToEpochSeconds(spec.start);
    for (int pair = 0; pair < kPairs; ++pair) {
        const int64_t start = first + pair * kDriveSpacingSeconds;
        for (const char* camera : {"F", "R"}) {
            const std::string name = TimeName(start, camera);
            fs::copy_file(model, folder + "/card/DCIM/" + camera + "/" + name,
                          fs::copy_options::overwrite_existing);
            startOf[name] = fx::ToLocalTime(fx::FromEpochSeconds(start));
        }
    }
    return true;
}

DriveSummary SyntheticSummary(int i) {
    DriveSummary s;
    s.startTime = 1767225600 + int64_t(i) * 5400;
    s.durationMs = 1800000;
    s.endTime = s.startTime + 1800;
    s.recordings = 6;
    s.distanceM = 12000 + i % 900;
    s.movingMs = 1500000;
    s.maxSpeedKmh = 80;
    s.avgSpeedKmh = 28.8;
    static const char* kTowns[] = {"Taipei, TW", "Banqiao, TW", "Keelung, TW", "Taoyuan, TW", "Hsinchu, TW"};
    s.start = DrivePosition{25.03 + (i % 50) * 0.001, 121.56, kTowns[i % 5]};
    s.end = DrivePosition{25.05, 121.52 + (i % 70) * 0.001, kTowns[(i / 5) % 5]};
    s.incidents = IncidentCounts{i % 7 == 0 ? 1 : 0, i % 11 == 0 ? 1 : 0};
    for (int k = 0; k < 300; ++k)
        s.track.push_back(TrackPoint{25.03 + k * 1e-4, 121.56 - k * 1e-4});
    return s;
}

} // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : (fs::temp_directory_path() / "vemora-bench-catalogue").string();
    SetDiagnosticSink({});
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::map<std::string, int64_t> startOf;
    if (!WriteCard(folder, startOf))
        return 1;

    CRecordingLibrary library;
    const ContainerReader real = DefaultContainerReader();
    library.SetContainerReader([&](const std::string& path, ContainerKind kind, ContainerSummary& summary) {
        ReadVerdict verdict = real(path, kind, summary);
        summary.startTime = startOf[fs::path(path).filename().string()];
        return verdict;
    });
    if (!library.ScanSource(folder + "/card", "")) {
        std::fprintf(stderr, "bench_catalogue: the card does not scan\n");
        return 1;
    }
    const CardIdentity card = IdentifyCard(folder + "/card");
    const PlaceIndex& places = PlaceIndex::System();
    places.Nearest(25, 121); // the gazetteer is loaded once per program, not per drive

    const std::string db = folder + "/catalogue.sqlite3";
    std::string error;
    std::optional<Catalogue> catalogue = Catalogue::Open(db, &error);
    if (!catalogue) {
        std::fprintf(stderr, "bench_catalogue: %s\n", error.c_str());
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    DriveLogOutcome first = RecordScanDrives(*catalogue, library.Records(), card, &places);
    const double recordSeconds = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    DriveLogOutcome again = RecordScanDrives(*catalogue, library.Records(), card, &places);
    const double againSeconds = SecondsSince(start);
    catalogue->Db().Execute("PRAGMA wal_checkpoint(TRUNCATE)", nullptr);
    std::printf("recording %d drives (%zu files): %.2f s (%.2f ms a drive), %d failed\n", first.recorded,
                library.Records().size(), recordSeconds, recordSeconds * 1000 / std::max(first.recorded, 1),
                first.failed);
    std::printf("the same card again (%d unchanged): %.2f s\n", again.unchanged, againSeconds);
    std::printf("catalogue on disk: %.2f MB (%.1f kB a drive)\n", BytesOfCatalogue(db) / 1048576.0,
                BytesOfCatalogue(db) / 1024.0 / std::max(first.recorded, 1));

    const std::string bigDb = folder + "/catalogue-10000.sqlite3";
    std::optional<Catalogue> big = Catalogue::Open(bigDb, &error);
    if (!big)
        return 1;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kListedDrives; ++i) {
        const DriveSummary s = SyntheticSummary(i);
        std::vector<CataloguedFile> files;
        for (int k = 0; k < 6; ++k)
            files.push_back(
                CataloguedFile{folder + "/x/" + std::to_string(i) + "_" + std::to_string(k) + ".MP4",
                               std::to_string(i) + "_" + std::to_string(k) + ".MP4", 150000000, 1,
                               k % 2 ? "rear" : "front", false, s.startTime + k / 2 * 600, 600000, "", ""});
        if (!big->RecordDrive(CardIdentity{"folder:/card" + std::to_string(i % 4), "", "", "", "/card/"}, s,
                              files, &error)) {
            std::fprintf(stderr, "bench_catalogue: %s\n", error.c_str());
            return 1;
        }
    }
    std::printf("writing %d drives of 6 files, one transaction each: %.2f s\n", kListedDrives,
                SecondsSince(start));
    big->Db().Execute("PRAGMA wal_checkpoint(TRUNCATE)", nullptr);
    std::printf("catalogue of %d drives on disk: %.1f MB\n", kListedDrives,
                BytesOfCatalogue(bigDb) / 1048576.0);

    DriveFilter filter;
    filter.from = 1767225600 + 86400 * 30;
    filter.to = 1767225600 + 86400 * 400;
    filter.text = "keelung";
    filter.onlyWithIncidents = true;
    double best = 1e9, bestAll = 1e9, bestCpu = 1e9;
    size_t shown = 0, listed = 0;
    for (int run = 0; run < 5; ++run) {
        start = std::chrono::steady_clock::now();
        const double cpuStart = CurrentThreadCpuSeconds();
        const std::vector<CataloguedDrive> drives = big->ListDrives(ListParts{}, &error);
        const double listSeconds = SecondsSince(start);
        shown = FilterDrives(drives, filter).size();
        best = std::min(best, SecondsSince(start));
        bestCpu = std::min(bestCpu, CurrentThreadCpuSeconds() - cpuStart);
        bestAll = std::min(bestAll, listSeconds);
        listed = drives.size();
    }
    std::printf(
        "listing %zu drives: %.1f ms; with the filter (%zu shown): %.1f ms, %.1f ms of CPU (goal 50 ms)\n",
        listed, bestAll * 1000, shown, best * 1000, bestCpu * 1000);
    fs::remove_all(folder);
    return 0;
}
