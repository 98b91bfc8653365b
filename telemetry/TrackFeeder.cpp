#include "telemetry/TrackFeeder.h"

#include "map/MapScripts.h"
#include "telemetry/TrackLoader.h"

#include <algorithm>
#include <cmath>

namespace vemora {
namespace {

constexpr double kJumpMs = 3000;           // a time report further on than this is a seek
constexpr double kInlinePlaceholder = 200; // inline coordinates / 100 from here on are no position

// The pages' functions that append a list of points to the whole path and to the driven path.
constexpr const char* kWholePathList = "path_plot_list";
constexpr const char* kDrivenPathList = "pathdrived_plot_list";

bool KnownFormat(TelemetryFormat format) {
    return static_cast<uint32_t>(format) <= static_cast<uint32_t>(TelemetryFormat::GpsIndexBox);
}

// An inline record's coordinates divided by 100, when they stand for a position.
bool InlinePosition(const GpsPoint& stored, double& a, double& b) {
    a = stored.latitude / 100;
    b = stored.longitude / 100;
    return std::isfinite(a) && std::isfinite(b) && a < kInlinePlaceholder && b < kInlinePlaceholder;
}

// Plotting skips a point unless both coordinates moved; a point that repeats either one adds
// nothing to a polyline.
struct RepeatFilter {
    double latitude = 0;
    double longitude = 0;
    bool Moved(const GpsPoint& p) {
        if (p.latitude == latitude || p.longitude == longitude)
            return false;
        latitude = p.latitude;
        longitude = p.longitude;
        return true;
    }
};

} // namespace

CTrackFeeder::CTrackFeeder(TrackSource& source, MapScriptSink* map, GSensorSink* curve,
                           InstrumentSink* instruments)
    : m_source(source), m_pMap(map), m_pCurve(curve), m_pInstruments(instruments) {
    m_source.SetClearedCallback([this] { ClearCurve(); });
}

CTrackFeeder::~CTrackFeeder() {
    m_source.SetClearedCallback({});
}

void CTrackFeeder::Script(const char* text) {
    if (m_pMap)
        m_pMap->ExecuteScript(text);
}

// Collects the points of one polyline and sends them in calls of kMapPointsPerCall points.
class CTrackFeeder::PointBatch {
public:
    PointBatch(MapScriptSink* map, const char* function) : m_pMap(map), m_function(function) {}
    ~PointBatch() { Flush(); }
    PointBatch(const PointBatch&) = delete;
    PointBatch& operator=(const PointBatch&) = delete;

