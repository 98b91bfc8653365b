#include "library/Catalogue.h"

#include "platform/ByteOrder.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>

namespace vemora {
namespace {

// Each step takes the schema from its index to the next version; a catalogue of any older
// version is brought up to date step by step, each step in its own transaction.
constexpr const char* kSchemaSteps[] = {
    // 0 -> 1: cards, drives and their recordings.
    R"(CREATE TABLE cards (
           id INTEGER PRIMARY KEY,
           key TEXT NOT NULL UNIQUE,
           uuid TEXT NOT NULL DEFAULT '',
           label TEXT NOT NULL DEFAULT '',
           mount_path TEXT NOT NULL DEFAULT '',
           folder TEXT NOT NULL DEFAULT '',
           last_seen INTEGER NOT NULL DEFAULT 0);
       CREATE TABLE drives (
           id INTEGER PRIMARY KEY,
           card_id INTEGER NOT NULL REFERENCES cards(id),
           start_time INTEGER NOT NULL,
           end_time INTEGER NOT NULL,
           duration_ms INTEGER NOT NULL,
           recordings INTEGER NOT NULL,
           distance_m REAL NOT NULL,
           moving_ms INTEGER NOT NULL,
           max_speed_kmh REAL NOT NULL,
           avg_speed_kmh REAL NOT NULL,
           start_lat REAL, start_lon REAL,
           end_lat REAL, end_lon REAL,
           jolts INTEGER NOT NULL DEFAULT 0,
           hard_brakings INTEGER NOT NULL DEFAULT 0,
           track BLOB);
       CREATE TABLE recordings (
           id INTEGER PRIMARY KEY,
           drive_id INTEGER NOT NULL REFERENCES drives(id) ON DELETE CASCADE,
           card_id INTEGER NOT NULL REFERENCES cards(id),
           path TEXT NOT NULL,
           relative_path TEXT NOT NULL,
           size INTEGER NOT NULL,
           mtime_ns INTEGER NOT NULL,
           camera TEXT NOT NULL,
           locked INTEGER NOT NULL DEFAULT 0,
           start_time INTEGER NOT NULL,
           duration_ms INTEGER NOT NULL,
           UNIQUE (card_id, relative_path, start_time));
       CREATE INDEX recordings_of_drive ON recordings(drive_id);)",
    // 1 -> 2: the towns of start and end, kept copies, tracks in a table of their own.
    R"(ALTER TABLE drives ADD COLUMN start_place TEXT NOT NULL DEFAULT '';
       ALTER TABLE drives ADD COLUMN end_place TEXT NOT NULL DEFAULT '';
       ALTER TABLE recordings ADD COLUMN kept_path TEXT NOT NULL DEFAULT '';
       ALTER TABLE recordings ADD COLUMN sha256 TEXT NOT NULL DEFAULT '';
       CREATE TABLE kept (
           sha256 TEXT PRIMARY KEY,
           path TEXT NOT NULL,
           size INTEGER NOT NULL,
           kept_at INTEGER NOT NULL);
       CREATE INDEX drives_by_start ON drives(start_time);
       -- Tracks move out of the drives' rows, so that a listing does not read through them.
       CREATE TABLE tracks (
           drive_id INTEGER PRIMARY KEY REFERENCES drives(id) ON DELETE CASCADE,
           points BLOB NOT NULL);
       INSERT INTO tracks (drive_id, points) SELECT id, track FROM drives WHERE track IS NOT NULL;
       UPDATE drives SET track=NULL;
       -- The counts a listing shows, kept with the drive rather than counted for every listing.
       ALTER TABLE drives ADD COLUMN file_count INTEGER NOT NULL DEFAULT 0;
       ALTER TABLE drives ADD COLUMN kept_count INTEGER NOT NULL DEFAULT 0;
       UPDATE drives SET file_count=(SELECT COUNT(*) FROM recordings WHERE drive_id=drives.id);)",
};
static_assert(std::size(kSchemaSteps) == Catalogue::kSchemaVersion);

constexpr double kTrackScale = 1e7;

void SetError(std::string* error, const std::string& text) {
    if (error)
        *error = text;
}

