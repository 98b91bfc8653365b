// The settings file as the program sees it: defaults, limits, languages chosen at start, the saved
// window position and what happens when the file cannot be read or written.
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

using namespace std::string_literals;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.path().toStdString() + "/Kalvo.ini";
    }
    void WriteIni(const std::string& text) { WriteBytes(m_path, text); }

    QTemporaryDir m_dir;
    std::string m_path;
};

TEST_F(SettingsFileTest, WithoutAFileEverythingHasItsDefault) {
    SettingsFile settings(m_path);
    EXPECT_EQ(settings.m_nLangIndex, kEnglishIndex);
    EXPECT_EQ(settings.m_wLangId, 0x0409);
    EXPECT_EQ(settings.ReadMapType(), 0);
    EXPECT_EQ(settings.m_nMapType, 0);
    EXPECT_TRUE(settings.ReadMapEnabled());
    EXPECT_TRUE(settings.ReadGSensorEnabled());
    EXPECT_TRUE(settings.GetFolder().isEmpty());
    const SavedWindowRect rect = settings.ReadWindowRect();
    EXPECT_EQ(RestoreWindowRect(rect, 1920, 1040), (WindowPlacement{0, 0, 800, 560}));
    EXPECT_FALSE(std::filesystem::exists(m_path)) << "reading must not create the file";
}

TEST_F(SettingsFileTest, LanguageCodeChoosesTheLanguageExactly) {
    struct Case {
        std::string ini;
        int expectedIndex;
    };
    const Case cases[] = {
        {"", kEnglishIndex},                                             // no LANGID: English
        {"[UI]\nLANGID=GER\n", 7},                                       // German
        {"[UI]\nLANGID=eng\n", kJapaneseIndex},                          // codes are case-sensitive
        {"[UI]\nLANGID=XYZ\n", kJapaneseIndex},                          // unknown: built-in Japanese
        {"[UI]\nLANGID=\n", kJapaneseIndex},                             // empty is no code either
        {"[UI]\nLANGID=ENGLISH\n", kJapaneseIndex},                      // whole text only
        {"[UI]\nlangid = UKR \n", 15},                                   // key without case, blanks trimmed
        {"[WINPOS]\nLANGID=GER\n", kEnglishIndex},                       // wrong section: missing
        {"[UI]\nLANGID=" + std::string(70, 'G') + "\n", kJapaneseIndex}, // 70 characters: cut, unknown
    };
    for (const Case& c : cases) {
        WriteIni(c.ini);
        SettingsFile settings(m_path);
        EXPECT_EQ(settings.m_nLangIndex, c.expectedIndex) << c.ini;
        EXPECT_EQ(settings.m_wLangId, LanguageTable[static_cast<std::size_t>(c.expectedIndex)].LangId())
            << c.ini;
    }
}

TEST_F(SettingsFileTest, MapTypeIsLimitedToTheTwoPages) {
    const std::pair<const char*, int> cases[] = {{"5", 1}, {"-3", 0},  {"1", 1},  {"0", 0},
                                                 {"7", 1}, {"abc", 0}, {"1x", 1}, {"", 0}};
    for (const auto& [text, expected] : cases) {
        WriteIni(std::string("[UI]\nMAP=") + text + "\n");
        SettingsFile settings(m_path);
        settings.m_nMapType = 42;
        EXPECT_EQ(settings.ReadMapType(), expected) << text;
        EXPECT_EQ(settings.m_nMapType, expected) << text;
    }
}

TEST_F(SettingsFileTest, PanelSwitchesCountAnyNonZeroValueAsShown) {
    const std::pair<const char*, bool> cases[] = {{"0", false}, {"1", true},   {"2", true},
                                                  {"-1", true}, {"off", true}, {" 0", false}};
    for (const auto& [text, expected] : cases) {
        WriteIni(std::string("[UI]\nMAP_ENABLE=") + text + "\nGSNR_ENABLE=" + text + "\n");
        SettingsFile settings(m_path);
        EXPECT_EQ(settings.ReadMapEnabled(), expected) << text;
        EXPECT_EQ(settings.ReadGSensorEnabled(), expected) << text;
    }
}

