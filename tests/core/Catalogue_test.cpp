// The drive catalogue: round trip and migration, a card scanned again, kept copies (copied,
// verified, skipped the second time, a changed file copied again) and a kill in the middle of a
// copy.
#include "library/CatalogueKeep.h"
#include "library/DriveLog.h"
#include "library/RecordingLibrary.h"
#include "library/SqliteHandles.h"
#include "platform/FileHash.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vemora {
namespace {

namespace fs = std::filesystem;
using testing::FakeReader;
using testing::LocalSeconds;
using testing::TempTree;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937_64 random(seed);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i += 8) {
        const uint64_t word = random();
        std::memcpy(&bytes[i], &word, std::min<size_t>(8, size - i));
    }
    return bytes;
}

CardIdentity FolderCard(const std::string& folder) {
    return CardIdentity{"folder:" + folder, "", "", "", folder};
}

CataloguedFile FileAt(const std::string& folder, const std::string& name, int64_t start) {
    CataloguedFile f;
    f.path = folder + name;
    f.relativePath = name;
    f.size = 1000;
    f.modifiedNs = 42;
    f.camera = "front";
    f.startTime = start;
    f.durationMs = 60000;
    return f;
}

Catalogue OpenOrFail(const std::string& path) {
    std::string error;
    std::optional<Catalogue> catalogue = Catalogue::Open(path, &error);
    if (!catalogue)
        throw std::runtime_error("catalogue: " + error);
    return std::move(*catalogue);
}

TEST(Catalogue, DrivesReadBackAsWrittenNewestFirst) {
    TempTree tree;
    const std::string db = tree.Root() + "data/vemora-viewer/catalogue.sqlite3";
    const CardIdentity card{"uuid:1234-ABCD", "1234-ABCD", "CAM CARD", "/media/u/CAM CARD/",
                            "/media/u/CAM CARD/"};
    DriveSummary first;
    first.startTime = LocalSeconds(2026, 5, 1, 8, 0, 0);
    first.endTime = first.startTime + 120;
    first.durationMs = 120500;
    first.recordings = 4;
    first.distanceM = 1234.5;
    first.movingMs = 100000;
    first.maxSpeedKmh = 61;
    first.avgSpeedKmh = 44.4;
    first.start = DrivePosition{25.0330, 121.5654, "Taipei, TW"};
    first.end = DrivePosition{25.0478, 121.5170, "Zhōnghé, TW"};
    first.incidents = IncidentCounts{1, 2};
    first.track = {{25.0330, 121.5654}, {25.04, 121.54}, {25.0478, 121.5170}};
    DriveSummary second = first;
    second.startTime += 3600;
    second.start.reset();
    second.end.reset();
    second.track.clear();
    {
        Catalogue catalogue = OpenOrFail(db);
        std::string error;
        ASSERT_TRUE(
            catalogue.RecordDrive(card, first, {FileAt(card.folder, "a.MP4", first.startTime)}, &error))
            << error;
        ASSERT_TRUE(
            catalogue.RecordDrive(card, second, {FileAt(card.folder, "b.MP4", second.startTime)}, &error))
            << error;
    }
    Catalogue catalogue = OpenOrFail(db);
    EXPECT_EQ(catalogue.SchemaVersion(), Catalogue::kSchemaVersion);
    EXPECT_TRUE(catalogue.IntegrityOk());
    std::string error;
    const std::vector<CataloguedDrive> drives = catalogue.ListDrives(true, &error);
    ASSERT_EQ(drives.size(), 2u) << error;
    EXPECT_EQ(drives[0].summary.startTime, second.startTime);
    EXPECT_FALSE(drives[0].summary.start);
    const DriveSummary& back = drives[1].summary;
    EXPECT_EQ(drives[1].card.key, card.key);
    EXPECT_EQ(drives[1].card.DisplayName(), "CAM CARD");
    EXPECT_EQ(back.durationMs, first.durationMs);
    EXPECT_EQ(back.recordings, 4);
    EXPECT_DOUBLE_EQ(back.distanceM, first.distanceM);
    EXPECT_EQ(back.incidents, first.incidents);
    EXPECT_EQ(back.start, first.start);
    EXPECT_EQ(back.end, first.end);
    ASSERT_EQ(back.track.size(), first.track.size());
    EXPECT_NEAR(back.track[1].longitude, 121.54, 1e-7);
    ASSERT_EQ(drives[1].files.size(), 1u);
    EXPECT_EQ(drives[1].files[0].path, card.folder + "a.MP4");
}

