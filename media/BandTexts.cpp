#include "media/BandTexts.h"

#include "library/ListTexts.h"
#include "map/NumberText.h"
#include "telemetry/TrackTimeline.h"

#include <cmath>
#include <cstdio>

namespace vemora::media {

namespace {

std::string TimeLine(const BandTelemetry& source, double timeMs) {
    if (source.summary.startTime == 0)
        return "----------   --:--:--";
    auto seconds = static_cast<int64_t>(std::floor(std::max(0.0, timeMs) / 1000.0));
    std::string text = FormatLocalTime(source.summary.startTime + seconds, kGroupStartFormat);
    return text.empty() ? "----------   --:--:--" : text;
}

std::string SpeedAndHeading(const GpsPoint* point, bool mph) {
    const char* unit = mph ? "MPH" : "km/h";
    char text[64];
    if (!point) {
        std::snprintf(text, sizeof text, " --- %s   ---\xC2\xB0", unit);
        return text;
    }
    // The speed label's conversion: km/h x 10 / 16.
    int speed = mph ? point->speedKmh * 10 / 16 : point->speedKmh;
    std::snprintf(text, sizeof text, "%4d %s   %03d\xC2\xB0", speed, unit, point->HeadingDegrees());
    return text;
}

std::string Position(const GpsPoint* point) {
    if (!point)
        return "GPS --";
    // Locale-free: the viewer runs in the user's locale, where printf may write decimal commas.
    return FixedText(std::fabs(point->latitude), 6) + (point->latitude < 0 ? " S  " : " N  ") +
           FixedText(std::fabs(point->longitude), 6) + (point->longitude < 0 ? " W" : " E");
}

std::string GForces(const BandTelemetry& source, const TrackTimeline& timeline, double timeMs) {
    size_t count = timeline.SampleCount();
    if (count == 0)
        return "G  --";
    double perMs = GSensorSamplesPerMs(source.summary, count);
    auto index = static_cast<int64_t>(std::floor(std::max(0.0, timeMs) * perMs));
    if (index < 0 || static_cast<size_t>(index) >= count)
        return "G  --";
    GSensorSample s = timeline.Sample(static_cast<size_t>(index));
    if (s.IsGap())
        return "G  --";
    double scale =
        source.summary.gsensorInfo.FullScaleG() != 0 ? source.summary.gsensorInfo.FullScaleG() : 8.0;
    auto g = [&](int16_t field) { return GSensorSample::Count(field) * scale / 128.0; };
    return "G  X " + SignedFixedText(g(s.x), 2) + "  Y " + SignedFixedText(g(s.y), 2) + "  Z " +
           SignedFixedText(g(s.z), 2);
}

} // namespace

std::array<std::string, 2> BandLines(const BandTelemetry& source, double timeMs) {
    static const TelemetryTrack kEmpty;
    const TelemetryTrack& track = source.track ? *source.track : kEmpty;
    TrackTimeline timeline(track, source.summary.format);
    const GpsPoint* shown = nullptr;
    GpsPoint point;
    double index = timeline.IndexAt(static_cast<int64_t>(timeMs));
    if (index >= 0 && static_cast<size_t>(index) < timeline.GpsRecordCount()) {
        point = timeline.Record(static_cast<size_t>(index));
        if (point.IsValid() && std::isfinite(point.latitude) && std::isfinite(point.longitude))
            shown = &point;
    }
    return {TimeLine(source, timeMs) + "   " + SpeedAndHeading(shown, source.mph),
            GForces(source, timeline, timeMs) + "   " + Position(shown)};
}

} // namespace vemora::media
