#include "library/IncidentCache.h"

#include "platform/TextFile.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {

namespace {

// Bumped whenever the incident rules or this layout change: older files are then not used.
constexpr const char* kHeader = "vemora-incidents 1";

bool Storable(const std::string& path) {
    return !path.empty() && path.find_first_of("\t\n\r") == std::string::npos;
}

std::string EntryLine(const std::string& path, const FileStamp& stamp, const FileIncidents& found) {
    std::string line = path;
    char text[96];
    std::snprintf(text, sizeof text, "\t%" PRIu64 "\t%" PRId64 "\t%d\t", stamp.size, stamp.modifiedNs,
                  found.hasTelemetry ? 1 : 0);
    line += text;
    for (size_t i = 0; i < found.incidents.size(); ++i) {
        const Incident& c = found.incidents[i];
        std::snprintf(text, sizeof text, "%s%d,%" PRId64 ",%.17g,%d", i ? ";" : "", static_cast<int>(c.kind),
                      c.timeMs, c.strength, c.speedKmh);
        line += text;
    }
    return line;
}

bool ParseIncident(const std::string& text, Incident& c) {
    int kind = 0;
    long long time = 0;
    double strength = 0;
    int speed = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%d,%lld,%lf,%d%n", &kind, &time, &strength, &speed, &used) != 4 ||
        used != static_cast<int>(text.size()) || (kind != 0 && kind != 1))
        return false;
    c = Incident{static_cast<IncidentKind>(kind), time, strength, speed};
    return true;
}

bool ParseEntry(const std::string& line, std::string& path, FileStamp& stamp, FileIncidents& found) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (line.ends_with('\t'))
        fields.emplace_back();
    if (fields.size() != 5 || fields[0].empty())
        return false;
    char* end = nullptr;
    errno = 0;
    stamp.size = std::strtoull(fields[1].c_str(), &end, 10);
    if (errno || *end)
        return false;
    stamp.modifiedNs = std::strtoll(fields[2].c_str(), &end, 10);
    if (errno || *end || (fields[3] != "0" && fields[3] != "1"))
        return false;
    path = fields[0];
    found.hasTelemetry = fields[3] == "1";
    found.incidents.clear();
    std::stringstream list(fields[4]);
    for (std::string item; std::getline(list, item, ';');) {
        Incident c;
        if (!ParseIncident(item, c))
            return false;
        found.incidents.push_back(c);
    }
    return true;
}

} // namespace

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileStamp{static_cast<uint64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool IncidentCache::Load(const std::string& file) {
    m_entries.clear();
    m_bChanged = false;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line != kHeader)
        return false;
    std::unordered_map<std::string, Entry> entries;
    while (std::getline(in, line)) {
        std::string path;
        Entry entry;
        if (!ParseEntry(line, path, entry.stamp, entry.found))
            return false;
        entries[path] = std::move(entry);
    }
    if (in.bad())
        return false;
    m_entries = std::move(entries);
    return true;
}

bool IncidentCache::Save(const std::string& file) const {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(file);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    std::ostringstream text;
    text << kHeader << '\n';
    for (const auto& [path, entry] : m_entries)
        text << EntryLine(path, entry.stamp, entry.found) << '\n';
    if (!WriteTextFile(file, text.str(), nullptr))
        return false;
    m_bChanged = false;
    return true;
}

const FileIncidents* IncidentCache::Find(const std::string& path, const FileStamp& stamp) const {
    auto it = m_entries.find(path);
    return it != m_entries.end() && it->second.stamp == stamp ? &it->second.found : nullptr;
}

void IncidentCache::Store(const std::string& path, const FileStamp& stamp, FileIncidents found) {
    if (!Storable(path))
        return;
    m_entries[path] = Entry{stamp, std::move(found)};
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
        if (stamp)
            if (const FileIncidents* known = cache.Find(path, *stamp))
                return *known;
        FileIncidents found = FindFileIncidents(path, record.summary);
        if (stamp && found.read)
            cache.Store(path, *stamp, found);
        return found;
    };
}

} // namespace vemora