TEST_F(SettingsFileTest, ValuesAreReadWhenAskedNotCached) {
    SettingsFile settings(m_path);
    SettingsFile dialog(m_path);
    ASSERT_TRUE(dialog.WriteInt("UI", "MAP", 1));
    EXPECT_EQ(settings.ReadMapType(), 1);
    ASSERT_TRUE(dialog.WriteInt("UI", "GSNR_ENABLE", 0));
    EXPECT_FALSE(settings.ReadGSensorEnabled());
}

TEST_F(SettingsFileTest, WriteIntKeepsOtherKeysAndComments) {
    WriteIni("; keep this\n[UI]\nLANGID=GER\nFolder=/media/x\nMAP=0\n[Vendor]\nX=1\n");
    SettingsFile settings(m_path);
    ASSERT_TRUE(settings.WriteInt("UI", "MAP", 1));
    ASSERT_TRUE(settings.WriteInt("UI", "MAP_ENABLE", 0));
    EXPECT_EQ(ReadBytes(m_path),
              "; keep this\n[UI]\nLANGID=GER\nFolder=/media/x\nMAP=1\nMAP_ENABLE=0\n[Vendor]\nX=1\n");
}

TEST_F(SettingsFileTest, SetLanguageStoresOnlyValidIndexes) {
    SettingsFile settings(m_path);
    EXPECT_FALSE(settings.SetLanguage(-1));
    EXPECT_FALSE(settings.SetLanguage(kLanguageCount));
    EXPECT_EQ(settings.m_nLangIndex, kEnglishIndex);
    EXPECT_FALSE(std::filesystem::exists(m_path)) << "an invalid index writes nothing";

    ASSERT_TRUE(settings.SetLanguage(10));
    EXPECT_EQ(settings.m_nLangIndex, 10);
    EXPECT_EQ(settings.m_wLangId, 0x0410);
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nLANGID=ITA\n");
    EXPECT_EQ(SettingsFile(m_path).m_nLangIndex, 10) << "the next start uses the stored language";
}

TEST_F(SettingsFileTest, FolderReadsEmptyOnceTheFolderIsGone) {
    const QString folder = m_dir.filePath("recordings");
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsFile settings(m_path);
    ASSERT_TRUE(settings.WriteFolder(folder));
    EXPECT_EQ(settings.GetFolder(), folder);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_TRUE(settings.GetFolder().isEmpty());
}

TEST_F(SettingsFileTest, FolderKeepsNonAsciiNamesAndIsCutAt1023Characters) {
    const QString folder = m_dir.filePath(QStringLiteral("ドライブ 2024"));
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsFile settings(m_path);
    ASSERT_TRUE(settings.WriteFolder(folder));
    EXPECT_EQ(settings.GetFolder(), folder);

    WriteIni("[UI]\nFolder=/" + std::string(1100, 'a') + "\n");
    EXPECT_EQ(settings.File().ReadString("UI", "Folder", "", 1023).size(), 1023u);
    EXPECT_TRUE(settings.GetFolder().isEmpty());
}

