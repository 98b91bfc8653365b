#pragma once
// SHA-256 (FIPS 180-4) of bytes fed in pieces: the digest the receiver of an incident pack checks
// with sha256sum. Small and dependency-free; fast enough to hash a card's recordings while they
// are copied.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vemora {

class Sha256 {
public:
    using Digest = std::array<uint8_t, 32>;

    Sha256();
    void Update(const void* data, std::size_t size);
    void Update(std::string_view bytes) { Update(bytes.data(), bytes.size()); }
    // The digest of everything fed so far; the hasher starts over afterwards.
    Digest Finish();

    // Lower-case hexadecimal, as sha256sum prints it.
    static std::string Hex(const Digest& digest);
    static std::string HexOf(std::string_view bytes);

private:
    void Block(const uint8_t* block);
    void Reset();

    std::array<uint32_t, 8> state_{};
    std::array<uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    uint64_t totalBytes_ = 0;
};

} // namespace vemora