// Commits when Commit is called, rolls back otherwise.
class Transaction {
public:
    explicit Transaction(const SqliteDb& db) : m_db(db) { m_open = db.Execute("BEGIN IMMEDIATE", &m_error); }
    ~Transaction() {
        if (m_open)
            m_db.Execute("ROLLBACK", nullptr);
    }
    bool Open() const { return m_open; }
    const std::string& Error() const { return m_error; }
    bool Commit(std::string* error) {
        m_open = false;
        if (m_db.Execute("COMMIT", error))
            return true;
        m_db.Execute("ROLLBACK", nullptr);
        return false;
    }

private:
    const SqliteDb& m_db;
    std::string m_error;
    bool m_open = false;
};

void BindOptional(SqliteStatement& s, int index, const std::optional<DrivePosition>& p, bool latitude) {
    if (p)
        s.Bind(index, latitude ? p->latitude : p->longitude);
    else
        s.BindNull(index);
}

std::optional<DrivePosition> PositionOf(const SqliteStatement& s, int lat, int lon, int place) {
    if (s.IsNull(lat) || s.IsNull(lon))
        return std::nullopt;
    return DrivePosition{s.Real(lat), s.Real(lon), s.Text(place)};
}

} // namespace

std::vector<uint8_t> EncodeTrack(const std::vector<TrackPoint>& track) {
    std::vector<uint8_t> bytes(track.size() * 8);
    for (size_t i = 0; i < track.size(); ++i) {
        PutLE32(&bytes[i * 8],
                static_cast<uint32_t>(static_cast<int32_t>(std::lround(track[i].latitude * kTrackScale))));
        PutLE32(&bytes[i * 8 + 4],
                static_cast<uint32_t>(static_cast<int32_t>(std::lround(track[i].longitude * kTrackScale))));
    }
    return bytes;
}

std::vector<TrackPoint> DecodeTrack(const std::vector<uint8_t>& bytes) {
    std::vector<TrackPoint> track;
    track.reserve(bytes.size() / 8);
    for (size_t offset = 0; offset + 8 <= bytes.size(); offset += 8) {
        const auto lat = LE32s(bytes, offset);
        const auto lon = LE32s(bytes, offset + 4);
        if (lat && lon)
            track.push_back(TrackPoint{*lat / kTrackScale, *lon / kTrackScale});
    }
    return track;
}

std::string Catalogue::DefaultPath() {
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
        base = data;
    else if (const char* home = std::getenv("HOME"); home && home[0])
        base = std::string(home) + "/.local/share";
    else
        return {};
    return base + "/vemora-viewer/catalogue.sqlite3";
}

std::optional<Catalogue> Catalogue::Open(const std::string& path, std::string* error) {
    if (path.empty()) {
        SetError(error, "no place for the catalogue (neither XDG_DATA_HOME nor HOME is set)");
        return std::nullopt;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            SetError(error, folder.string() + ": " + ec.message());
            return std::nullopt;
        }
        ::chmod(folder.c_str(), 0700);
    }
    std::optional<SqliteDb> db = SqliteDb::Open(path, error);
    if (!db)
        return std::nullopt;
    Catalogue catalogue(std::move(*db));
    if (!catalogue.Prepare(error) || !catalogue.Migrate(error))
        return std::nullopt;
    return catalogue;
}

bool Catalogue::Prepare(std::string* error) {
    sqlite3_busy_timeout(m_db.Get(), 10000);
    // WAL: readers (the viewer's window) go on while a scan writes; NORMAL syncing keeps every
    // committed transaction through a kill of the process.
    SqliteStatement wal(m_db, "PRAGMA journal_mode=WAL");
    if (!wal.Step() || wal.Text(0) != "wal") {
        SetError(error, "cannot use a write-ahead log: " + (wal.Failed() ? wal.Error() : wal.Text(0)));
        return false;
    }
    // A listing of thousands of drives comes from memory the second time.
    return m_db.Execute("PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; PRAGMA cache_size=-32000;",
                        error);
}

int Catalogue::SchemaVersion() const {
    SqliteStatement s(m_db, "PRAGMA user_version");
    return s.Step() ? static_cast<int>(s.Int(0)) : -1;
}

bool Catalogue::IntegrityOk() const {
    SqliteStatement s(m_db, "PRAGMA integrity_check");
    return s.Step() && s.Text(0) == "ok";
}

