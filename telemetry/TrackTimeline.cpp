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

namespace {

// Inline coordinates divided by 100 from here on are the recorders' placeholder for "no position",
// which the path feeding and the playback tick recognise by themselves.
constexpr double kInlinePlaceholder = 200;

// An inline record marked valid whose coordinates, once in degrees, lie off the earth carries no
// fix. The placeholder is left to its readers.
GpsPoint WithInlineFixChecked(GpsPoint p) {
    const double a = p.latitude / 100, b = p.longitude / 100;
    const bool placeholder = a >= kInlinePlaceholder || b >= kInlinePlaceholder;
    if (p.IsValid() && !placeholder && !IsOnEarth(NmeaToDegrees(a), NmeaToDegrees(b)))
        p.flags &= static_cast<uint8_t>(~0x01u);
    return p;
}

} // namespace

GpsPoint TrackTimeline::StoredRecord(size_t index) const {
    if (KeepsNmea())
        return WithInlineFixChecked(RawGpsRecord(m_track, index));
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
        if (IsOnEarth(p.latitude, p.longitude))
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
