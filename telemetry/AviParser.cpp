#include "telemetry/AviParser.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vemora {

using namespace fourcc;

namespace {

constexpr size_t kIditTextBytes = 64;
constexpr size_t kMarkOffset = 40; // first reserved word of the main header

} // namespace

bool CDvrAviParser::ReadFourccAt(uint64_t& offset, FourCC& id) {
    std::array<uint8_t, 4> b{};
    if (!m_file.ReadAt(offset, b.data(), b.size()))
        return false;
    id = *FourCCAt(b, 0);
    offset += b.size();
    return true;
}

bool CDvrAviParser::ReadU32At(uint64_t& offset, uint32_t& value) {
    std::array<uint8_t, 4> b{};
    if (!m_file.ReadAt(offset, b.data(), b.size()))
        return false;
    value = LE32(b, 0).value_or(0);
    offset += b.size();
    return true;
}

size_t CDvrAviParser::ReadAvailableAt(uint64_t offset, uint8_t* buffer, size_t count) {
    uint64_t length = m_file.Length();
    if (offset >= length)
        return 0;
    size_t n = static_cast<size_t>(std::min<uint64_t>(count, length - offset));
    return n != 0 && m_file.ReadAt(offset, buffer, n) ? n : 0;
}

int CDvrAviParser::Parse(const std::string& path) {
    BeginVerdict();
    Reset();
    if (!OpenFile(path))
        return -1;
    return Guarded([this] { return ParseOpen(); });
}

int CDvrAviParser::ParseOpen() {
    uint64_t offset = 0;
    FourCC id{};
    uint32_t riffSize = 0;
    if (!ReadFourccAt(offset, id) || !(id == kRiff) || !ReadU32At(offset, riffSize)) {
        const bool empty = m_file.Length() == 0 || id == kNoBox;
        CloseFile();
        return Reject(empty ? RejectReason::CutShort : RejectReason::NotRecorderFile);
    }
    m_ullFileSize = m_file.Length();
    WalkState state;
    while (offset < m_ullFileSize) {
        if (!WalkStep(offset, state))
            break; // the file ends inside a chunk id or size: nothing more to read
        NoteDataEnd(offset);
    }
    CloseFile();
    if (!state.startTimeFound)
        m_startTime = 0;
    if (state.truncated)
        m_bRanPastEnd = true;
    if (!Accepted(state))
        return Reject(MissingPartReason(state.mainHeader, true, m_bMarkOk));
    if (!InlinePayloadsWithinLength())
        return Reject(RejectReason::TooManyRecords);
    PublishCommon();
    return 0;
}

bool CDvrAviParser::Accepted(const WalkState& state) const {
    return m_width != 0 && m_height != 0 && m_durationMs != 0 && !state.truncated && m_bMarkOk;
}

// Unknown ids are not skipped by a size: the walk reads on four bytes at a time until it meets
// an id it knows (this is also how it gets past the pad byte of an odd-sized chunk).
bool CDvrAviParser::WalkStep(uint64_t& offset, WalkState& state) {
    CountWalkedHeader();
    FourCC id{};
    if (!ReadFourccAt(offset, id))
        return false;
    if (id == kList)
        return ReadList(offset, state);
    if (id == kAvih) {
        state.mainHeader = true;
        return ReadMainHeader(offset);
    }
    if (id == kStrh)
        return ReadStreamHeader(offset);
    if (id == kGps0)
        return ReadGpsChunk(offset, state);
    if (id == kIdit)
        return ReadIditChunk(offset, state);

    bool gsen = id == kGsen, gpsa = id == kGpsa, gsea = id == kGsea;
    bool skipped = id == kJunk || id == kIdx1 || id == kIndx;
    if (!gsen && !gpsa && !gsea && !skipped)
        return true;
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    const uint64_t dataStart = offset;
    if (gsen) {
        m_gsensorBoxOffset = dataStart;
        m_gsensorBoxSize = size;
        offset = dataStart + 3 * uint64_t(size / 3); // the recorder steps over the samples in threes
        return true;
    }
    std::array<uint8_t, 4> word{};
    if ((gpsa || gsea) && m_file.ReadAt(dataStart, word.data(), word.size())) {
        if (gpsa)
            m_gpsRate = LE32(word, 0).value_or(0);
        else
            m_gsensorInfo = GSensorInfo{word};
    }
    offset = dataStart + size;
    return true;
}

