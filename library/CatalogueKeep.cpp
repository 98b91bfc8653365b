#include "library/CatalogueKeep.h"

#include "library/ListTexts.h"
#include "platform/FileHash.h"
#include "platform/Sha256.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

constexpr std::size_t kCopyBlock = 1 << 20;

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// A regular file of exactly this size is at path (not through a link).
bool HasFileOfSize(const std::string& path, uint64_t size) {
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           static_cast<uint64_t>(st.st_size) == size;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// "NAME.MP4", else "NAME (2).MP4", "NAME (3).MP4", ... whichever is free in folder.
std::string FreeNameIn(const std::string& folder, const std::string& fileName) {
    if (!Exists(folder + fileName))
        return folder + fileName;
    const size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
    const std::string ext = stem.size() == fileName.size() ? std::string() : fileName.substr(dot);
    for (int n = 2;; ++n) {
        std::string candidate = folder + stem + " (" + std::to_string(n) + ")" + ext;
        if (!Exists(candidate))
            return candidate;
    }
}

struct Progress {
    const KeepControl& control;
    uint64_t done = 0;
    uint64_t total = 0;
    void Report(const std::string& file) const {
        if (control.progress)
            control.progress(done, total, file);
    }
    bool Cancelled() const { return control.cancel && control.cancel->load(); }
};

enum class CopyResult { Copied, AlreadyKept, Failed, Cancelled };

struct CopyAttempt {
    CopyResult result = CopyResult::Failed;
    std::string reason;
    KeptCopy copy;
};

class SourceFile {
public:
    explicit SourceFile(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)) {}
    ~SourceFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads the copy back from the disk, not from the page cache, and hashes it.
std::string HashFromDisk(const WholeFile& copy, std::string* error) {
    if (::fdatasync(copy.Descriptor()) != 0) {
        *error = std::strerror(errno);
        return {};
    }
    FileHashOptions options;
    options.fromDisk = true;
    return Sha256OfFile(copy.TempPath(), error, options);
}

CopyAttempt CopyVerified(Catalogue* catalogue, const KeepItem& item, const std::string& target,
                         Progress& progress) {
    CopyAttempt attempt;
    SourceFile source(item.source);
    struct stat st {};
    if (source.Fd() < 0 || ::fstat(source.Fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        attempt.reason = source.Fd() < 0 ? std::strerror(errno) : "not a regular file";
        return attempt;
    }
    std::optional<WholeFile> out = WholeFile::Begin(target, &attempt.reason);
    if (!out)
        return attempt;
    Sha256 hash;
    std::vector<uint8_t> block(kCopyBlock);
    uint64_t copied = 0;
    for (;;) {
        if (progress.Cancelled()) {
            attempt.result = CopyResult::Cancelled;
            return attempt;
        }
        const ssize_t got = ::read(source.Fd(), block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            attempt.reason = std::strerror(errno);
            return attempt;
        }
        if (got == 0)
            break;
        hash.Update(block.data(), static_cast<size_t>(got));
        if (!out->Write(block.data(), static_cast<size_t>(got), &attempt.reason))
            return attempt;
        copied += static_cast<uint64_t>(got);
        progress.done += static_cast<uint64_t>(got);
        progress.Report(item.fileName);
    }
    attempt.copy = KeptCopy{target, Sha256::Hex(hash.Finish()), copied};
    if (catalogue) {
        if (std::optional<KeptCopy> known = catalogue->FindKept(attempt.copy.sha256);
            known && HasFileOfSize(known->path, known->size)) {
            attempt.copy = *known;
            attempt.result = CopyResult::AlreadyKept;
            return attempt; // the temporary goes with out
        }
    }
    const std::string reread = HashFromDisk(*out, &attempt.reason);
    if (reread.empty())
        return attempt;
    if (reread != attempt.copy.sha256) {
        attempt.reason = "the copy reads back differently from the original";
        return attempt;
    }
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out->Descriptor(), times);
    if (!out->Commit(&attempt.reason))
        return attempt;
    attempt.result = CopyResult::Copied;
    return attempt;
}

// True (and the copy in *kept) when the file is known to be kept already, without reading it.
bool KeptBefore(Catalogue* catalogue, const KeepItem& item, KeptCopy* kept) {
    if (!catalogue || item.cardKey.empty())
        return false;
    std::optional<KeptCopy> known =
        catalogue->KeptOfRecording(item.cardKey, item.relativePath, item.startTime);
    if (!known || !HasFileOfSize(known->path, known->size))
        return false;
    struct stat st {};
    if (::stat(item.source.c_str(), &st) == 0 && static_cast<uint64_t>(st.st_size) != known->size)
        return false;
    *kept = *known;
    return true;
}

// A copy under the card's name that the catalogue does not know (it was lost, or another program
// made it) with the same bytes: the file is kept already, and the catalogue learns of it.
bool SameFileKeptBefore(Catalogue* catalogue, const KeepItem& item, const std::string& target) {
    struct stat st {};
    if (item.size == 0 || ::lstat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) != item.size)
        return false;
    const std::string kept = Sha256OfFile(target, nullptr);
    if (kept.empty() || kept != Sha256OfFile(item.source, nullptr))
        return false;
    if (catalogue && !item.cardKey.empty())
        catalogue->RecordKept(item.cardKey, item.relativePath, item.startTime,
                              KeptCopy{target, kept, item.size}, nullptr);
    return true;
}

} // namespace

