#include "report/MomentFacts.h"

#include "library/RecordingNaming.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/TrackTimeline.h"

#include <cmath>

namespace vemora::report {

namespace {

// The listed record of the front camera's file of records[index], else records[index] itself:
// the front camera's file is the one the viewer loads the telemetry from.
size_t TelemetryRecord(const std::vector<RecordingInfo>& records, size_t index) {
    const std::string path = records[index].GetFullPath();
    if (!IsRearFile(path))
        return index;
    const std::string front = GetFrontPartner(path);
    for (size_t i = 0; i < records.size() && !front.empty(); ++i)
        if (records[i].GetFullPath() == front)
            return i;
    return index;
}

double FullScale(const ContainerSummary& summary) {
    return summary.gsensorInfo.FullScaleG() != 0 ? summary.gsensorInfo.FullScaleG() : 8.0;
}

GForce ForceOf(const GSensorSample& s, double scale) {
    auto g = [&](int16_t field) { return GSensorSample::Count(field) * scale / 128.0; };
    return {g(s.x), g(s.y), g(s.z)};
}

std::optional<Fix> FixOf(const GpsPoint& p) {
    if (!p.IsValid() || !std::isfinite(p.latitude) || !std::isfinite(p.longitude) ||
        std::fabs(p.latitude) > 90 || std::fabs(p.longitude) > 180)
        return std::nullopt;
    return Fix{p.latitude, p.longitude, p.speedKmh, p.HeadingDegrees()};
}

} // namespace

MomentFacts::MomentFacts(const std::vector<RecordingInfo>& records, const DriveSpan& span, double fromMs,
                         double toMs) {
    for (const SpanRecording& r : span.Overlapping(fromMs, toMs)) {
        LoadedTrack loaded;
        loaded.span = r;
        const RecordingInfo& source = records[TelemetryRecord(records, r.record)];
        loaded.summary = source.summary;
        loaded.path = source.GetFullPath();
        if (!LoadTelemetryTrack(loaded.path, loaded.summary, loaded.track))
            loaded.track = TelemetryTrack();
        tracks_.push_back(std::move(loaded));
    }
}

const LoadedTrack* MomentFacts::TrackAt(double spanMs) const {
    for (size_t k = tracks_.size(); k-- > 0;)
        if (spanMs >= tracks_[k].span.startMs && spanMs <= tracks_[k].span.EndMs())
            return &tracks_[k];
    return nullptr;
}

TelemetryAt MomentFacts::At(double spanMs) const {
    TelemetryAt at;
    at.spanMs = spanMs;
    const LoadedTrack* loaded = TrackAt(spanMs);
    if (!loaded)
        return at;
    const double ms = std::max(0.0, spanMs - loaded->span.startMs);
    if (loaded->summary.startTime != 0)
        at.localTime = loaded->summary.startTime + static_cast<int64_t>(std::floor(ms / 1000.0));
    TrackTimeline timeline(loaded->track, loaded->summary.format);
    const double index = timeline.IndexAt(static_cast<int64_t>(ms));
    if (index >= 0 && static_cast<size_t>(index) < timeline.GpsRecordCount())
        at.fix = FixOf(timeline.Record(static_cast<size_t>(index)));
    const size_t samples = timeline.SampleCount();
    at.hasGsensorData = samples > 0;
    if (samples > 0) {
        const auto sample =
            static_cast<size_t>(std::floor(ms * GSensorSamplesPerMs(loaded->summary, samples)));
        if (sample < samples && !timeline.Sample(sample).IsGap())
            at.g = ForceOf(timeline.Sample(sample), FullScale(loaded->summary));
    }
    return at;
}

std::vector<TimedFix> MomentFacts::Fixes(double fromMs, double toMs) const {
    std::vector<TimedFix> fixes;
    for (const LoadedTrack& loaded : tracks_) {
        TrackTimeline timeline(loaded.track, loaded.summary.format);
        timeline.ForEachValidPoint([&](size_t index, const GpsPoint& p) {
            const double t = loaded.span.startMs + static_cast<double>(timeline.TimeOfRecord(index));
            if (t < fromMs || t > toMs || t > loaded.span.EndMs())
                return;
            if (auto fix = FixOf(p))
                fixes.push_back({t, *fix});
        });
    }
    return fixes;
}

std::vector<TimedG> MomentFacts::Forces(double fromMs, double toMs) const {
    std::vector<TimedG> forces;
    for (const LoadedTrack& loaded : tracks_) {
        TrackTimeline timeline(loaded.track, loaded.summary.format);
        const size_t count = timeline.SampleCount();
        const double perMs = GSensorSamplesPerMs(loaded.summary, count);
        if (count == 0 || perMs <= 0)
            continue;
        const double scale = FullScale(loaded.summary);
        for (size_t i = 0; i < count; ++i) {
            const double t = loaded.span.startMs + static_cast<double>(i) / perMs;
            if (t < fromMs || t > toMs || t > loaded.span.EndMs())
                continue;
            const GSensorSample s = timeline.Sample(i);
            if (!s.IsGap())
                forces.push_back({t, ForceOf(s, scale)});
        }
    }
    return forces;
}

std::optional<FoundIncident> MomentFacts::IncidentNear(double spanMs, double withinMs) const {
    std::optional<FoundIncident> nearest;
    for (const LoadedTrack& loaded : tracks_)
        for (const Incident& incident : FindIncidents(loaded.track, loaded.summary)) {
            const double t = loaded.span.startMs + static_cast<double>(incident.timeMs);
            if (std::fabs(t - spanMs) > withinMs)
                continue;
            if (!nearest || std::fabs(t - spanMs) < std::fabs(nearest->spanMs - spanMs))
                nearest = FoundIncident{incident, t, loaded.span.record};
        }
    return nearest;
}

} // namespace vemora::report
