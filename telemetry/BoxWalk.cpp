#include "telemetry/BoxWalk.h"

#include "platform/Diagnostics.h"

namespace vemora {

namespace {

bool HeaderFits(uint64_t fileSize, uint64_t position) {
    return position + 8 <= fileSize;
}

FourCC EndOfBoxes(uint64_t fileSize, uint64_t& position, uint32_t& payloadSize) {
    payloadSize = 0;
    position = fileSize > position ? fileSize : position;
    return kNoBox;
}

} // namespace

FourCC ReadBoxHeaderAt(RecorderFile& file, uint64_t fileSize, uint64_t& position, uint32_t& payloadSize) {
    uint8_t header[8];
    if (!file.ReadAt(position, header, sizeof header))
        return EndOfBoxes(fileSize, position, payloadSize);
    uint32_t size32 = *BE32(Bytes(header, sizeof header), 0);
    FourCC type = *FourCCAt(Bytes(header, sizeof header), 4);
    position += 8;
    if (size32 == 1) {
        uint8_t large[8];
        if (!file.ReadAt(position, large, sizeof large))
            return EndOfBoxes(fileSize, position, payloadSize);
        position += 8;
        payloadSize = static_cast<uint32_t>(*BE64(Bytes(large, sizeof large), 0)) - 16u;
        return type;
    }
    payloadSize = size32 - 8u;
    return type;
}

uint32_t FindSiblingBox(RecorderFile& file, uint64_t fileSize, FourCC type, uint64_t& position,
                        uint32_t range, uint64_t* budget) {
    if (!HeaderFits(fileSize, position)) {
        Diag("Get end myoff >m_ullFileSize-8 \n");
        return 0;
    }
    uint64_t local = position;
    uint64_t total = 0;
    for (;;) {
        if (budget) {
            if (*budget == 0)
                return 0;
            --*budget;
        }
        uint32_t size = 0;
        FourCC found = ReadBoxHeaderAt(file, fileSize, local, size);
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
        if (!HeaderFits(fileSize, local)) {
            Diag("Get end myoff >m_ullFileSize-8 \n");
            return 0;
        }
    }
}

} // namespace vemora