bool Catalogue::Migrate(std::string* error) {
    const int version = SchemaVersion();
    if (version < 0) {
        SetError(error, m_db.LastError());
        return false;
    }
    if (version > kSchemaVersion) {
        SetError(error, "the catalogue was written by a newer version of the program (schema " +
                            std::to_string(version) + ")");
        return false;
    }
    for (int step = version; step < kSchemaVersion; ++step) {
        Transaction tx(m_db);
        if (!tx.Open()) {
            SetError(error, tx.Error());
            return false;
        }
        if (!m_db.Execute(kSchemaSteps[step], error) ||
            !m_db.Execute("PRAGMA user_version=" + std::to_string(step + 1), error) || !tx.Commit(error))
            return false;
    }
    return true;
}

int64_t Catalogue::CardId(const CardIdentity& card, std::string* error) {
    SqliteStatement upsert(m_db, R"(INSERT INTO cards (key, uuid, label, mount_path, folder, last_seen)
        VALUES (?1, ?2, ?3, ?4, ?5, strftime('%s','now'))
        ON CONFLICT(key) DO UPDATE SET uuid=?2, label=?3, mount_path=?4, folder=?5, last_seen=strftime('%s','now'))");
    upsert.Bind(1, card.key)
        .Bind(2, card.uuid)
        .Bind(3, card.label)
        .Bind(4, card.mountPath)
        .Bind(5, card.folder);
    if (!upsert.Run()) {
        SetError(error, upsert.Error());
        return 0;
    }
    SqliteStatement find(m_db, "SELECT id FROM cards WHERE key=?1");
    find.Bind(1, card.key);
    if (!find.Step()) {
        SetError(error, find.Failed() ? find.Error() : "card not recorded");
        return 0;
    }
    return find.Int(0);
}

