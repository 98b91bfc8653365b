#include "telemetry/RecorderFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

time_t BirthTimeOrModification(int fd, const struct stat& st) {
#if defined(STATX_BTIME)
    struct statx sx {};
    if (statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME))
        return static_cast<time_t>(sx.stx_btime.tv_sec);
#else
    (void)fd;
#endif
    return st.st_mtime;
}

RecorderFile::ReadObserver g_readObserver = nullptr;
void* g_readObserverContext = nullptr;

} // namespace

void RecorderFile::SetReadObserver(ReadObserver observer, void* context) {
    g_readObserver = observer;
    g_readObserverContext = context;
}

RecorderFile::~RecorderFile() {
    Close();
}

bool RecorderFile::Open(const std::string& path, std::string* error) {
    Close();
    // Non-blocking, so that a FIFO or device under a recorder's name cannot stall the open; it is
    // refused below, and the flag means nothing for regular files.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    m_openFailure.clear();
    if (fd < 0) {
        m_openFailure = std::strerror(errno);
        if (error)
            *error = path + ": " + m_openFailure;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_openFailure = "not a regular file";
        if (error)
            *error = path + ": " + m_openFailure;
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_length = static_cast<uint64_t>(st.st_size);
    m_position = 0;
    m_path = path;
    return true;
}

void RecorderFile::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_length = 0;
    m_position = 0;
    m_block.clear();
    m_blockStart = 0;
}

bool RecorderFile::ReadFromSystem(uint64_t offset, uint8_t* out, size_t n) {
    // Checked where the system is asked, once per block: cheap, and soon enough for any walk.
    if (m_pCancel && m_pCancel->load(std::memory_order_relaxed)) {
        errno = ECANCELED;
        return false;
    }
    size_t done = 0;
    while (done < n) {
        ++m_readCalls;
        ssize_t got = ::pread(m_fd, out + done, n - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false; // error, or the file shrank under us
        done += static_cast<size_t>(got);
    }
    m_bytesRead += n;
    if (g_readObserver)
        g_readObserver(g_readObserverContext, offset, n);
    return true;
}

bool RecorderFile::ReadAt(uint64_t offset, void* buffer, size_t n) {
    if (m_fd < 0)
        return false;
    if (offset > m_length || n > m_length - offset)
        return false; // never ask for bytes the file does not hold
    if (n == 0)
        return true;
    auto* out = static_cast<uint8_t*>(buffer);
    if (n > kBlockSize)
        return ReadFromSystem(offset, out, n);
    const bool cached = offset >= m_blockStart && offset - m_blockStart <= m_block.size() &&
                        n <= m_block.size() - (offset - m_blockStart);
    if (!cached) {
        size_t want = static_cast<size_t>(std::min<uint64_t>(kBlockSize, m_length - offset));
        m_block.resize(want);
        if (!ReadFromSystem(offset, m_block.data(), want)) {
            m_block.clear();
            return false;
        }
        m_blockStart = offset;
    }
    std::memcpy(out, m_block.data() + (offset - m_blockStart), n);
    return true;
}

bool RecorderFile::Seek(uint64_t offset) {
    if (m_fd < 0)
        return false;
    m_position = offset; // like lseek: seeking beyond the end is allowed, reading there fails
    return true;
}

bool RecorderFile::Read(void* buffer, size_t n) {
    if (!ReadAt(m_position, buffer, n))
        return false;
    m_position += n;
    return true;
}

time_t RecorderFile::CreationTime() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return 0;
    return BirthTimeOrModification(m_fd, st);
}

bool RecorderFile::GetStatus(FileStatus& status) const {
    if (m_fd < 0)
        return false;
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return false;
    status.size = static_cast<uint64_t>(st.st_size);
    status.creationTime = BirthTimeOrModification(m_fd, st);
    status.modificationTime = st.st_mtime;
    status.accessTime = st.st_atime;
    uint32_t attrs = kAttrArchive;
    if (!(st.st_mode & S_IWUSR))
        attrs |= kAttrReadOnly;
    if (BaseName(m_path).starts_with('.'))
        attrs |= kAttrHidden;
    status.attributes = attrs;
    char resolved[PATH_MAX];
    status.fullPath = ::realpath(m_path.c_str(), resolved) ? std::string(resolved) : m_path;
    return true;
}

} // namespace vemora
