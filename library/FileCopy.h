#pragma once
// Folder creation and file copying for the copy operation. A copy is written under a hidden
// temporary name in the destination folder and renamed over the destination once complete, so
// that an interrupted copy (full disk, card pulled out, Cancel) never leaves a truncated file
// under the final name. Writing out to the device is left to the caller, once for a whole
// operation (SyncFileSystemOf), rather than a stall after every file.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vemora {

// Creates every missing folder of path, left to right ("a/b/c" makes "a", "a/b", "a/b/c").
// Existing folders are fine. False, with the reason in *error when given, when path is empty or
// does not end up being a folder.
bool MakeDirectories(const std::string& path, std::string* error = nullptr);

// Progress and interruption of one copy: onBytes gets the bytes copied so far after every block;
// a set cancel flag ends the copy at its next block (errno ECANCELED).
struct CopyControl {
    std::function<void(uint64_t bytesCopied)> onBytes;
    const std::atomic<bool>* cancel = nullptr;
};

// Copies source to destination, replacing an existing destination (or a link in its place) with
// a file written whole. Only a regular file is copied, never through a link (ELOOP) and never a
// pipe or device (EINVAL); a copy shorter than the source's size is a failure (EIO). The copy gets
// the source's times and the user's usual permissions (read-only when the source is). False on any
// failure, with the reason in *error when given and the system's error code in errno; destination
// is then unchanged and no partial file is left. Copying a file onto itself is refused (EINVAL).
bool CopyFileReplacing(const std::string& source, const std::string& destination,
                       std::string* error = nullptr, const CopyControl* control = nullptr);

// Writes out everything cached for the file system that holds path. False with errno set.
bool SyncFileSystemOf(const std::string& path);

} // namespace vemora
