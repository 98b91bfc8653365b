// Probe throughput on a generated card: >= 2000 recordings of mixed layouts with realistic
// apparent sizes (sparse files: the real head and tail of a fixture recording around a media-data
// hole of 100-300 MB). Compares the MP4/MOV reader with a floor that only opens each file and reads
// the same byte ranges, and reports reads and bytes per file for each layout.
//
// usage: bench_probe [FILES] [WORKDIR]     (defaults: 2000, $TMPDIR or /tmp)
// Build it optimised (-DCMAKE_BUILD_TYPE=Release) for figures worth comparing.
#include "platform/ByteOrder.h"
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"
#include "tools/fixture/FixtureWriter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace vemora;
using Clock = std::chrono::steady_clock;
using Range = std::pair<uint64_t, size_t>;

struct Template {
    int layout = 0;
    std::vector<uint8_t> head; // everything up to the media-data payload, "mdat" size to be patched
    std::vector<uint8_t> tail; // everything after the media data
    size_t mdatHeader = 0;     // offset of the "mdat" header inside head
    bool largeMdat = false;
};

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Splits a recording at its top-level "mdat" payload.
bool SplitAtMediaData(const std::vector<uint8_t>& file, int layout, Template& t) {
    Bytes b(file);
    size_t pos = 0;
    while (pos + 8 <= file.size()) {
        uint64_t size = *BE32(b, pos);
        size_t header = 8;
        if (size == 1) {
            size = *BE64(b, pos + 8);
            header = 16;
        }
        if (size < header || pos + size > file.size())
            return false;
        if (b[pos + 4] == 'm' && b[pos + 5] == 'd' && b[pos + 6] == 'a' && b[pos + 7] == 't') {
            t.layout = layout;
            t.mdatHeader = pos;
            t.largeMdat = header == 16;
            t.head.assign(file.begin(), file.begin() + static_cast<long>(pos + header));
            t.tail.assign(file.begin() + static_cast<long>(pos + size), file.end());
            return true;
        }
        pos += size;
    }
    return false;
}

bool WriteSparse(const Template& t, uint64_t mediaBytes, const std::string& path) {
    std::vector<uint8_t> head = t.head;
    if (t.largeMdat)
        PutBE64(head.data() + t.mdatHeader + 8, mediaBytes + 16);
    else
        PutBE32(head.data() + t.mdatHeader, static_cast<uint32_t>(mediaBytes + 8));
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok =
        ::pwrite(fd, head.data(), head.size(), 0) == ssize_t(head.size()) &&
        ::pwrite(fd, t.tail.data(), t.tail.size(), off_t(head.size() + mediaBytes)) == ssize_t(t.tail.size());
    ok = ::close(fd) == 0 && ok;
    return ok;
}

void Observe(void* context, uint64_t offset, size_t size) {
    static_cast<std::vector<Range>*>(context)->emplace_back(offset, size);
}

