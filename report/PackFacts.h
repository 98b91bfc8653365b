#pragma once
// Everything an incident pack states, gathered once and then written twice: as report.json for
// machines and as report.pdf for people.

#include "map/NearestPlace.h"
#include "media/RgbFrame.h"
#include "report/MomentFacts.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vemora::report {

// A copied recording of either camera.
struct OriginalFile {
    std::string name;     // file name
    std::string cardPath; // where it was read from
    std::string packPath; // "originals/<name>"
    uint64_t size = 0;
    int64_t mtime = 0; // seconds since 1970, UTC
    std::string sha256;
    bool rear = false;
};

// One of the exact pictures of the moment.
struct Still {
    bool rear = false;
    int offsetSeconds = 0; // from the moment: -3, 0, +2
    std::string packPath;  // "stills/front_-3s.png"; empty when there is no picture
    std::string source;    // the recording file it was decoded from
    int64_t frame = -1;    // number of the picture in that file
    double timeMs = 0;     // its time in that file
    std::shared_ptr<const media::RgbFrame> picture;
};

struct PackFile {
    std::string packPath;
    std::string sha256;
    uint64_t size = 0;
};

struct PackFacts {
    std::string recordingPath; // the file the moment was given in
    std::string recordingName;
    double atMs = 0;   // the moment, from that recording's start
    double fromMs = 0; // the range, on the same clock (may reach into other recordings)
    double toMs = 0;
    TelemetryAt at; // at the moment
    std::optional<FoundIncident> incident;
    std::optional<NearbyPlace> place;
    std::vector<TelemetryAt> perSecond; // the moment +- 15 s, one a second
    std::vector<TimedFix> track;        // every fix of the moment +- 60 s
    std::vector<TimedG> forces;         // every sample of the moment +- 15 s
    std::vector<Still> stills;
    std::vector<OriginalFile> originals;
    std::vector<PackFile> made; // clip, stills, GPX (report.json and report.pdf come after)
    std::vector<std::string> notes;
    int64_t madeUtc = 0; // when the pack was made, seconds since 1970
    bool mph = false;
};

// The stretches the pack covers around the moment.
inline constexpr double kTrackMarginMs = 60000;
inline constexpr double kCurveMarginMs = 15000;
inline constexpr double kIncidentWithinMs = 3000;
inline constexpr int kStillOffsets[] = {-3, 0, 2};

} // namespace vemora::report