bool Catalogue::RecordDrive(const CardIdentity& card, const DriveSummary& summary,
                            const std::vector<CataloguedFile>& files, std::string* error) {
    Transaction tx(m_db);
    if (!tx.Open()) {
        SetError(error, tx.Error());
        return false;
    }
    const int64_t cardId = CardId(card, error);
    if (cardId == 0)
        return false;

    // The drives that already hold some of these recordings: the first is updated, the others
    // (a drive that a longer scan now joins to this one) lose these recordings.
    std::set<int64_t> earlier;
    {
        SqliteStatement find(
            m_db, "SELECT drive_id FROM recordings WHERE card_id=?1 AND relative_path=?2 AND start_time=?3");
        for (const CataloguedFile& f : files) {
            find.Reset();
            find.Bind(1, cardId).Bind(2, f.relativePath).Bind(3, f.startTime);
            while (find.Step())
                earlier.insert(find.Int(0));
            if (find.Failed()) {
                SetError(error, find.Error());
                return false;
            }
        }
    }
    const std::vector<uint8_t> track = EncodeTrack(summary.track);
    const auto bindSummary = [&](SqliteStatement& s) {
        s.Bind(1, cardId).Bind(2, summary.startTime).Bind(3, summary.endTime).Bind(4, summary.durationMs);
        s.Bind(5, int64_t(summary.recordings)).Bind(6, summary.distanceM).Bind(7, summary.movingMs);
        s.Bind(8, summary.maxSpeedKmh).Bind(9, summary.avgSpeedKmh);
        BindOptional(s, 10, summary.start, true);
        BindOptional(s, 11, summary.start, false);
        BindOptional(s, 12, summary.end, true);
        BindOptional(s, 13, summary.end, false);
        s.Bind(14, int64_t(summary.incidents.jolts)).Bind(15, int64_t(summary.incidents.hardBrakings));
        s.BindNull(16);
        s.Bind(17, summary.start ? summary.start->place : std::string());
        s.Bind(18, summary.end ? summary.end->place : std::string());
    };
    int64_t driveId;
    if (earlier.empty()) {
        SqliteStatement insert(m_db,
                               R"(INSERT INTO drives (card_id, start_time, end_time, duration_ms, recordings,
            distance_m, moving_ms, max_speed_kmh, avg_speed_kmh, start_lat, start_lon, end_lat, end_lon, jolts,
            hard_brakings, track, start_place, end_place)
            VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18))");
        bindSummary(insert);
        if (!insert.Run()) {
            SetError(error, insert.Error());
            return false;
        }
        driveId = m_db.LastInsertId();
    } else {
        driveId = *earlier.begin();
        SqliteStatement update(m_db,
                               R"(UPDATE drives SET card_id=?1, start_time=?2, end_time=?3, duration_ms=?4,
            recordings=?5, distance_m=?6, moving_ms=?7, max_speed_kmh=?8, avg_speed_kmh=?9, start_lat=?10,
            start_lon=?11, end_lat=?12, end_lon=?13, jolts=?14, hard_brakings=?15, track=?16, start_place=?17,
            end_place=?18 WHERE id=?19)");
        bindSummary(update);
        update.Bind(19, driveId);
        if (!update.Run()) {
            SetError(error, update.Error());
            return false;
        }
    }
    SqliteStatement storeTrack(m_db, "INSERT OR REPLACE INTO tracks (drive_id, points) VALUES (?1, ?2)");
    storeTrack.Bind(1, driveId).BindBlob(2, track.data(), track.size());
    if (!storeTrack.Run()) {
        SetError(error, storeTrack.Error());
        return false;
    }
    // A file that changed since it was kept loses its kept copy's mark (the copy stays in kept).
    SqliteStatement upsert(m_db,
                           R"(INSERT INTO recordings (drive_id, card_id, path, relative_path, size, mtime_ns,
        camera, locked, start_time, duration_ms) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)
        ON CONFLICT(card_id, relative_path, start_time) DO UPDATE SET drive_id=?1, path=?3,
            kept_path=CASE WHEN size=?5 AND mtime_ns=?6 THEN kept_path ELSE '' END,
            sha256=CASE WHEN size=?5 AND mtime_ns=?6 THEN sha256 ELSE '' END,
            size=?5, mtime_ns=?6, camera=?7, locked=?8, duration_ms=?10)");
    std::set<std::pair<std::string, int64_t>> present;
    for (const CataloguedFile& f : files) {
        upsert.Reset();
        upsert.Bind(1, driveId).Bind(2, cardId).Bind(3, f.path).Bind(4, f.relativePath);
        upsert.Bind(5, static_cast<int64_t>(f.size)).Bind(6, f.modifiedNs).Bind(7, f.camera);
        upsert.Bind(8, int64_t(f.locked ? 1 : 0)).Bind(9, f.startTime).Bind(10, f.durationMs);
        if (!upsert.Run()) {
            SetError(error, upsert.Error());
            return false;
        }
        present.emplace(f.relativePath, f.startTime);
    }
    // What the drives held before and this scan no longer finds in the drive (overwritten on the
    // card) goes; a drive left without recordings goes with it.
    {
        std::vector<int64_t> gone;
        SqliteStatement held(m_db, "SELECT id, relative_path, start_time FROM recordings WHERE drive_id=?1");
        for (int64_t id : earlier) {
            held.Reset();
            held.Bind(1, id);
            while (held.Step())
                if (!present.count({held.Text(1), held.Int(2)}))
                    gone.push_back(held.Int(0));
        }
        SqliteStatement drop(m_db, "DELETE FROM recordings WHERE id=?1");
        for (int64_t id : gone) {
            drop.Reset();
            drop.Bind(1, id);
            if (!drop.Run()) {
                SetError(error, drop.Error());
                return false;
            }
        }
        SqliteStatement empty(m_db, "DELETE FROM drives WHERE id=?1 AND NOT EXISTS "
                                    "(SELECT 1 FROM recordings WHERE drive_id=?1)");
        for (int64_t id : earlier) {
            empty.Reset();
            empty.Bind(1, id);
            if (!empty.Run()) {
                SetError(error, empty.Error());
                return false;
            }
        }
    }
    if (!CountFiles(driveId, error))
        return false;
    return tx.Commit(error);
}

bool Catalogue::CountFiles(int64_t driveId, std::string* error) {
    SqliteStatement count(m_db, R"(UPDATE drives SET
        file_count=(SELECT COUNT(*) FROM recordings WHERE drive_id=?1),
        kept_count=(SELECT COUNT(*) FROM recordings WHERE drive_id=?1 AND kept_path<>'') WHERE id=?1)");
    count.Bind(1, driveId);
    if (count.Run())
        return true;
    SetError(error, count.Error());
    return false;
}

