#pragma once
// What the player side asks of the current recording's telemetry: load a recording's track when
// it becomes current, show the telemetry of a playback time, and redraw the driven path after a
// seek. The track feeder implements it; the player controller and the main window only call it.

#include <cstdint>
#include <string>

namespace vemora {

class TrackFeed {
public:
    virtual ~TrackFeed() = default;
    // Loads the track of the recording at that row of the library and sends the whole path to
    // the map. 0 when the row is outside the list or the layout is unknown.
    virtual int LoadTrack(int recordIndex) = 0;
    // Shows the telemetry of playback time timeMs; 1 when the GPS indicator is to show a fix.
    virtual int UpdateAtTime(int64_t timeMs, bool gsensorShown, bool mapShown, const std::string& rateLabel) = 0;
    // Redraws the driven part of the path up to positionMs; 0 when the library is empty.
    virtual int ReplotDrivenPath(int64_t positionMs) = 0;
};

} // namespace vemora