std::string KeepFolderOf(const std::string& archive, int64_t startTime) {
    return WithSlash(archive) + FormatLocalTime(startTime, "%Y") + "/" +
           FormatLocalTime(startTime, "%Y-%m-%d") + "/";
}

std::vector<KeepItem> KeepItemsOf(const std::vector<CataloguedDrive>& drives, bool lockedOnly) {
    std::vector<KeepItem> items;
    for (const CataloguedDrive& drive : drives)
        for (const CataloguedFile& f : drive.files) {
            if (lockedOnly && !f.locked)
                continue;
            const size_t slash = f.path.rfind('/');
            items.push_back(KeepItem{f.path, slash == std::string::npos ? f.path : f.path.substr(slash + 1),
                                     drive.summary.startTime, drive.card.key, f.relativePath, f.startTime,
                                     f.size});
        }
    return items;
}

KeepReport KeepRecordings(Catalogue* catalogue, const std::vector<KeepItem>& items,
                          const std::string& archive, const KeepControl& control) {
    KeepReport report;
    Progress progress{control};
    for (const KeepItem& item : items)
        progress.total += item.size;
    for (const KeepItem& item : items) {
        if (progress.Cancelled()) {
            report.cancelled = true;
            break;
        }
        KeptCopy kept;
        if (KeptBefore(catalogue, item, &kept)) {
            ++report.skipped;
            progress.done += item.size;
            progress.Report(item.fileName);
            continue;
        }
        const std::string folder = KeepFolderOf(archive, item.driveStart);
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            report.failed.push_back(KeepFailure{item.source, folder + ": " + ec.message()});
            continue;
        }
        RemoveStaleTemporaries(folder);
        if (SameFileKeptBefore(catalogue, item, folder + item.fileName)) {
            ++report.skipped;
            progress.done += item.size;
            progress.Report(item.fileName);
            continue;
        }
        const uint64_t doneBefore = progress.done;
        CopyAttempt attempt = CopyVerified(catalogue, item, FreeNameIn(folder, item.fileName), progress);
        progress.done = doneBefore + item.size;
        switch (attempt.result) {
        case CopyResult::Cancelled:
            report.cancelled = true;
            break;
        case CopyResult::Failed:
            report.failed.push_back(KeepFailure{item.source, attempt.reason});
            break;
        case CopyResult::AlreadyKept:
            ++report.skipped;
            break;
        case CopyResult::Copied:
            ++report.copied;
            ++report.verified;
            report.bytes += attempt.copy.size;
            break;
        }
        if (report.cancelled)
            break;
        if (attempt.result != CopyResult::Failed && catalogue) {
            std::string error;
            if (!catalogue->RecordKept(item.cardKey, item.relativePath, item.startTime, attempt.copy, &error))
                report.failed.push_back(KeepFailure{item.source, "catalogue: " + error});
        }
        progress.Report(item.fileName);
    }
    return report;
}

} // namespace vemora
