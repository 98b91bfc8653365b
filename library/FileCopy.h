#pragma once
// Folder creation and file copying for the copy operation. A copy is written under a temporary
// name in the destination folder, flushed to the device and then renamed over the destination,
// so that an interrupted copy (full disk, card pulled out) never leaves a truncated file under
// the final name.

#include <string>

namespace vemora {

// Creates every missing folder of path, left to right ("a/b/c" makes "a", "a/b", "a/b/c").
// Existing folders are fine. False, with the reason in *error when given, when path is empty or
// does not end up being a folder.
bool MakeDirectories(const std::string& path, std::string* error = nullptr);

// Copies source to destination, replacing an existing destination. The copy gets the source's
// modification time. False, with the reason in *error when given, on any failure; destination
// is then unchanged. Copying a file onto itself is refused.
bool CopyFileReplacing(const std::string& source, const std::string& destination,
                       std::string* error = nullptr);

} // namespace vemora
