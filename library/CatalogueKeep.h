#pragma once
// Keeping drives on this computer: their recordings copied into ARCHIVE/YYYY/YYYY-MM-DD/ (the
// drive's start day) under the card's file names, each copy written whole (a temporary beside it,
// synced, renamed) and verified before it gets its name: the copy's cached pages are dropped and
// the copy read back from the disk and hashed (SHA-256), so that the check reads what the disk
// holds rather than the page cache. A recording whose hash the archive already holds is not
// copied again; a file that changed on the card is a new recording and is copied again, under a
// free name when its old copy has the name. The catalogue records every kept copy.

#include "library/Catalogue.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vemora {

// One recording to keep.
struct KeepItem {
    std::string source;       // where it is now
    std::string fileName;     // the card's name
    int64_t driveStart = 0;   // its drive's start: the archive's day folder
    std::string cardKey;      // how the catalogue knows it (may be empty: not catalogued)
    std::string relativePath; // below the card's root
    int64_t startTime = 0;
    uint64_t size = 0; // for the progress; 0 when unknown
};

struct KeepFailure {
    std::string path;
    std::string reason;
};

struct KeepReport {
    int copied = 0;
    int skipped = 0; // already kept
    uint64_t bytes = 0;
    int verified = 0;
    std::vector<KeepFailure> failed;
    bool cancelled = false;
};

struct KeepControl {
    // Bytes copied or read so far of all items, their total, and the file at hand.
    std::function<void(uint64_t done, uint64_t total, const std::string& file)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

// ARCHIVE/YYYY/YYYY-MM-DD/ of a drive starting at startTime (the recorder's local wall clock).
std::string KeepFolderOf(const std::string& archive, int64_t startTime);

// Keeps the items; catalogue may be null (nothing skipped by hash, nothing recorded).
KeepReport KeepRecordings(Catalogue* catalogue, const std::vector<KeepItem>& items,
                          const std::string& archive, const KeepControl& control = {});

// The items of catalogued drives: every file, or only the locked ones.
std::vector<KeepItem> KeepItemsOf(const std::vector<CataloguedDrive>& drives, bool lockedOnly);

} // namespace vemora
