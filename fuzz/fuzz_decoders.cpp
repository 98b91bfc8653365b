// libFuzzer target for the telemetry record decoders. The first byte chooses the decoder; the
// rest is either one record (byte-level decoders) or a file whose first bytes are also read as a
// record table (file-level readers, records near the end of the file).
#include "FuzzMemoryFile.h"
#include "platform/ByteOrder.h"
#include "platform/Diagnostics.h"
#include "telemetry/RecordDecoders.h"
#include "telemetry/TrackRecordReader.h"

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace vemora;

namespace {

void CheckPoint(const GpsPoint& p) {
    // A valid point has a position; an invalid one from a decoder is all zero or kept as flagged.
    if (p.IsValid() && (!std::isfinite(p.latitude) || !std::isfinite(p.longitude)))
        std::abort();
}

void DecodeBytes(uint8_t which, Bytes record) {
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    bool ok = false;
    switch (which % 5) {
    case 0:
        ok = DecodeRecord88Bytes(record, points, samples);
        break;
    case 1:
        ok = DecodeRecord92Bytes(record, points, samples);
        break;
    case 2:
        ok = DecodeRecord156Bytes(record, points, samples);
        // Every decoded 156-byte record gives as many samples as its entry count, at most 5.
        if (ok && samples.size() != std::min<size_t>(LE16(record, 22).value_or(0), 5))
            std::abort();
        break;
    case 3:
        if (record.size() >= GpsPoint::kSize)
            points.push_back(DecodeTrailerGpsRecord(record));
        break;
    case 4: {
        double lat = LEDouble(record, 0).value_or(0), lon = LEDouble(record, 8).value_or(0);
        DateTime6 d{};
        for (size_t i = 0; i < d.size(); ++i)
            d[i] = U8(record, 16 + i).value_or(0);
        DateTime6 shifted = ShiftDateByZone(d, EstimateZone(lat, lon));
        if ((shifted[0] == 0) != (d[0] == 0 || d[1] == 0 || d[2] == 0))
            std::abort();
        return;
    }
    }
    if (!ok && which % 5 <= 2 && (!points.empty() || !samples.empty()))
        std::abort();
    if (points.size() > 1)
        std::abort();
    for (const auto& p : points)
        CheckPoint(p);
}

void DecodeFile(uint8_t which, const uint8_t* data, size_t size) {
    static fuzz::MemoryFile file("fuzz_decoders");
    file.Fill(data, size);
    // Up to four table entries from the start of the file, as signed 32-bit offsets.
    std::vector<RecordLocator> table;
    Bytes bytes(data, size);
    for (uint32_t i = 0; i < 4; ++i) {
        if (auto v = LE32s(bytes, 4 * i))
            table.push_back({i, *v});
    }
    const TelemetryFormat formats[] = {TelemetryFormat::MetaTrack88, TelemetryFormat::MetaTrack92,
                                       TelemetryFormat::GpsIndexBox};
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    CTrackRecordReader reader;
    if (!reader.readGpsTrackInfo(file.Path(), formats[which % 3], table, points, samples))
        std::abort();
    if (points.size() > table.size() || samples.size() > 5 * table.size())
        std::abort();
    for (const auto& p : points)
        CheckPoint(p);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDiagnosticSink({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    uint8_t which = data[0];
    if (which & 0x80)
        DecodeFile(which, data + 1, size - 1);
    else
        DecodeBytes(which, Bytes(data + 1, size - 1));
    return 0;
}
