#include "report/OriginalCopy.h"

#include "platform/FileHash.h"
#include "platform/Sha256.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vemora::report {

namespace {

constexpr size_t kBlockBytes = size_t{1} << 20;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Reads one block; false on a read error (errno set). *count 0 at the end.
bool ReadBlock(int fd, std::vector<char>& block, size_t* count) {
    for (;;) {
        const ssize_t n = ::read(fd, block.data(), block.size());
        if (n >= 0) {
            *count = static_cast<size_t>(n);
            return true;
        }
        if (errno != EINTR)
            return false;
    }
}

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load();
}

} // namespace

std::string HashFileFromDisk(const std::string& path, std::string* error, const std::atomic<bool>* cancel,
                             const std::function<void(uint64_t)>& progress) {
    std::string reason;
    FileHashOptions options;
    options.fromDisk = true;
    options.cancel = cancel;
    options.progress = progress;
    std::string hex = Sha256OfFile(path, &reason, options);
    if (hex.empty())
        *error = Cancelled(cancel) ? "cancelled" : "cannot read " + path + ": " + reason;
    return hex;
}

CopiedOriginal CopyAndVerify(const std::string& source, const std::string& target,
                             const std::atomic<bool>* cancel, const std::function<void(uint64_t)>& progress) {
    CopiedOriginal result;
    result.source = source;
    result.copy = target;
    auto fail = [&](const std::string& text) {
        result.cancelled = Cancelled(cancel);
        result.error = result.cancelled ? "cancelled" : text;
        return result;
    };
    // A link on the card is not followed out of it.
    Descriptor in(::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (in.Get() < 0 || ::fstat(in.Get(), &info) != 0)
        return fail("cannot read " + source + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return fail(source + ": not a regular file");
    ::posix_fadvise(in.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    std::string error;
    auto out = WholeFile::Begin(target, &error, 0444);
    if (!out)
        return fail("cannot create " + target + ": " + error);
    Sha256 hasher;
    std::vector<char> block(kBlockBytes);
    uint64_t done = 0;
    for (size_t count = 0;;) {
        if (Cancelled(cancel))
            return fail("cancelled");
        if (!ReadBlock(in.Get(), block, &count))
            return fail("cannot read " + source + ": " + std::strerror(errno));
        if (count == 0)
            break;
        hasher.Update(block.data(), count);
        if (!out->Write(block.data(), count, &error))
            return fail("cannot write " + target + ": " + error);
        done += count;
        if (progress)
            progress(done);
    }
    struct stat after {};
    if (::fstat(in.Get(), &after) != 0 || static_cast<uint64_t>(after.st_size) != done ||
        after.st_mtim.tv_sec != info.st_mtim.tv_sec)
        return fail(source + ": the file changed while it was copied");
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::futimens(out->Descriptor(), times);
    if (!out->Commit(&error))
        return fail("cannot write " + target + ": " + error);
    result.size = done;
    result.mtime = info.st_mtim.tv_sec;
    result.sha256 = Sha256::Hex(hasher.Finish());
    const uint64_t firstPass = done;
    const std::string readBack = HashFileFromDisk(target, &error, cancel, [&](uint64_t bytes) {
        if (progress)
            progress(firstPass + bytes);
    });
    if (readBack.empty())
        return fail(error);
    if (readBack != result.sha256)
        return fail(target + ": the copy read back differs from " + source);
    result.ok = true;
    return result;
}

} // namespace vemora::report
