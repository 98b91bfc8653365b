#include "settings/SettingsFile.h"

#include "settings/LanguageTable.h"
#include "settings/StringTables.h"

#include "platform/FileAttributes.h"
#include "platform/UserFolders.h"
#include "platform/WholeFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

constexpr std::size_t kLangIdMaxChars = 63;
constexpr std::size_t kFolderMaxChars = 1023;
constexpr std::size_t kMapKeyMaxChars = 127;

constexpr const char* kSectionUi = "UI";
constexpr const char* kSectionWinPos = "WINPOS";

} // namespace

std::string DefaultSettingsPath() {
    const std::optional<std::string> folder = ConfigFolder();
    return folder ? *folder + "/" + kSettingsFileName : std::string();
}

bool ImportSettingsFile(const std::string& source, const std::string& target) {
    if (target.empty() || source.empty())
        return false;
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0 || errno != ENOENT)
        return false;
    // Only the user's own regular file, read without following a link or waiting on a pipe.
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    std::string bytes;
    // A memory card (FAT or exFAT, as recorders format them) may hold anybody's Kalvo.ini.
    bool read = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
                static_cast<std::size_t>(st.st_size) <= IniFile::kMaxFileSize && !IsCardVolume(fd);
    while (read) {
        char buffer[16384];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || bytes.size() + static_cast<std::size_t>(n) > IniFile::kMaxFileSize) {
            read = n == 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    const std::size_t slash = target.rfind('/');
    return read && slash != std::string::npos && MakeUserFolder(target.substr(0, slash)) &&
           WriteWholeFile(target, bytes, nullptr, 0600);
}

WindowPlacement RestoreWindowRect(const SavedWindowRect& saved, int screenWidth, int screenHeight) {
    WindowPlacement placement;
    // The differences are taken in 64 bits: saved values are arbitrary integers from the file.
    const long long savedWidth = static_cast<long long>(saved.right) - saved.left;
    const long long savedHeight = static_cast<long long>(saved.bottom) - saved.top;
    placement.width =
        static_cast<int>(std::min<long long>(std::max<long long>(savedWidth, kMinWindowWidth), screenWidth));
    placement.height = static_cast<int>(
        std::min<long long>(std::max<long long>(savedHeight, kMinWindowHeight), screenHeight));
    const int maxX = screenWidth - placement.width;
    const int maxY = screenHeight - placement.height;
    placement.x = saved.left > maxX ? maxX : std::max(saved.left, 0);
    placement.y = saved.top > maxY ? maxY : std::max(saved.top, 0);
    return placement;
}

SettingsFile& SettingsFile::Instance() {
    static SettingsFile settings(PrepareDefaultSettings());
    return settings;
}

std::string SettingsFile::PrepareDefaultSettings() {
    const std::string path = DefaultSettingsPath();
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && MakeUserFolder(path.substr(0, slash)))
        ImportSettingsFile(kSettingsFileName, path);
    return path;
}

SettingsFile::SettingsFile(std::string strPath)
    : m_strPath(std::move(strPath)), m_nLangIndex(kJapaneseIndex),
      m_wLangId(LanguageTable[kJapaneseIndex].LangId()), m_file(m_strPath) {
    LoadLanguage();
}

void SettingsFile::LoadLanguage() {
    const std::string code = m_file.ReadString(kSectionUi, "LANGID", "ENG", kLangIdMaxChars);
    const int index = FindLanguage(QString::fromUtf8(code).toStdU16String());
    if (index >= 0)
        m_nLangIndex = index;
    m_wLangId = LanguageTable[static_cast<std::size_t>(m_nLangIndex)].LangId();
}

bool SettingsFile::SetLanguage(int nIndex) {
    if (nIndex < 0 || nIndex >= kLanguageCount)
        return false;
    m_nLangIndex = nIndex;
    const LanguageEntry& entry = LanguageTable[static_cast<std::size_t>(nIndex)];
    m_wLangId = entry.LangId();
    const QString code = QString::fromStdU16String(std::u16string(entry.code));
    return m_file.WriteString(kSectionUi, "LANGID", code.toStdString());
}

bool SettingsFile::WriteInt(const char* section, const char* key, int value) {
    return m_file.WriteInt(section, key, value);
}

int SettingsFile::ReadMapType() {
    m_nMapType = std::clamp(m_file.ReadInt(kSectionUi, "MAP", 0), 0, 1);
    return m_nMapType;
}

QString SettingsFile::ReadMapKey() const {
    return QString::fromUtf8(m_file.ReadString(kSectionUi, "GMAP_KEY", "", kMapKeyMaxChars));
}

bool SettingsFile::ReadMapEnabled() const {
    return m_file.ReadInt(kSectionUi, "MAP_ENABLE", 1) != 0;
}

bool SettingsFile::ReadGSensorEnabled() const {
    return m_file.ReadInt(kSectionUi, "GSNR_ENABLE", 1) != 0;
}

bool SettingsFile::ReadSyncEnabled() const {
    return m_file.ReadInt(kSectionUi, "SYNC", 1) != 0;
}

QString SettingsFile::GetFolder() const {
    const QString folder = QString::fromUtf8(m_file.ReadString(kSectionUi, "Folder", "", kFolderMaxChars));
    if (folder.isEmpty() || !QFileInfo::exists(folder))
        return {};
    return folder;
}

bool SettingsFile::WriteFolder(const QString& strFolder) {
    return m_file.WriteString(kSectionUi, "Folder", strFolder.toStdString());
}

SavedWindowRect SettingsFile::ReadWindowRect() const {
    SavedWindowRect rect;
    rect.left = m_file.ReadInt(kSectionWinPos, "LEFT", 0);
    rect.top = m_file.ReadInt(kSectionWinPos, "TOP", 0);
    rect.right = m_file.ReadInt(kSectionWinPos, "RIGHT", kMinWindowWidth);
    rect.bottom = m_file.ReadInt(kSectionWinPos, "BOTTOM", kMinWindowHeight);
    return rect;
}

bool SettingsFile::SaveWindowRect(const SavedWindowRect& rect) {
    // One rewrite of the file for the four keys.
    const IniValue values[] = {{"LEFT", std::to_string(rect.left)},
                               {"TOP", std::to_string(rect.top)},
                               {"RIGHT", std::to_string(rect.right)},
                               {"BOTTOM", std::to_string(rect.bottom)}};
    return m_file.WriteValues(kSectionWinPos, values);
}

QString SettingsFile::LoadUiString(int nId) {
    m_wLangId = LanguageTable[static_cast<std::size_t>(m_nLangIndex)].LangId();
    return StringTables::Instance().LookupWithFallback(m_wLangId, nId);
}

} // namespace vemora
