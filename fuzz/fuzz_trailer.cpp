// libFuzzer target for the format 3 trailer reader. The input is the trailer itself: it is placed
// 5120 bytes before the end of the file (zero-filled when shorter), where the reader looks for it.
#include "FuzzMemoryFile.h"
#include "platform/Diagnostics.h"
#include "telemetry/TrackRecordReader.h"

#include <cstdlib>
#include <vector>

using namespace vemora;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDiagnosticSink({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file("fuzz_trailer");
    // An odd first byte keeps the file one byte short of a whole trailer.
    bool shortFile = size > 0 && (data[0] & 1) && size < kTrailerSpan;
    size_t zeros = size < kTrailerSpan ? kTrailerSpan - size - (shortFile ? 1 : 0) : 0;
    file.Fill(data, size, zeros);

    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    CTrackRecordReader reader;
    bool ok = reader.ReadTrailer(file.Path(), points, samples);
    if (shortFile && ok)
        std::abort();
    if (!ok && (!points.empty() || !samples.empty()))
        std::abort();
    // No box in the trailer is larger than the trailer.
    if (points.size() > kTrailerSpan / GpsPoint::kSize ||
        samples.size() > kTrailerSpan / GSensorSample::kSize)
        std::abort();
    return 0;
}
