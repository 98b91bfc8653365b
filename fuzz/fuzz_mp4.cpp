// libFuzzer target for the MP4/MOV reader: every input is a recorder file image. The bytes are
// put into an in-memory file (memfd) that the reader opens by its /proc path, so the reader runs
// exactly as on a card, only without touching the disk.
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"
#include "telemetry/TrackLimits.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/TrackRecordReader.h"

#include <algorithm>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct MemoryFile {
    int fd = -1;
    std::string path;
    MemoryFile() {
        fd = ::memfd_create("fuzz_mp4", MFD_CLOEXEC);
        if (fd < 0)
            std::abort();
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    void Fill(const uint8_t* data, size_t size) {
        if (::ftruncate(fd, 0) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<size_t>(n);
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vemora::SetDiagnosticSink({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static MemoryFile file;
    file.Fill(data, size);

    vemora::ContainerSummary summary;
    vemora::FileStatus status;
    vemora::CDvr3gpParser reader;
    reader.SetSummary(&summary);
    reader.SetFileStatus(&status);
    int rc = reader.Parse(file.path);

    // What an accepted file promises to the library and the track loader.
    if (rc == 0) {
        if (summary.width == 0 || summary.height == 0 || summary.durationMs == 0 || summary.fileSize != size)
            std::abort();
        if (summary.durationMs % 1000 != 0)
            std::abort();
        if (summary.gsensorBoxSize / 3 * 3 + summary.gsensorBoxOffset > size && summary.gsensorBoxSize >= 3)
            std::abort();
        // The record tables and the track loaded from them stay within the recording's length.
        const uint64_t limit =
            vemora::TrackRecordLimit(summary.durationMs, vemora::EffectiveGpsRate(summary));
        if (summary.metaRecords88.size() > limit || summary.metaRecords92.size() > limit ||
            summary.gpsIndexRecords.size() > limit)
            std::abort();
        vemora::TelemetryTrack track;
        vemora::LoadTelemetryTrack(file.path, summary, track);
        const uint64_t records = track.points.size() + vemora::RawGpsRecordCount(track);
        // The trailer holds what its 5120 bytes hold, whatever the length.
        const uint64_t allowed =
            summary.format == vemora::TelemetryFormat::FileTrailer
                ? vemora::kTrailerSpan / vemora::GpsPoint::kSize
                : std::max<uint64_t>(limit, vemora::TrackRecordLimit(summary.durationMs, 1.0));
        if (records > allowed)
            std::abort();
    } else if (rc != -1) {
        std::abort();
    }
    return 0;
}
