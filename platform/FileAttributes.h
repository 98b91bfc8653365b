#pragma once
// The recorder's file attributes: read-only, hidden, system and archive. On FAT volumes (the
// recorder's memory card) these are the real DOS attribute bits, read and written through the
// kernel's FAT ioctls. Elsewhere they are derived: read-only = the owner's write bit is clear,
// archive = always set, hidden = the name starts with ".", system = never.

#include <cstdint>
#include <optional>
#include <string>

namespace vemora {

inline constexpr uint32_t kAttrReadOnly = 0x01;
inline constexpr uint32_t kAttrHidden = 0x02;
inline constexpr uint32_t kAttrSystem = 0x04;
inline constexpr uint32_t kAttrDirectory = 0x10;
inline constexpr uint32_t kAttrArchive = 0x20;

// The attribute bits of a file or folder; nullopt when it cannot be examined (missing, no
// permission). Symbolic links are followed.
std::optional<uint32_t> ReadFileAttributes(const std::string& path);

// The same for an entry of an open folder (no symbolic link followed); fatVolume tells whether
// the folder lies on a FAT volume (IsFatVolume of the folder's descriptor).
std::optional<uint32_t> ReadFileAttributesAt(int folderFd, const char* name, bool fatVolume);

// Writes read-only, hidden, system and archive of a regular file or folder, never through a
// symbolic link (ELOOP). Off FAT only read-only can be kept: it clears every write bit
// (read-only) or gives back the bits that making it read-only took, as far as the user's umask
// allows (the owner's alone when they are unknown). False with errno set when the change failed.
bool WriteFileAttributes(const std::string& path, uint32_t attributes);

// True when the open file or folder lies on a FAT volume.
bool IsFatVolume(int fd);

// True when the open file or folder lies on a volume formatted as recorders format their memory
// cards (FAT or exFAT).
bool IsCardVolume(int fd);

} // namespace vemora
