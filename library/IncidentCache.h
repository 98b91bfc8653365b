#pragma once
// What was found in each recording file before, kept outside the card (the desktop program keeps
// it in the user's cache folder) so that a second opening of the same card needs no file read.
// An entry is valid only for the file's path, size and modification time it was made for.
//
// The file is text: a header line naming the format and the rules' version, then one line per
// recording file: path, size, modification time (ns), whether it held telemetry, and its
// incidents (kind, time, strength, speed). A file that does not read back is ignored whole.

#include "library/CardIncidents.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace vemora {

struct FileStamp {
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The file's size and modification time; nothing when it cannot be read.
std::optional<FileStamp> StampOfFile(const std::string& path);

class IncidentCache {
public:
    // Replaces the entries by those of file; false (and empty) when it is missing or damaged.
    bool Load(const std::string& file);
    // Writes every entry to file, whole or not at all (a temporary file renamed over it); the
    // folder is made when missing.
    bool Save(const std::string& file) const;

    const FileIncidents* Find(const std::string& path, const FileStamp& stamp) const;
    void Store(const std::string& path, const FileStamp& stamp, FileIncidents found);
    size_t Size() const { return m_entries.size(); }
    // True when entries were stored since the last Load or Save.
    bool Changed() const { return m_bChanged; }
    // Keeps at most maxEntries: when there are more, only the paths of keep survive.
    void Trim(size_t maxEntries, const std::function<bool(const std::string& path)>& keep);

private:
    struct Entry {
        FileStamp stamp;
        FileIncidents found;
    };
    std::unordered_map<std::string, Entry> m_entries;
    mutable bool m_bChanged = false;
};

// A lookup that answers from the cache when the file is unchanged, and otherwise reads the file
// and stores what it found. The cache must not be used elsewhere while the lookup runs.
FileIncidentLookup CachedIncidentLookup(IncidentCache& cache);

} // namespace vemora
