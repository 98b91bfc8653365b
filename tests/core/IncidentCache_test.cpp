// The incidents cache as input from anywhere: damaged lines are skipped one by one, values out of
// range are refused, the file is bounded, numbers read back the same under a decimal-comma locale,
// another viewer's save is merged, and a card with the same names finds nothing stale.
#include "library/IncidentCache.h"
#include "library/IncidentCsv.h"
#include "map/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace vemora;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct Folder {
    Folder() {
        std::string name = (fs::temp_directory_path() / "vemora-cache-XXXXXX").string();
        path = ::mkdtemp(name.data()) ? name : std::string();
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string path;
};

const FileStamp kStamp{1000, 1715941230000000000, 1715941230, 60500};

FileIncidents Found(double strength) {
    FileIncidents found;
    found.hasTelemetry = true;
    found.incidents = {{IncidentKind::Jolt, 12000, strength, 40},
                       {IncidentKind::HardBraking, 30500, 5.25, -1}};
    return found;
}

constexpr const char* kHeader = "vemora-incidents 2\n";

// The numbers of the process in German: a decimal comma, as the desktop program runs for many
// users. The locale is made for the test when the system has none.
class GermanNumbers {
public:
    GermanNumbers() {
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
            const std::string folder = VEMORA_BINARY_DIR "/test-locales";
            if (!fs::exists(folder + "/de_DE.utf8")) {
                fs::create_directories(folder);
                const std::string command =
                    "localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.utf8' 2>/dev/null";
                [[maybe_unused]] int status = std::system(command.c_str());
            }
            ::setenv("LOCPATH", folder.c_str(), 1);
            ok = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        }
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", 1.25);
        ok = ok && std::string(text) == "1,25";
    }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, "C"); }
    bool ok = true;
};

} // namespace

TEST(IncidentCache, DamagedLinesAreSkippedOneByOne) {
    const std::string good = "/card/A.MP4\t1000\t1715941230000000000\t1715941230\t60500\t1\t0,12000,0.5,40";
    struct Row {
        const char* name;
        std::string line;
    };
    const Row rows[] = {
        {"time at INT64_MIN", "/card/B.MP4\t1\t2\t3\t4\t1\t0,-9223372036854775808,0.5,40"},
        {"time beyond a 32-bit length", "/card/B.MP4\t1\t2\t3\t4\t1\t0,4294967296,0.5,40"},
        {"negative time", "/card/B.MP4\t1\t2\t3\t4\t1\t0,-5,0.5,40"},
        {"strength NaN", "/card/B.MP4\t1\t2\t3\t4\t1\t0,5,nan,40"},
        {"strength infinite", "/card/B.MP4\t1\t2\t3\t4\t1\t0,5,inf,40"},
        {"strength negative", "/card/B.MP4\t1\t2\t3\t4\t1\t0,5,-1,40"},
        {"strength with a decimal comma", "/card/B.MP4\t1\t2\t3\t4\t1\t0,5,1,25,40"},
        {"unknown kind", "/card/B.MP4\t1\t2\t3\t4\t1\t7,5,0.5,40"},
        {"speed below -1", "/card/B.MP4\t1\t2\t3\t4\t1\t0,5,0.5,-2"},
        {"size beyond int64", "/card/B.MP4\t18446744073709551615\t2\t3\t4\t1\t"},
        {"size overflowing", "/card/B.MP4\t99999999999999999999\t2\t3\t4\t1\t"},
        {"blank before a number", "/card/B.MP4\t 1\t2\t3\t4\t1\t"},
        {"telemetry flag 2", "/card/B.MP4\t1\t2\t3\t4\t2\t"},
        {"a field missing", "/card/B.MP4\t1\t2\t3\t1\t"},
        {"a field too many", "/card/B.MP4\t1\t2\t3\t4\t1\t\t"},
        {"empty path", "\t1\t2\t3\t4\t1\t"},
        {"a line longer than any entry", "/card/B.MP4\t1\t2\t3\t4\t1\t" + std::string(2u << 20, '0')},
    };
    Folder folder;
    const std::string file = folder.path + "/incidents.txt";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteAll(file, kHeader + row.line + "\n" + good + "\n");
        IncidentCache cache;
        ASSERT_TRUE(cache.Load(file));
        EXPECT_EQ(cache.Size(), 1u);
        EXPECT_EQ(cache.SkippedLines(), 1u);
        EXPECT_NE(cache.Find("/card/A.MP4", kStamp), nullptr);
        EXPECT_EQ(cache.Find("/card/B.MP4", FileStamp{1, 2, 3, 4}), nullptr);
    }
}

