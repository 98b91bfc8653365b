#include "telemetry/TrackTimeline.h"

#include "telemetry/TrackLoader.h"

#include <cmath>

namespace vemora {

double InlineCoordinateToDegrees(double stored) {
    return NmeaToDegrees(stored / 100);
}

size_t TrackTimeline::GpsRecordCount() const {
    return KeepsNmea() ? RawGpsRecordCount(m_track) : m_track.points.size();
}

GpsPoint TrackTimeline::StoredRecord(size_t index) const {
    if (KeepsNmea())
        return RawGpsRecord(m_track, index);
    return index < m_track.points.size() ? m_track.points[index] : GpsPoint{};
}

GpsPoint TrackTimeline::Record(size_t index) const {
    return InDegrees(StoredRecord(index));
}

GpsPoint TrackTimeline::InDegrees(GpsPoint p) const {
    if (KeepsNmea()) {
        p.latitude = InlineCoordinateToDegrees(p.latitude);
        p.longitude = InlineCoordinateToDegrees(p.longitude);
    }
    return p;
}

size_t TrackTimeline::SampleCount() const {
    return KeepsNmea() ? RawGSensorSampleCount(m_track) : m_track.samples.size();
}

GSensorSample TrackTimeline::Sample(size_t index) const {
    if (KeepsNmea())
        return RawGSensorSample(m_track, index);
    return index < m_track.samples.size() ? m_track.samples[index] : GSensorSample{};
}

double TrackTimeline::IndexAt(int64_t timeMs) const {
    const double rate = m_track.gpsRate != 0 ? m_track.gpsRate : 1.0;
    const double t = static_cast<double>(timeMs);
    return std::trunc(KeepsNmea() ? t / rate / 1000 : t * rate / 1000);
}

int64_t TrackTimeline::TimeOfRecord(size_t index) const {
    const double rate = m_track.gpsRate != 0 ? m_track.gpsRate : 1.0;
    const double i = static_cast<double>(index);
    return std::llround(KeepsNmea() ? i * rate * 1000 : i * 1000 / rate);
}

void TrackTimeline::ForEachValidPoint(const std::function<void(size_t, const GpsPoint&)>& visit) const {
    const size_t count = GpsRecordCount();
    for (size_t i = 0; i < count; ++i) {
        GpsPoint stored = StoredRecord(i);
        if (!stored.IsValid())
            continue;
        GpsPoint p = InDegrees(stored);
        if (std::isfinite(p.latitude) && std::isfinite(p.longitude))
            visit(i, p);
    }
}

double GSensorSamplesPerMs(const ContainerSummary& summary, size_t sampleCount) {
    if (summary.gsensorInfo.SamplesPerSecond() != 0)
        return summary.gsensorInfo.SamplesPerSecond() / 1000.0;
    if (summary.durationMs != 0)
        return static_cast<double>(sampleCount) / summary.durationMs;
    return 0.005; // no length to spread them over
}

} // namespace vemora
