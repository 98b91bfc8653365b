#include "library/FileCopy.h"

#include "platform/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vemora {
namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool ok() const { return m_fd >= 0; }
    bool Close() {
        int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Leaves the cause in errno for callers that word it themselves.
bool Fail(std::string* error, const std::string& what, int err) {
    if (error)
        *error = what + ": " + std::strerror(err);
    errno = err;
    return false;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ParentFolder(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Blocks large enough to keep a card reader or USB disk streaming, small enough that Cancel and
// the progress report come several times a second.
constexpr size_t kCopyBlock = 8u << 20;

bool Cancelled(const CopyControl* control) {
    return control && control->cancel && control->cancel->load(std::memory_order_relaxed);
}

void Report(const CopyControl* control, uint64_t copied) {
    if (control && control->onBytes)
        control->onBytes(copied);
}

// One block with read and write, for file systems that cannot copy in the kernel.
ssize_t CopyBlockThroughBuffer(int in, int out, std::vector<char>& buffer) {
    ssize_t n;
    do
        n = ::read(in, buffer.data(), buffer.size());
    while (n < 0 && errno == EINTR);
    if (n > 0 && !WriteAll(out, buffer.data(), static_cast<size_t>(n)))
        return -1;
    return n;
}

bool RefusedBeforeCopying(ssize_t n, uint64_t copied) {
    return n < 0 && copied == 0 &&
           (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP);
}

// The kernel's own copy where both file systems allow it (no round trip through this process),
// else the kernel's transfer between any two files, else a buffer. Returns false with errno set.
bool CopyContents(int in, int out, const CopyControl* control, uint64_t& copied) {
    enum class Way { CopyRange, SendFile, Buffer } way = Way::CopyRange;
    std::vector<char> buffer;
    copied = 0;
    for (;;) {
        if (Cancelled(control)) {
            errno = ECANCELED;
            return false;
        }
        ssize_t n = -1;
        switch (way) {
        case Way::CopyRange:
            n = ::copy_file_range(in, nullptr, out, nullptr, kCopyBlock, 0);
            break;
        case Way::SendFile:
            n = ::sendfile(out, in, nullptr, kCopyBlock);
            break;
        case Way::Buffer:
            if (buffer.empty())
                buffer.resize(1u << 20);
            n = CopyBlockThroughBuffer(in, out, buffer);
            break;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Across file systems, or on ones without support, the kernel refuses before it has
        // copied anything.
        if (way != Way::Buffer && RefusedBeforeCopying(n, copied)) {
            way = way == Way::CopyRange ? Way::SendFile : Way::Buffer;
            continue;
        }
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        copied += static_cast<uint64_t>(n);
        Report(control, copied);
    }
}

} // namespace

bool MakeDirectories(const std::string& path, std::string* error) {
    if (path.empty())
        return Fail(error, "empty folder path", EINVAL);
    std::string full = path;
    if (full.back() != '/')
        full += '/';
    int lastError = 0;
    for (size_t slash = full.find('/', 1); slash != std::string::npos; slash = full.find('/', slash + 1)) {
        // Folders that already exist fail harmlessly here; the final check decides.
        if (::mkdir(full.substr(0, slash).c_str(), 0777) != 0 && errno != EEXIST)
            lastError = errno;
    }
    if (IsDirectory(path))
        return true;
    return Fail(error, "cannot create folder " + path, lastError ? lastError : ENOTDIR);
}

bool CopyFileReplacing(const std::string& source, const std::string& destination, std::string* error,
                       const CopyControl* control) {
    // The file itself, never through a link; a pipe or device put in its place neither blocks the
    // copy nor is read.
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (!in.ok())
        return Fail(error, "cannot open " + source, errno);
    struct stat srcStat {};
    if (::fstat(in.get(), &srcStat) != 0)
        return Fail(error, "cannot examine " + source, errno);
    if (!S_ISREG(srcStat.st_mode))
        return Fail(error, source + " is not a regular file", EINVAL);
    struct stat dstStat {};
    if (::stat(destination.c_str(), &dstStat) == 0 && dstStat.st_dev == srcStat.st_dev &&
        dstStat.st_ino == srcStat.st_ino)
        return Fail(error, "source and destination are the same file", EINVAL);

    // A hidden temporary beside the destination, so that a scan of the destination never lists a
    // half-written copy; created with the user's umask, renamed over the destination once synced.
    std::string reason;
    auto out = WholeFile::Begin(destination, &reason, 0666);
    if (!out)
        return Fail(error, "cannot create a file in " + ParentFolder(destination), errno);
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    uint64_t copied = 0;
    if (!CopyContents(in.get(), out->Descriptor(), control, copied))
        return Fail(error, "cannot copy " + source + " to " + destination, errno);
    // A file that ends early (a card pulled out, a file cut meanwhile) is no copy of it.
    if (copied != static_cast<uint64_t>(srcStat.st_size))
        return Fail(error,
                    "copied " + std::to_string(copied) + " of " + std::to_string(srcStat.st_size) +
                        " bytes of " + source,
                    EIO);
    // A locked (read-only) recording stays locked in its copy; the copy keeps the recording's times.
    struct stat outStat {};
    if (::fstat(out->Descriptor(), &outStat) != 0)
        return Fail(error, "cannot examine the copy of " + source, errno);
    if ((srcStat.st_mode & S_IWUSR) == 0 &&
        ::fchmod(out->Descriptor(), outStat.st_mode & 0777 & ~(S_IWUSR | S_IWGRP | S_IWOTH)) != 0)
        return Fail(error, "cannot make the copy of " + source + " read-only", errno);
    const struct timespec times[2] = {srcStat.st_atim, srcStat.st_mtim};
    if (::futimens(out->Descriptor(), times) != 0)
        return Fail(error, "cannot set the times of the copy of " + source, errno);
    if (!out->Commit(&reason))
        return Fail(error, "cannot write " + destination, errno);
    return true;
}

bool SyncFileSystemOf(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok())
        return false;
    return ::syncfs(fd.get()) == 0;
}

} // namespace vemora
