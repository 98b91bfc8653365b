#pragma once
// SHA-256 of the bytes of kept copies: the archive recognises a recording it already holds by this
// hash, and a copy is verified by hashing it again from the disk. A private helper of the keep
// code; streaming, so a recording of any size is hashed in blocks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vemora {

class KeepHash {
public:
    KeepHash();
    void Update(const void* data, std::size_t size);
    // The digest as 64 lower-case hexadecimal digits. The object is spent afterwards.
    std::string FinishHex();

private:
    void Block(const uint8_t* block);

    std::array<uint32_t, 8> m_state{};
    std::array<uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    uint64_t m_totalBytes = 0;
};

// The hash of the whole file at path, read in blocks with O_NOFOLLOW; empty when it cannot be
// read (the reason in *error).
std::string HashOfFile(const std::string& path, std::string* error);

} // namespace vemora
