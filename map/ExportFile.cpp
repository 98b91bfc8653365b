#include "map/ExportFile.h"

#include <cerrno>

namespace vemora {
namespace {

// Writes are gathered into blocks of this size: a track is written one short line per point.
constexpr std::size_t kBlockBytes = 64 * 1024;

} // namespace

bool ExportFile::Open(const std::string& path) {
    m_file.reset();
    m_buffer.clear();
    if (auto file = WholeFile::Begin(path, nullptr))
        m_file.emplace(std::move(*file));
    m_bFailed = !m_file;
    m_nError = m_bFailed ? errno : 0;
    return !m_bFailed;
}

bool ExportFile::Flush() {
    if (m_buffer.empty())
        return true;
    if (!m_file->Write(m_buffer, nullptr)) {
        m_bFailed = true;
        m_nError = errno;
        return false;
    }
    m_buffer.clear();
    return true;
}

void ExportFile::Write(std::string_view text) {
    if (!m_file || m_bFailed)
        return;
    m_buffer.append(text);
    if (m_buffer.size() >= kBlockBytes)
        Flush();
}

bool ExportFile::Close() {
    if (!m_file) {
        errno = m_nError ? m_nError : EBADF;
        return false;
    }
    const bool written = !m_bFailed && Flush() && m_file->Commit(nullptr);
    const int code = written ? 0 : (m_nError ? m_nError : errno);
    m_file.reset(); // abandons the temporary when nothing was committed
    m_buffer.clear();
    errno = code;
    return written;
}

} // namespace vemora
