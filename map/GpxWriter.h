#pragma once
// The GPX 1.1 file of one recording's GPS track: the same valid fixes as the KML export, as one
// track segment, with the UTC time of each fix and its speed and course as extensions.
//
// Times: points of formats 1-4 hold the recorder's UTC time moved to a zone estimated from the
// position; the same estimate moves it back. Format 0 records are written by the recorder as they
// come from the GPS receiver and are taken as UTC as they stand.

#include "map/ExportPoints.h"
#include "map/KmlWriter.h"
#include "telemetry/TelemetryModel.h"

#include <optional>
#include <string>
#include <vector>

namespace vemora {

// Namespace of the speed (m/s) and course (degrees) extension elements.
inline constexpr const char* kGpxExtensionNamespace = "urn:vemora-viewer:gpx:1";

// Seconds since 1970 UTC of a point's time; nothing when the point carries no (or no valid) time.
std::optional<int64_t> PointUtcTime(TelemetryFormat format, const ExportPoint& point);

// "2024-03-05T07:08:09Z".
std::string IsoUtcText(int64_t utcSeconds);

// Writes the GPX file of `recording` into `folder` (which must exist), named
// ExportFileName(fileName, startTime, ".GPX").
ExportResult SaveGpx(const std::string& folder, const ExportRecording& recording,
                     const TelemetryTrack& track);

// One recording's share of a GPX file that follows a drive across recordings: the points of its
// track whose playback time lies in [fromMs, toMs].
struct GpxShare {
    ExportRecording recording;
    const TelemetryTrack* track = nullptr;
    int64_t fromMs = 0;
    int64_t toMs = 0;
};

// The GPX text of a stretch of a drive, the shares' points in order as one track segment named
// `name`; the description is the first share's.
std::string GpxTextOfShares(const std::string& name, const std::vector<GpxShare>& shares);

// Writes the GPX file of `recording` at `path` (a name the user chose).
ExportResult WriteGpxFile(const std::string& path, const ExportRecording& recording,
                          const TelemetryTrack& track);

} // namespace vemora
