#pragma once
// An in-memory file (memfd) that readers open by its /proc path, so that fuzz targets run the
// file-reading code exactly as on a card without touching the disk.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace vemora::fuzz {

class MemoryFile {
public:
    explicit MemoryFile(const char* name) {
        m_fd = ::memfd_create(name, MFD_CLOEXEC);
        if (m_fd < 0)
            std::abort();
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    // Replaces the content; `zeros` more zero bytes follow the data.
    void Fill(const uint8_t* data, size_t size, size_t zeros = 0) {
        if (::ftruncate(m_fd, 0) != 0 || ::ftruncate(m_fd, static_cast<off_t>(size + zeros)) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            ssize_t n = ::pwrite(m_fd, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<size_t>(n);
        }
    }
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

} // namespace vemora::fuzz
