// The INI reader and writer behind the settings file: matching rules, the integer reader, and writes
// that touch only the one key they are asked to change.
#include "settings/IniFile.h"
#include "settings/Utf16Text.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
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

int CountEntries(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path().toStdString();
        m_path = m_folder + "/Kalvo.ini";
    }
    QTemporaryDir m_dir;
    std::string m_folder;
    std::string m_path;
};

TEST(ParseProfileIntTest, ReadsLeadingSignedDecimalOrGivesDefault) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"  -3", -3},
        {"\t+7", 7},
        {"0", 0},
        {"12abc", 12},
        {"abc", 99},
        {"", 99},
        {"-", 99},
        {"+ 5", 99},
        {"0x10", 0},
        {"1.5", 1},
        {"--2", 99},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseProfileInt(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(TruncateUtf8Test, CutsAtCharacterBoundaries) {
    EXPECT_EQ(TruncateUtf8("abcdef", 3), "abc");
    EXPECT_EQ(TruncateUtf8("abc", 3), "abc");
    EXPECT_EQ(TruncateUtf8("", 0), "");
    // Three characters of two and three bytes each: never half a character.
    EXPECT_EQ(TruncateUtf8("\xC3\xA9\xE6\x97\xA5\xC3\xA9", 2), "\xC3\xA9\xE6\x97\xA5");
    EXPECT_EQ(TruncateUtf8("\xC3\xA9\xE6\x97\xA5", 1), "\xC3\xA9");
}

TEST(Utf16TextTest, ConvertsBothWaysAndRejectsInvalidText) {
    const std::string utf8 = "[UI]\r\nFolder=/m\xC3\xA9\xE6\x97\xA5\xF0\x9F\x9A\x97"s; // é, 日, U+1F697
    const std::string utf16 =
        "[\0U\0I\0]\0\r\0\n\0F\0o\0l\0d\0e\0r\0=\0/\0m\0\xE9\0\xE5\x65\x3D\xD8\x97\xDE"s;
    EXPECT_EQ(Utf8ToUtf16Le(utf8), utf16);
    EXPECT_EQ(Utf16LeToUtf8(utf16), utf8);
    EXPECT_EQ(Utf16LeToUtf8(""), "");
    for (const std::string& bad : {"A"s, "\x00\xD8"s, "\x00\xDC\x41\x00"s, "\x00\xD8\x41\x00"s})
        EXPECT_FALSE(Utf16LeToUtf8(bad)) << bad.size();
    for (const std::string& bad :
         {"\xFF"s, "\xC0\xAF"s, "\xE0\x80\xAF"s, "\xED\xA0\x80"s, "\xC3"s, "\xF4\x90\x80\x80"s})
        EXPECT_FALSE(Utf8ToUtf16Le(bad)) << bad;
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReads) {
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "LANGID", "ENG", 63), "ENG");
    EXPECT_EQ(ini.ReadInt("WINPOS", "RIGHT", 800), 800);
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

TEST_F(IniFileTest, MatchesSectionsAndKeysWithoutCaseAndTrimsBlanks) {
    WriteBytes(m_path, "[ui]\n  langid =  GER  \nMap=1\n[WinPos]\nleft=-20\n");
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "LANGID", "ENG", 63), "GER");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 1);
    EXPECT_EQ(ini.ReadInt("WINPOS", "LEFT", 0), -20);
    // Keys belong to their own section only.
    EXPECT_EQ(ini.ReadInt("WINPOS", "MAP", 5), 5);
    EXPECT_EQ(ini.ReadInt("UI", "LEFT", 7), 7);
}

TEST_F(IniFileTest, FirstSectionAndFirstKeyWin) {
    WriteBytes(m_path, "[UI]\nMAP=1\nMAP=0\n[UI]\nMAP_ENABLE=0\n");
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 9), 1);
    EXPECT_EQ(ini.ReadInt("UI", "MAP_ENABLE", 1), 1);
}

TEST_F(IniFileTest, ReadsTheFileAgainOnEveryCall) {
    IniFile ini(m_path);
    WriteBytes(m_path, "[UI]\nMAP=0\n");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 5), 0);
    WriteBytes(m_path, "[UI]\nMAP=1\n");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 5), 1);
    IniFile other(m_path);
    ASSERT_TRUE(other.WriteInt("UI", "MAP", 7));
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 5), 7);
}

