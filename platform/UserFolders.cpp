#include "platform/UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace vemora {
namespace {

// An XDG variable counts only when it holds an absolute path; otherwise the default below HOME.
std::optional<std::string> BaseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return std::string(value);
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/')
        return std::nullopt;
    std::string base = home;
    if (base.back() != '/')
        base += '/';
    return base + underHome;
}

std::optional<std::string> ProgramFolderIn(std::optional<std::string> base) {
    if (!base)
        return std::nullopt;
    if (base->back() != '/')
        *base += '/';
    return *base + kProgramFolderName;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::optional<std::string> ConfigFolder() {
    return ProgramFolderIn(BaseFolder("XDG_CONFIG_HOME", ".config"));
}

std::optional<std::string> StateFolder() {
    return ProgramFolderIn(BaseFolder("XDG_STATE_HOME", ".local/state"));
}

bool MakeUserFolder(const std::string& folder) {
    if (folder.empty() || folder.front() != '/')
        return false;
    std::string path = folder;
    if (path.back() != '/')
        path += '/';
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700); // existing folders fail harmlessly
    return IsFolder(folder);
}

} // namespace vemora
