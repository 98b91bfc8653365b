#pragma once
// String-table ids of the drive log: the Drives window, its map, keeping drives.

namespace vemora::ids {

inline constexpr int kDrivesCaption = 900;        // "Drives"
inline constexpr int kDrivesMenuEntry = 901;      // "Drives…"
inline constexpr int kDrivesKeyHelp = 902;        // "Every drive of every card"
inline constexpr int kDriveCardColumn = 903;      // "Card"
inline constexpr int kDriveDateColumn = 904;      // "Date"
inline constexpr int kDriveStartColumn = 905;     // "Start"
inline constexpr int kDriveEndColumn = 906;       // "End"
inline constexpr int kDriveDurationColumn = 907;  // "Duration"
inline constexpr int kDriveDistanceColumn = 908;  // "Distance"
inline constexpr int kDriveMaxSpeedColumn = 909;  // "Max. speed"
inline constexpr int kDriveIncidentsColumn = 910; // "Incidents"
inline constexpr int kDriveRouteColumn = 911;     // "From → To"
inline constexpr int kDrivesDates = 912;          // "Dates"
inline constexpr int kDrivesDatesTo = 913;        // "to"
inline constexpr int kDrivesSearch = 914;         // "Town or card"
inline constexpr int kDrivesOnlyIncidents = 915;  // "Only drives with incidents"
inline constexpr int kDrivesTotals = 916;         // "%1 drives, %2, %3 driving"
inline constexpr int kDrivesKeep = 917;           // "Keep on this computer…"
inline constexpr int kDrivesClose = 918;          // "Close"
inline constexpr int kDrivesKeepFolder = 919;     // "Choose the folder to keep the drives in"
inline constexpr int kKeepCaption = 920;          // "Keeping drives"
inline constexpr int kKeepReportKept = 921;       // "Kept %1 of %2 files (%3), each verified."
inline constexpr int kKeepReportSkipped = 922;    // "%1 files were kept already and were not copied again."
inline constexpr int kKeepReportFailed = 923;     // "Not kept:"
inline constexpr int kKeepReportCancelled = 924;  // "Cancelled: %1 files were not kept."
inline constexpr int kDriveNotPresent =
    925; // "The files of this drive are not here. They are on %1 (last seen in %2)."
inline constexpr int kDrivesNoCatalogue = 926; // "The drive catalogue could not be opened: %1"
inline constexpr int kUnitKm = 927;            // "%1 km"
inline constexpr int kUnitMiles = 928;         // "%1 mi"
inline constexpr int kUnitKmh = 929;           // "%1 km/h"
inline constexpr int kUnitMph = 930;           // "%1 mph"
inline constexpr int kKeepCopying = 931;       // "Copying and verifying %1"
inline constexpr int kKeepCancel = 932;        // "Cancel"
inline constexpr int kDrivesEmpty = 933;       // "No drives yet: every card or folder opened is listed here."
inline constexpr int kDrivesRecording = 934;   // "Adding drives to the catalogue…"

} // namespace vemora::ids
