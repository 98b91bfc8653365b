// The parts of "moov" that every layout reads the same way: duration, creation time, track
// handlers, picture size and codec, the trak walk and the offset tables.
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"

#include <cinttypes>
#include <cstdio>

namespace vemora {

using namespace fourcc;

namespace {

// Seconds between 1904-01-01 (the movie header's epoch) and 1970-01-01.
constexpr uint32_t kEpoch1904 = 2082844800u;
constexpr int kMaxTrackVisits = 50;

// Whole seconds of a duration in milliseconds. A duration longer than a 32-bit millisecond
// count can hold is kept at the largest whole second that fits instead of wrapping around.
uint32_t WholeSecondsMs(uint32_t duration, uint32_t timescale) {
    if (timescale == 0)
        return 0;
    uint64_t ms = uint64_t(duration / timescale) * 1000u;
    constexpr uint64_t kLargest = (UINT32_MAX / 1000u) * 1000u;
    return static_cast<uint32_t>(ms > kLargest ? kLargest : ms);
}

} // namespace

void CDvr3gpParser::ReadMovieDuration(uint64_t moovStart, uint32_t moovSize,
                                      std::initializer_list<FourCC> path) {
    uint64_t position = moovStart;
    uint32_t size = FindPath(path, position, moovSize);
    if (size == 0)
        return;
    std::vector<uint8_t> payload = ReadPayloadAt(position, size);
    Bytes b(payload);
    auto timescale = BE32(b, 12);
    auto duration = BE32(b, 16);
    if (!timescale || !duration)
        return; // a header too short to hold the fields gives no duration
    m_durationMs = WholeSecondsMs(*duration, *timescale);
}

void CDvr3gpParser::ReadCreationTime(uint64_t moovStart, uint32_t moovSize) {
    uint64_t position = moovStart;
    uint32_t size = FindPath({kMvhd}, position, moovSize);
    uint32_t created = 0;
    if (size >= 8) {
        uint8_t field[4];
        ReadExactAt(position + 4, field, sizeof field);
        created = *BE32(Bytes(field, sizeof field), 0);
    }
    if (created >= kEpoch1904) {
        // The recorder writes its local wall clock; keep the calendar fields as written.
        time_t s = static_cast<time_t>(created - kEpoch1904);
        struct tm fields {};
        gmtime_r(&s, &fields);
        char text[101] = {};
        std::strftime(text, sizeof text - 1, "%Y-%m-%d %H:%M:%S", &fields);
        Diag("%" PRId64 ": %s\n", static_cast<int64_t>(s), text);
        m_startTime = LocalTimeOf(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                                  fields.tm_min, fields.tm_sec);
    } else {
        m_startTime = FileCreationLocalTime();
    }
}

CDvr3gpParser::TrackHandler CDvr3gpParser::ReadTrackHandler(uint64_t from, uint32_t range) {
    TrackHandler handler;
    uint64_t position = from;
    uint32_t size = FindPath({kTrak, kMdia, kHdlr}, position, range);
    if (size == 0)
        return handler;
    std::vector<uint8_t> payload = ReadPayloadAt(position, size);
    Bytes b(payload);
    handler.found = true;
    handler.type = FourCCAt(b, 8).value_or(kNoBox);
    handler.nameTag = FourCCAt(b, 25).value_or(kNoBox); // after the one-byte length of the handler name
    return handler;
}

void CDvr3gpParser::ReadPictureFormat(uint64_t moovStart, uint32_t moovSize) {
    // The video track normally comes first; a recorder that writes its metadata track first
    // still has its picture size read from the first track that carries a video sample entry.
    uint64_t trakFrom = moovStart;
    for (int visit = 0; visit < kMaxTrackVisits; ++visit) {
        uint64_t trak = trakFrom;
        uint32_t trakSize = FindChild(kTrak, trak, moovSize);
        if (trakSize == 0)
            return;
        trakFrom = trak + trakSize;
        uint64_t position = trak;
        uint32_t stsdSize = FindPath({kMdia, kMinf, kStbl, kStsd}, position, trakSize);
        if (stsdSize < 8)
            continue;
        uint8_t head[8];
        ReadExactAt(position, head, sizeof head); // version/flags, entry count
        if (*BE32(Bytes(head, sizeof head), 4) == 0)
            continue;
        uint64_t entry = position + 8;
        FourCC type = kNoBox;
        uint32_t entrySize = FindSampleEntry(entry, stsdSize, type);
        if (entrySize == 0)
            continue;
        std::vector<uint8_t> payload = ReadPayloadAt(entry, entrySize);
        Bytes b(payload);
        m_width = BE16(b, 24).value_or(0);
        m_height = BE16(b, 26).value_or(0);
        if (m_pSummary)
            m_pSummary->codec = type == kHvc1 ? VideoCodec::H265 : VideoCodec::H264;
        return;
    }
}

void CDvr3gpParser::ReadFirstTrackAvcFormat(uint64_t moovStart, uint32_t moovSize) {
    uint64_t position = moovStart;
    uint32_t stsdSize = FindPath({kTrak, kMdia, kMinf, kStbl, kStsd}, position, moovSize);
    if (stsdSize < 8)
        return;
    uint8_t head[8];
    ReadExactAt(position, head, sizeof head);
    if (*BE32(Bytes(head, sizeof head), 4) == 0)
        return;
    uint64_t entry = position + 8;
    uint32_t entrySize = FindChild(kAvc1, entry, stsdSize);
    if (entrySize == 0)
        return;
    std::vector<uint8_t> payload = ReadPayloadAt(entry, entrySize);
    Bytes b(payload);
    m_width = BE16(b, 24).value_or(0);
    m_height = BE16(b, 26).value_or(0);
}

void CDvr3gpParser::WalkTracks(uint64_t moovStart, uint32_t moovSize,
                               const std::function<void(const TrackHandler&, uint64_t from)>& visit) {
    // Each visit starts after the trak of the previous one; when no trak follows, the next visit
    // starts again at the first trak, so every trak is normally seen twice. The sum of the trak
    // payloads seen and the visit limit end the walk.
    uint64_t cursor = moovStart;
    uint32_t previousSize = 0;
    uint64_t sum = 0;
    for (int n = 0; n < kMaxTrackVisits; ++n) {
        uint64_t from = previousSize == 0 ? moovStart : cursor + previousSize;
        visit(ReadTrackHandler(from, moovSize), from);
        uint64_t next = from;
        uint32_t size = FindPath({kTrak}, next, moovSize);
        // Without any trak every further visit would find nothing again.
        if (size == 0 && from == moovStart)
            break;
        if (size != 0)
            cursor = next;
        previousSize = size;
        sum += size;
        if (sum >= moovSize)
            break;
    }
}

std::vector<uint32_t> CDvr3gpParser::ReadOffsetTable(uint64_t payloadStart, uint32_t payloadSize,
                                                     uint32_t entrySize, bool dropWhenCountExceedsBytes) {
    std::vector<uint8_t> payload = ReadPayloadAt(payloadStart, payloadSize);
    Bytes b(payload);
    std::vector<uint32_t> offsets;
    auto count = BE32(b, 4);
    if (!count)
        return offsets;
    if (dropWhenCountExceedsBytes && *count > payloadSize)
        return offsets;
    // Only the entries that the payload really holds are taken.
    uint64_t present = payloadSize >= 8 ? (payloadSize - 8) / entrySize : 0;
    uint64_t n = *count < present ? *count : present;
    offsets.reserve(static_cast<size_t>(n));
    for (uint64_t i = 0; i < n; ++i)
        offsets.push_back(*BE32(b, static_cast<size_t>(8 + entrySize * i)));
    return offsets;
}

} // namespace vemora
