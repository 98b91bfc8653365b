#pragma once
// An export file being written whole: the text goes to a temporary beside the target, and only a
// complete, synced file replaces the target (an earlier export the user chose to overwrite stays
// as it was when anything fails). Every write is checked, and Close reports whether the whole
// text reached the disk.

#include "platform/WholeFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace vemora {

class ExportFile {
public:
    ExportFile() = default;
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    // Not closed: nothing replaces the target.
    ~ExportFile() = default;

    // Starts the file; false when it cannot be created (errno tells why).
    bool Open(const std::string& path);
    bool IsOpen() const { return m_file.has_value(); }
    // Appends text; after the first failed write, further writes are skipped.
    void Write(std::string_view text);
    // Puts the whole text in place of the target; false (errno telling why, the target
    // untouched) when it was not open or any write or the replacement failed.
    bool Close();

private:
    bool Flush();
    std::optional<WholeFile> m_file;
    std::string m_buffer;
    bool m_bFailed = false;
    int m_nError = 0;
};

} // namespace vemora
