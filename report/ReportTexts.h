#pragma once
// String-table ids of the incident pack's texts (the PDF, the notes), and the look-up the pack is
// given: the desktop program answers it from its compiled translations in the interface
// language, the command-line tool from the same translation files compiled into a table.

#include <functional>
#include <string>

namespace vemora::report {

// The text of an id in the chosen language, UTF-8; empty when unknown.
using TextLookup = std::function<std::string(int id)>;

namespace text {

inline constexpr int kTitle = 800;        // "Incident report"
inline constexpr int kWhat = 801;         // "What"
inline constexpr int kWhen = 802;         // "When"
inline constexpr int kWhere = 803;        // "Where"
inline constexpr int kSpeed = 804;        // "Speed"
inline constexpr int kHeading = 805;      // "Heading"
inline constexpr int kGsensor = 806;      // "G-sensor"
inline constexpr int kJolt = 807;         // "Jolt, %1 g"
inline constexpr int kHardBraking = 808;  // "Hard braking, %1 m/s²"
inline constexpr int kMarkedByUser = 809; // "Marked by the user"
inline constexpr int kNearPlace = 810;    // "near %1 (%2 km)"
inline constexpr int kNoFix = 811;        // "No GPS fix at this moment."
inline constexpr int kNoGsensor = 812;    // "The recording holds no G-sensor data."
inline constexpr int kRearMissing = 813;  // "The rear camera's file is missing: %1"
inline constexpr int kFrontMissing = 814; // "The front camera's file is missing: %1"
inline constexpr int kFrontCamera = 815;  // "Front camera"
inline constexpr int kRearCamera = 816;   // "Rear camera"
inline constexpr int kTrackMap = 817;     // "Track, %1 s either side"
inline constexpr int kSpeedCurve = 818;   // "Speed (km/h), %1 s either side"
inline constexpr int kGCurve = 819;       // "G-sensor (g), %1 s either side"
inline constexpr int kTelemetry = 820;    // "Telemetry, second by second"
inline constexpr int kOffset = 821;       // "Time"
inline constexpr int kLocalTime = 822;    // "Local time"
inline constexpr int kLatitude = 823;     // "Latitude"
inline constexpr int kLongitude = 824;    // "Longitude"
inline constexpr int kOriginals = 825;    // "The original recordings"
inline constexpr int kCardPath = 827;     // "Path on the card"
inline constexpr int kSize = 828;         // "Size"
inline constexpr int kModified = 829;     // "Modified"
inline constexpr int kMadeFiles = 830;    // "Files made for this report"
inline constexpr int kMadeBy = 831;       // "Made with %1 on %2"
inline constexpr int kHowToCheck = 832;   // "How to check ... sha256sum -c SHA256SUMS ..."
inline constexpr int kRecording = 833;    // "Recording"
inline constexpr int kPage = 834;         // "Page %1 of %2"
inline constexpr int kClippedStart =
    835;                                // "The range was shortened: the drive begins %1 s before the moment."
inline constexpr int kClippedEnd = 836; // "The range was shortened: the drive ends %1 s after the moment."
inline constexpr int kBytes = 837;      // "%1 bytes"
inline constexpr int kNoTrack = 838;    // "No GPS fix in this stretch: no track to draw."
inline constexpr int kRange = 839;      // "Range"
inline constexpr int kGaps = 840;       // "Gaps in the recording"
inline constexpr int kNoPicture = 841;  // "No picture"

} // namespace text

// The text of id, with %1, %2 ... replaced by the arguments in turn.
std::string Format(const TextLookup& texts, int id, std::initializer_list<std::string> arguments = {});

} // namespace vemora::report
