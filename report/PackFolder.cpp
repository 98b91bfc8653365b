#include "report/PackFolder.h"

#include "platform/PathParts.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vemora::report {

namespace {

constexpr int kNameAttempts = 16;

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Every folder below root, deepest first, then root: their entries reach the disk before the
// rename makes them visible under the target's name.
void SyncTree(const std::string& root) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            SyncFolder(it->path().string());
    SyncFolder(root);
}

void RemoveTree(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

} // namespace

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsEmptyFolder(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    bool empty = true;
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            empty = false;
            break;
        }
    ::closedir(dir);
    return empty;
}

std::optional<PackFolder> PackFolder::Begin(const std::string& requested, std::string* error) {
    const std::string target = WithoutTrailingSlashes(requested);
    if (target.empty() || NameOfPath(target).empty() || NameOfPath(target) == "." ||
        NameOfPath(target) == "..") {
        *error = "'" + requested + "' cannot be a pack folder";
        return std::nullopt;
    }
    if (PathExists(target) && !IsEmptyFolder(target)) {
        *error = target + ": exists and is not an empty folder";
        return std::nullopt;
    }
    const std::string parent = FolderOfPath(target);
    struct stat info {};
    if (::stat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        *error = parent + ": no such folder";
        return std::nullopt;
    }
    RemoveStalePackFolders(parent);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = WholeFile::TemporaryNameBeside(target);
        if (::mkdir(temporary.c_str(), 0755) == 0)
            return PackFolder(target, temporary);
        if (errno != EEXIST) {
            *error = "cannot create a folder in " + parent + ": " + std::strerror(errno);
            return std::nullopt;
        }
    }
    *error = "cannot create a folder in " + parent + ": " + std::strerror(EEXIST);
    return std::nullopt;
}

PackFolder::PackFolder(PackFolder&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)), done_(other.done_) {
    other.done_ = true;
}

PackFolder::~PackFolder() {
    Abandon();
}

bool PackFolder::MakeFolder(const std::string& name, std::string* error) const {
    if (::mkdir(PathOf(name).c_str(), 0755) == 0)
        return true;
    *error = "cannot create " + PathOf(name) + ": " + std::strerror(errno);
    return false;
}

bool PackFolder::Commit(std::string* error) {
    if (done_) {
        *error = "the pack folder is gone";
        return false;
    }
    SyncTree(temporary_);
    // An empty folder at the target is replaced; anything else there is never touched.
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        *error = "cannot create " + target_ + ": " + std::strerror(errno);
        Abandon();
        return false;
    }
    done_ = true;
    SyncFolder(FolderOfPath(target_));
    return true;
}

void PackFolder::Abandon() {
    if (!done_ && !temporary_.empty())
        RemoveTree(temporary_);
    done_ = true;
}

int RemoveStalePackFolders(const std::string& parent) {
    DIR* dir = ::opendir(parent.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        if (!WholeFile::IsStaleTemporary(entry->d_name))
            continue;
        const std::string path = parent + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
            stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale)
        RemoveTree(path);
    return static_cast<int>(stale.size());
}

} // namespace vemora::report
