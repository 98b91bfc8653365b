#pragma once
// Which card (or folder) a scanned folder belongs to, so that the same card is known again in any
// slot and under any mount path: a volume mounted where removable media go is known by its UUID
// and label (read from the mount table and /dev/disk, never from the card), any other folder by
// its path.

#include <string>

namespace vemora {

struct CardIdentity {
    std::string key;       // "uuid:<UUID>" or "folder:<absolute folder>"
    std::string uuid;      // "" when unknown
    std::string label;     // "" when unknown
    std::string mountPath; // the volume's mount point when the UUID is known, else ""
    std::string folder;    // the scanned folder (absolute, ending with "/")
    // Where the card's relative paths start: the mount point for a known volume, else the folder.
    std::string Root() const { return uuid.empty() ? folder : mountPath; }
    // What the user calls it: the label, else the UUID, else the folder.
    std::string DisplayName() const;
};

// The identity of the card that holds folder.
CardIdentity IdentifyCard(const std::string& folder);

// A mount table line's escaped path ("\040" for a space) as plain text.
std::string UnescapeMountField(const std::string& field);

} // namespace vemora
