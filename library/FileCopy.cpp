#include "library/FileCopy.h"

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

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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
bool CopyContents(int in, int out, const CopyControl* control) {
    enum class Way { CopyRange, SendFile, Buffer } way = Way::CopyRange;
    std::vector<char> buffer;
    uint64_t copied = 0;
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
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.ok())
        return Fail(error, "cannot open " + source, errno);
    struct stat srcStat {};
    if (::fstat(in.get(), &srcStat) != 0)
        return Fail(error, "cannot examine " + source, errno);
    struct stat dstStat {};
    if (::stat(destination.c_str(), &dstStat) == 0 && dstStat.st_dev == srcStat.st_dev &&
        dstStat.st_ino == srcStat.st_ino)
        return Fail(error, "source and destination are the same file", EINVAL);

    const std::string folder = ParentFolder(destination);
    // A hidden name, so that a scan of the destination never lists a half-written copy.
    std::string temp = folder + "/." + BaseName(destination) + ".XXXXXX";
    Fd out(::mkstemp(temp.data()));
    if (!out.ok())
        return Fail(error, "cannot create a file in " + folder, errno);

    auto abandon = [&](const std::string& what) {
        int err = errno;
        out.Close();
        ::unlink(temp.c_str());
        return Fail(error, what, err);
    };
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    if (!CopyContents(in.get(), out.get(), control))
        return abandon("cannot copy " + source + " to " + destination);
    // mkstemp makes 0600; a backup is meant to be read by others too, and a locked (read-only)
    // recording stays locked in its copy.
    ::fchmod(out.get(), (srcStat.st_mode & S_IWUSR) ? 0644 : 0444);
    const struct timespec times[2] = {srcStat.st_atim, srcStat.st_mtim};
    ::futimens(out.get(), times);
    if (!out.Close()) {
        int err = errno;
        ::unlink(temp.c_str());
        return Fail(error, "cannot write " + destination, err);
    }
    if (::rename(temp.c_str(), destination.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Fail(error, "cannot replace " + destination, err);
    }
    return true;
}

bool SyncFileSystemOf(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok())
        return false;
    return ::syncfs(fd.get()) == 0;
}

} // namespace vemora