    void Add(double latitude, double longitude) {
        if (!m_pMap || !IsOnEarth(latitude, longitude))
            return;
        m_points.emplace_back(latitude, longitude);
        if (m_points.size() == kMapPointsPerCall)
            Flush();
    }
    void Flush() {
        if (!m_pMap || m_points.empty())
            return;
        m_pMap->ExecuteScript(PointListScript(m_function, m_points));
        m_points.clear();
    }

private:
    MapScriptSink* m_pMap;
    const char* m_function;
    std::vector<std::pair<double, double>> m_points;
};

void CTrackFeeder::ClearInstruments() {
    if (!m_pInstruments)
        return;
    m_pInstruments->ClearHeading();
    m_pInstruments->ShowSpeed(false, 0);
}

void CTrackFeeder::ClearCurve() {
    if (m_pCurve)
        m_pCurve->ClearCurve();
}

const ContainerSummary* CTrackFeeder::CurrentSummary() const {
    const ContainerSummary* summary = m_source.RecordingSummary(m_source.CurrentRow());
    return summary && KnownFormat(summary->format) ? summary : nullptr;
}

void CTrackFeeder::HandOverCurve(const ContainerSummary& summary, const TrackTimeline& timeline) {
    GSensorCurve curve;
    const size_t count = timeline.SampleCount();
    curve.samples.reserve(count);
    for (size_t i = 0; i < count; ++i)
        curve.samples.push_back(timeline.Sample(i));
    const GSensorInfo info = summary.gsensorInfo;
    curve.fullScaleG = info.FullScaleG() != 0 ? info.FullScaleG() : 8.0;
    curve.samplesPerMs = GSensorSamplesPerMs(summary, count);
    m_pCurve->ShowCurve(std::move(curve));
}

void CTrackFeeder::PlotWholePath(const TrackTimeline& timeline) {
    const size_t count = timeline.GpsRecordCount();
    if (timeline.KeepsNmea()) {
        // Every valid record, repeats included; the marker waits for playback.
        PointBatch path(m_pMap, kWholePathList);
        for (size_t k = 0; k < count; ++k) {
            GpsPoint stored = timeline.StoredRecord(k);
            double a, b;
            if (stored.IsValid() && InlinePosition(stored, a, b))
                path.Add(NmeaToDegrees(a), NmeaToDegrees(b));
        }
        return;
    }
    {
        PointBatch path(m_pMap, kWholePathList);
        RepeatFilter previous;
        for (size_t k = 0; k < count; ++k) {
            GpsPoint p = timeline.StoredRecord(k);
            if (p.IsValid() && previous.Moved(p))
                path.Add(p.latitude, p.longitude);
        }
    }
    // The first record, valid or not: the bridge ignores (0, 0).
    GpsPoint first = timeline.StoredRecord(0);
    m_pMap->MoveMarker(first.latitude, first.longitude, static_cast<int>(timeline.Format()));
}

int CTrackFeeder::LoadTrack(int recordIndex) {
    std::lock_guard<std::mutex> lock(m_trackMutex);
    TelemetryTrack& track = m_source.Track();
    const ContainerSummary* summary = m_source.RecordingSummary(recordIndex);
    if (!summary || !KnownFormat(summary->format))
        return 0;
    track.loading = true;
    Script("pathdrived_delete()");
    Script("path_delete()");
    m_source.SetCurrentRow(recordIndex);
    const bool opened = LoadTelemetryTrack(m_source.RecordingPath(recordIndex), *summary, track);
    track.loading = true; // until the curve and the map have it
    if (!opened) {
        track.loading = false;
        return 0;
    }
    TrackTimeline timeline(track, summary->format);
    if (m_pCurve) {
        m_pCurve->ClearCurve();
        if (timeline.SampleCount() != 0)
            HandOverCurve(*summary, timeline);
    }
    if (m_pMap && timeline.GpsRecordCount() != 0)
        PlotWholePath(timeline);
    track.loading = false;
    return 1;
}

int CTrackFeeder::ResendTrackToMap(int64_t drivenToMs) {
    TelemetryTrack& track = m_source.Track();
    std::unique_lock<std::mutex> lock(m_trackMutex, std::defer_lock);
    const ContainerSummary* summary = CurrentSummary();
    if (!summary || track.loading || !lock.try_lock())
        return 0; // a load under way sends the path itself
    Script("pathdrived_delete()");
    Script("path_delete()");
    TrackTimeline timeline(track, summary->format);
    if (m_pMap && timeline.GpsRecordCount() != 0) {
        PlotWholePath(timeline);
        if (drivenToMs > 0)
            PlotDrivenPath(timeline, timeline.IndexAt(drivenToMs));
    }
    return 1;
}

int CTrackFeeder::UpdateAtTime(int64_t timeMs, bool gsensorShown, bool mapShown, const std::string&) {
    TelemetryTrack& track = m_source.Track();
    std::unique_lock<std::mutex> lock(m_trackMutex, std::defer_lock);
    if (track.loading || track.busy || !lock.try_lock()) {
        Script("pathdrived_delete()");
        Script("path_delete()");
        m_dLastDrivenIndex = 0;
        return 1;
    }
    const ContainerSummary* summary = CurrentSummary();
    const TelemetryFormat format = summary ? summary->format : TelemetryFormat::InlineBoxes;
    TrackTimeline timeline(track, format);
    const size_t count = summary ? timeline.GpsRecordCount() : 0;

    if (gsensorShown && m_pCurve && track.gsensorCount != 0)
        m_pCurve->ShowPosition(static_cast<int32_t>(static_cast<uint32_t>(timeMs)));
    if (count == 0) {
        ClearInstruments();
        return 0;
    }
    const double index = timeline.IndexAt(timeMs);
    const double t = static_cast<double>(timeMs);
    if (m_dLastDrivenIndex > index || timeMs == 0 || t - m_dLastTickMs > kJumpMs) {
        // A seek or a new recording: the page's driven path starts again.
        Script("pathdrived_delete()");
        m_dLastDrivenIndex = 0;
        m_dLastTickMs = t;
        return 1;
    }
    m_dLastDrivenIndex = index;
    m_dLastTickMs = t;
    if (index >= static_cast<double>(count))
        return 0;
    return ShowFixAt(timeline, static_cast<int64_t>(index), mapShown);
}

int CTrackFeeder::ShowFixAt(const TrackTimeline& timeline, int64_t index, bool mapShown) {
    GpsPoint p = timeline.StoredRecord(static_cast<size_t>(index));
    if (!p.IsValid()) {
        ClearInstruments();
        if (!timeline.KeepsNmea())
            return 1;
        p.latitude = p.longitude = 0; // the inline layout goes on with no position
    }
    if (index != 0 && index == m_nLastShownIndex)
        return 1;
    m_nLastShownIndex = index;
    if (p.IsValid() && m_pInstruments) {
        m_pInstruments->ShowHeading(p.HeadingDegrees());
        m_pInstruments->ShowSpeed(true, p.speedKmh);
    }
    if (!mapShown || !m_pMap)
        return 1;
    double latitude = p.latitude, longitude = p.longitude;
    if (timeline.KeepsNmea() && !InlinePosition(p, latitude, longitude))
        return 0;
    if (latitude != m_dLastMapLatitude && longitude != m_dLastMapLongitude) {
        m_pMap->MoveMarker(latitude, longitude, static_cast<int>(timeline.Format()));
        m_dLastMapLatitude = latitude;
        m_dLastMapLongitude = longitude;
    }
    return 1;
}

void CTrackFeeder::PlotDrivenPath(const TrackTimeline& timeline, double below) {
    const size_t end =
        below <= 0 ? 0 : std::min(static_cast<size_t>(std::min(below, 1e18)), timeline.GpsRecordCount());
    PointBatch driven(m_pMap, kDrivenPathList);
    RepeatFilter previous;
    for (size_t k = 0; k < end; ++k) {
        GpsPoint p = timeline.StoredRecord(k);
        if (!p.IsValid())
            continue;
        double a, b;
        if (timeline.KeepsNmea()) {
            if (InlinePosition(p, a, b))
                driven.Add(NmeaToDegrees(a), NmeaToDegrees(b));
        } else if (previous.Moved(p)) {
            driven.Add(p.latitude, p.longitude);
        }
    }
}

int CTrackFeeder::ReplotDrivenPath(int64_t positionMs) {
    if (m_source.RecordingCount() == 0)
        return 0;
    TelemetryTrack& track = m_source.Track();
    std::unique_lock<std::mutex> lock(m_trackMutex, std::defer_lock);
    if (track.loading || !lock.try_lock()) {
        // The track is being replaced; the new one starts without a driven path.
        Script("pathdrived_delete()");
        return 1;
    }
    track.busy = true;
    Script("pathdrived_delete()");
    if (const ContainerSummary* summary = CurrentSummary()) {
        TrackTimeline timeline(track, summary->format);
        const double index = timeline.IndexAt(positionMs);
        PlotDrivenPath(timeline, index);
        // Playback goes on from here: the time reports that follow are no jump.
        m_dLastDrivenIndex = std::max(0.0, index);
        m_dLastTickMs = static_cast<double>(positionMs);
    }
    track.busy = false;
    return 1;
}

} // namespace vemora
