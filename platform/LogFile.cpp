#include "platform/LogFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {

std::FILE* OpenLogFile(const std::string& path) {
    // Not truncated at open: a pipe or device in its place is refused before anything happens.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0 ||
        ::fcntl(fd, F_SETFL, 0) != 0) {
        const int code = S_ISREG(st.st_mode) ? errno : EINVAL;
        ::close(fd);
        errno = code;
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "w");
    if (!file)
        ::close(fd);
    return file;
}

} // namespace vemora
