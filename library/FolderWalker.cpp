#include "library/FolderWalker.h"

#include "library/PathWithin.h"
#include "platform/FileAttributes.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vemora {
namespace {

// One folder being enumerated.
struct Level {
    DIR* dir = nullptr;
    std::string relativeFolder;
    bool fat = false;
};

using FolderId = std::pair<dev_t, ino_t>;

// The open folders of a walk; closed however the walk ends (a callback may throw).
struct LevelStack {
    std::vector<Level> levels;
    ~LevelStack() {
        for (Level& level : levels)
            ::closedir(level.dir);
    }
};

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// Opens a folder for enumeration without following a symbolic link; null when it cannot be read
// or was entered before.
DIR* OpenFolder(int parentFd, const char* name, std::set<FolderId>& visited) {
    int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !visited.insert({st.st_dev, st.st_ino}).second) {
        ::close(fd);
        return nullptr;
    }
    DIR* dir = ::fdopendir(fd);
    if (!dir)
        ::close(fd);
    return dir;
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

enum class EntryKind { File, Folder, Other };

// Folders are never reached through a symbolic link; a link to a file counts as the file when the
// file lies inside the walked folder (realRoot), and as nothing when it leads out of it.
EntryKind KindOf(int folderFd, const dirent* entry, const std::string& realRoot, const std::string& folder) {
    switch (entry->d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_UNKNOWN:
    case DT_LNK:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat st {};
    if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::Other;
    if (S_ISLNK(st.st_mode)) {
        if (realRoot.empty() || !PathWithin(realRoot, folder + entry->d_name) ||
            ::fstatat(folderFd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            return EntryKind::Other;
        return EntryKind::File;
    }
    if (S_ISREG(st.st_mode))
        return EntryKind::File;
    if (S_ISDIR(st.st_mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

std::string RealPathOf(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// Next entry of the folder; null when it has no more or reading failed (an I/O error of a card
// that was pulled out ends the folder like its last entry).
dirent* NextEntry(DIR* dir, bool& failed) {
    errno = 0;
    dirent* entry = ::readdir(dir);
    if (!entry && errno != 0)
        failed = true;
    return entry;
}

} // namespace

WalkResult WalkFolderTree(const std::string& rootIn, const WalkCallback& callback,
                          const std::atomic<bool>* cancel, int* unreadableFolders) {
    struct stat rootStat {};
    if (rootIn.empty() || ::stat(rootIn.c_str(), &rootStat) != 0 || !S_ISDIR(rootStat.st_mode))
        return WalkResult::NotFound;
    const std::string root = WithTrailingSlash(rootIn);

    // Links are judged against where the root really is.
    const std::string realRoot = RealPathOf(root);
    int unreadable = 0;
    std::set<FolderId> visited;
    LevelStack openFolders;
    std::vector<Level>& stack =
        openFolders.levels; // the current folder is stack.back(); below it the saved parents
    if (DIR* dir = OpenFolder(AT_FDCWD, root.c_str(), visited))
        stack.push_back({dir, std::string(), IsFatVolume(::dirfd(dir))});
    else
        ++unreadable;

    WalkResult result = WalkResult::Complete;
    while (!stack.empty()) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            result = WalkResult::Cancelled;
            break;
        }
        Level& level = stack.back();
        bool failed = false;
        dirent* entry = NextEntry(level.dir, failed);
        if (!entry) {
            if (failed)
                ++unreadable;
            ::closedir(level.dir);
            stack.pop_back();
            continue;
        }
        if (IsDotOrDotDot(entry->d_name))
            continue;
        int folderFd = ::dirfd(level.dir);
        EntryKind kind = KindOf(folderFd, entry, realRoot, root + level.relativeFolder);
        if (kind == EntryKind::Other)
            continue;
        auto attributes = ReadFileAttributesAt(folderFd, entry->d_name, level.fat);
        if (!attributes || (*attributes & (kAttrHidden | kAttrSystem)) != 0)
            continue;

        const std::string name = entry->d_name; // the entry is only valid until the next readdir
        const bool isFolder = kind == EntryKind::Folder;
        callback(WalkEntry{root, level.relativeFolder, name, *attributes, isFolder});
        // Saved levels are those below the current one; the root itself is not saved.
        if (!isFolder || static_cast<int>(stack.size()) > kMaxWalkDepth)
            continue;
        DIR* child = OpenFolder(folderFd, name.c_str(), visited);
        if (!child) {
            ++unreadable;
            continue;
        }
        std::string relative = level.relativeFolder + name + "/";
        stack.push_back({child, std::move(relative), IsFatVolume(::dirfd(child))});
    }
    if (unreadableFolders)
        *unreadableFolders = unreadable;
    return result;
}

} // namespace vemora
