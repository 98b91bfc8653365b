#pragma once
// String-table ids of the incident search, its list and its marks.

namespace vemora::ids {

inline constexpr int kIncidentProgress = 600;       // "Looking for incidents… %1 / %2"
inline constexpr int kIncidentsCaption = 601;       // "Incidents"
inline constexpr int kIncidentsMenuEntry = 602;     // "Incidents…"
inline constexpr int kIncidentWhenColumn = 603;     // "Date and time"
inline constexpr int kIncidentDriveColumn = 604;    // "Drive"
inline constexpr int kIncidentKindColumn = 605;     // "Kind"
inline constexpr int kIncidentStrengthColumn = 606; // "Strength"
inline constexpr int kIncidentSpeedColumn = 607;    // "Speed"
inline constexpr int kIncidentJolt = 608;           // "Jolt"
inline constexpr int kIncidentHardBraking = 609;    // "Hard braking"
inline constexpr int kIncidentAllKinds = 610;       // "All kinds"
inline constexpr int kIncidentExport = 611;         // "Export list…"
inline constexpr int kIncidentClose = 612;          // "Close"
inline constexpr int kIncidentKeyHelp = 613;        // "List of the card's incidents"
inline constexpr int kIncidentExportFailed = 614;   // "The list could not be written: %1"
inline constexpr int kIncidentFileColumn = 615;     // "File"
inline constexpr int kIncidentNone = 616;           // "No incidents found on this card."
inline constexpr int kIncidentReport = 850;         // "Incident report…" (the pack of the incident)

} // namespace vemora::ids
