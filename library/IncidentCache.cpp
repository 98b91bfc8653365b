#include "library/IncidentCache.h"

#include "platform/UserFolders.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vemora {

namespace {

// Bumped whenever the incident rules or this layout change: older files are then not used.
constexpr std::string_view kHeader = "vemora-incidents 2";

// What a value read back may be. Times are from the recording's start, within a 32-bit length.
constexpr int64_t kMaxIncidentTimeMs = 0xFFFFFFFFll;
constexpr double kMaxStrength = 1.0e6;
constexpr int kMaxSpeedKmh = 65535;
constexpr size_t kMaxLineBytes = 1u << 20;

bool Storable(const std::string& path) {
    return !path.empty() && path.size() < 4096 &&
           path.find_first_of(std::string_view("\t\n\r\0", 4)) == std::string::npos;
}

template <typename T> void AppendNumber(std::string& out, T value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

std::string EntryLine(const std::string& path, const FileStamp& stamp, const FileIncidents& found) {
    std::string line = path;
    line += '\t';
    AppendNumber(line, stamp.size);
    line += '\t';
    AppendNumber(line, stamp.modifiedNs);
    line += '\t';
    AppendNumber(line, stamp.startTime);
    line += '\t';
    AppendNumber(line, stamp.durationMs);
    line += found.hasTelemetry ? "\t1\t" : "\t0\t";
    for (size_t i = 0; i < found.incidents.size(); ++i) {
        const Incident& c = found.incidents[i];
        if (i)
            line += ';';
        AppendNumber(line, static_cast<int>(c.kind));
        line += ',';
        AppendNumber(line, c.timeMs);
        line += ',';
        AppendNumber(line, c.strength); // shortest text that reads back as the same double
        line += ',';
        AppendNumber(line, c.speedKmh);
    }
    return line;
}

// The whole of text as one number; nothing for anything else (blanks, signs where none belong,
// overflow).
template <typename T> std::optional<T> NumberOf(std::string_view text) {
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::optional<Incident> ParseIncident(std::string_view text) {
    const auto fields = Split(text, ',');
    if (fields.size() != 4)
        return std::nullopt;
    const auto kind = NumberOf<int>(fields[0]);
    const auto time = NumberOf<int64_t>(fields[1]);
    const auto strength = NumberOf<double>(fields[2]);
    const auto speed = NumberOf<int>(fields[3]);
    if (!kind || (*kind != static_cast<int>(IncidentKind::Jolt) &&
                  *kind != static_cast<int>(IncidentKind::HardBraking)))
        return std::nullopt;
    if (!time || *time < 0 || *time > kMaxIncidentTimeMs)
        return std::nullopt;
    if (!strength || !std::isfinite(*strength) || *strength < 0 || *strength > kMaxStrength)
        return std::nullopt;
    if (!speed || *speed < -1 || *speed > kMaxSpeedKmh)
        return std::nullopt;
    return Incident{static_cast<IncidentKind>(*kind), *time, *strength, *speed};
}

struct ParsedEntry {
    std::string path;
    FileStamp stamp;
    FileIncidents found;
};

std::optional<ParsedEntry> ParseEntry(std::string_view line) {
    const auto fields = Split(line, '\t');
    if (fields.size() != 7 || fields[0].empty())
        return std::nullopt;
    ParsedEntry entry;
    entry.path = std::string(fields[0]);
    const auto size = NumberOf<uint64_t>(fields[1]);
    const auto modified = NumberOf<int64_t>(fields[2]);
    const auto start = NumberOf<int64_t>(fields[3]);
    const auto duration = NumberOf<uint32_t>(fields[4]);
    if (!Storable(entry.path) || !size || *size > static_cast<uint64_t>(INT64_MAX) || !modified || !start ||
        !duration || (fields[5] != "0" && fields[5] != "1"))
        return std::nullopt;
    entry.stamp = FileStamp{*size, *modified, *start, *duration};
    entry.found.hasTelemetry = fields[5] == "1";
    if (fields[6].empty())
        return entry;
    const auto items = Split(fields[6], ';');
    if (items.size() > IncidentCache::kMaxIncidentsPerFile)
        return std::nullopt;
    for (std::string_view item : items) {
        auto incident = ParseIncident(item);
        if (!incident)
            return std::nullopt;
        entry.found.incidents.push_back(*incident);
    }
    return entry;
}

// The file's bytes, at most kMaxFileBytes; never through a link, never waiting on a pipe.
std::optional<std::string> ReadBounded(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::string> text;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<uint64_t>(st.st_size) <= IncidentCache::kMaxFileBytes) {
        text.emplace();
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 ||
                text->size() + static_cast<size_t>(std::max<ssize_t>(n, 0)) > IncidentCache::kMaxFileBytes) {
                text.reset();
                break;
            }
            if (n == 0)
                break;
            text->append(buffer, static_cast<size_t>(n));
        }
    }
    ::close(fd);
    return text;
}

