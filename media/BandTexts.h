#pragma once
// What the telemetry band under a clip's pictures says at one moment of a recording: the date
// and local time as the recording lists show them, speed, heading, the G-sensor's three axes and
// the position. Symbols and numbers only, so that the band reads alike in every language.

#include "telemetry/TelemetryModel.h"

#include <array>
#include <string>

namespace vemora::media {

struct BandTelemetry {
    const TelemetryTrack* track = nullptr; // null or empty: only the time is known
    ContainerSummary summary;              // format, start time, rates, G-sensor scale
    bool mph = false;                      // speed in MPH as the speed label computes it
};

// Two lines: "2024-05-17 10:20:31  58 km/h  046°" and "G X +0.12 Y -0.03 Z +1.00  25.033012 N ...".
std::array<std::string, 2> BandLines(const BandTelemetry& source, double timeMs);

} // namespace vemora::media
