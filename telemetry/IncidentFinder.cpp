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

namespace {

struct Fix {
    int64_t timeMs;
    double kmh;
};

std::vector<Fix> ValidFixes(const TrackTimeline& timeline) {
    std::vector<Fix> fixes;
    const size_t count = timeline.GpsRecordCount();
    for (size_t i = 0; i < count; ++i) {
        const GpsPoint fix = timeline.StoredRecord(i);
        if (fix.IsValid())
            fixes.push_back(Fix{timeline.TimeOfRecord(i), static_cast<double>(fix.speedKmh)});
    }
    return fixes;
}

// fixes[i] follows fixes[i - 1] closely enough to compare their speeds.
bool Follows(const std::vector<Fix>& fixes, size_t i, const HardBrakingRule& rule) {
    if (i == 0 || i >= fixes.size())
        return false;
    const int64_t gap = fixes[i].timeMs - fixes[i - 1].timeMs;
    return gap > 0 && gap <= rule.maxFixGapMs;
}

// The deceleration from fixes[i - 1] to fixes[i] in m/s^2 when it is a braking's fall; 0 when
// it is none or a glitch of the receiver.
double FallInto(const std::vector<Fix>& fixes, size_t i, const HardBrakingRule& rule) {
    if (!Follows(fixes, i, rule))
        return 0;
    const Fix& from = fixes[i - 1];
    const Fix& to = fixes[i];
    if (from.kmh < rule.minSpeedKmh)
        return 0;
    const double fall = from.kmh - to.kmh;
    const double deceleration = fall / 3.6 / (static_cast<double>(to.timeMs - from.timeMs) / 1000.0);
    if (deceleration < rule.minDecelerationMs2 || deceleration > rule.maxDecelerationMs2)
        return 0;
    const bool held = Follows(fixes, i + 1, rule) && fixes[i + 1].kmh - to.kmh <= fall / 2;
    const bool fromSpike = Follows(fixes, i - 1, rule) && from.kmh - fixes[i - 2].kmh > fall / 2;
    return held && !fromSpike ? deceleration : 0;
}

} // namespace

std::vector<Incident> FindHardBrakings(const TrackTimeline& timeline, const HardBrakingRule& rule) {
    std::vector<Incident> brakings;
    const std::vector<Fix> fixes = ValidFixes(timeline);
    bool inRun = false;
    for (size_t i = 1; i < fixes.size(); ++i) {
        const double deceleration = FallInto(fixes, i, rule);
        if (deceleration <= 0) {
            inRun = false;
        } else if (inRun) {
            brakings.back().strength = std::max(brakings.back().strength, deceleration);
        } else {
            const Fix& from = fixes[i - 1];
            brakings.push_back(
                Incident{IncidentKind::HardBraking, from.timeMs, deceleration, static_cast<int>(from.kmh)});
            inRun = true;
        }
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
