#include "library/DriveSummary.h"

#include "map/NearestPlace.h"

#include <algorithm>
#include <cmath>

namespace vemora {
namespace {

// The fixes that count: valid, with finite coordinates, and no glitch away from the fix before.
std::vector<DriveFix> PlausibleFixes(std::span<const DriveFix> fixes, const DriveRules& rules) {
    // After this many rejected fixes in a row, the fix before them was the odd one out.
    constexpr int kMaxRejectedRun = 5;
    std::vector<DriveFix> kept;
    int rejectedRun = 0;
    for (const DriveFix& fix : fixes) {
        if (!fix.valid || !std::isfinite(fix.latitude) || !std::isfinite(fix.longitude) ||
            std::abs(fix.latitude) > 90 || std::abs(fix.longitude) > 180)
            continue;
        if (!kept.empty()) {
            const DriveFix& prev = kept.back();
            const double metres =
                GreatCircleMetres(prev.latitude, prev.longitude, fix.latitude, fix.longitude);
            const double seconds = std::max<int64_t>(fix.timeMs - prev.timeMs, 1) / 1000.0;
            if (metres / seconds * 3.6 > rules.glitchSpeedKmh) {
                if (++rejectedRun <= kMaxRejectedRun)
                    continue;
                kept.clear();
            }
        }
        rejectedRun = 0;
        kept.push_back(fix);
    }
    return kept;
}

} // namespace

std::string PlaceNameNear(const PlaceIndex* places, double latitude, double longitude, double radiusKm) {
    if (!places)
        return {};
    const std::optional<NearbyPlace> nearby = places->Nearest(latitude, longitude, radiusKm);
    if (!nearby)
        return {};
    return nearby->place.countryCode.empty() ? nearby->place.name
                                             : nearby->place.name + ", " + nearby->place.countryCode;
}

std::vector<TrackPoint> SimplifyTrack(const std::vector<TrackPoint>& points, std::size_t maxPoints) {
    if (points.size() <= maxPoints || maxPoints < 2)
        return points;
    std::vector<TrackPoint> picked;
    picked.reserve(maxPoints);
    const double step = double(points.size() - 1) / double(maxPoints - 1);
    for (std::size_t k = 0; k < maxPoints; ++k)
        picked.push_back(
            points[std::min(points.size() - 1, static_cast<std::size_t>(std::llround(k * step)))]);
    return picked;
}

DriveSummary SummariseDrive(std::span<const DriveRecording> recordings, std::span<const DriveFix> fixes,
                            const IncidentCounts& incidents, const PlaceIndex* places,
                            const DriveRules& rules) {
    DriveSummary summary;
    summary.recordings = static_cast<int>(recordings.size());
    summary.incidents = incidents;
    if (!recordings.empty()) {
        int64_t firstMs = INT64_MAX;
        int64_t lastMs = INT64_MIN;
        for (const DriveRecording& r : recordings) {
            firstMs = std::min(firstMs, r.startTime * 1000);
            lastMs = std::max(lastMs, r.startTime * 1000 + std::max<int64_t>(r.durationMs, 0));
        }
        summary.startTime = firstMs / 1000;
        summary.endTime = lastMs / 1000;
        summary.durationMs = lastMs - firstMs;
    }

    const std::vector<DriveFix> kept = PlausibleFixes(fixes, rules);
    std::vector<TrackPoint> track;
    track.reserve(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const DriveFix& fix = kept[i];
        summary.maxSpeedKmh = std::max(summary.maxSpeedKmh, fix.speedKmh);
        track.push_back(TrackPoint{fix.latitude, fix.longitude});
        if (i == 0)
            continue;
        const DriveFix& prev = kept[i - 1];
        const int64_t gapMs = fix.timeMs - prev.timeMs;
        const bool moving = prev.speedKmh >= rules.movingSpeedKmh && fix.speedKmh >= rules.movingSpeedKmh;
        if (!moving || gapMs <= 0 || gapMs > rules.maxGapMs)
            continue;
        summary.distanceM += GreatCircleMetres(prev.latitude, prev.longitude, fix.latitude, fix.longitude);
        summary.movingMs += gapMs;
    }
    if (summary.movingMs > 0)
        summary.avgSpeedKmh = summary.distanceM / (summary.movingMs / 1000.0) * 3.6;
    if (!kept.empty()) {
        auto position = [&](const DriveFix& fix) {
            return DrivePosition{fix.latitude, fix.longitude,
                                 PlaceNameNear(places, fix.latitude, fix.longitude, rules.placeRadiusKm)};
        };
        summary.start = position(kept.front());
        summary.end = position(kept.back());
    }
    summary.track = SimplifyTrack(track, kMaxTrackPoints);
    return summary;
}

} // namespace vemora
