#pragma once
// One listed recording file: where it lives, its lock marks and what its container reader found.

#include "telemetry/ReadVerdict.h"
#include "telemetry/TelemetryModel.h"

#include <cstdint>
#include <string>

namespace vemora {

// The camera that wrote a file. Never stored: derived from the name, by IsFrontFile for grouping
// and by IsRearFile for playback pairing (a name can satisfy neither rule).
enum class CameraSide { Front, Rear };

// Bits of RecordingInfo::lockFlags; the value 0-3 is also the row's padlock image.
inline constexpr uint8_t kEventLock = 0x01;  // padlock marked "G"
inline constexpr uint8_t kManualLock = 0x02; // padlock marked "M"; both bits: plain padlock

struct RecordingInfo {
    int32_t startsGroup = 0; // 1 when this recording opens a group in the sorted list
    uint8_t lockFlags = 0;   // kEventLock | kManualLock
    std::string fileName;    // as found on disk, without folder
    std::string rootFolder;  // the scanned folder, always ending with "/"
    std::string subFolder;   // relative to rootFolder: "" or every component followed by "/"
    ContainerSummary summary;

    // rootFolder + subFolder + fileName: the path used to open, copy, delete and lock the file.
    std::string GetFullPath() const { return rootFolder + subFolder + fileName; }
    // The folder as the user sees it.
    std::string FolderText() const { return rootFolder + subFolder; }
};

// A file with a recorder's name that its container reader turned down, and why.
struct RejectedFile {
    std::string fileName;
    std::string rootFolder; // as RecordingInfo
    std::string subFolder;
    ReadVerdict verdict;

    std::string GetFullPath() const { return rootFolder + subFolder + fileName; }
    // The path below the scanned folder, as the user looks for it on the card.
    std::string RelativePath() const { return subFolder + fileName; }
};

} // namespace vemora