bool CDvrAviParser::ReadList(uint64_t& offset, WalkState& state) {
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    const uint64_t listEnd = offset + size;
    FourCC type{};
    if (!ReadFourccAt(offset, type))
        return false;
    if (type == kHdrl || type == kStrl || type == kAvih)
        return true; // the headers are read from inside the list
    if (type == kMovi && listEnd > m_ullFileSize)
        state.truncated = true;
    offset = listEnd;
    return true;
}

bool CDvrAviParser::ReadMainHeader(uint64_t& offset) {
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    std::array<uint8_t, kMainHeaderBytes> header{};
    size_t got = ReadAvailableAt(offset, header.data(), std::min<uint32_t>(size, kMainHeaderBytes));
    offset += got;
    m_bMarkOk = FourCCAt(header, kMarkOffset) == kAviMark;
    // In 64 bits: microseconds per frame times frames overflows 32 bits after about 71 minutes.
    uint64_t micros = uint64_t(LE32(header, 0).value_or(0)) * LE32(header, 16).value_or(0);
    m_durationMs =
        static_cast<uint32_t>(std::min<uint64_t>(micros / 1000, std::numeric_limits<uint32_t>::max()));
    m_lengthSeconds = m_durationMs / 1000;
    return true;
}

bool CDvrAviParser::ReadStreamHeader(uint64_t& offset) {
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    std::array<uint8_t, kStreamHeaderBytes> header{};
    size_t got = ReadAvailableAt(offset, header.data(), std::min<uint32_t>(size, kStreamHeaderBytes));
    offset += got;
    FourCC type = *FourCCAt(header, 0);
    if (!(type == kVids) && !(type == kAuds))
        return true;
    FourCC next{};
    if (!ReadFourccAt(offset, next))
        return false;
    if (!(next == kStrf))
        return true;
    if (type == kVids) {
        ReadBitmapHeader(offset);
        return true;
    }
    uint32_t formatSize = 0;
    if (!ReadU32At(offset, formatSize))
        return false;
    offset += formatSize;
    return true;
}

void CDvrAviParser::ReadBitmapHeader(uint64_t& offset) {
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return;
    std::array<uint8_t, kBitmapHeaderBytes> bitmap{};
    offset += ReadAvailableAt(offset, bitmap.data(), std::min<uint32_t>(size, kBitmapHeaderBytes));
    // Signed in the header (a top-down picture has a negative height); the low 16 bits are kept.
    m_width = static_cast<uint16_t>(LE32(bitmap, 4).value_or(0));
    m_height = static_cast<uint16_t>(LE32(bitmap, 8).value_or(0));
}

bool CDvrAviParser::ReadGpsChunk(uint64_t& offset, WalkState& state) {
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    const uint64_t dataStart = offset;
    m_gpsBoxOffset = dataStart;
    m_gpsBoxSize = size;
    const uint32_t records = size / kRecordSize;
    std::array<uint8_t, kRecordSize> record{};
    // Only the start time is taken here; records the file does not hold are not looked at.
    for (uint32_t i = 0; i < records && !state.startTimeFound; ++i) {
        if (!m_file.ReadAt(dataStart + uint64_t(i) * kRecordSize, record.data(), record.size()))
            break;
        state.startTimeFound = TryGpsRecordStartTime(record, i);
    }
    offset = dataStart + uint64_t(records) * kRecordSize;
    return true;
}

bool CDvrAviParser::ReadIditChunk(uint64_t& offset, WalkState& state) {
    state.startTimeFound = true;
    uint32_t size = 0;
    if (!ReadU32At(offset, size))
        return false;
    if (size >= m_ullFileSize)
        return true; // a size no file could hold: the walk goes on after the size field
    std::array<uint8_t, kIditTextBytes> text{};
    size_t got = ReadAvailableAt(offset, text.data(), std::min<size_t>(size, text.size()));
    state.startTimeFound = ApplyIditText(text.data(), got);
    offset += size;
    return true;
}

} // namespace vemora
