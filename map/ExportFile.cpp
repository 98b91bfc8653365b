#include "map/ExportFile.h"

namespace vemora {

ExportFile::~ExportFile() {
    if (m_pFile)
        std::fclose(m_pFile);
}

bool ExportFile::Open(const std::string& path) {
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = std::fopen(path.c_str(), "wb");
    m_bFailed = m_pFile == nullptr;
    return m_pFile != nullptr;
}

void ExportFile::Write(std::string_view text) {
    if (!m_pFile || m_bFailed)
        return;
    if (std::fwrite(text.data(), 1, text.size(), m_pFile) != text.size())
        m_bFailed = true;
}

bool ExportFile::Close() {
    if (!m_pFile)
        return false;
    const bool closed = std::fclose(m_pFile) == 0;
    m_pFile = nullptr;
    return closed && !m_bFailed;
}

} // namespace vemora