bool Catalogue::HoldsUnchanged(const CardIdentity& card, const std::vector<CataloguedFile>& files) const {
    if (files.empty())
        return false;
    SqliteStatement find(m_db, R"(SELECT r.drive_id, r.size, r.mtime_ns, r.path FROM recordings r
        JOIN cards c ON c.id=r.card_id WHERE c.key=?1 AND r.relative_path=?2 AND r.start_time=?3)");
    int64_t drive = 0;
    for (const CataloguedFile& f : files) {
        find.Reset();
        find.Bind(1, card.key).Bind(2, f.relativePath).Bind(3, f.startTime);
        if (!find.Step() || static_cast<uint64_t>(find.Int(1)) != f.size || find.Int(2) != f.modifiedNs ||
            find.Text(3) != f.path)
            return false;
        if (drive != 0 && find.Int(0) != drive)
            return false;
        drive = find.Int(0);
    }
    SqliteStatement count(m_db, "SELECT COUNT(*) FROM recordings WHERE drive_id=?1");
    count.Bind(1, drive);
    return count.Step() && static_cast<size_t>(count.Int(0)) == files.size();
}

std::vector<CataloguedDrive> Catalogue::ListDrives(bool withTracks, std::string* error) const {
    return ListDrives(ListParts{withTracks, true}, error);
}

std::vector<CataloguedDrive> Catalogue::ListDrives(const ListParts& parts, std::string* error) const {
    const bool withTracks = parts.tracks;
    std::vector<CataloguedDrive> drives;
    std::map<int64_t, CardIdentity> cards;
    SqliteStatement cardRows(m_db, "SELECT id, key, uuid, label, mount_path, folder FROM cards");
    while (cardRows.Step())
        cards[cardRows.Int(0)] = CardIdentity{cardRows.Text(1), cardRows.Text(2), cardRows.Text(3),
                                              cardRows.Text(4), cardRows.Text(5)};
    SqliteStatement rows(
        m_db, std::string(R"(SELECT id, card_id, start_time, end_time, duration_ms, recordings,
        distance_m, moving_ms, max_speed_kmh, avg_speed_kmh, start_lat, start_lon, start_place, end_lat, end_lon,
        end_place, jolts, hard_brakings, )") +
                  (withTracks ? "(SELECT points FROM tracks WHERE drive_id=drives.id)" : "NULL") + R"(,
file_count, kept_count FROM drives ORDER BY start_time DESC, id DESC)");
    std::map<int64_t, size_t> indexOf;
    while (rows.Step()) {
        CataloguedDrive d;
        d.id = rows.Int(0);
        if (auto it = cards.find(rows.Int(1)); it != cards.end())
            d.card = it->second;
        DriveSummary& s = d.summary;
        s.startTime = rows.Int(2);
        s.endTime = rows.Int(3);
        s.durationMs = rows.Int(4);
        s.recordings = static_cast<int>(rows.Int(5));
        s.distanceM = rows.Real(6);
        s.movingMs = rows.Int(7);
        s.maxSpeedKmh = rows.Real(8);
        s.avgSpeedKmh = rows.Real(9);
        s.start = PositionOf(rows, 10, 11, 12);
        s.end = PositionOf(rows, 13, 14, 15);
        s.incidents = IncidentCounts{static_cast<int>(rows.Int(16)), static_cast<int>(rows.Int(17))};
        if (withTracks)
            s.track = DecodeTrack(rows.Blob(18));
        d.fileCount = static_cast<int>(rows.Int(19));
        d.keptCount = static_cast<int>(rows.Int(20));
        indexOf[d.id] = drives.size();
        drives.push_back(std::move(d));
    }
    if (rows.Failed()) {
        SetError(error, rows.Error());
        return {};
    }
    if (!parts.files)
        return drives;
    SqliteStatement files(m_db, R"(SELECT drive_id, path, relative_path, size, mtime_ns, camera, locked,
        start_time, duration_ms, kept_path, sha256 FROM recordings ORDER BY start_time, relative_path)");
    while (files.Step()) {
        auto it = indexOf.find(files.Int(0));
        if (it == indexOf.end())
            continue;
        drives[it->second].files.push_back(CataloguedFile{
            files.Text(1), files.Text(2), static_cast<uint64_t>(files.Int(3)), files.Int(4), files.Text(5),
            files.Int(6) != 0, files.Int(7), files.Int(8), files.Text(9), files.Text(10)});
    }
    if (files.Failed())
        SetError(error, files.Error());
    return drives;
}

