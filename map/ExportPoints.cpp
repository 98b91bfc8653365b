#include "map/ExportPoints.h"

#include "telemetry/TrackTimeline.h"

namespace vemora {

void ForEachExportPoint(TelemetryFormat format, const TelemetryTrack& track,
                        const std::function<void(const ExportPoint&)>& visit) {
    ForEachExportPointIndexed(format, track, [&](size_t, const ExportPoint& p) { visit(p); });
}

void ForEachExportPointIndexed(TelemetryFormat format, const TelemetryTrack& track,
                               const std::function<void(size_t index, const ExportPoint&)>& visit) {
    TrackTimeline timeline(track, format);
    timeline.ForEachValidPoint([&](size_t index, const GpsPoint& p) {
        // Inline records at 200 degrees or more are the recorder's placeholders, not positions.
        if (timeline.KeepsNmea() && (p.latitude >= 200 || p.longitude >= 200))
            return;
        visit(index, ExportPoint{p.latitude, p.longitude, p.reserved, p.speedKmh, p.headingHalf, p.dateTime});
    });
}

} // namespace vemora
