#include "platform/FileAttributes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <map>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace vemora {
namespace {

constexpr uint32_t kWritableBits = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Off FAT, making a file read-only clears every write bit; making it writable again must give
// back exactly those bits, not just the owner's. They are kept in an extended attribute of the
// file, or, where the file system keeps none, for the rest of this process.
constexpr const char* kRemovedWriteBits = "user.vemora.removed-write-bits";

std::mutex g_removedMutex;
std::map<std::pair<dev_t, ino_t>, mode_t> g_removedInProcess;

// The process's umask, read without changing it (umask() itself would, for every thread).
mode_t CurrentUmask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask) & 0777;
    }
    return 022;
}

void RememberRemovedWriteBits(int fd, const struct stat& st, mode_t removed) {
    char text[8];
    std::snprintf(text, sizeof text, "%o", static_cast<unsigned>(removed));
    // Set while the file is still writable: user attributes need write access to change.
    if (::fsetxattr(fd, kRemovedWriteBits, text, std::strlen(text), 0) == 0)
        return;
    std::lock_guard<std::mutex> lock(g_removedMutex);
    g_removedInProcess[{st.st_dev, st.st_ino}] = removed;
}

// The write bits taken away when the file was made read-only; the owner's alone when unknown
// (made read-only elsewhere, or in an earlier run on a file system without attributes). The
// attribute travels with the file, so it may come from anywhere: what it gives back is limited
// to write bits, and to those the user's umask lets new files have.
mode_t RemovedWriteBits(int fd, const struct stat& st) {
    mode_t bits = S_IWUSR;
    char text[8] = {};
    ssize_t n = ::fgetxattr(fd, kRemovedWriteBits, text, sizeof text - 1);
    if (n > 0) {
        char* end = nullptr;
        unsigned long value = std::strtoul(text, &end, 8);
        if (end != text)
            bits = static_cast<mode_t>(value);
    } else {
        std::lock_guard<std::mutex> lock(g_removedMutex);
        auto it = g_removedInProcess.find({st.st_dev, st.st_ino});
        if (it != g_removedInProcess.end())
            bits = it->second;
    }
    return (bits & kWriteBits & ~CurrentUmask()) | S_IWUSR;
}

void ForgetRemovedWriteBits(int fd, const struct stat& st) {
    ::fremovexattr(fd, kRemovedWriteBits);
    std::lock_guard<std::mutex> lock(g_removedMutex);
    g_removedInProcess.erase({st.st_dev, st.st_ino});
}

// Read-only off FAT: every write bit cleared, remembered for the way back; writable again: the
// remembered bits restored. Works on the open file, so a link swapped in meanwhile changes
// nothing.
bool WriteModeReadOnly(int fd, bool readOnly) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    const mode_t mode = st.st_mode & 07777;
    if (readOnly) {
        const mode_t removed = mode & kWriteBits;
        if (removed == 0)
            return true;
        RememberRemovedWriteBits(fd, st, removed);
        if (::fchmod(fd, mode & ~kWriteBits) == 0)
            return true;
        const int error = errno;
        ForgetRemovedWriteBits(fd, st);
        errno = error;
        return false;
    }
    if (mode & S_IWUSR)
        return true;
    if (::fchmod(fd, mode | RemovedWriteBits(fd, st)) != 0)
        return false;
    ForgetRemovedWriteBits(fd, st);
    return true;
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool ok() const { return m_fd >= 0; }

private:
    int m_fd;
};

bool NameLooksHidden(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    return start < path.size() && path[start] == '.';
}

uint32_t DerivedAttributes(const struct stat& st, bool hiddenName) {
    uint32_t attrs = kAttrArchive;
    if ((st.st_mode & S_IWUSR) == 0)
        attrs |= kAttrReadOnly;
    if (S_ISDIR(st.st_mode))
        attrs |= kAttrDirectory;
    if (hiddenName)
        attrs |= kAttrHidden;
    return attrs;
}

std::optional<uint32_t> FatAttributes(int fd) {
    uint32_t attrs = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs) != 0)
        return std::nullopt;
    return attrs;
}

// A name starting with "." counts as hidden on FAT too: desktop systems leave such folders on
// cards (trash, search indexes) without setting the DOS bit.
std::optional<uint32_t> AttributesOfOpenFile(int fd, bool hiddenName) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    if (IsFatVolume(fd)) {
        if (auto attrs = FatAttributes(fd))
            return *attrs | (hiddenName ? kAttrHidden : 0);
    }
    return DerivedAttributes(st, hiddenName);
}

int OpenForAttributes(int folderFd, const char* name, bool followLinks) {
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (!followLinks)
        flags |= O_NOFOLLOW;
    return ::openat(folderFd, name, flags);
}

} // namespace

bool IsFatVolume(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC;
}

bool IsCardVolume(int fd) {
    constexpr long kExfatMagic = 0x2011BAB0;
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && (fs.f_type == MSDOS_SUPER_MAGIC || fs.f_type == kExfatMagic);
}

std::optional<uint32_t> ReadFileAttributes(const std::string& path) {
    Fd fd(OpenForAttributes(AT_FDCWD, path.c_str(), true));
    if (fd.ok())
        return AttributesOfOpenFile(fd.get(), NameLooksHidden(path));
    // A file we may not open can still be examined by its mode bits.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return DerivedAttributes(st, NameLooksHidden(path));
}

std::optional<uint32_t> ReadFileAttributesAt(int folderFd, const char* name, bool fatVolume) {
    bool hiddenName = name[0] == '.';
    if (fatVolume) {
        Fd fd(OpenForAttributes(folderFd, name, false));
        if (fd.ok()) {
            if (auto attrs = FatAttributes(fd.get()))
                return *attrs | (hiddenName ? kAttrHidden : 0);
        }
    }
    struct stat st {};
    if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return DerivedAttributes(st, hiddenName);
}

bool WriteFileAttributes(const std::string& path, uint32_t attributes) {
    // The file itself, never what a link in its place points to.
    Fd fd(OpenForAttributes(AT_FDCWD, path.c_str(), false));
    if (!fd.ok())
        return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return false;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        errno = EINVAL;
        return false;
    }
    if (IsFatVolume(fd.get())) {
        auto current = FatAttributes(fd.get());
        if (!current)
            return false;
        uint32_t next = (*current & ~kWritableBits) | (attributes & kWritableBits);
        return ::ioctl(fd.get(), FAT_IOCTL_SET_ATTRIBUTES, &next) == 0;
    }
    return WriteModeReadOnly(fd.get(), (attributes & kAttrReadOnly) != 0);
}

} // namespace vemora