// Held while a viewer reads, merges and replaces the cache file, so that two viewers saving at
// once both keep their entries. The lock file is empty and never followed through a link.
class SaveLock {
public:
    explicit SaveLock(const std::string& file)
        : m_fd(::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                      0600)) {
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~SaveLock() {
        if (m_fd >= 0)
            ::close(m_fd); // releases the lock
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

private:
    int m_fd;
};

std::string FolderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

} // namespace

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

bool IncidentCache::ReadEntries(const std::string& file, Entries& entries, size_t& skipped) {
    entries.clear();
    skipped = 0;
    const auto text = ReadBounded(file);
    if (!text)
        return false;
    std::string_view rest = *text;
    const size_t firstEnd = rest.find('\n');
    if (rest.substr(0, firstEnd) != kHeader)
        return false;
    rest.remove_prefix(firstEnd == std::string_view::npos ? rest.size() : firstEnd + 1);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        auto entry =
            line.size() <= kMaxLineBytes && entries.size() < kMaxEntries ? ParseEntry(line) : std::nullopt;
        if (!entry) {
            ++skipped;
            continue;
        }
        entries[entry->path] = Entry{entry->stamp, std::move(entry->found)};
    }
    return true;
}

bool IncidentCache::Load(const std::string& file) {
    m_stored.clear();
    m_bChanged = false;
    return ReadEntries(file, m_entries, m_skipped);
}

bool IncidentCache::Save(const std::string& file) {
    const std::string folder = FolderOf(file);
    if (!MakeUserFolder(folder)) {
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return false;
    }
    SaveLock lock(file);
    RemoveStaleTemporaries(folder); // of a viewer killed while saving
    Entries saved;
    size_t ignored = 0;
    ReadEntries(file, saved, ignored);
    // What is on the disk now is at least as new as what this cache loaded, except what was
    // stored here since.
    Entries merged = m_entries;
    for (auto& [path, entry] : saved) {
        if (m_stored.count(path))
            continue;
        if (auto it = merged.find(path); it != merged.end())
            it->second = std::move(entry);
        else if (merged.size() < kMaxEntries)
            merged.emplace(path, std::move(entry));
    }
    for (auto it = merged.begin(); merged.size() > kMaxEntries && it != merged.end();)
        it = m_stored.count(it->first) ? std::next(it) : merged.erase(it);
    for (auto it = merged.begin(); merged.size() > kMaxEntries;)
        it = merged.erase(it);

    std::string text(kHeader);
    text += '\n';
    for (const auto& [path, entry] : merged) {
        text += EntryLine(path, entry.stamp, entry.found);
        text += '\n';
    }
    if (!WriteWholeFile(file, text, nullptr, 0600))
        return false;
    m_entries = std::move(merged);
    m_stored.clear();
    m_bChanged = false;
    return true;
}

const FileIncidents* IncidentCache::Find(const std::string& path, const FileStamp& stamp) const {
    auto it = m_entries.find(path);
    return it != m_entries.end() && it->second.stamp == stamp ? &it->second.found : nullptr;
}

void IncidentCache::Store(const std::string& path, const FileStamp& stamp, FileIncidents found) {
    if (!Storable(path) || found.incidents.size() > kMaxIncidentsPerFile)
        return;
    m_entries[path] = Entry{stamp, std::move(found)};
    m_stored.insert(path);
    m_bChanged = true;
}

void IncidentCache::Trim(size_t maxEntries, const std::function<bool(const std::string&)>& keep) {
    if (m_entries.size() <= maxEntries)
        return;
    std::erase_if(m_entries, [&keep](const auto& item) { return !keep(item.first); });
    m_bChanged = true;
}

FileIncidentLookup CachedIncidentLookup(IncidentCache& cache) {
    return [&cache](const RecordingInfo& record) {
        const std::string path = record.GetFullPath();
        std::optional<FileStamp> stamp = StampOfFile(path);
        if (stamp) {
            stamp->startTime = record.summary.startTime;
            stamp->durationMs = record.summary.durationMs;
            if (const FileIncidents* known = cache.Find(path, *stamp))
                return *known;
        }
        FileIncidents found = FindFileIncidents(path, record.summary);
        if (stamp && found.read)
            cache.Store(path, *stamp, found);
        return found;
    };
}

} // namespace vemora
