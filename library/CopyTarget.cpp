#include "library/CopyTarget.h"

#include "library/PathWithin.h"
#include "platform/FileAttributes.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vemora {
namespace {

bool IsCardVolumeAt(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool card = IsCardVolume(fd);
    ::close(fd);
    return card;
}

bool SameVolume(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev;
}

} // namespace

std::vector<std::string> ScannedRoots(const std::vector<RecordingInfo>& records) {
    std::vector<std::string> roots;
    for (const RecordingInfo& record : records)
        if (std::find(roots.begin(), roots.end(), record.rootFolder) == roots.end())
            roots.push_back(record.rootFolder);
    return roots;
}

CopyTargetProblem CheckCopyTarget(const std::vector<std::string>& scannedRoots, const std::string& target) {
    for (const std::string& root : scannedRoots)
        if (IsSameOrBelow(root, target))
            return CopyTargetProblem::InsideScannedTree;
    for (const std::string& root : scannedRoots)
        if (SameVolume(root, target) && IsCardVolumeAt(root))
            return CopyTargetProblem::OnTheCard;
    return CopyTargetProblem::None;
}

uint64_t CopyBytesNeeded(const FileOpPlan& plan) {
    uint64_t total = 0;
    uint64_t replaced = 0;
    for (const FileJob& job : plan.jobs) {
        total += job.bytes;
        struct stat st {};
        if (::lstat(job.destination.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            replaced += static_cast<uint64_t>(st.st_size);
    }
    return total > replaced ? total - replaced : 0;
}

CopyTargetProblem CheckFreeSpace(const std::string& target, uint64_t bytesNeeded, uint64_t* available) {
    struct statvfs fs {};
    if (::statvfs(target.c_str(), &fs) != 0)
        return CopyTargetProblem::None;
    const uint64_t free = static_cast<uint64_t>(fs.f_bavail) * static_cast<uint64_t>(fs.f_frsize);
    if (available)
        *available = free;
    return free < bytesNeeded ? CopyTargetProblem::NotEnoughSpace : CopyTargetProblem::None;
}

} // namespace vemora
