#pragma once
// String-table ids of the incident report's menu entries, dialog and progress (the texts of the
// pack itself are in report/ReportTexts.h).

#include "library/views/IncidentTexts.h"
#include "report/ReportTexts.h"

namespace vemora::reportdlgtext {

inline constexpr int kTitle = report::text::kTitle;     // "Incident report"
inline constexpr int kMenuEntry = ids::kIncidentReport; // "Incident report…"
inline constexpr int kBefore = 851;                     // "Seconds before"
inline constexpr int kAfter = 852;                      // "Seconds after"
inline constexpr int kFolder = 853;                     // "Folder"
inline constexpr int kMake = 854;                       // "Make report"
inline constexpr int kMaking = 855;                     // "Making the incident report…"
inline constexpr int kMade = 856;                       // "The incident report has been made:\n%1"
inline constexpr int kFailed = 857;                     // "The incident report could not be made.\n%1"
inline constexpr int kCancelled = 858;      // "The report was cancelled. No folder was left behind."
inline constexpr int kFolderInUse = 859;    // "Choose a folder that does not exist yet or is empty."
inline constexpr int kBusy = 860;           // "An incident report is being made."
inline constexpr int kMoment = 861;         // "Moment"
inline constexpr int kStageClip = 862;      // "Writing the clip…"
inline constexpr int kStageOriginals = 863; // "Copying and checking the original recordings…"
inline constexpr int kStageDocument = 864;  // "Drawing the report…"
inline constexpr int kNotes = 865;          // "Gaps in the recording:"
inline constexpr int kNotOnCard = 324;      // "Choose a folder that is not on the card being viewed."
inline constexpr int kBrowse = 317;         // "Browse…"
inline constexpr int kShowInFolder = 321;   // "Show in folder"
inline constexpr int kNoRecording = 136;    // "No files in list."
inline constexpr int kOk = 107;
inline constexpr int kCancel = 108;

} // namespace vemora::reportdlgtext
