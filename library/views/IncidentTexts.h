#pragma once
// String-table ids of the incident search, its list and its marks.

namespace vemora::ids {

inline constexpr int kIncidentProgress = 300;       // "Looking for incidents… %1 / %2"
inline constexpr int kIncidentsCaption = 301;       // "Incidents"
inline constexpr int kIncidentsMenuEntry = 302;     // "Incidents…"
inline constexpr int kIncidentWhenColumn = 303;     // "Date and time"
inline constexpr int kIncidentDriveColumn = 304;    // "Drive"
inline constexpr int kIncidentKindColumn = 305;     // "Kind"
inline constexpr int kIncidentStrengthColumn = 306; // "Strength"
inline constexpr int kIncidentSpeedColumn = 307;    // "Speed"
inline constexpr int kIncidentJolt = 308;           // "Jolt"
inline constexpr int kIncidentHardBraking = 309;    // "Hard braking"
inline constexpr int kIncidentAllKinds = 310;       // "All kinds"
inline constexpr int kIncidentExport = 311;         // "Export list…"
inline constexpr int kIncidentClose = 312;          // "Close"
inline constexpr int kIncidentKeyHelp = 313;        // "List of the card's incidents"
inline constexpr int kIncidentExportFailed = 314;   // "The list could not be written: %1"
inline constexpr int kIncidentFileColumn = 315;     // "File"
inline constexpr int kIncidentNone = 316;           // "No incidents found on this card."

} // namespace vemora::ids
