#pragma once
// One time axis over a loaded track, whatever its layout: how many GPS records and G-sensor
// samples it has, which record covers a playback time, and every record with its position in
// decimal degrees. The inline layout keeps its "gps0" payload raw with NMEA coordinates; this is
// the only place that turns those into degrees, so that the path feeding, the `vemora track`
// command and the exports read the same values.

#include "telemetry/TelemetryModel.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace vemora {

// A stored inline coordinate (NMEA ddmm.mmmm) in decimal degrees.
double InlineCoordinateToDegrees(double stored);

class TrackTimeline {
public:
    // A view: track must outlive the timeline and stay unchanged while it is used.
    TrackTimeline(const TelemetryTrack& track, TelemetryFormat format) : m_track(track), m_format(format) {}

    TelemetryFormat Format() const { return m_format; }
    bool KeepsNmea() const { return m_format == TelemetryFormat::InlineBoxes; }

    size_t GpsRecordCount() const;
    // The record as the track holds it (NMEA coordinates for the inline layout); an empty point
    // past the end. An inline record whose position lies off the earth is not valid.
    GpsPoint StoredRecord(size_t index) const;
    // The record with its coordinates in decimal degrees.
    GpsPoint Record(size_t index) const;

    size_t SampleCount() const;
    GSensorSample Sample(size_t index) const;

    // The index of the GPS record that covers playback time timeMs: trunc(t x rate / 1000) for the
    // metadata, trailer and index layouts, trunc(t / rate / 1000) for the inline layout, whose
    // "gpsa" value its recorders use as a divisor. It may lie past the last record, and is
    // negative for negative times. A rate of 0 counts as 1.
    double IndexAt(int64_t timeMs) const;
    // The playback time from which record index covers the recording: the inverse of IndexAt.
    int64_t TimeOfRecord(size_t index) const;

    // Every record whose fix is valid and lies on the earth (IsOnEarth), in order, with
    // the coordinates in decimal degrees.
    void ForEachValidPoint(const std::function<void(size_t index, const GpsPoint& point)>& visit) const;

private:
    GpsPoint InDegrees(GpsPoint stored) const;

    const TelemetryTrack& m_track;
    TelemetryFormat m_format;
};

// G-sensor samples per millisecond of a recording holding sampleCount samples: the rate its
// summary names, else the samples spread over its length, else 5 a second.
double GSensorSamplesPerMs(const ContainerSummary& summary, size_t sampleCount);

} // namespace vemora
