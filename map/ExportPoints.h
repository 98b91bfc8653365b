#pragma once
// The GPS points that leave the program in an export file: the valid fixes of the loaded track,
// in track order, with coordinates in decimal degrees (read through the track's timeline).

#include "telemetry/TelemetryModel.h"

#include <array>
#include <cstdint>
#include <functional>

namespace vemora {

struct ExportPoint {
    double latitude = 0;  // decimal degrees
    double longitude = 0; // decimal degrees
    int32_t reserved = 0; // offset-16 value of the stored record (format 0 and 3), else 0
    uint16_t speedKmh = 0;
    uint8_t headingHalf = 0;
    std::array<uint8_t, 6> dateTime{}; // as held in the track; year byte 0 = no time
};

// Calls `visit` for every exportable point. A point is exportable when its valid bit is set and
// both coordinates are finite; a format 0 record is also dropped when a converted coordinate is
// 200 degrees or more (a record the recorder filled with a placeholder).
void ForEachExportPoint(TelemetryFormat format, const TelemetryTrack& track,
                        const std::function<void(const ExportPoint&)>& visit);
// The same, with each point's record index in the track (for its playback time).
void ForEachExportPointIndexed(TelemetryFormat format, const TelemetryTrack& track,
                               const std::function<void(size_t index, const ExportPoint&)>& visit);

} // namespace vemora
