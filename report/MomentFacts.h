#pragma once
// What the drive's telemetry says around a moment: the position, speed, heading and G-sensor
// axes at any time of the span, every fix of a stretch for the map, the samples of a stretch for
// the curves, and the incident found near the moment. The tracks of the recordings concerned are
// loaded once, from the front camera's files where there are any.

#include "report/DriveSpan.h"
#include "telemetry/IncidentFinder.h"
#include "telemetry/TelemetryModel.h"

#include <optional>
#include <string>
#include <vector>

namespace vemora::report {

struct Fix {
    double latitude = 0; // decimal degrees
    double longitude = 0;
    int speedKmh = 0;
    int headingDegrees = 0;
};

struct GForce {
    double x = 0, y = 0, z = 0; // g
};

// The telemetry at one time of the span.
struct TelemetryAt {
    double spanMs = 0;
    int64_t localTime = 0;       // seconds since 1970, the recorder's wall clock; 0 = unknown
    std::optional<Fix> fix;      // no valid fix covers the time
    std::optional<GForce> g;     // no sample (or a gap) at the time
    bool hasGsensorData = false; // the recording holds G-sensor samples at all
};

struct TimedFix {
    double spanMs = 0;
    Fix fix;
};

struct TimedG {
    double spanMs = 0;
    GForce g;
};

struct FoundIncident {
    Incident incident;
    double spanMs = 0;
    size_t record = 0; // the recording it was found in
};

// One recording's loaded telemetry.
struct LoadedTrack {
    SpanRecording span;
    ContainerSummary summary;
    std::string path; // the file it was read from
    TelemetryTrack track;
};

class MomentFacts {
public:
    // Loads the tracks of the span's recordings that hold part of [fromMs, toMs).
    MomentFacts(const std::vector<RecordingInfo>& records, const DriveSpan& span, double fromMs, double toMs);

    TelemetryAt At(double spanMs) const;
    std::vector<TimedFix> Fixes(double fromMs, double toMs) const;
    std::vector<TimedG> Forces(double fromMs, double toMs) const;
    // The incident nearest to spanMs within withinMs, if any.
    std::optional<FoundIncident> IncidentNear(double spanMs, double withinMs) const;
    const std::vector<LoadedTrack>& Tracks() const { return tracks_; }

private:
    const LoadedTrack* TrackAt(double spanMs) const;
    std::vector<LoadedTrack> tracks_;
};

} // namespace vemora::report
