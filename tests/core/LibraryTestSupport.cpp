#include "tests/core/LibraryTestSupport.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <stdexcept>

namespace vemora::testing {

namespace fs = std::filesystem;

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "vemora-lib-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_root = pattern + "/";
}

TempTree::~TempTree() {
    std::error_code ec;
    // Give back every permission a test took away, so that the tree can be removed.
    for (auto it =
             fs::recursive_directory_iterator(m_root, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_root, ec);
}

std::string TempTree::AddFolder(const std::string& relativePath) {
    fs::create_directories(m_root + relativePath);
    return m_root + relativePath;
}

std::string TempTree::AddFile(const std::string& relativePath, const std::string& contents) {
    fs::path path = m_root + relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
    return path.string();
}

int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second) {
    struct tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&t));
}

ContainerSummary& FakeReader::Add(const std::string& fileName, int64_t startTime, uint32_t durationMs,
                                  uint64_t fileSize) {
    ContainerSummary& s = m_summaries[fileName];
    s.startTime = startTime;
    s.durationMs = durationMs;
    s.fileSize = fileSize;
    s.width = 1920;
    s.height = 1080;
    return s;
}

ContainerReader FakeReader::Reader() {
    return [this](const std::string& path, ContainerKind, ContainerSummary& summary) {
        ++calls;
        std::string name = path.substr(path.find_last_of('/') + 1);
        auto it = m_summaries.find(name);
        if (it == m_summaries.end())
            return ReadVerdict{RejectReason::NotRecorderFile, {}};
        summary = it->second;
        return ReadVerdict{};
    };
}

} // namespace vemora::testing
