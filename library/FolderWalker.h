#pragma once
// Depth-first walk of a folder tree, as a recorder card is laid out: a folder is reported before
// its contents, entries in the order the file system returns them. Hidden and system entries are
// skipped (hidden folders are not entered). The walk always ends: it reaches at most
// kMaxWalkDepth folder levels below the root, never follows a symbolic link to a folder nor one
// that leads out of the root (a link to a file inside the root counts as that file), never
// enters a folder twice (bind mounts), and treats a folder that cannot be opened or read (no
// permission, I/O error of a card pulled out) as having no more entries.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vemora {

inline constexpr int kMaxWalkDepth = 40;

struct WalkEntry {
    const std::string& root;           // the walked folder, ending with "/"
    const std::string& relativeFolder; // "" or every component followed by "/"
    const std::string& name;
    uint32_t attributes; // DOS attribute bits of the entry (platform/FileAttributes.h)
    bool isFolder;
};

using WalkCallback = std::function<void(const WalkEntry& entry)>;

enum class WalkResult {
    Complete,  // every reachable entry was reported (unreadable folders count as empty)
    NotFound,  // the root does not exist or is not a folder
    Cancelled, // *cancel became true during the walk
};

// Walks below root. Folders nested deeper than kMaxWalkDepth levels are reported but not
// entered. Folders that could not be read are counted in *unreadableFolders when given.
WalkResult WalkFolderTree(const std::string& root, const WalkCallback& callback,
                          const std::atomic<bool>* cancel = nullptr, int* unreadableFolders = nullptr);

} // namespace vemora
