#pragma once
// The summary of one drive, from its recordings and its GPS fixes: when, how long, how far, how
// fast, from where to where, and its incidents. Pure functions, no file is read here.
//
// Distance counts only while the car moves: the great-circle distance between two consecutive
// valid fixes is added when both fixes report at least 5 km/h. A parked car's drifting fixes
// (speed below 5 km/h) add nothing. Across a stretch without fix (a tunnel) the straight line
// from the last fix before it to the first after it is added, as long as the two are at most
// 10 minutes apart. A fix that would mean driving faster than 300 km/h from the fix before it is
// a glitch and is left out of everything (distance, speed, positions, track). Moving time is the
// time of the same counted stretches; the average speed is distance over moving time.

#include "telemetry/IncidentFinder.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vemora {

class PlaceIndex;

// One GPS record of a drive, its time in milliseconds on the recorder's local wall clock.
struct DriveFix {
    int64_t timeMs = 0;
    double latitude = 0;
    double longitude = 0;
    double speedKmh = 0;
    bool valid = true;
};

// One recording of a drive: its start (seconds, the recorder's local wall clock) and length.
struct DriveRecording {
    int64_t startTime = 0;
    int64_t durationMs = 0;
};

struct IncidentCounts {
    int jolts = 0;
    int hardBrakings = 0;
    int Total() const { return jolts + hardBrakings; }
    void Add(IncidentKind kind) { ++(kind == IncidentKind::Jolt ? jolts : hardBrakings); }
    bool operator==(const IncidentCounts&) const = default;
};

struct DrivePosition {
    double latitude = 0;
    double longitude = 0;
    std::string place; // the town's name with its country within 20 km; "" when none is known
    bool operator==(const DrivePosition&) const = default;
};

struct TrackPoint {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const TrackPoint&) const = default;
};

struct DriveSummary {
    int64_t startTime = 0; // seconds, the recorder's local wall clock
    int64_t endTime = 0;   // start of the last recording's end, seconds
    int64_t durationMs = 0;
    int recordings = 0;
    double distanceM = 0;
    int64_t movingMs = 0;
    double maxSpeedKmh = 0;
    double avgSpeedKmh = 0; // while moving
    std::optional<DrivePosition> start;
    std::optional<DrivePosition> end;
    IncidentCounts incidents;
    std::vector<TrackPoint> track; // simplified, at most kMaxTrackPoints
};

struct DriveRules {
    double movingSpeedKmh = 5;
    double glitchSpeedKmh = 300;
    int64_t maxGapMs = 10 * 60 * 1000;
    double placeRadiusKm = 20;
};

inline constexpr std::size_t kMaxTrackPoints = 300;

// The summary of a drive. fixes in time order; places may be null (no town names).
DriveSummary SummariseDrive(std::span<const DriveRecording> recordings, std::span<const DriveFix> fixes,
                            const IncidentCounts& incidents, const PlaceIndex* places,
                            const DriveRules& rules = {});

// At most maxPoints of points, evenly picked, the first and the last always among them.
std::vector<TrackPoint> SimplifyTrack(const std::vector<TrackPoint>& points, std::size_t maxPoints);

// "near Hsinchu, TW" style name of the town within radiusKm of a position, or "".
std::string PlaceNameNear(const PlaceIndex* places, double latitude, double longitude, double radiusKm);

} // namespace vemora
