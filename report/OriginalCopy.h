#pragma once
// A byte copy of a recording from the card, proven equal to it: the card's file is hashed while
// it is copied, the copy is written whole (temporary, fsync, rename) with the original's
// modification time, its cached pages are dropped, and it is read back from the disk and hashed
// again. Only when the two SHA-256 agree is the copy kept.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vemora::report {

struct CopiedOriginal {
    bool ok = false;
    bool cancelled = false;
    std::string error; // readable, with the file it concerns
    std::string source;
    std::string copy;
    uint64_t size = 0;
    int64_t mtime = 0; // seconds since 1970 (UTC) of the card's file
    std::string sha256;
};

// Copies source to target (which must not exist). progress gets the bytes done of this file's
// three passes (read, write, read back: 2 x size in all, the writing rides on the first pass);
// cancel is checked every block.
CopiedOriginal CopyAndVerify(const std::string& source, const std::string& target,
                             const std::atomic<bool>* cancel = nullptr,
                             const std::function<void(uint64_t done)>& progress = {});

// The SHA-256 of a file as it is on the disk now (its cached pages dropped first); empty with
// the reason in *error when it cannot be read.
std::string HashFileFromDisk(const std::string& path, std::string* error,
                             const std::atomic<bool>* cancel = nullptr,
                             const std::function<void(uint64_t done)>& progress = {});

} // namespace vemora::report
