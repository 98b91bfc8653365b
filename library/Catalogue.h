#pragma once
// The drive catalogue: every drive of every card or folder ever scanned, with its summary, its
// simplified track and its recordings (where they were last seen, and their kept copies). One
// SQLite file in the user's data folder, in WAL mode, its schema versioned and migrated on open.
// Each drive is written in one transaction, so a kill at any moment leaves the drives before it
// whole and the one being written absent or whole.
//
// A drive is known again by its recordings: a scan that finds recordings already catalogued (the
// same card, path below the card and start time) updates their drive instead of adding another.

#include "library/CardIdentity.h"
#include "library/DriveSummary.h"
#include "library/SqliteHandles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vemora {

struct CataloguedFile {
    std::string path;         // where it was last seen
    std::string relativePath; // below the card's root
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    std::string camera; // "front" or "rear"
    bool locked = false;
    int64_t startTime = 0; // seconds, the recorder's local wall clock
    int64_t durationMs = 0;
    std::string keptPath; // the archived copy; "" when not kept
    std::string sha256;   // of the kept copy
};

struct CataloguedDrive {
    int64_t id = 0;
    CardIdentity card;
    DriveSummary summary;              // its track only when asked for
    std::vector<CataloguedFile> files; // only when asked for
    int fileCount = 0;
    int keptCount = 0; // files with a kept copy
};

// What a listing reads besides the summaries.
struct ListParts {
    bool tracks = false;
    bool files = false;
};

// A copy already in the archive.
struct KeptCopy {
    std::string path;
    std::string sha256;
    uint64_t size = 0;
};

class Catalogue {
public:
    static constexpr int kSchemaVersion = 2;

    // Opens (creating it and its folder when missing) and migrates the catalogue at path.
    static std::optional<Catalogue> Open(const std::string& path, std::string* error);
    // $XDG_DATA_HOME/vemora-viewer/catalogue.sqlite3 (XDG_DATA_HOME defaults to ~/.local/share).
    static std::string DefaultPath();

    int SchemaVersion() const;
    // PRAGMA integrity_check says "ok".
    bool IntegrityOk() const;

    // Writes one drive (card, summary, track, files) in one transaction.
    bool RecordDrive(const CardIdentity& card, const DriveSummary& summary,
                     const std::vector<CataloguedFile>& files, std::string* error);
    // True when the catalogue holds exactly these files (path below the card, start, size and
    // modification time) as one drive: nothing to read again.
    bool HoldsUnchanged(const CardIdentity& card, const std::vector<CataloguedFile>& files) const;

    // Every drive, newest first; tracks only when withTracks.
    std::vector<CataloguedDrive> ListDrives(bool withTracks, std::string* error) const; // with files
    std::vector<CataloguedDrive> ListDrives(const ListParts& parts, std::string* error) const;
    std::vector<CataloguedFile> FilesOf(int64_t driveId) const;
    std::vector<TrackPoint> TrackOf(int64_t driveId) const;

    // The kept copy of a file with this hash, if one was made.
    std::optional<KeptCopy> FindKept(const std::string& sha256) const;
    // The kept copy recorded for that file of the card, if any.
    std::optional<KeptCopy> KeptOfRecording(const std::string& cardKey, const std::string& relativePath,
                                            int64_t startTime) const;
    // Records a kept copy of the file of the card at relativePath starting at startTime.
    bool RecordKept(const std::string& cardKey, const std::string& relativePath, int64_t startTime,
                    const KeptCopy& copy, std::string* error);

    const SqliteDb& Db() const { return m_db; }

private:
    explicit Catalogue(SqliteDb db) : m_db(std::move(db)) {}
    bool Prepare(std::string* error);
    bool Migrate(std::string* error);
    int64_t CardId(const CardIdentity& card, std::string* error);
    // The drive's file and kept-copy counts, again from its recordings.
    bool CountFiles(int64_t driveId, std::string* error);

    SqliteDb m_db;
};

// The track as stored: pairs of little-endian 32-bit latitude and longitude in 1e-7 degrees.
std::vector<uint8_t> EncodeTrack(const std::vector<TrackPoint>& track);
std::vector<TrackPoint> DecodeTrack(const std::vector<uint8_t>& bytes);

} // namespace vemora
