#pragma once
// String-table ids of the clip export's texts.

namespace vemora::cliptext {

inline constexpr int kMenuEntry = 300;       // "Export clip…"
inline constexpr int kKeyMarkIn = 301;       // "Mark the start of a clip"
inline constexpr int kKeyMarkOut = 302;      // "Mark the end of a clip"
inline constexpr int kKeyExport = 303;       // "Export a clip of both cameras"
inline constexpr int kTitle = 304;           // "Export clip"
inline constexpr int kStart = 305;           // "Start (s)"
inline constexpr int kEnd = 306;             // "End (s)"
inline constexpr int kLayout = 307;          // "Layout"
inline constexpr int kLayoutSide = 308;      // "Side by side"
inline constexpr int kLayoutPip = 309;       // "Picture in picture"
inline constexpr int kLayoutFront = 310;     // "Front camera only"
inline constexpr int kLayoutRear = 311;      // "Rear camera only"
inline constexpr int kBand = 312;            // "Telemetry band below the pictures"
inline constexpr int kQuality = 313;         // "Quality"
inline constexpr int kQualityStandard = 314; // "Standard"
inline constexpr int kQualityHigh = 315;     // "High"
inline constexpr int kFile = 316;            // "File"
inline constexpr int kBrowse = 317;          // "Browse…"
inline constexpr int kExporting = 318;       // "Exporting the clip…"
inline constexpr int kTimeLeft = 319;        // "%1 s left"
inline constexpr int kSaved = 320;           // "The clip has been saved:\n%1"
inline constexpr int kShowInFolder = 321;    // "Show in folder"
inline constexpr int kFailed = 322;          // "The clip could not be exported.\n%1"
inline constexpr int kCancelled = 323;       // "The export was cancelled. No file was left behind."
inline constexpr int kNotOnCard = 324;       // "Choose a folder that is not on the card being viewed."
inline constexpr int kMarksApart = 325;      // "The two marks are not in the same drive."
inline constexpr int kBusy = 326;            // "A clip is being exported."
inline constexpr int kRearMissing = 327;     // "... the clip shows the front camera only."
inline constexpr int kFrontMissing = 328;    // "... the clip shows the rear camera only."
inline constexpr int kFileFilter = 329;      // "MP4 video"
inline constexpr int kExport = 330;          // "Export"
inline constexpr int kReplaceAsk = 700;      // "A file named %1 already exists. Replace it?"
inline constexpr int kReplace = 701;         // "Replace"
inline constexpr int kNoRecording = 136;     // "No files in list."
inline constexpr int kOk = 107;
inline constexpr int kCancel = 108;

} // namespace vemora::cliptext