std::vector<CataloguedFile> Catalogue::FilesOf(int64_t driveId) const {
    std::vector<CataloguedFile> list;
    SqliteStatement files(m_db, R"(SELECT path, relative_path, size, mtime_ns, camera, locked, start_time,
        duration_ms, kept_path, sha256 FROM recordings WHERE drive_id=?1 ORDER BY start_time, relative_path)");
    files.Bind(1, driveId);
    while (files.Step())
        list.push_back(CataloguedFile{files.Text(0), files.Text(1), static_cast<uint64_t>(files.Int(2)),
                                      files.Int(3), files.Text(4), files.Int(5) != 0, files.Int(6),
                                      files.Int(7), files.Text(8), files.Text(9)});
    return list;
}

std::vector<TrackPoint> Catalogue::TrackOf(int64_t driveId) const {
    SqliteStatement s(m_db, "SELECT points FROM tracks WHERE drive_id=?1");
    s.Bind(1, driveId);
    return s.Step() ? DecodeTrack(s.Blob(0)) : std::vector<TrackPoint>();
}

std::optional<KeptCopy> Catalogue::FindKept(const std::string& sha256) const {
    SqliteStatement s(m_db, "SELECT path, size FROM kept WHERE sha256=?1");
    s.Bind(1, sha256);
    if (!s.Step())
        return std::nullopt;
    return KeptCopy{s.Text(0), sha256, static_cast<uint64_t>(s.Int(1))};
}

std::optional<KeptCopy> Catalogue::KeptOfRecording(const std::string& cardKey,
                                                   const std::string& relativePath, int64_t startTime) const {
    SqliteStatement s(m_db,
                      R"(SELECT r.kept_path, r.sha256, r.size FROM recordings r JOIN cards c ON c.id=r.card_id
        WHERE c.key=?1 AND r.relative_path=?2 AND r.start_time=?3 AND r.kept_path<>'')");
    s.Bind(1, cardKey).Bind(2, relativePath).Bind(3, startTime);
    if (!s.Step())
        return std::nullopt;
    return KeptCopy{s.Text(0), s.Text(1), static_cast<uint64_t>(s.Int(2))};
}

bool Catalogue::RecordKept(const std::string& cardKey, const std::string& relativePath, int64_t startTime,
                           const KeptCopy& copy, std::string* error) {
    Transaction tx(m_db);
    if (!tx.Open()) {
        SetError(error, tx.Error());
        return false;
    }
    SqliteStatement kept(m_db, R"(INSERT INTO kept (sha256, path, size, kept_at)
        VALUES (?1, ?2, ?3, strftime('%s','now')) ON CONFLICT(sha256) DO UPDATE SET path=?2, size=?3)");
    kept.Bind(1, copy.sha256).Bind(2, copy.path).Bind(3, static_cast<int64_t>(copy.size));
    SqliteStatement mark(m_db, R"(UPDATE recordings SET kept_path=?1, sha256=?2 WHERE relative_path=?3
        AND start_time=?4 AND card_id=(SELECT id FROM cards WHERE key=?5))");
    mark.Bind(1, copy.path).Bind(2, copy.sha256).Bind(3, relativePath).Bind(4, startTime).Bind(5, cardKey);
    if (!kept.Run()) {
        SetError(error, kept.Error());
        return false;
    }
    if (!mark.Run()) {
        SetError(error, mark.Error());
        return false;
    }
    SqliteStatement drive(m_db, R"(SELECT r.drive_id FROM recordings r JOIN cards c ON c.id=r.card_id
        WHERE c.key=?1 AND r.relative_path=?2 AND r.start_time=?3)");
    drive.Bind(1, cardKey).Bind(2, relativePath).Bind(3, startTime);
    if (drive.Step() && !CountFiles(drive.Int(0), error))
        return false;
    return tx.Commit(error);
}

} // namespace vemora
