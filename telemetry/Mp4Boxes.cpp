// Walking the box structure of an MP4/MOV file: headers, sibling search, paths, sample entries.
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"

namespace vemora {
namespace {

constexpr FourCC kAvc1 = MakeFourCC("avc1");
constexpr FourCC kHvc1 = MakeFourCC("hvc1");

FourCC TypeAt(const uint8_t* p) {
    return FourCC{{p[0], p[1], p[2], p[3]}};
}

} // namespace

FourCC CDvr3gpParser::ReadBoxHeader(uint64_t& position, uint32_t& payloadSize) {
    uint8_t header[8];
    if (!m_file.ReadAt(position, header, sizeof header)) {
        // Fewer than 8 bytes left: the box sequence ends here.
        payloadSize = 0;
        position = m_ullFileSize > position ? m_ullFileSize : position;
        return kNoBox;
    }
    Bytes bytes(header, sizeof header);
    uint32_t size32 = *BE32(bytes, 0);
    FourCC type = TypeAt(header + 4);
    position += 8;
    if (size32 == 1) {
        uint8_t large[8];
        if (!m_file.ReadAt(position, large, sizeof large)) {
            payloadSize = 0;
            position = m_ullFileSize > position ? m_ullFileSize : position;
            return kNoBox;
        }
        position += 8;
        uint64_t size64 = *BE64(Bytes(large, sizeof large), 0);
        payloadSize = static_cast<uint32_t>(size64) - 16u;
        return type;
    }
    payloadSize = size32 - 8u;
    return type;
}

uint32_t CDvr3gpParser::FindChild(FourCC type, uint64_t& position, uint32_t range) {
    if (position + 8 > m_ullFileSize) {
        Diag("Get end myoff >m_ullFileSize-8 \n");
        return 0;
    }
    uint64_t local = position;
    uint64_t total = 0;
    for (;;) {
        uint32_t size = 0;
        FourCC found = ReadBoxHeader(local, size);
        if (found == type) {
            position = local;
            return size;
        }
        if (found == kNoBox)
            return 0;
        if (size > range) {
            Diag("Get end uiSize > range \n");
            return 0;
        }
        local += size;
        total += uint64_t(size) + 8;
        if (total >= range)
            return 0;
        // Every round moves at least one header forward, so the search ends at the file end.
        if (local + 8 > m_ullFileSize) {
            Diag("Get end myoff >m_ullFileSize-8 \n");
            return 0;
        }
    }
}

uint32_t CDvr3gpParser::FindPath(std::initializer_list<FourCC> path, uint64_t& position, uint32_t range) {
    uint32_t size = range;
    for (FourCC code : path) {
        size = FindChild(code, position, size);
        if (size == 0)
            return 0;
    }
    return size;
}

uint32_t CDvr3gpParser::FindSampleEntry(uint64_t& position, uint32_t range, FourCC& type) {
    uint64_t local = position;
    uint64_t total = 0;
    while (total < range) {
        uint32_t size = 0;
        FourCC found = ReadBoxHeader(local, size);
        if (found == kAvc1 || found == kHvc1) {
            position = local;
            type = found;
            return size;
        }
        // The end of the file (or a zeroed area) holds no further entries.
        if (found == kNoBox)
            return 0;
        local += size;
        total += uint64_t(size) + 8;
    }
    return 0;
}

} // namespace vemora
