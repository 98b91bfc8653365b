#pragma once
// The SHA-256 of a whole file as sha256sum prints it: how a kept copy or a pack's original is
// recognised and checked against the card's file.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vemora {

struct FileHashOptions {
    // The file's cached pages are dropped first, so the hash is of what the disk holds: the
    // check of a copy just written would otherwise read the page cache.
    bool fromDisk = false;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(uint64_t bytesRead)> progress;
};

// The hash of the file at path, read in blocks with O_NOFOLLOW; empty when it cannot be read,
// with the reason (strerror's text, or "cancelled") in *reason.
std::string Sha256OfFile(const std::string& path, std::string* reason, const FileHashOptions& options = {});

} // namespace vemora
