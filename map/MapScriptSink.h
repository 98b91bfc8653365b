#pragma once
// Where the track feeder sends the map page's script calls. The desktop program's map bridge
// implements it over the embedded browser; the command-line tool and the tests record the calls.

#include <string>

namespace vemora {

class MapScriptSink {
public:
    virtual ~MapScriptSink() = default;
    // Runs one script text in the page ("path_plot(35.500000,139.250000)"); fire and forget.
    virtual void ExecuteScript(const std::string& script) = 0;
    // Moves the position marker. format is the recording's telemetry layout: for layout 0 the
    // values are NMEA values divided by 100, which the bridge converts itself; else degrees.
    // False, and nothing sent, for a position of exactly (0, 0).
    virtual bool MoveMarker(double latitude, double longitude, int format) = 0;
};

} // namespace vemora
