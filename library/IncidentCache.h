#pragma once
// What was found in each recording file before, kept outside the card (the desktop program keeps
// it in the user's cache folder) so that a second opening of the same card needs no file read.
// An entry is valid only for the file it was made for: its path, size and modification time, and
// the start time and length its container gave. A different card holding files of the same names
// therefore finds nothing stale.
//
// The file is text: a header line naming the format and the rules' version, then one line per
// recording file: path, size, modification time (ns), start time (s), length (ms), whether it held
// telemetry, and its incidents (kind, time, strength, speed). Numbers are written and read the
// same in every locale. The file is input like any other: a line that does not read back, or
// holds a value out of range, is skipped, and the file, its lines and its entries are bounded.
// Saving merges what another running viewer saved meanwhile.

#include "library/CardIncidents.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace vemora {

struct FileStamp {
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t startTime = 0;   // the recording's start, seconds (ContainerSummary::startTime)
    uint32_t durationMs = 0; // its length (ContainerSummary::durationMs)
    bool operator==(const FileStamp&) const = default;
};

// The file's size and modification time; nothing when it cannot be read.
std::optional<FileStamp> StampOfFile(const std::string& path);

class IncidentCache {
public:
    // Beyond these the cache is not this program's: larger files are not read, longer lines and
    // further entries are skipped.
    static constexpr size_t kMaxFileBytes = 64u << 20;
    static constexpr size_t kMaxEntries = 50000;
    static constexpr size_t kMaxIncidentsPerFile = 10000;

    // Replaces the entries by those of file; false (and empty) when it is missing, unreadable or
    // not a cache of this version. Lines that do not read back are skipped (SkippedLines).
    bool Load(const std::string& file);
    // Writes every entry to file, whole or not at all, merged with the entries another viewer
    // saved there since this one loaded it (the entries stored here win); the folder is made
    // when missing. At most kMaxEntries are kept, this cache's own first.
    bool Save(const std::string& file);

    const FileIncidents* Find(const std::string& path, const FileStamp& stamp) const;
    void Store(const std::string& path, const FileStamp& stamp, FileIncidents found);
    size_t Size() const { return m_entries.size(); }
    size_t SkippedLines() const { return m_skipped; }
    // True when entries were stored since the last Load or Save.
    bool Changed() const { return m_bChanged; }
    // Keeps at most maxEntries: when there are more, only the paths of keep survive.
    void Trim(size_t maxEntries, const std::function<bool(const std::string& path)>& keep);

private:
    struct Entry {
        FileStamp stamp;
        FileIncidents found;
    };
    using Entries = std::unordered_map<std::string, Entry>;
    static bool ReadEntries(const std::string& file, Entries& entries, size_t& skipped);

    Entries m_entries;
    std::unordered_set<std::string> m_stored; // paths stored since the last Load or Save
    size_t m_skipped = 0;
    bool m_bChanged = false;
};

// A lookup that answers from the cache when the file is unchanged, and otherwise reads the file
// and stores what it found. The cache must not be used elsewhere while the lookup runs.
FileIncidentLookup CachedIncidentLookup(IncidentCache& cache);

} // namespace vemora
