#pragma once
// An export file being written: every write is checked, and Close reports whether the whole text
// reached the disk.

#include <cstdio>
#include <string>
#include <string_view>

namespace vemora {

class ExportFile {
public:
    ExportFile() = default;
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;
    ~ExportFile();

    // Creates or truncates the file for binary writing; false when it cannot be created (errno
    // tells why).
    bool Open(const std::string& path);
    bool IsOpen() const { return m_pFile != nullptr; }
    // Appends text; after the first failed write, further writes are skipped.
    void Write(std::string_view text);
    // Closes the file; false when it was not open or any write or the close failed.
    bool Close();

private:
    std::FILE* m_pFile = nullptr;
    bool m_bFailed = false;
};

} // namespace vemora
