#pragma once

#include "settings/IniFile.h"

#include <QString>

#include <cstdint>
#include <string>

namespace vemora {

// A window rectangle as stored in section WINPOS (screen pixels, right/bottom exclusive).
struct SavedWindowRect {
    int left = 0;
    int top = 0;
    int right = 800;
    int bottom = 560;
};

// Where and how large the main window opens.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 800;
    int height = 560;
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr int kMinWindowWidth = 800;
inline constexpr int kMinWindowHeight = 560;

// Fits a saved rectangle to a screen whose maximised client area is screenWidth x screenHeight:
// at least 800 x 560, at most the screen, moved back when it sticks out right or below, never at
// negative coordinates.
WindowPlacement RestoreWindowRect(const SavedWindowRect& saved, int screenWidth, int screenHeight);

inline constexpr const char* kSettingsFileName = "Kalvo.ini";

// The settings file Kalvo.ini in the user's configuration folder: language, map page, panel
// switches, last folder and window position. Every value is read from the file when asked for
// and written at once; nothing is cached. Used from the GUI thread only.
class SettingsFile {
public:
    // The process-wide object, created on first use over DefaultSettingsPath(). On the very
    // first run, a Kalvo.ini of the current directory (of older versions) is imported there;
    // the current directory is never written.
    static SettingsFile& Instance();

    // An object over any settings file (tests, tools). Runs LoadLanguage.
    explicit SettingsFile(std::string strPath);

    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // "UI"/"LANGID" (default "ENG") -> m_nLangIndex when the code is known; m_wLangId follows.
    void LoadLanguage();

    // Selects table entry index (0..15) and writes its code to "UI"/"LANGID"; returns the write's
    // success. Any other index changes and writes nothing and returns false.
    bool SetLanguage(int nIndex);

    // Writes value as decimal text; returns the write's success.
    bool WriteInt(const char* section, const char* key, int value);

    // "UI"/"MAP" limited to 0..1 (0 = Google map page, 1 = China map page), stored in m_nMapType.
    int ReadMapType();
    // "UI"/"GMAP_KEY": the API key of the Google map page; empty when none is set, and the page
    // then draws on free map tiles.
    QString ReadMapKey() const;
    // "UI"/"MAP_ENABLE": map panel shown (default on; any non-zero value is on).
    bool ReadMapEnabled() const;
    // "UI"/"GSNR_ENABLE": G-sensor curve shown (default on; any non-zero value is on).
    bool ReadGSensorEnabled() const;
    // "UI"/"SYNC": the rear camera kept on the front camera's time by the player controller
    // (default on; 0 leaves the two players uncorrected).
    bool ReadSyncEnabled() const;

    // "UI"/"Folder" (at most 1023 characters), or empty when that folder no longer exists.
    QString GetFolder() const;
    // Writes "UI"/"Folder" (the caller passes empty text for a path that does not exist).
    bool WriteFolder(const QString& strFolder);

    // Section WINPOS with the defaults 0, 0, 800, 560.
    SavedWindowRect ReadWindowRect() const;
    // Writes LEFT, TOP, RIGHT, BOTTOM in that order; true when all four were written.
    bool SaveWindowRect(const SavedWindowRect& rect);

    // The text of string id in the current language, falling back to Japanese; empty when neither
    // holds the id. Asked again each time a text is needed.
    QString LoadUiString(int nId);

    const IniFile& File() const { return m_file; }

    std::string m_strPath;
    int m_nLangIndex;
    std::uint16_t m_wLangId;
    int m_nMapType = 0;

private:
    // Makes the configuration folder and imports an older settings file; gives the path.
    static std::string PrepareDefaultSettings();
    IniFile m_file;
};

// "$XDG_CONFIG_HOME/vemora-viewer/Kalvo.ini" (default ~/.config); empty when the user has no
// home folder to keep it in (every setting then keeps its default and nothing is written).
std::string DefaultSettingsPath();

// Copies source (a settings file of an older version, in the current directory) to target when
// target does not exist yet: only a regular file of the user's own, never through a link, never
// from a memory card's volume (FAT, exFAT), at most IniFile::kMaxFileSize. Source is only read.
// True when target was written.
bool ImportSettingsFile(const std::string& source, const std::string& target);

} // namespace vemora
