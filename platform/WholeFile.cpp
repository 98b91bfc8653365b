#include "platform/WholeFile.h"

#include "platform/PathParts.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

constexpr std::string_view kPartMark = ".part-";
constexpr int kNameAttempts = 16;

std::string Hex(unsigned value) {
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value, 16);
    return std::string(text, result.ptr);
}

// The reason alone: callers name the file in their own words. errno keeps the code for callers
// that word the reason themselves.
bool Fail(std::string* error, const std::string& /*what*/, int code) {
    if (error)
        *error = std::strerror(code);
    errno = code;
    return false;
}

bool ProcessIsAlive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

std::string WholeFile::TemporaryPrefix(const std::string& name) {
    return "." + name + std::string(kPartMark);
}

std::optional<pid_t> WholeFile::OwnerOfTemporary(std::string_view fileName) {
    if (fileName.empty() || fileName.front() != '.')
        return std::nullopt;
    const auto mark = fileName.rfind(kPartMark);
    if (mark == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = fileName.substr(mark + kPartMark.size());
    long pid = 0;
    auto result = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (result.ec != std::errc() || result.ptr == rest.data() || *result.ptr != '-' || pid <= 0)
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

WholeFile::WholeFile(std::string target, std::string temporary, int fd)
    : target_(std::move(target)), temporary_(std::move(temporary)), fd_(fd) {}

WholeFile::WholeFile(WholeFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)), fd_(other.fd_),
      done_(other.done_) {
    other.fd_ = -1;
    other.done_ = true;
}

WholeFile::~WholeFile() {
    Abandon();
}

std::string WholeFile::TemporaryNameBeside(const std::string& target) {
    std::random_device entropy;
    const std::string folder = FolderOfPath(target);
    return (folder == "/" ? "" : folder) + "/" + TemporaryPrefix(NameOfPath(target)) +
           std::to_string(::getpid()) + "-" + Hex(entropy());
}

bool WholeFile::IsStaleTemporary(std::string_view fileName) {
    const auto owner = OwnerOfTemporary(fileName);
    return owner && !ProcessIsAlive(*owner);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<WholeFile> WholeFile::Begin(const std::string& target, std::string* error, mode_t mode) {
    // Only a file (or a link, which is replaced) is ever replaced: never a folder, a device or a
    // pipe that happens to carry the name.
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode)) {
        Fail(error, target, S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
        return std::nullopt;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = TemporaryNameBeside(target);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return WholeFile(target, temporary, fd);
        if (errno != EEXIST) {
            Fail(error, target, errno);
            return std::nullopt;
        }
    }
    Fail(error, target, EEXIST);
    return std::nullopt;
}

bool WholeFile::Write(const void* data, std::size_t size, std::string* error) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail(error, target_, errno);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool WholeFile::Commit(std::string* error) {
    if (done_)
        return Fail(error, target_, EBADF);
    if (::fsync(fd_) != 0) {
        const int code = errno;
        Abandon();
        return Fail(error, target_, code);
    }
    const int closed = ::close(fd_);
    const int closeCode = errno;
    fd_ = -1;
    if (closed != 0) {
        Abandon();
        return Fail(error, target_, closeCode);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int code = errno;
        Abandon();
        return Fail(error, target_, code);
    }
    done_ = true;
    SyncFolder(FolderOfPath(target_));
    return true;
}

void WholeFile::Abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!done_ && !temporary_.empty())
        ::unlink(temporary_.c_str());
    done_ = true;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* error, mode_t mode) {
    auto file = WholeFile::Begin(path, error, mode);
    return file && file->Write(bytes, error) && file->Commit(error);
}

int RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!WholeFile::IsStaleTemporary(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace vemora
