#pragma once
// String-table ids of the main window's texts: its buttons' tooltips, its keys, its menus and the
// messages of the window and its players. The English wording is given beside each.

namespace vemora::wintext {

// Menus.
inline constexpr int kAboutEntry = 101;     // "&About Vemora Viewer..."
inline constexpr int kSaveGpxEntry = 220;   // "Save GPS data as GPX…"
inline constexpr int kKeyListEntry = 224;   // "Keyboard shortcuts…"
inline constexpr int kKeyListCaption = 225; // "Keyboard shortcuts"

// Messages and their captions.
inline constexpr int kPlayerError = 102;      // "Media player encountered a error."
inline constexpr int kDeleteCaption = 128;    // "Delete Files"
inline constexpr int kDeleteQuestion = 129;   // "Are you sure to delete the checked files?"
inline constexpr int kSelectFolder = 130;     // "Select a folder"
inline constexpr int kWarningCaption = 131;   // "Warning"
inline constexpr int kFolderMissing = 132;    // "Folder is not exist."
inline constexpr int kPlayerMissing = 133;    // "Loading video component failed. ..."
inline constexpr int kNothingSelected = 135;  // "No seletected files. Please select some files ..."
inline constexpr int kNoFilesInList = 136;    // "No files in list."
inline constexpr int kSelectionCaption = 144; // "Confirm file selection"
inline constexpr int kOkCaption = 145;        // "OK"
inline constexpr int kNoHevcDecoder = 146;    // "This computer does not have the video playback ..."
inline constexpr int kKmlSaved = 125;         // "Save KML file: %s OK."
inline constexpr int kKmlFailed = 126;        // "Save KML file:%s Failed."
inline constexpr int kKmlCaption = 127;       // "Save KML"
inline constexpr int kGpxSaved = 221;         // "Save GPX file: %s OK."
inline constexpr int kGpxFailed = 222;        // "Save GPX file:%s Failed."
inline constexpr int kGpxCaption = 223;       // "Save GPX"

// Why an export failed: the step, then the system's reason.
inline constexpr int kFolderNotCreated = 270; // "The folder %s cannot be created."
inline constexpr int kFileNotCreated = 271;   // "The file %s cannot be created."
inline constexpr int kFileNotWritten = 272;   // "The file %s could not be written completely."
inline constexpr int kPermissionDenied = 273; // "Permission denied."
inline constexpr int kDiskReadOnly = 274;     // "The disk is read-only."
inline constexpr int kDiskFull = 275;         // "The disk is full."
inline constexpr int kNameInTheWay = 276;     // "A file of that name is in the way."

// Tooltips; play/pause, faster, slower and sound also describe their keys.
inline constexpr int kPlayPause = 134;     // "Play/Pause video"
inline constexpr int kSizeSmall = 137;     // "Set Small Window Size."
inline constexpr int kSizeMedium = 138;    // "Set Medium Window Size."
inline constexpr int kSizeLarge = 139;     // "Set Large Window Size."
inline constexpr int kOpenFiles = 179;     // "Open files"
inline constexpr int kSnapshot = 180;      // "Snapshot"
inline constexpr int kSaveAs = 181;        // "Save as"
inline constexpr int kDeleteFiles = 182;   // "Del files"
inline constexpr int kConfiguration = 183; // "Configuration"
inline constexpr int kSlower = 184;        // "Slower speed"
inline constexpr int kStop = 185;          // "Stop"
inline constexpr int kFaster = 186;        // "Faster speed"
inline constexpr int kVolume = 187;        // "Volume"
inline constexpr int kSoundOnOff = 188;    // "Volume On/Off"
inline constexpr int kAutoPlayNext = 189;  // "Auto Play next file."
inline constexpr int kRotate = 190;        // "Rotate 180"
inline constexpr int kSaveKml = 191;       // "Save GPS data to KML file"
inline constexpr int kMapOnOff = 192;      // "Turn On/Off Map"
inline constexpr int kCurveOnOff = 193;    // "Turn On/Off G-Sensor curve"
inline constexpr int kUnlockFiles = 194;   // "Unlock files"
inline constexpr int kCloseProgram = 195;  // "Close AP"
inline constexpr int kMaxWindow = 196;     // "Max window"
inline constexpr int kMinWindow = 197;     // "Min window"
inline constexpr int kAbout = 198;         // "About"
inline constexpr int kSpeedUnit = 199;     // "Change Speed Unit KPH/MPH."

// The key list.
inline constexpr int kKeyBack5 = 226;        // "5 seconds back"
inline constexpr int kKeyForward5 = 227;     // "5 seconds forward"
inline constexpr int kKeyBack30 = 228;       // "30 seconds back"
inline constexpr int kKeyForward30 = 229;    // "30 seconds forward"
inline constexpr int kKeyFrameBack = 230;    // "Pause and step one frame back"
inline constexpr int kKeyFrameForward = 231; // "Pause and step one frame forward"
inline constexpr int kKeyFullScreen = 232;   // "Front camera full screen (again to leave)"
inline constexpr int kKeyNextJolt = 233;     // "To the next jolt of the G-sensor"
inline constexpr int kKeyPreviousJolt = 234; // "To the previous jolt of the G-sensor"
inline constexpr int kKeyResetZoom = 400;    // "Paused picture back to 1× (wheel: zoom, drag: move)"

} // namespace vemora::wintext