// The first release's schema, as such a catalogue holds it.
constexpr const char* kFirstSchema = R"(
    CREATE TABLE cards (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, uuid TEXT NOT NULL DEFAULT '',
        label TEXT NOT NULL DEFAULT '', mount_path TEXT NOT NULL DEFAULT '', folder TEXT NOT NULL DEFAULT '',
        last_seen INTEGER NOT NULL DEFAULT 0);
    CREATE TABLE drives (id INTEGER PRIMARY KEY, card_id INTEGER NOT NULL REFERENCES cards(id),
        start_time INTEGER NOT NULL, end_time INTEGER NOT NULL, duration_ms INTEGER NOT NULL,
        recordings INTEGER NOT NULL, distance_m REAL NOT NULL, moving_ms INTEGER NOT NULL,
        max_speed_kmh REAL NOT NULL, avg_speed_kmh REAL NOT NULL, start_lat REAL, start_lon REAL,
        end_lat REAL, end_lon REAL, jolts INTEGER NOT NULL DEFAULT 0, hard_brakings INTEGER NOT NULL DEFAULT 0,
        track BLOB);
    CREATE TABLE recordings (id INTEGER PRIMARY KEY,
        drive_id INTEGER NOT NULL REFERENCES drives(id) ON DELETE CASCADE,
        card_id INTEGER NOT NULL REFERENCES cards(id), path TEXT NOT NULL, relative_path TEXT NOT NULL,
        size INTEGER NOT NULL, mtime_ns INTEGER NOT NULL, camera TEXT NOT NULL, locked INTEGER NOT NULL DEFAULT 0,
        start_time INTEGER NOT NULL, duration_ms INTEGER NOT NULL, UNIQUE (card_id, relative_path, start_time));
    CREATE INDEX recordings_of_drive ON recordings(drive_id);
    INSERT INTO cards VALUES (1, 'folder:/old/card/', '', '', '', '/old/card/', 0);
    INSERT INTO drives VALUES (1, 1, 1700000000, 1700000060, 60000, 1, 500.0, 50000, 40.0, 36.0,
        25.0, 121.5, 25.01, 121.5, 0, 1, X'80B2E60EC06D6B48');
    INSERT INTO recordings VALUES (1, 1, 1, '/old/card/a.MP4', 'a.MP4', 1000, 7, 'front', 1, 1700000000, 60000);
    PRAGMA user_version=1;)";

TEST(Catalogue, FirstReleaseCatalogueIsMigratedWithItsDrives) {
    TempTree tree;
    const std::string db = tree.Root() + "catalogue.sqlite3";
    {
        std::string error;
        std::optional<SqliteDb> old = SqliteDb::Open(db, &error);
        ASSERT_TRUE(old && old->Execute(kFirstSchema, &error)) << error;
    }
    Catalogue catalogue = OpenOrFail(db);
    EXPECT_EQ(catalogue.SchemaVersion(), 2);
    std::string error;
    const std::vector<CataloguedDrive> drives = catalogue.ListDrives(true, &error);
    ASSERT_EQ(drives.size(), 1u) << error;
    EXPECT_DOUBLE_EQ(drives[0].summary.distanceM, 500.0);
    EXPECT_EQ(drives[0].summary.incidents.hardBrakings, 1);
    ASSERT_TRUE(drives[0].summary.end);
    EXPECT_EQ(drives[0].summary.end->place, "");
    ASSERT_EQ(drives[0].summary.track.size(), 1u);
    EXPECT_EQ(drives[0].summary.track[0], (TrackPoint{25.0, 121.5}));
    ASSERT_EQ(drives[0].files.size(), 1u);
    EXPECT_EQ(drives[0].fileCount, 1);
    EXPECT_TRUE(drives[0].files[0].locked);
    EXPECT_TRUE(catalogue.RecordKept("folder:/old/card/", "a.MP4", 1700000000,
                                     KeptCopy{"/k/a.MP4", "ab", 1000}, &error))
        << error;
    EXPECT_TRUE(catalogue.FindKept("ab"));
}

