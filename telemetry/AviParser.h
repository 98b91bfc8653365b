#pragma once
// Reader of AVI recordings. The recorders that write AVI put the telemetry of the inline layout
// into RIFF chunks ("gps0", "gsen", "gpsa", "gsea", "IDIT"); the summary is published with format
// 0 so that the recording is shown like an inline-layout MP4. Chunk sizes and all numbers are
// little-endian.

#include "telemetry/BoxTypes.h"
#include "telemetry/VideoParser.h"

#include <string>

namespace vemora {

class CDvrAviParser : public CDvrVideoParser {
public:
    int Parse(const std::string& path) override;

    // Bytes of the main header and stream header kept; a longer header is read only this far.
    static constexpr uint32_t kMainHeaderBytes = 56;
    static constexpr uint32_t kStreamHeaderBytes = 64;
    static constexpr uint32_t kBitmapHeaderBytes = 40;

protected:
    // Fixed-size reads at offset, which moves past the data. False when the file ends first.
    bool ReadFourccAt(uint64_t& offset, FourCC& id);
    bool ReadU32At(uint64_t& offset, uint32_t& value);
    // Reads up to count bytes at offset, as many as the file holds; returns how many.
    size_t ReadAvailableAt(uint64_t offset, uint8_t* buffer, size_t count);

private:
    struct WalkState {
        bool startTimeFound = false;
        bool truncated = false;  // a "movi" list runs past the end of the file
        bool mainHeader = false; // an "avih" chunk was met
    };
    int ParseOpen();
    // One step of the chunk walk at offset; false when the file ends inside an id or a size.
    bool WalkStep(uint64_t& offset, WalkState& state);
    bool ReadList(uint64_t& offset, WalkState& state);
    bool ReadMainHeader(uint64_t& offset);
    bool ReadStreamHeader(uint64_t& offset);
    void ReadBitmapHeader(uint64_t& offset);
    bool ReadGpsChunk(uint64_t& offset, WalkState& state);
    bool ReadIditChunk(uint64_t& offset, WalkState& state);
    bool Accepted(const WalkState& state) const;
};

} // namespace vemora
