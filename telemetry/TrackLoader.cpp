#include "telemetry/TrackLoader.h"

#include "platform/ByteOrder.h"
#include "telemetry/RecordDecoders.h"
#include "telemetry/RecorderFile.h"
#include "telemetry/TrackLimits.h"
#include "telemetry/TrackRecordReader.h"

#include <new>
#include <stdexcept>

namespace vemora {
namespace {

// Reads a payload whole when it lies inside the file; otherwise leaves buffer empty, since a
// payload the file does not hold has no records to show.
bool ReadPayload(RecorderFile& file, uint64_t offset, uint32_t size, std::vector<uint8_t>& buffer) {
    buffer.clear();
    uint64_t length = file.Length();
    if (size == 0 || offset > length || size > length - offset)
        return false;
    buffer.resize(size);
    if (!file.ReadAt(offset, buffer.data(), buffer.size())) {
        buffer.clear();
        return false;
    }
    return true;
}

// The payloads are loaded only when they hold no more records than the recording's length
// allows; a larger one (a summary not made by the scan's readers) leaves the track empty rather
// than allocating up to the size of the file.
bool InlinePayloadsFit(const ContainerSummary& summary) {
    return summary.gpsBoxSize / GpsPoint::kSize <= TrackRecordLimit(summary.durationMs, 1.0) &&
           summary.gsensorBoxSize / GSensorSample::kSize <=
               TrackRecordLimit(summary.durationMs, kMostGSensorRate);
}

bool LoadInlineBoxes(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track) {
    RecorderFile file;
    std::string error;
    if (!file.Open(path, &error))
        return false;
    if (!InlinePayloadsFit(summary))
        return true;
    if (ReadPayload(file, summary.gsensorBoxOffset, summary.gsensorBoxSize, track.rawGsensor))
        track.gsensorCount = summary.gsensorBoxSize;
    ReadPayload(file, summary.gpsBoxOffset, summary.gpsBoxSize, track.rawGps);
    file.Close();
    return true;
}

// Records of one table, when it is no longer than the recording allows.
void LoadTable(CTrackRecordReader& reader, const std::string& path, const ContainerSummary& summary,
               const std::vector<RecordLocator>& table, double recordsPerSecond, TelemetryTrack& track) {
    if (table.size() > TrackRecordLimit(summary.durationMs, recordsPerSecond))
        return;
    track.points.reserve(table.size());
    reader.readGpsTrackInfo(path, summary.format, table, track.points, track.samples);
}

void LoadRecords(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track) {
    CTrackRecordReader reader;
    const double rate = EffectiveGpsRate(summary);
    switch (summary.format) {
    case TelemetryFormat::MetaTrack88:
        LoadTable(reader, path, summary, summary.metaRecords88, rate, track);
        break;
    case TelemetryFormat::MetaTrack92:
        LoadTable(reader, path, summary, summary.metaRecords92, rate, track);
        break;
    case TelemetryFormat::GpsIndexBox:
        LoadTable(reader, path, summary, summary.gpsIndexRecords, rate, track);
        break;
    case TelemetryFormat::FileTrailer:
        reader.ReadTrailer(path, track.points, track.samples);
        break;
    default:
        break;
    }
    track.gsensorCount = static_cast<uint32_t>(track.samples.size());
}

// Empty, with the memory given back.
void ClearTelemetry(TelemetryTrack& track) {
    std::vector<GpsPoint>().swap(track.points);
    std::vector<GSensorSample>().swap(track.samples);
    std::vector<uint8_t>().swap(track.rawGps);
    std::vector<uint8_t>().swap(track.rawGsensor);
    track.gsensorCount = 0;
}

} // namespace

double EffectiveGpsRate(const ContainerSummary& summary) {
    uint8_t rate = static_cast<uint8_t>(summary.gpsRate & 0xFF);
    if (rate != 0)
        return rate;
    switch (summary.format) {
    case TelemetryFormat::InlineBoxes:
    case TelemetryFormat::GpsIndexBox:
        return 1.0;
    default:
        return 5.0;
    }
}

bool LoadTelemetryTrack(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track) {
    ClearTelemetry(track);
    if (static_cast<uint32_t>(summary.format) > static_cast<uint32_t>(TelemetryFormat::GpsIndexBox))
        return false;
    track.gpsRate = EffectiveGpsRate(summary);
    track.loading = true;
    bool ok = true;
    try {
        if (summary.format == TelemetryFormat::InlineBoxes)
            ok = LoadInlineBoxes(path, summary, track);
        else
            LoadRecords(path, summary, track);
    } catch (const std::bad_alloc&) {
        // Out of memory for this track: the recording plays without telemetry.
        ClearTelemetry(track);
    } catch (const std::length_error&) {
        ClearTelemetry(track);
    }
    track.loading = false;
    return ok;
}

size_t RawGpsRecordCount(const TelemetryTrack& track) {
    return track.rawGps.size() / GpsPoint::kSize;
}

GpsPoint RawGpsRecord(const TelemetryTrack& track, size_t index) {
    Bytes all(track.rawGps);
    if (index >= RawGpsRecordCount(track))
        return GpsPoint{};
    return ParseGpsRecord(all.subspan(index * GpsPoint::kSize, GpsPoint::kSize));
}

size_t RawGSensorSampleCount(const TelemetryTrack& track) {
    return track.rawGsensor.size() / GSensorSample::kSize;
}

GSensorSample RawGSensorSample(const TelemetryTrack& track, size_t index) {
    Bytes all(track.rawGsensor);
    if (index >= RawGSensorSampleCount(track))
        return GSensorSample{};
    return ParseGSensorSample(all.subspan(index * GSensorSample::kSize, GSensorSample::kSize));
}

} // namespace vemora
