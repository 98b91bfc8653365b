// Walking the box structure of an MP4/MOV file: headers, sibling search, paths, sample entries.
#include "platform/Diagnostics.h"
#include "telemetry/BoxWalk.h"
#include "telemetry/Mp4Parser.h"

#include <algorithm>

namespace vemora {

using namespace fourcc;

FourCC CDvr3gpParser::ReadBoxHeader(uint64_t& position, uint32_t& payloadSize) {
    CountWalkedHeader();
    const uint64_t start = position;
    FourCC type = ReadBoxHeaderAt(m_file, m_ullFileSize, position, payloadSize);
    if (start < m_ullFileSize)
        NoteDataEnd(type == kNoBox && payloadSize == 0 ? start + 8 : position + payloadSize);
    return type;
}

uint32_t CDvr3gpParser::FindChild(FourCC type, uint64_t& position, uint32_t range) {
    uint64_t budget = kMaxWalkedHeaders - std::min(m_nWalkedHeaders, kMaxWalkedHeaders);
    const uint64_t before = budget;
    uint32_t size = FindSiblingBox(m_file, m_ullFileSize, type, position, range, &budget);
    m_nWalkedHeaders += before - budget;
    if (budget == 0)
        throw FileReadError(RejectReason::TooManyBoxes, "too many boxes");
    return size;
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