TEST_F(IniFileTest, LongValuesAreCutLikeAFixedBuffer) {
    const std::string langId(70, 'A');
    WriteBytes(m_path, "[UI]\nLANGID=" + langId + "\n");
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "LANGID", "ENG", 63), std::string(63, 'A'));
    EXPECT_EQ(ini.ReadString("UI", "Missing", std::string(70, 'd'), 63), std::string(63, 'd'));
}

TEST_F(IniFileTest, WriteChangesOnlyThatLineAndKeepsEverythingElse) {
    const std::string original = "; settings of the viewer\r\n"
                                 "[UI]\r\n"
                                 "LANGID=GER\r\n"
                                 "# not a key line\r\n"
                                 "Map = 0 ; old\r\n"
                                 "Unknown=keep me\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "MAP=3\r\n";
    WriteBytes(m_path, original);
    IniFile ini(m_path);
    ASSERT_TRUE(ini.WriteInt("ui", "MAP", 1));
    std::string expected = original;
    expected.replace(expected.find("Map = 0 ; old"), 13, "MAP=1");
    EXPECT_EQ(ReadBytes(m_path), expected);
    EXPECT_EQ(ini.ReadInt("Other", "MAP", 0), 3);
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastLineOfItsSection) {
    WriteBytes(m_path, "[UI]\nLANGID=ENG\n\n[WINPOS]\nLEFT=5\n");
    IniFile ini(m_path);
    ASSERT_TRUE(ini.WriteInt("UI", "MAP", 1));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nLANGID=ENG\nMAP=1\n\n[WINPOS]\nLEFT=5\n");
}

TEST_F(IniFileTest, NewSectionIsAppendedEvenWithoutAFinalNewline) {
    WriteBytes(m_path, "[UI]\r\nLANGID=ENG");
    IniFile ini(m_path);
    ASSERT_TRUE(ini.WriteInt("WINPOS", "LEFT", -4));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\r\nLANGID=ENG\r\n[WINPOS]\r\nLEFT=-4\r\n");
    ASSERT_TRUE(ini.WriteString("UI", "Folder", "/media/card"));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\r\nLANGID=ENG\r\nFolder=/media/card\r\n[WINPOS]\r\nLEFT=-4\r\n");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFile) {
    IniFile ini(m_path);
    ASSERT_TRUE(ini.WriteString("UI", "LANGID", "JPN"));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nLANGID=JPN\n");
    EXPECT_EQ(CountEntries(m_folder), 1) << "no temporary file may be left behind";
}

TEST_F(IniFileTest, ValuesWithOuterBlanksOrQuotesSurviveARoundTrip) {
    IniFile ini(m_path);
    for (const std::string value : {"  /media/my card ", "\"quoted\"", "a\\b\\c", "x=y;z", "日本語"}) {
        ASSERT_TRUE(ini.WriteString("UI", "Folder", value));
        EXPECT_EQ(ini.ReadString("UI", "Folder", "", 1023), value);
    }
}

TEST_F(IniFileTest, RefusesTextThatWouldBreakTheLineStructure) {
    WriteBytes(m_path, "[UI]\nMAP=0\n");
    IniFile ini(m_path);
    EXPECT_FALSE(ini.WriteString("UI", "Folder", "/tmp/a\n[WINPOS]\nLEFT=9"));
    EXPECT_FALSE(ini.WriteString("UI", "Folder", "a\rb"));
    EXPECT_FALSE(ini.WriteString("UI", "A=B", "1"));
    EXPECT_FALSE(ini.WriteString("U]I", "A", "1"));
    EXPECT_FALSE(ini.WriteString("", "A", "1"));
    EXPECT_FALSE(ini.WriteString("UI", "", "1"));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nMAP=0\n");
}

TEST_F(IniFileTest, GarbageFileGivesDefaultsAndKeepsItsBytesOnWrite) {
    std::string garbage = "\xEF\xBB\xBF\x01\x02[\xFF\xFE=\x00\x00\n=novalue\n[UI\n]]]\n"s;
    garbage.push_back('\0');
    garbage += std::string(1 << 20, 'x'); // one very long line without a final newline
    WriteBytes(m_path, garbage);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "LANGID", "ENG", 63), "ENG");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 0);
    ASSERT_TRUE(ini.WriteInt("UI", "MAP", 1));
    const std::string after = ReadBytes(m_path);
    ASSERT_GT(after.size(), garbage.size());
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(after.substr(garbage.size()), "\n[UI]\nMAP=1\n");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 1);
}

