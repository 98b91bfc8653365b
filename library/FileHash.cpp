#include "library/FileHash.h"

#include "platform/Sha256.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace vemora {
namespace {

constexpr std::size_t kFileBlock = 1 << 20;

} // namespace

std::string HashOfFile(const std::string& path, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = std::strerror(errno);
        return {};
    }
    Sha256 hash;
    std::vector<char> block(kFileBlock);
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            if (error)
                *error = std::strerror(errno);
            ::close(fd);
            return {};
        }
        if (got == 0)
            break;
        hash.Update(block.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return Sha256::Hex(hash.Finish());
}

} // namespace vemora
