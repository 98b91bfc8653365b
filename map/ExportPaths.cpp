#include "map/ExportPaths.h"

#include "library/ListTexts.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace vemora {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir)
        return pw->pw_dir;
    return {};
}

std::string EnvOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// Value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: a shell assignment whose quoted value is
// either absolute or starts with "$HOME". Other forms are not written by the desktop's tools.
std::optional<std::string> ReadDocumentsEntry(const std::string& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    std::optional<std::string> found;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            continue;
        value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        if (!value.empty() && value.front() == '/')
            found = value; // the last assignment wins, as when the shell reads the file
    }
    return found;
}

// Start of the last `count` UTF-8 characters of `s` (the extension and its dot).
size_t StartOfLastCharacters(const std::string& s, size_t count) {
    size_t pos = s.size();
    while (count > 0 && pos > 0) {
        --pos;
        if ((static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            --count;
    }
    return pos;
}

} // namespace

std::string DocumentsFolderFor(const std::string& home, const std::string& configHome) {
    if (home.empty())
        return "./";
    const std::string config = configHome.empty() ? home + "/.config" : configHome;
    if (auto entry = ReadDocumentsEntry(config + "/user-dirs.dirs", home))
        return *entry;
    return home + "/Documents";
}

std::string DocumentsFolder() {
    return DocumentsFolderFor(HomeFolder(), EnvOrEmpty("XDG_CONFIG_HOME"));
}

std::string ExportFolder(const std::string& documents) {
    std::string folder = documents;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + "Vemora Viewer/KML/";
}

bool CreateExportFolder(const std::string& folder, std::string* error, int* errorNumber) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && std::filesystem::is_directory(folder, ec))
        return true;
    if (error)
        *error = "cannot create folder " + folder + ": " + (ec ? ec.message() : "not a folder");
    if (errorNumber)
        *errorNumber = ec ? ec.value() : ENOTDIR;
    return false;
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::optional<std::string> ExportFileName(const std::string& fileName, int64_t startTime,
                                          const std::string& extension) {
    // The stamp is never empty for a time the local-time conversion accepts.
    const std::string stamp = FormatLocalTime(startTime, "_%Y_%m_%d_%H-%M-%S");
    if (stamp.empty())
        return std::nullopt;
    return fileName.substr(0, StartOfLastCharacters(fileName, 4)) + stamp + extension;
}

} // namespace vemora
