#include "telemetry/TrackLoader.h"

#include "platform/ByteOrder.h"
#include "telemetry/RecordDecoders.h"
#include "telemetry/RecorderFile.h"
#include "telemetry/TrackRecordReader.h"

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

bool LoadInlineBoxes(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track) {
    RecorderFile file;
    std::string error;
    if (!file.Open(path, &error))
        return false;
    if (ReadPayload(file, summary.gsensorBoxOffset, summary.gsensorBoxSize, track.rawGsensor))
        track.gsensorCount = summary.gsensorBoxSize;
    ReadPayload(file, summary.gpsBoxOffset, summary.gpsBoxSize, track.rawGps);
    file.Close();
    return true;
}

void LoadRecords(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track) {
    CTrackRecordReader reader;
    switch (summary.format) {
    case TelemetryFormat::MetaTrack88:
        reader.readGpsTrackInfo(path, summary.format, summary.metaRecords88, track.points, track.samples);
        break;
    case TelemetryFormat::MetaTrack92:
        reader.readGpsTrackInfo(path, summary.format, summary.metaRecords92, track.points, track.samples);
        break;
    case TelemetryFormat::GpsIndexBox:
        reader.readGpsTrackInfo(path, summary.format, summary.gpsIndexRecords, track.points, track.samples);
        break;
    case TelemetryFormat::FileTrailer:
        reader.ReadTrailer(path, track.points, track.samples);
        break;
    default:
        break;
    }
    track.gsensorCount = static_cast<uint32_t>(track.samples.size());
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
    track.points.clear();
    track.samples.clear();
    track.rawGps.clear();
    track.rawGsensor.clear();
    track.gsensorCount = 0;
    if (static_cast<uint32_t>(summary.format) > static_cast<uint32_t>(TelemetryFormat::GpsIndexBox))
        return false;
    track.gpsRate = EffectiveGpsRate(summary);
    track.loading = true;
    bool ok = true;
    if (summary.format == TelemetryFormat::InlineBoxes)
        ok = LoadInlineBoxes(path, summary, track);
    else
        LoadRecords(path, summary, track);
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
