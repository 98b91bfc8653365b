#include "map/ExportPaths.h"
#include "map/XmlText.h"
#include "tests/core/KmlTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vemora {
namespace {

using testing::LocalWallClock;
using testing::ScratchFolder;

void WriteUserDirs(const std::string& configFolder, const std::string& text) {
    std::filesystem::create_directories(configFolder);
    std::ofstream(configFolder + "/user-dirs.dirs") << text;
}

TEST(KmlExportPaths, DocumentsFolderComesFromTheUserDirsFile) {
    ScratchFolder home;
    const std::string& h = home.Path();
    EXPECT_EQ(DocumentsFolderFor(h, ""), h + "/Documents") << "no configuration: the usual folder";

    WriteUserDirs(h + "/.config", "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(DocumentsFolderFor(h, ""), h + "/Dokumente");

    WriteUserDirs(h + "/cfg", "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n");
    EXPECT_EQ(DocumentsFolderFor(h, h + "/cfg"), "/srv/docs") << "XDG_CONFIG_HOME is honoured";

    WriteUserDirs(h + "/bad", "XDG_DOCUMENTS_DIR=relative/path\nXDG_DOCUMENTS_DIR=\"relative\"\n");
    EXPECT_EQ(DocumentsFolderFor(h, h + "/bad"), h + "/Documents") << "forms the desktop never writes";

    EXPECT_EQ(DocumentsFolderFor("", ""), "./") << "no home folder at all";
}

TEST(KmlExportPaths, ExportFolderIsBelowDocuments) {
    EXPECT_EQ(ExportFolder("/home/u/Documents"), "/home/u/Documents/Vemora Viewer/KML/");
    EXPECT_EQ(ExportFolder("/home/u/Documents/"), "/home/u/Documents/Vemora Viewer/KML/");
    EXPECT_EQ(ExportFolder("./"), "./Vemora Viewer/KML/");
}

TEST(KmlExportPaths, CreateExportFolderMakesTheWholeChain) {
    ScratchFolder dir;
    const std::string folder = ExportFolder(dir.Path() + "/a/b");
    std::string error;
    ASSERT_TRUE(CreateExportFolder(folder, &error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(CreateExportFolder(folder, &error)) << "an existing folder is fine";

    std::ofstream(dir.Path() + "/file") << "x";
    EXPECT_FALSE(CreateExportFolder(dir.Path() + "/file/KML/", &error));
    EXPECT_NE(error.find("file/KML"), std::string::npos) << error;
}

TEST(KmlExportPaths, FileNameIsTheStemAndTheLocalStartTime) {
    const int64_t t = LocalWallClock(2024, 3, 5, 7, 8, 9);
    struct Case {
        std::string fileName, expected;
    };
    const Case cases[] = {
        {"FILE0001.MP4", "FILE0001_2024_03_05_07-08-09.KML"},
        {"2024010112345F.MOV", "2024010112345F_2024_03_05_07-08-09.KML"},
        {"FILE0001.AVI", "FILE0001_2024_03_05_07-08-09.KML"},
        {"Fahrt\xC3\xA4\xC3\xB6\xC3\xBC.\xC3\xA4\xC3\xB6\xC3\xBC",
         "Fahrt\xC3\xA4\xC3\xB6\xC3\xBC_2024_03_05_07-08-09.KML"},
        {"AB", "_2024_03_05_07-08-09.KML"}, // shorter than an extension: nothing is left
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExportFileName(c.fileName, t, ".KML"), c.expected) << c.fileName;
}

TEST(KmlExportPaths, AStartTimeOfZeroIsTheEpochInLocalTime) {
    std::time_t zero = 0;
    std::tm tm{};
    ASSERT_TRUE(localtime_r(&zero, &tm));
    char expected[64];
    std::strftime(expected, sizeof expected, "X_%Y_%m_%d_%H-%M-%S.KML", &tm);
    EXPECT_EQ(ExportFileName("X.MP4", 0, ".KML"), std::string(expected));
}

TEST(KmlExportPaths, AnUnrepresentableStartTimeGivesNoName) {
    EXPECT_EQ(ExportFileName("FILE0001.MP4", INT64_MAX, ".KML"), std::nullopt);
    EXPECT_EQ(ExportFileName("FILE0001.MP4", INT64_MIN, ".KML"), std::nullopt);
}

TEST(KmlXmlText, EscapesMarkupAndRepairsBytes) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"FILE0001.MP4", "FILE0001.MP4"},
        {"a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e'f"},
        {"tab\tand\nline", "tab\tand\nline"},
        {std::string("nul\0bell\x07", 9), "nulbell"}, // forbidden in XML 1.0
        {"\xC3\xA4\xE6\x97\xA5\xF0\x9F\x9A\x97", "\xC3\xA4\xE6\x97\xA5\xF0\x9F\x9A\x97"}, // valid UTF-8 kept
        {"bad\xFF", "bad\xEF\xBF\xBD"},
        {"cut\xE6\x97", "cut\xEF\xBF\xBD\xEF\xBF\xBD"},           // truncated sequence
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(EscapeXmlText(c.in), c.out) << c.in;
}

} // namespace
} // namespace vemora