// Closing the window writes the file once: the four keys go in with one replacement of the file.
TEST_F(SettingsFileTest, WindowRectIsSavedInKeyOrderAndReadBack) {
    SettingsFile settings(m_path);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(
        ::inotify_add_watch(watch, m_dir.path().toLocal8Bit().constData(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    ASSERT_TRUE(settings.SaveWindowRect({-10, 20, 1290, 740}));
    int replacements = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;)
        for (char* p = events; p < events + n;
             p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
            replacements += std::string(reinterpret_cast<inotify_event*>(p)->name) == "Kalvo.ini";
    ::close(watch);
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(ReadBytes(m_path), "[WINPOS]\nLEFT=-10\nTOP=20\nRIGHT=1290\nBOTTOM=740\n");
    const SavedWindowRect rect = settings.ReadWindowRect();
    EXPECT_EQ(rect.left, -10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 1290);
    EXPECT_EQ(rect.bottom, 740);
}

TEST(RestoreWindowRectTest, FitsTheSavedRectangleToTheScreen) {
    struct Case {
        const char* what;
        SavedWindowRect saved;
        WindowPlacement expected;
    };
    // Screen 1920 x 1040 (full-screen client area).
    const Case cases[] = {
        {"defaults", {0, 0, 800, 560}, {0, 0, 800, 560}},
        {"kept as saved", {100, 50, 1300, 850}, {100, 50, 1200, 800}},
        {"larger than the screen", {0, 0, 2500, 1500}, {0, 0, 1920, 1040}},
        {"larger and displaced", {300, 200, 3000, 2000}, {0, 0, 1920, 1040}},
        {"off-screen right", {1500, 10, 2500, 710}, {920, 10, 1000, 700}},
        {"off-screen bottom", {10, 900, 810, 1500}, {10, 440, 800, 600}},
        {"negative left and top", {-50, -30, 950, 670}, {0, 0, 1000, 700}},
        {"width 300 raised", {10, 10, 310, 700}, {10, 10, 800, 690}},
        {"height 100 raised", {10, 10, 1010, 110}, {10, 10, 1000, 560}},
        {"inverted rectangle", {500, 400, 100, 100}, {500, 400, 800, 560}},
        {"extreme values", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 1920, 1040}},
        {"far beyond", {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, {1120, 480, 800, 560}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RestoreWindowRect(c.saved, 1920, 1040), c.expected) << c.what;
}

TEST(RestoreWindowRectTest, ScreenSmallerThanTheMinimumWins) {
    EXPECT_EQ(RestoreWindowRect({0, 0, 800, 560}, 640, 480), (WindowPlacement{0, 0, 640, 480}));
}

TEST_F(SettingsFileTest, GarbageSettingsFileGivesDefaults) {
    std::string garbage = "\xFF\xFE[\x00U\x00I\x00]\x00\n\x80\x81=\x82\n[UI\nLANGID\nMAP\n"s;
    garbage += std::string(200000, '\x01');
    WriteIni(garbage);
    SettingsFile settings(m_path);
    EXPECT_EQ(settings.m_nLangIndex, kEnglishIndex);
    EXPECT_EQ(settings.ReadMapType(), 0);
    EXPECT_TRUE(settings.ReadMapEnabled());
    EXPECT_EQ(RestoreWindowRect(settings.ReadWindowRect(), 1920, 1040), (WindowPlacement{0, 0, 800, 560}));
}

TEST_F(SettingsFileTest, UnwritableLocationKeepsDefaultsAndReportsFailedWrites) {
    // Tests may run as root, whom permissions do not stop: a regular file as the parent folder does.
    const std::string blocker = m_dir.path().toStdString() + "/plain-file";
    WriteBytes(blocker, "x");
    SettingsFile settings(blocker + "/Kalvo.ini");
    EXPECT_EQ(settings.m_nLangIndex, kEnglishIndex);
    EXPECT_FALSE(settings.SetLanguage(7));
    EXPECT_FALSE(settings.WriteInt("UI", "MAP", 1));
    EXPECT_FALSE(settings.SaveWindowRect({1, 2, 3, 4}));
    EXPECT_FALSE(settings.WriteFolder(m_dir.path()));
    EXPECT_EQ(settings.ReadMapType(), 0);
    EXPECT_EQ(ReadBytes(blocker), "x");
}

// Changes the current directory for the life of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::filesystem::path& dir) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedCurrentDir() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

// Sets an environment variable (or removes it, for null) for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Where the settings live, and what an older Kalvo.ini in the current directory (a card's
// folder, perhaps) may do: be imported once when it is the user's own plain file, never be
// written, never lead a write elsewhere.
TEST_F(SettingsFileTest, LiveInTheUsersConfigFolderAndTheCurrentDirectoryIsOnlyReadOnce) {
    enum class InCwd { Nothing, File, LinkToFile, Fifo };
    struct Row {
        const char* name;
        const char* xdgConfig; // relative to the test folder; "" unset, "rel" a relative value
        InCwd cwd;
        bool configExists;
        const char* expectedFolder; // relative to the test folder
        bool imported;
    };
    const Row rows[] = {
        {"XDG folder, nothing to import", "xdg", InCwd::Nothing, false, "xdg/vemora-viewer", false},
        {"default below HOME, old file imported", "", InCwd::File, false, "home/.config/vemora-viewer", true},
        {"relative XDG value ignored", "rel", InCwd::File, false, "home/.config/vemora-viewer", true},
        {"existing settings win over the old file", "xdg", InCwd::File, true, "xdg/vemora-viewer", false},
        {"a link in the current directory is not read", "xdg", InCwd::LinkToFile, false, "xdg/vemora-viewer",
         false},
        {"a pipe in the current directory neither blocks nor imports", "xdg", InCwd::Fifo, false,
         "xdg/vemora-viewer", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const std::string base = std::filesystem::canonical(dir.path().toStdString()).string();
        const std::string cwdFolder = base + "/card";
        std::filesystem::create_directories(cwdFolder);
        std::filesystem::create_directories(base + "/home");
        const std::string elsewhere = base + "/home/.bashrc";
        WriteBytes(elsewhere, "[UI]\nMAP=1\n");
        const std::string old = cwdFolder + "/Kalvo.ini";
        const std::string oldText = "; kept\n[UI]\nLANGID=GER\nMAP=1\n";
        switch (row.cwd) {
        case InCwd::Nothing:
            break;
        case InCwd::File:
            WriteBytes(old, oldText);
            break;
        case InCwd::LinkToFile:
            std::filesystem::create_symlink(elsewhere, old);
            break;
        case InCwd::Fifo:
            ASSERT_EQ(::mkfifo(old.c_str(), 0600), 0);
            break;
        }
        const std::string xdg = row.xdgConfig == "rel"s ? "relative/config"
                                : *row.xdgConfig        ? base + "/" + row.xdgConfig
                                                        : std::string();
        ScopedEnv home("HOME", (base + "/home").c_str());
        ScopedEnv config("XDG_CONFIG_HOME", xdg.empty() ? nullptr : xdg.c_str());
        ScopedCurrentDir cwd(cwdFolder);
        const std::string expected = base + "/" + row.expectedFolder + "/Kalvo.ini";
        ASSERT_EQ(DefaultSettingsPath(), expected);
        ASSERT_TRUE(std::filesystem::create_directories(base + "/" + row.expectedFolder));
        if (row.configExists)
            WriteBytes(expected, "[UI]\nLANGID=ENG\n");

        EXPECT_EQ(ImportSettingsFile("Kalvo.ini", expected), row.imported);
        SettingsFile settings(expected);
        EXPECT_EQ(ReadBytes(expected), row.imported ? oldText : row.configExists ? "[UI]\nLANGID=ENG\n" : "");
        ASSERT_TRUE(settings.WriteInt("UI", "MAP_ENABLE", 0));
        EXPECT_FALSE(settings.ReadMapEnabled());
        // Nothing was written in the current directory, nor through its link.
        size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(cwdFolder))
            ++entries;
        EXPECT_EQ(entries, row.cwd == InCwd::Nothing ? 0u : 1u);
        if (row.cwd == InCwd::File) {
            EXPECT_EQ(ReadBytes(old), oldText);
        }
        EXPECT_EQ(ReadBytes(elsewhere), "[UI]\nMAP=1\n");
    }
}

TEST_F(SettingsFileTest, WithoutAHomeFolderNothingIsWritten) {
    ScopedEnv home("HOME", nullptr);
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedCurrentDir cwd(m_dir.path().toStdString());
    EXPECT_EQ(DefaultSettingsPath(), "");
    SettingsFile settings(DefaultSettingsPath());
    EXPECT_EQ(settings.m_nLangIndex, kEnglishIndex);
    EXPECT_EQ(settings.ReadMapType(), 0);
    EXPECT_FALSE(settings.WriteInt("UI", "MAP", 1));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path().toStdString()));
}

TEST(SettingsInstanceTest, IsOneObjectForTheProcess) {
    SettingsFile& first = SettingsFile::Instance();
    EXPECT_EQ(&first, &SettingsFile::Instance());
    EXPECT_TRUE(first.m_strPath.ends_with("/vemora-viewer/Kalvo.ini")) << first.m_strPath;
}

} // namespace
} // namespace vemora
