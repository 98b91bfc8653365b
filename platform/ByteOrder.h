#pragma once
// Explicit little- and big-endian field readers. Every read names its byte order and is bounds
// checked against the buffer it reads from; nothing is ever read by casting a struct over bytes.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace vemora {

using Bytes = std::span<const uint8_t>;

inline bool HasBytes(Bytes b, size_t offset, size_t count) {
    return offset <= b.size() && count <= b.size() - offset;
}

template <typename T, size_t N, bool Big> inline std::optional<T> ReadUnsigned(Bytes b, size_t offset) {
    if (!HasBytes(b, offset, N))
        return std::nullopt;
    uint64_t v = 0;
    for (size_t i = 0; i < N; ++i) {
        size_t idx = Big ? i : N - 1 - i;
        v = (v << 8) | b[offset + idx];
    }
    return static_cast<T>(v);
}

inline std::optional<uint8_t> U8(Bytes b, size_t off) {
    return ReadUnsigned<uint8_t, 1, true>(b, off);
}
inline std::optional<uint16_t> BE16(Bytes b, size_t off) {
    return ReadUnsigned<uint16_t, 2, true>(b, off);
}
inline std::optional<uint32_t> BE32(Bytes b, size_t off) {
    return ReadUnsigned<uint32_t, 4, true>(b, off);
}
inline std::optional<uint64_t> BE64(Bytes b, size_t off) {
    return ReadUnsigned<uint64_t, 8, true>(b, off);
}
inline std::optional<uint16_t> LE16(Bytes b, size_t off) {
    return ReadUnsigned<uint16_t, 2, false>(b, off);
}
inline std::optional<uint32_t> LE32(Bytes b, size_t off) {
    return ReadUnsigned<uint32_t, 4, false>(b, off);
}
inline std::optional<uint64_t> LE64(Bytes b, size_t off) {
    return ReadUnsigned<uint64_t, 8, false>(b, off);
}

inline std::optional<int16_t> LE16s(Bytes b, size_t off) {
    auto v = LE16(b, off);
    return v ? std::optional<int16_t>(static_cast<int16_t>(*v)) : std::nullopt;
}
inline std::optional<int32_t> LE32s(Bytes b, size_t off) {
    auto v = LE32(b, off);
    return v ? std::optional<int32_t>(static_cast<int32_t>(*v)) : std::nullopt;
}

inline std::optional<double> LEDouble(Bytes b, size_t off) {
    auto v = LE64(b, off);
    if (!v)
        return std::nullopt;
    double d;
    uint64_t bits = *v;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
inline std::optional<float> LEFloat(Bytes b, size_t off) {
    auto v = LE32(b, off);
    if (!v)
        return std::nullopt;
    float f;
    uint32_t bits = *v;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Writers, for the fixture writer and the in-memory layout of GPS points.
inline void PutLE16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutLE32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutLE64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutBE16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}
inline void PutBE32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * (3 - i)));
}
inline void PutBE64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * (7 - i)));
}

// Four-character codes, compared as their bytes in file order.
struct FourCC {
    uint8_t b[4];
    constexpr bool operator==(const FourCC&) const = default;
};
constexpr FourCC MakeFourCC(const char (&s)[5]) {
    return FourCC{{static_cast<uint8_t>(s[0]), static_cast<uint8_t>(s[1]), static_cast<uint8_t>(s[2]),
                   static_cast<uint8_t>(s[3])}};
}
// The four bytes at offset as a code; nullopt when the buffer ends first.
inline std::optional<FourCC> FourCCAt(Bytes b, size_t off) {
    if (!HasBytes(b, off, 4))
        return std::nullopt;
    return FourCC{{b[off], b[off + 1], b[off + 2], b[off + 3]}};
}

} // namespace vemora
