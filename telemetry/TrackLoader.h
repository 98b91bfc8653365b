#pragma once
// Loading the telemetry of the recording on display into a TelemetryTrack: the raw "gps0" and
// "gsen" payloads of the inline layout (and of AVI files), the decoded records of the metadata
// tracks and the "gps " index, or the trailer. Used by the library, the KML export and the
// command-line tool.

#include "telemetry/TelemetryModel.h"

#include <cstddef>
#include <string>

namespace vemora {

// Replaces the content of track with the telemetry of the file at path, as its container reader
// described it in summary. False when the format is unknown or an inline-layout file cannot be
// opened; a recording whose records or trailer cannot be read loads as an empty track (true), and
// so does one whose telemetry is longer than the recording allows (TrackLimits.h) or does not
// fit in memory. Sets gsensorCount and the effective gpsRate.
bool LoadTelemetryTrack(const std::string& path, const ContainerSummary& summary, TelemetryTrack& track);

// GPS records per second of the time index: the low byte of the reported rate; when that is 0,
// 1 for the inline layout and the "gps " index, 5 for the others.
double EffectiveGpsRate(const ContainerSummary& summary);

// The inline layout keeps its payloads raw; these read its records in place.
size_t RawGpsRecordCount(const TelemetryTrack& track);
GpsPoint RawGpsRecord(const TelemetryTrack& track, size_t index); // NMEA coordinates as stored
size_t RawGSensorSampleCount(const TelemetryTrack& track);
GSensorSample RawGSensorSample(const TelemetryTrack& track, size_t index);

} // namespace vemora
