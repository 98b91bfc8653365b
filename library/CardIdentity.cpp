#include "library/CardIdentity.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <vector>

namespace vemora {
namespace {

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string AbsoluteFolder(const std::string& folder) {
    char resolved[PATH_MAX];
    if (::realpath(folder.c_str(), resolved))
        return WithSlash(resolved);
    return WithSlash(folder);
}

struct Mount {
    std::string point;
    dev_t device = 0;
};

// The mount whose point is the longest prefix of folder.
Mount MountOf(const std::string& folder) {
    Mount best;
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string id, parent, majorMinor, root, point;
        if (!(fields >> id >> parent >> majorMinor >> root >> point))
            continue;
        point = WithSlash(UnescapeMountField(point));
        if (folder.compare(0, point.size(), point) != 0 || point.size() < best.point.size())
            continue;
        unsigned major = 0, minor = 0;
        if (std::sscanf(majorMinor.c_str(), "%u:%u", &major, &minor) != 2)
            continue;
        best.point = point;
        best.device = makedev(major, minor);
    }
    return best;
}

// The name in /dev/disk/<folder> whose link leads to the device, decoded ("\x20" for a space).
std::string DiskNameOf(const char* folder, dev_t device) {
    if (device == 0)
        return {};
    DIR* dir = ::opendir(folder);
    if (!dir)
        return {};
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        if (::stat((std::string(folder) + "/" + name).c_str(), &st) == 0 && S_ISBLK(st.st_mode) &&
            st.st_rdev == device) {
            found = name;
            break;
        }
    }
    ::closedir(dir);
    std::string decoded;
    for (size_t i = 0; i < found.size(); ++i) {
        unsigned code = 0;
        if (found[i] == '\\' && i + 3 < found.size() && found[i + 1] == 'x' &&
            std::sscanf(found.substr(i + 2, 2).c_str(), "%2x", &code) == 1) {
            decoded += static_cast<char>(code);
            i += 3;
        } else {
            decoded += found[i];
        }
    }
    return decoded;
}

bool IsRemovableMountPoint(const std::string& point) {
    for (const char* prefix : {"/media/", "/run/media/", "/mnt/"})
        if (point.rfind(prefix, 0) == 0 && point.size() > std::string(prefix).size())
            return true;
    return false;
}

} // namespace

std::string UnescapeMountField(const std::string& field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3') {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::string CardIdentity::DisplayName() const {
    if (!label.empty())
        return label;
    if (!uuid.empty())
        return uuid;
    return folder;
}

CardIdentity IdentifyCard(const std::string& folder) {
    CardIdentity card;
    card.folder = AbsoluteFolder(folder);
    const Mount mount = MountOf(card.folder);
    // Only a volume where the system mounts removable media is a card; a folder on a fixed disk is
    // known by its path (its disk's UUID would name every folder of that disk alike).
    if (!IsRemovableMountPoint(mount.point)) {
        card.key = "folder:" + card.folder;
        return card;
    }
    card.uuid = DiskNameOf("/dev/disk/by-uuid", mount.device);
    if (!card.uuid.empty()) {
        card.label = DiskNameOf("/dev/disk/by-label", mount.device);
        card.mountPath = mount.point;
        card.key = "uuid:" + card.uuid;
    } else {
        card.key = "folder:" + card.folder;
    }
    return card;
}

} // namespace vemora