struct LayoutFigures {
    uint64_t files = 0, reads = 0, bytes = 0, accepted = 0;
};

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const char* tmp = std::getenv("TMPDIR");
    std::filesystem::path work = argc > 2 ? argv[2] : (tmp && *tmp ? tmp : "/tmp");
    work /= "vemora-bench-probe-" + std::to_string(::getpid());
    std::filesystem::create_directories(work / "DCIM");
    SetDiagnosticSink({});

    // One template per layout and codec (the inline layout is H.264 only).
    std::vector<Template> templates;
    for (int layout = 0; layout <= 4; ++layout) {
        for (auto codec : {fixture::Codec::H264, fixture::Codec::H265}) {
            if (layout == 0 && codec == fixture::Codec::H265)
                continue;
            fixture::RecordingSpec spec;
            spec.layout = static_cast<fixture::Layout>(layout);
            spec.codec = codec;
            spec.seconds = 3;
            spec.baseDir = (work / "base").string();
            spec.gps =
                fixture::SimulateGps({}, spec.seconds, fixture::LayoutGpsRate(spec.layout), spec.start);
            spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
            std::string path = (work / ("template" + std::to_string(templates.size()) + ".MP4")).string();
            fixture::WriteResult written = fixture::WriteRecording(spec, path);
            Template t;
            if (!written.ok || !SplitAtMediaData(ReadAll(path), layout, t)) {
                std::fprintf(stderr, "bench_probe: cannot make a layout %d recording: %s\n", layout,
                             written.error.c_str());
                return 1;
            }
            templates.push_back(std::move(t));
        }
    }

    std::mt19937_64 random(20240517);
    std::uniform_int_distribution<uint64_t> mediaSize(100ull << 20, 300ull << 20);
    std::vector<std::string> paths;
    std::vector<int> layouts;
    uint64_t apparent = 0;
    for (int i = 0; i < count; ++i) {
        const Template& t = templates[size_t(i) % templates.size()];
        char name[64];
        std::snprintf(name, sizeof name, "DCIM/2024%04d_%06d_F.MP4", 501 + i / 1000, i % 1000);
        std::string path = (work / name).string();
        uint64_t media = mediaSize(random);
        if (!WriteSparse(t, media, path)) {
            std::fprintf(stderr, "bench_probe: cannot write %s\n", path.c_str());
            return 1;
        }
        apparent += t.head.size() + media + t.tail.size();
        paths.push_back(path);
        layouts.push_back(t.layout);
    }

    // Warm-up probe: records the byte ranges read for the floor and checks every file is accepted.
    std::vector<std::vector<Range>> ranges(paths.size());
    std::map<int, LayoutFigures> figures;
    for (size_t i = 0; i < paths.size(); ++i) {
        RecorderFile::SetReadObserver(Observe, &ranges[i]);
        ContainerSummary summary;
        CDvr3gpParser reader;
        reader.SetSummary(&summary);
        int rc = reader.Parse(paths[i]);
        LayoutFigures& f = figures[layouts[i]];
        f.files++;
        f.accepted += rc == 0;
        f.reads += reader.File().ReadCalls();
        f.bytes += reader.File().BytesRead();
    }
    RecorderFile::SetReadObserver(nullptr, nullptr);

    // Probe and floor rounds alternate so that both see the same cache and machine load.
    const int rounds = 5;
    uint64_t accepted = 0, floorBytes = 0;
    double probeSeconds = 0, floorSeconds = 0;
    std::vector<uint8_t> buffer;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = Clock::now();
        for (const auto& path : paths) {
            ContainerSummary summary;
            CDvr3gpParser reader;
            reader.SetSummary(&summary);
            accepted += reader.Parse(path) == 0;
        }
        auto t1 = Clock::now();
        for (size_t i = 0; i < paths.size(); ++i) {
            int fd = ::open(paths[i].c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                return 1;
            for (const auto& [offset, size] : ranges[i]) {
                if (buffer.size() < size)
                    buffer.resize(size);
                floorBytes += size_t(::pread(fd, buffer.data(), size, off_t(offset)));
            }
            ::close(fd);
        }
        auto t2 = Clock::now();
        probeSeconds += std::chrono::duration<double>(t1 - t0).count();
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
    }

    const double n = double(paths.size()) * rounds;
    std::printf("card: %zu recordings, %.1f GB apparent, %d rounds\n", paths.size(), double(apparent) / 1e9,
                rounds);
    std::printf("probe: %.0f files/s (%llu of %.0f accepted)\n", n / probeSeconds,
                (unsigned long long)accepted, n);
    std::printf("floor: %.0f files/s (open + the same preads + close; %llu bytes)\n", n / floorSeconds,
                (unsigned long long)floorBytes);
    std::printf("probe / floor: %.2f\n", (n / probeSeconds) / (n / floorSeconds));
    std::printf("layout  files  accepted  preads/file  bytes/file  (each also: open, fstat, close)\n");
    for (const auto& [layout, f] : figures)
        std::printf("%6d  %5llu  %8llu  %11.1f  %10.1f\n", layout, (unsigned long long)f.files,
                    (unsigned long long)f.accepted, double(f.reads) / double(f.files),
                    double(f.bytes) / double(f.files));

    std::error_code ec;
    std::filesystem::remove_all(work, ec);
    return accepted == uint64_t(n) ? 0 : 1;
}
