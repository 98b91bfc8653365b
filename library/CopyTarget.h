#pragma once
// Where copies of recordings may go: never into the folder tree being viewed (the copies would be
// listed, and copied again, next time), never onto the memory card itself (the recorder reuses
// its space), and only where they fit.

#include "library/RecordingFileOps.h"
#include "library/RecordingInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vemora {

enum class CopyTargetProblem {
    None,
    InsideScannedTree, // the target is a scanned folder or lies below one
    OnTheCard,         // the target lies on the memory card a scanned folder is on
    NotEnoughSpace,    // fewer bytes free at the target than the copies need
};

// The folders the listed recordings were found in, each once.
std::vector<std::string> ScannedRoots(const std::vector<RecordingInfo>& records);

// Checks target against the scanned folders (the roots of the listed recordings). A card is a
// FAT or exFAT volume, as recorders format them: a target on the same volume as a scanned folder
// on such a volume is refused. Folders that cannot be examined are not held against the target.
CopyTargetProblem CheckCopyTarget(const std::vector<std::string>& scannedRoots, const std::string& target);

// What a copy plan adds to its target's volume: each copy's size, less what the file it replaces
// holds.
uint64_t CopyBytesNeeded(const FileOpPlan& plan);

// NotEnoughSpace when the volume of target has fewer than bytesNeeded bytes free for the user;
// the free bytes in *available when given. None also when the free space cannot be read.
CopyTargetProblem CheckFreeSpace(const std::string& target, uint64_t bytesNeeded,
                                 uint64_t* available = nullptr);

} // namespace vemora