struct ScannedCard : ::testing::Test {
    TempTree card;
    TempTree data;
    FakeReader reader;

    void Add(const std::string& name, int64_t start, uint32_t durationMs) {
        card.AddFile("DCIM/" + name, "recording " + name);
        reader.Add(name, start, durationMs);
    }
    DriveLogOutcome Record(Catalogue& catalogue) {
        CRecordingLibrary library;
        library.SetContainerReader(reader.Reader());
        EXPECT_TRUE(library.ScanSource(card.Root(), ""));
        return RecordScanDrives(catalogue, library.Records(), FolderCard(card.Root()), nullptr);
    }
    size_t FileCount(const Catalogue& catalogue) {
        size_t n = 0;
        for (const CataloguedDrive& d : catalogue.ListDrives(false, nullptr))
            n += d.files.size();
        return n;
    }
};

TEST_F(ScannedCard, ScanningTheSameCardAgainAddsNoDrive) {
    const int64_t morning = LocalSeconds(2026, 6, 2, 7, 30, 0);
    const int64_t evening = LocalSeconds(2026, 6, 2, 18, 5, 0);
    for (int k = 0; k < 3; ++k) {
        Add("20260602_0730" + std::to_string(k) + "0_F.MP4", morning + 60 * k, 60000);
        Add("20260602_0730" + std::to_string(k) + "0_R.MP4", morning + 60 * k, 59800);
    }
    Add("20260602_180500_F.MP4", evening, 61200);
    Catalogue catalogue = OpenOrFail(data.Root() + "c.sqlite3");

    struct Step {
        const char* name;
        std::function<void()> change;
        int recorded, unchanged;
        size_t drives, files;
    };
    const Step steps[] = {
        {"first scan", [] {}, 2, 0, 2, 7},
        {"the same card again", [] {}, 0, 2, 2, 7},
        {"the evening drive went on", [&] { Add("20260602_180606_F.MP4", evening + 61, 60000); }, 1, 1, 2, 8},
        {"the card overwrote the morning's first pair",
         [&] {
             fs::remove(card.Root() + "DCIM/20260602_073000_F.MP4");
             fs::remove(card.Root() + "DCIM/20260602_073000_R.MP4");
         },
         1, 1, 2, 6},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        const DriveLogOutcome outcome = Record(catalogue);
        EXPECT_EQ(outcome.recorded, step.recorded);
        EXPECT_EQ(outcome.unchanged, step.unchanged);
        EXPECT_EQ(outcome.failed, 0) << outcome.error;
        EXPECT_EQ(catalogue.ListDrives(false, nullptr).size(), step.drives);
        EXPECT_EQ(FileCount(catalogue), step.files);
    }
}

struct KeptCard : ScannedCard {
    std::string archive;
    Catalogue catalogue = OpenOrFail(data.Root() + "c.sqlite3");
    const int64_t start = LocalSeconds(2026, 7, 9, 23, 58, 0);

    void SetUp() override { archive = data.Root() + "Kept"; }
    void AddBytes(const std::string& name, int64_t at, const std::string& bytes) {
        card.AddFile("DCIM/" + name, bytes);
        reader.Add(name, at, 60000);
    }
    KeepReport Keep() {
        EXPECT_EQ(Record(catalogue).failed, 0);
        return KeepRecordings(&catalogue, KeepItemsOf(catalogue.ListDrives(false, nullptr), false), archive);
    }
    std::string DayFolder() const { return KeepFolderOf(archive, start); }
};