TEST_F(IniFileTest, OversizedFileIsNeitherReadNorOverwritten) {
    const std::string big = "[UI]\nMAP=1\n" + std::string(IniFile::kMaxFileSize, ';');
    WriteBytes(m_path, big);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 0);
    EXPECT_FALSE(ini.WriteInt("UI", "MAP", 0));
    EXPECT_EQ(ReadBytes(m_path).size(), big.size());
}

TEST_F(IniFileTest, WriteIntoAnImpossibleFolderFailsCleanly) {
    // The parent is a regular file: no one, not even root, can create files below it.
    const std::string blocker = m_folder + "/not-a-folder";
    WriteBytes(blocker, "x");
    IniFile ini(blocker + "/Kalvo.ini");
    EXPECT_FALSE(ini.WriteInt("UI", "MAP", 1));
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 4), 4);
    EXPECT_EQ(CountEntries(m_folder), 1);
}

// A settings file that may be written in a folder that takes no new file (the user's own file in
// a shared folder): written in place. Root is not stopped by permissions, so the write runs as
// an unprivileged user when the test runs as root.
TEST_F(IniFileTest, FileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
    WriteBytes(m_path, "[UI]\nMAP=0\nLANGID=ENG\n");
    ASSERT_EQ(::chmod(m_path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(m_folder.c_str(), 0555), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(IniFile(m_path).WriteInt("UI", "MAP", 1) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    ::chmod(m_folder.c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nMAP=1\nLANGID=ENG\n");
    EXPECT_EQ(CountEntries(m_folder), 1);
}

TEST_F(IniFileTest, FolderInPlaceOfTheFileIsNotReplaced) {
    std::filesystem::create_directory(m_path);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 4), 4);
    EXPECT_FALSE(ini.WriteInt("UI", "MAP", 1));
    EXPECT_TRUE(std::filesystem::is_directory(m_path));
}

TEST_F(IniFileTest, Utf16FileIsReadAndWrittenInItsOwnEncoding) {
    const auto utf16 = [](std::string_view text) { return "\xFF\xFE"s + *Utf8ToUtf16Le(text); };
    WriteBytes(m_path, utf16("; \xE8\xA8\xAD\xE5\xAE\x9A\r\n[UI]\r\nLANGID=GER\r\nMAP=1\r\n"));
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "LANGID", "ENG", 63), "GER");
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 1);
    ASSERT_TRUE(ini.WriteInt("UI", "MAP", 0));
    ASSERT_TRUE(ini.WriteString("UI", "Folder", "/media/\xE6\x97\xA5"));
    EXPECT_EQ(
        ReadBytes(m_path),
        utf16("; \xE8\xA8\xAD\xE5\xAE\x9A\r\n[UI]\r\nLANGID=GER\r\nMAP=0\r\nFolder=/media/\xE6\x97\xA5\r\n"));
    // A name that UTF-16 cannot hold is refused rather than mangled.
    EXPECT_FALSE(ini.WriteString("UI", "Folder", "/media/\xFF"));
}

TEST_F(IniFileTest, BrokenUtf16FileIsNeitherReadNorOverwritten) {
    const std::string broken = "\xFF\xFE[\0U\0I\0]\0\n\0M\0A\0P\0=\0001\0\x00\xD8"s; // unpaired surrogate
    WriteBytes(m_path, broken);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 0), 0);
    EXPECT_FALSE(ini.WriteInt("UI", "MAP", 1));
    EXPECT_EQ(ReadBytes(m_path), broken);
}

TEST_F(IniFileTest, PipeInPlaceOfTheFileDoesNotBlock) {
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInt("UI", "MAP", 4), 4);
    EXPECT_FALSE(ini.WriteInt("UI", "MAP", 1));
}

// A link in place of the settings file (put there by someone else, pointing at a file of the
// user's) is neither read nor written through: the write replaces the link by a file of its own.
TEST_F(IniFileTest, NeverReadsOrWritesThroughASymbolicLink) {
    const std::string target = m_folder + "/real.ini";
    WriteBytes(target, "[UI]\nMAP=0\nGMAP_KEY=theirs\n");
    std::filesystem::create_symlink(target, m_path);
    IniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("UI", "GMAP_KEY", "", 127), "");
    ASSERT_TRUE(ini.WriteInt("UI", "MAP", 1));
    EXPECT_FALSE(std::filesystem::is_symlink(m_path));
    EXPECT_EQ(ReadBytes(m_path), "[UI]\nMAP=1\n");
    EXPECT_EQ(ReadBytes(target), "[UI]\nMAP=0\nGMAP_KEY=theirs\n");
}

} // namespace
} // namespace vemora
