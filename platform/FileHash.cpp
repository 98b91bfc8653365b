#include "platform/FileHash.h"

#include "platform/Sha256.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace vemora {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

std::string Failed(std::string* reason, const char* text) {
    if (reason)
        *reason = text;
    return {};
}

} // namespace

std::string Sha256OfFile(const std::string& path, std::string* reason, const FileHashOptions& options) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return Failed(reason, std::strerror(errno));
    if (options.fromDisk)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    Sha256 hash;
    std::vector<char> block(kBlockBytes);
    uint64_t done = 0;
    for (;;) {
        if (options.cancel && options.cancel->load()) {
            ::close(fd);
            return Failed(reason, "cancelled");
        }
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            return Failed(reason, std::strerror(code));
        }
        if (got == 0)
            break;
        hash.Update(block.data(), static_cast<std::size_t>(got));
        done += static_cast<uint64_t>(got);
        if (options.progress)
            options.progress(done);
    }
    // What was read for the check need not stay in memory.
    if (options.fromDisk)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    return Sha256::Hex(hash.Finish());
}

} // namespace vemora