TEST_F(KeptCard, KeepsVerifiedCopiesOnceAndChangedFilesAgain) {
    AddBytes("20260709_235800_F.MP4", start, RandomBytes(300000, 1));
    AddBytes("20260709_235900_F.MP4", start + 60, RandomBytes(200001, 2));
    struct Round {
        const char* name;
        std::function<void()> change;
        int copied, skipped;
        uint64_t bytes;
    };
    const std::string second = card.Root() + "DCIM/20260709_235900_F.MP4";
    const Round rounds[] = {
        {"first keep", [] {}, 2, 0, 500001},
        {"kept already", [] {}, 0, 2, 0},
        {"the second file changed",
         [&] { std::ofstream(second, std::ios::binary | std::ios::trunc) << RandomBytes(200002, 3); }, 1, 1,
         200002},
    };
    for (const Round& round : rounds) {
        SCOPED_TRACE(round.name);
        round.change();
        const KeepReport report = Keep();
        EXPECT_TRUE(report.failed.empty()) << report.failed[0].path << ": " << report.failed[0].reason;
        EXPECT_EQ(report.copied, round.copied);
        EXPECT_EQ(report.verified, round.copied);
        EXPECT_EQ(report.skipped, round.skipped);
        EXPECT_EQ(report.bytes, round.bytes);
    }
    // The day folder is the drive's start day, although its second recording began after midnight.
    EXPECT_EQ(DayFolder(), archive + "/2026/2026-07-09/");
    EXPECT_EQ(ReadAll(DayFolder() + "20260709_235800_F.MP4"),
              ReadAll(card.Root() + "DCIM/20260709_235800_F.MP4"));
    EXPECT_EQ(ReadAll(DayFolder() + "20260709_235900_F.MP4"), RandomBytes(200001, 2));
    EXPECT_EQ(ReadAll(DayFolder() + "20260709_235900_F (2).MP4"), ReadAll(second));
    for (const CataloguedDrive& drive : catalogue.ListDrives(false, nullptr))
        for (const CataloguedFile& f : drive.files) {
            EXPECT_EQ(f.sha256, Sha256OfFile(f.keptPath, nullptr)) << f.path;
            EXPECT_EQ(ReadAll(f.keptPath), ReadAll(f.path));
        }
}

TEST_F(KeptCard, KillDuringCopyLeavesCatalogueWholeAndNoHalfCopy) {
    const std::string name = "20260709_235800_F.MP4";
    AddBytes(name, start, RandomBytes(32 << 20, 4));
    ASSERT_EQ(Record(catalogue).failed, 0);
    const std::vector<KeepItem> items = KeepItemsOf(catalogue.ListDrives(false, nullptr), false);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::optional<Catalogue> own = Catalogue::Open(data.Root() + "c.sqlite3", nullptr);
        KeepRecordings(own ? &*own : nullptr, items, archive);
        ::_exit(0);
    }
    // Killed as soon as its temporary copy exists, whatever the machine's speed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool sawTemporary = false;
    while (!sawTemporary && std::chrono::steady_clock::now() < deadline) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(DayFolder(), ec))
            sawTemporary |= entry.path().filename().string().rfind("." + name + ".part-", 0) == 0;
        if (!sawTemporary)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(sawTemporary);

    Catalogue after = OpenOrFail(data.Root() + "c.sqlite3");
    EXPECT_TRUE(after.IntegrityOk());
    const std::string final = DayFolder() + name;
    if (fs::exists(final)) { // it may have finished just before the kill: then it is whole
        EXPECT_EQ(Sha256OfFile(final, nullptr), Sha256OfFile(items[0].source, nullptr));
    }
    const KeepReport again = KeepRecordings(&after, items, archive);
    EXPECT_TRUE(again.failed.empty());
    EXPECT_EQ(again.copied + again.skipped, 1);
    EXPECT_EQ(Sha256OfFile(final, nullptr), Sha256OfFile(items[0].source, nullptr));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(DayFolder()))
        ++entries;
    EXPECT_EQ(entries, 1u); // the dead copy's temporary was swept away
}

} // namespace
} // namespace vemora
