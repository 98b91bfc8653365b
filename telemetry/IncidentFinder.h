#pragma once
// The incidents of one recording: the jolts of its G-sensor and the hard brakings in its GPS
// speeds, in time order.
//
// A hard braking is read from consecutive valid fixes at most 2 s apart whose speed falls by at
// least 4.0 m/s^2 (14.4 km/h per second) from a speed of at least 20 km/h. A run of such falls is
// one braking, placed at the fix where the fall begins; its strength is the largest deceleration
// of the run. A receiver's glitch is no braking: a fall steeper than a car can brake (12 m/s^2),
// a lower speed that does not hold on the next fix (it climbs back by more than half the fall, or
// no fix follows), and a fall from a speed the fix before climbed to by more than half the fall
// (60, 95, 60 km/h; 60, 0, 60 km/h). A jolt is the jolt rule's (JoltFinder.h), placed at its peak; its
// strength is the peak's deviation in g.

#include "telemetry/TelemetryModel.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vemora {

class TrackTimeline;

enum class IncidentKind : uint8_t { Jolt = 0, HardBraking = 1 };

// "jolt", "hard_braking"; and back (false for any other text).
std::string_view IncidentKindKey(IncidentKind kind);
bool IncidentKindOfKey(std::string_view key, IncidentKind& kind);

struct Incident {
    IncidentKind kind = IncidentKind::Jolt;
    int64_t timeMs = 0;  // from the recording's start
    double strength = 0; // jolt: g; hard braking: m/s^2
    int speedKmh = -1;   // the GPS speed at that moment; -1 without a valid fix
    bool operator==(const Incident&) const = default;
};

struct HardBrakingRule {
    double minDecelerationMs2 = 4.0;
    double minSpeedKmh = 20.0;
    double maxDecelerationMs2 = 12.0; // beyond it: a glitch
    int64_t maxFixGapMs = 2000;
};

std::vector<Incident> FindHardBrakings(const TrackTimeline& timeline, const HardBrakingRule& rule = {});

// Jolts and hard brakings of a loaded track, ordered by time.
std::vector<Incident> FindIncidents(const TelemetryTrack& track, const ContainerSummary& summary);

} // namespace vemora
