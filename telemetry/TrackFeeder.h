#pragma once
// The track feeder: loads the track of the recording that becomes current, sends its whole path to
// the map page and its G-sensor samples to the curve, and while the video plays shows the
// telemetry of the player's time on the speed label, the compass, the curve's cursor and the map
// marker. After a seek it redraws the part of the path already driven.
//
// LoadTrack may run on a worker thread while UpdateAtTime and ReplotDrivenPath run on the user
// interface thread: a load holds the track for its whole run, and a call that finds the track
// held (or the track's loading / busy flags set) only clears the two polylines.

#include "map/MapScriptSink.h"
#include "telemetry/InstrumentSinks.h"
#include "telemetry/TrackFeed.h"
#include "telemetry/TrackSource.h"
#include "telemetry/TrackTimeline.h"

#include <cstdint>
#include <mutex>
#include <string>

namespace vemora {

class CTrackFeeder : public TrackFeed {
public:
    // Any sink may be null: no map window, no curve, no speed label and compass. The feeder
    // takes over source's cleared callback, so that emptying the list empties the curve.
    CTrackFeeder(TrackSource& source, MapScriptSink* map, GSensorSink* curve, InstrumentSink* instruments);
    ~CTrackFeeder() override;
    CTrackFeeder(const CTrackFeeder&) = delete;
    CTrackFeeder& operator=(const CTrackFeeder&) = delete;

    // 0 when the row is outside the list or its layout is unknown, or (inline layout) when the
    // file cannot be opened; else 1.
    int LoadTrack(int recordIndex) override;
    // 1 when the GPS indicator is to light: the recording has telemetry at that time.
    int UpdateAtTime(int64_t timeMs, bool gsensorShown, bool mapShown, const std::string& rateLabel) override;
    // 0 when the list is empty, else 1.
    int ReplotDrivenPath(int64_t positionMs) override;

    // The loaded track's whole path and the part driven up to drivenToMs (none when not above 0)
    // to the map page again (a new page); the curve and the instruments are left as they are.
    // 0 when no known recording is current.
    int ResendTrackToMap(int64_t drivenToMs);

    // Empties the curve (the list's reset).
    void ClearCurve();

private:
    void Script(const char* text);
    class PointBatch;
    void ClearInstruments();
    void HandOverCurve(const ContainerSummary& summary, const TrackTimeline& timeline);
    void PlotWholePath(const TrackTimeline& timeline);
    void PlotDrivenPath(const TrackTimeline& timeline, double below);
    int ShowFixAt(const TrackTimeline& timeline, int64_t timeMs, bool mapShown);
    // The layout of the current row, when it is one that the feeder knows.
    const ContainerSummary* CurrentSummary() const;

    TrackSource& m_source;
    MapScriptSink* m_pMap;
    GSensorSink* m_pCurve;
    InstrumentSink* m_pInstruments;
    std::mutex m_trackMutex; // held by a load for its whole run

    // Tick state, kept between time reports and across recordings: a new recording starting at 0
    // shows as a jump.
    double m_dLastDrivenIndex = 0;
    double m_dLastTickMs = 0;
    int64_t m_nLastShownIndex = 0;
    double m_dLastMapLatitude = 0;
    double m_dLastMapLongitude = 0;
};

} // namespace vemora
