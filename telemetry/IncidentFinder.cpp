#include "telemetry/IncidentFinder.h"

#include "telemetry/JoltFinder.h"
#include "telemetry/TrackTimeline.h"

#include <algorithm>
#include <cmath>

namespace vemora {

std::string_view IncidentKindKey(IncidentKind kind) {
    return kind == IncidentKind::HardBraking ? "hard_braking" : "jolt";
}

bool IncidentKindOfKey(std::string_view key, IncidentKind& kind) {
    for (IncidentKind k : {IncidentKind::Jolt, IncidentKind::HardBraking})
        if (key == IncidentKindKey(k)) {
            kind = k;
            return true;
        }
    return false;
}

std::vector<Incident> FindHardBrakings(const TrackTimeline& timeline, const HardBrakingRule& rule) {
    std::vector<Incident> brakings;
    bool inRun = false;
    bool havePrevious = false;
    int64_t previousMs = 0;
    double previousKmh = 0;
    const size_t count = timeline.GpsRecordCount();
    for (size_t i = 0; i < count; ++i) {
        const GpsPoint fix = timeline.StoredRecord(i);
        if (!fix.IsValid())
            continue;
        const int64_t t = timeline.TimeOfRecord(i);
        const double kmh = fix.speedKmh;
        const int64_t gap = t - previousMs;
        bool falls = false;
        double deceleration = 0;
        if (havePrevious && gap > 0 && gap <= rule.maxFixGapMs && previousKmh >= rule.minSpeedKmh) {
            deceleration = (previousKmh - kmh) / 3.6 / (static_cast<double>(gap) / 1000.0);
            falls = deceleration >= rule.minDecelerationMs2;
        }
        if (falls && inRun) {
            brakings.back().strength = std::max(brakings.back().strength, deceleration);
        } else if (falls) {
            brakings.push_back(
                Incident{IncidentKind::HardBraking, previousMs, deceleration, static_cast<int>(previousKmh)});
            inRun = true;
        } else {
            inRun = false;
        }
        havePrevious = true;
        previousMs = t;
        previousKmh = kmh;
    }
    return brakings;
}

namespace {

int SpeedAt(const TrackTimeline& timeline, int64_t timeMs) {
    const double index = timeline.IndexAt(timeMs);
    if (!(index >= 0) || index >= static_cast<double>(timeline.GpsRecordCount()))
        return -1;
    const GpsPoint fix = timeline.StoredRecord(static_cast<size_t>(index));
    return fix.IsValid() ? fix.speedKmh : -1;
}

} // namespace

std::vector<Incident> FindIncidents(const TelemetryTrack& track, const ContainerSummary& summary) {
    TrackTimeline timeline(track, summary.format);
    std::vector<Incident> incidents = FindHardBrakings(timeline);
    for (const JoltPeak& peak : FindJoltPeaksOfTrack(track, summary))
        incidents.push_back(
            Incident{IncidentKind::Jolt, peak.timeMs, peak.deviationG, SpeedAt(timeline, peak.timeMs)});
    std::stable_sort(incidents.begin(), incidents.end(),
                     [](const Incident& a, const Incident& b) { return a.timeMs < b.timeMs; });
    return incidents;
}

} // namespace vemora
