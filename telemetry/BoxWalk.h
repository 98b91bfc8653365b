#pragma once
// The two box-walking primitives shared by the MP4/MOV reader and the trailer reader: one header,
// and the search through a run of sibling boxes. Box headers are big-endian.

#include "telemetry/BoxTypes.h"
#include "telemetry/RecorderFile.h"

#include <cstdint>

namespace vemora {

// Reads the header at position and moves position past it. A 32-bit size of 1 takes the 64-bit
// size that follows (its low 32 bits minus 16); any other size gives size - 8 in unsigned 32-bit
// arithmetic, so sizes below 8 wrap to a value near 2^32. When the file ends before a complete
// header, returns kNoBox with a payload of 0 and the position at the file end.
FourCC ReadBoxHeaderAt(RecorderFile& file, uint64_t fileSize, uint64_t& position, uint32_t& payloadSize);

// Looks for a box of `type` among the siblings starting at position, giving up when a payload is
// larger than range, the sizes walked add up to range, the file ends or a zero type appears.
// Found: position = its payload start, returns its payload size (0 for an empty box, which thus
// counts as not found). The two "Get end" diagnostics tell why a search stopped. With a budget,
// each header read takes one from it and the search gives up (0) when it is spent.
uint32_t FindSiblingBox(RecorderFile& file, uint64_t fileSize, FourCC type, uint64_t& position,
                        uint32_t range, uint64_t* budget = nullptr);

} // namespace vemora
