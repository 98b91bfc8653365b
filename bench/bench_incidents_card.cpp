// Writes the card of the incidents benchmark (bench/incidents.sh): PAIRS front/rear pairs of
// 60-second recordings (2000 by default), continuous drives of 30 pairs, the five MP4/MOV layouts
// in turn, a knock in every 10th pair and an emergency stop in every 25th. The first pair is
// 1280 x 720 at 25 frames per second, for the viewer to play while it searches; the others carry
// 320 x 180 pictures at one frame per second.
//   bench_incidents_card FOLDER [PAIRS]
#include "tools/fixture/FixtureWriter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fx = vemora::fixture;
namespace fs = std::filesystem;

namespace {

std::string FixtureDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("fixtures") : (exe.parent_path().parent_path() / "fixtures").string();
}

constexpr int kSeconds = 60;
constexpr int kPairsPerDrive = 30;

fx::CardRecording PairOf(int pair, const std::string& baseDir) {
    static const fx::Layout kLayouts[] = {fx::Layout::InlineBoxes, fx::Layout::MetaTrack92,
                                          fx::Layout::MetaTrack88, fx::Layout::GpsIndexBox,
                                          fx::Layout::FileTrailer};
    const int drive = pair / kPairsPerDrive;
    const int k = pair % kPairsPerDrive;
    fx::CardRecording r;
    fx::RecordingSpec& spec = r.front;
    spec.layout = kLayouts[drive % 5];
    spec.seconds = kSeconds;
    spec.width = pair == 0 ? 1280 : 320;
    spec.height = pair == 0 ? 720 : 180;
    spec.fps = pair == 0 ? 25 : 1;
    spec.baseDir = baseDir;
    const int64_t start =
        fx::ToEpochSeconds({2024, 5, 1, 7, 0, 0}) + int64_t(drive) * 6 * 3600 + k * kSeconds;
    spec.start = fx::FromEpochSeconds(start);
    fx::DriveSimulation sim;
    sim.phaseSeconds = k * kSeconds;
    if (pair % 10 == 3)
        sim.joltsAt = {20.0};
    if (pair % 25 == 7)
        sim.hardBrakingsAt = {30.0};
    spec.gps = fx::SimulateGps(sim, kSeconds, fx::LayoutGpsRate(spec.layout), spec.start);
    spec.gsensor = fx::SimulateGsensor(sim, kSeconds, fx::LayoutGsensorRate(spec.layout));
    r.style = fx::NameStyle::TimeStamped;
    r.index = static_cast<unsigned>(pair);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_incidents_card FOLDER [PAIRS]\n");
        return 2;
    }
    const int pairs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 2000;
    const auto start = std::chrono::steady_clock::now();
    const std::string baseDir = FixtureDir();
    // In slices, so that the specs of all pairs are never held at once.
    for (int first = 0; first < pairs; first += 100) {
        std::vector<fx::CardRecording> slice;
        for (int pair = first; pair < std::min(pairs, first + 100); ++pair)
            slice.push_back(PairOf(pair, baseDir));
        fx::CardResult written = fx::WriteCard(argv[1], slice);
        if (!written.ok) {
            std::fprintf(stderr, "bench_incidents_card: %s\n", written.error.c_str());
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("bench_incidents_card: %d pairs of %d s written in %.1f s\n", pairs, kSeconds, seconds);
    return 0;
}