TEST(IncidentCache, FilesThatAreNotACacheAreNotRead) {
    Folder folder;
    const std::string file = folder.path + "/incidents.txt";
    struct Row {
        const char* name;
        std::string text;
    };
    const Row rows[] = {
        {"an older layout", "vemora-incidents 1\n/card/A.MP4\t1\t2\t1\t0,1,0.5,3\n"},
        {"larger than any cache", kHeader + std::string(IncidentCache::kMaxFileBytes, '\n')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteAll(file, row.text);
        IncidentCache cache;
        EXPECT_FALSE(cache.Load(file));
        EXPECT_EQ(cache.Size(), 0u);
    }
    fs::remove(file);
    fs::create_symlink(folder.path + "/elsewhere", file);
    WriteAll(folder.path + "/elsewhere", kHeader);
    IncidentCache linked;
    EXPECT_FALSE(linked.Load(file)) << "read through a link";
}

// Under a decimal-comma locale the numbers written are those read back; the CSV's strength and
// the fixed texts of the exports and the clip band keep their decimal point.
TEST(IncidentCache, NumbersRoundTripUnderAGermanLocale) {
    GermanNumbers german;
    ASSERT_TRUE(german.ok) << "the de_DE.UTF-8 locale is missing and could not be made with localedef "
                              "(tools/install-deps.sh installs the locales package)";
    Folder folder;
    const std::string file = folder.path + "/incidents.txt";
    struct Row {
        double strength;
        const char* written; // in the cache: the shortest text that reads back the same
        const char* fixed2;
        const char* signed2;
    };
    const Row rows[] = {{1.25, "1.25", "1.25", "+1.25"},
                        {0.1 + 0.2, "0.30000000000000004", "0.30", "+0.30"},
                        {2.0 / 3.0, "0.6666666666666666", "0.67", "+0.67"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.strength);
        IncidentCache cache;
        cache.Store("/card/A.MP4", kStamp, Found(row.strength));
        ASSERT_TRUE(cache.Save(file));
        EXPECT_NE(ReadAll(file).find(",12000," + std::string(row.written) + ",40;"), std::string::npos)
            << ReadAll(file);
        IncidentCache back;
        ASSERT_TRUE(back.Load(file));
        ASSERT_NE(back.Find("/card/A.MP4", kStamp), nullptr);
        EXPECT_EQ(*back.Find("/card/A.MP4", kStamp), Found(row.strength));
        EXPECT_EQ(FixedText(row.strength, 2), row.fixed2);
        EXPECT_EQ(SignedFixedText(row.strength, 2), row.signed2);
        EXPECT_EQ(SignedFixedText(-row.strength, 2), "-" + std::string(row.fixed2));
        EXPECT_EQ(CsvText({"strength"}, {{FixedText(row.strength, 2)}}),
                  "strength\r\n" + std::string(row.fixed2) + "\r\n");
    }
}

TEST(IncidentCache, SavesMergeAndCardsWithTheSameNamesFindNothingStale) {
    Folder folder;
    const std::string file = folder.path + "/cache/incidents.txt";
    IncidentCache first, second;
    first.Load(file);
    second.Load(file);
    first.Store("/card/A.MP4", kStamp, Found(1.0));
    second.Store("/card/B.MP4", kStamp, Found(2.0));
    ASSERT_TRUE(first.Save(file));
    ASSERT_TRUE(second.Save(file)) << "the second viewer's save";
    IncidentCache back;
    ASSERT_TRUE(back.Load(file));
    EXPECT_EQ(back.Size(), 2u) << "one viewer's save overwrote the other's";
    EXPECT_NE(back.Find("/card/A.MP4", kStamp), nullptr);
    EXPECT_NE(back.Find("/card/B.MP4", kStamp), nullptr);
    // Another card, same folder and names: a different size, time, start or length each misses.
    for (FileStamp other :
         {FileStamp{1001, kStamp.modifiedNs, kStamp.startTime, kStamp.durationMs},
          FileStamp{kStamp.size, kStamp.modifiedNs + 1, kStamp.startTime, kStamp.durationMs},
          FileStamp{kStamp.size, kStamp.modifiedNs, kStamp.startTime + 60, kStamp.durationMs},
          FileStamp{kStamp.size, kStamp.modifiedNs, kStamp.startTime, kStamp.durationMs + 1}})
        EXPECT_EQ(back.Find("/card/A.MP4", other), nullptr);
    // The cache is private to the user and no temporary stays beside it.
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    for (const auto& entry : fs::directory_iterator(folder.path + "/cache"))
        EXPECT_TRUE(entry.path().filename() == "incidents.txt" ||
                    entry.path().filename() == "incidents.txt.lock")
            << entry.path();
}
