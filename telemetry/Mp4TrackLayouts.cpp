// Layouts 1-4: the telemetry is found through "moov" - a timed-metadata track (1, 2), the file's
// trailer (3, read at playback time) or a "gps " index box (4).
#include "telemetry/Mp4Parser.h"

#include "telemetry/TrackLimits.h"

#include <algorithm>

namespace vemora {

using namespace fourcc;

namespace {

constexpr uint32_t kChunkOffsetEntry = 4;
constexpr uint32_t kGpsIndexEntry = 8; // record offset, record size
constexpr int64_t kRecord92Lead = 2;   // the 92-byte record starts 2 bytes into its chunk
constexpr uint8_t kMetaTrackRate = 5;  // GPS records per second, formats 1 and 2
constexpr uint8_t kOncePerSecond = 1;  // formats 3 and 4

int64_t SignExtended(uint32_t v) {
    return static_cast<int64_t>(static_cast<int32_t>(v));
}

bool AcceptTrackLayout(bool video, uint16_t width, uint16_t height, uint32_t durationMs) {
    return video && width != 0 && height != 0 && durationMs != 0;
}

} // namespace

void CDvr3gpParser::RequireTableWithinLength(uint64_t payloadStart, uint32_t payloadSize, uint32_t entrySize,
                                             double recordsPerSecond) {
    uint8_t head[8] = {}; // version and flags, entry count
    if (payloadSize < sizeof head)
        return;
    ReadExactAt(payloadStart, head, sizeof head);
    const uint64_t present = (payloadSize - sizeof head) / entrySize;
    const uint64_t entries = std::min<uint64_t>(*BE32(Bytes(head, sizeof head), 4), present);
    if (entries > TrackRecordLimit(m_durationMs, recordsPerSecond))
        throw FileReadError(RejectReason::TooManyRecords, "record table longer than the recording");
}

void CDvr3gpParser::ReadTrackLayoutMoov(uint64_t moovStart, uint32_t moovSize, TelemetryFormat format,
                                        TrackWalkState& state) {
    ReadMovieDuration(moovStart, moovSize, {kMvhd});
    const FourCC videoTag = format == TelemetryFormat::MetaTrack88 ? kJtdVideoTag : kVideoTag;
    const bool wantsTable = format != TelemetryFormat::FileTrailer;
    WalkTracks(moovStart, moovSize, [&](const TrackHandler& handler, uint64_t from) {
        if (!handler.found)
            return;
        if (handler.type == kVide) {
            state.video = handler.nameTag == videoTag;
            return;
        }
        if (handler.type != kMeta || !wantsTable || state.tableDone)
            return;
        // Format 2 counts only the first metadata trak visited; format 1 waits for the video
        // trak, so its table is taken once whichever of the two comes first.
        if (format == TelemetryFormat::MetaTrack92)
            state.tableDone = true;
        uint64_t position = from;
        uint32_t size = FindPath({kTrak, kMdia, kMinf, kStbl, kStco}, position, moovSize);
        if (size == 0 || !m_pSummary || !state.video)
            return;
        state.tableDone = true;
        const bool is92 = format == TelemetryFormat::MetaTrack92;
        // The movie header came first, so the length that bounds the table is known.
        RequireTableWithinLength(position, size, kChunkOffsetEntry, kMetaTrackRate);
        std::vector<uint32_t> offsets = ReadOffsetTable(position, size, kChunkOffsetEntry, is92);
        auto& table = is92 ? m_pSummary->metaRecords92 : m_pSummary->metaRecords88;
        for (uint32_t i = 0; i < offsets.size(); ++i)
            table.push_back(RecordLocator{i, SignExtended(offsets[i]) + (is92 ? kRecord92Lead : 0)});
    });
    if (state.video)
        ReadCreationTime(moovStart, moovSize);
    ReadPictureFormat(moovStart, moovSize);
}

int CDvr3gpParser::ReadTrackLayout(const std::string& path, TelemetryFormat format) {
    uint64_t position = 0;
    if (!BeginLayout(path, position))
        return -1;
    const bool announce = format != TelemetryFormat::MetaTrack88;
    return Guarded(
        [&] {
            TrackWalkState state;
            bool movieHeader = false;
            while (position < m_ullFileSize) {
                uint32_t size = 0;
                FourCC type = ReadBoxHeader(position, size);
                if (type == kMoov) {
                    movieHeader = true;
                    ReadTrackLayoutMoov(position, size, format, state);
                    position += size;
                } else if (format != TelemetryFormat::MetaTrack88 || type == kFtyp || type == kThm ||
                           type == kFree || type == kMdat) {
                    position += size;
                } else if (type == kNoBox) {
                    // Zero-filled space (a tail left by a power cut) holds no more boxes; entering
                    // it would crawl through it eight bytes at a time.
                    break;
                }
                // Format 1 enters every other box: its children are walked like top-level boxes.
            }
            CloseFile();
            if (!AcceptTrackLayout(state.video, m_width, m_height, m_durationMs))
                return Reject(MissingPartReason(movieHeader, state.video, true));
            PublishTrackLayout(format,
                               format == TelemetryFormat::FileTrailer ? kOncePerSecond : kMetaTrackRate);
            return 0;
        },
        announce);
}

int CDvr3gpParser::ReadGpsIndexBox(const std::string& path) {
    uint64_t position = 0;
    if (!BeginLayout(path, position))
        return -1;
    return Guarded([&] {
        bool video = false;
        bool movieHeader = false;
        while (position < m_ullFileSize) {
            uint32_t size = 0;
            FourCC type = ReadBoxHeader(position, size);
            if (type == kMdat)
                break; // a "moov" behind the media data is not looked for
            if (type == kMoov) {
                movieHeader = true;
                ReadMovieDuration(position, size, {kMvhd});
                WalkTracks(position, size, [&](const TrackHandler& handler, uint64_t) {
                    if (handler.found && handler.type == kVide)
                        video = handler.nameTag == kVideoTag;
                });
                if (video)
                    ReadCreationTime(position, size);
                uint64_t index = position;
                uint32_t indexSize = FindPath({kGpsIndex}, index, size);
                if (indexSize != 0 && m_pSummary) {
                    RequireTableWithinLength(index, indexSize, kGpsIndexEntry, kOncePerSecond);
                    std::vector<uint32_t> offsets = ReadOffsetTable(index, indexSize, kGpsIndexEntry, false);
                    for (uint32_t i = 0; i < offsets.size(); ++i)
                        m_pSummary->gpsIndexRecords.push_back(RecordLocator{i, SignExtended(offsets[i])});
                }
                ReadPictureFormat(position, size);
            }
            position += size;
        }
        CloseFile();
        if (!AcceptTrackLayout(video, m_width, m_height, m_durationMs))
            return Reject(MissingPartReason(movieHeader, video, true));
        PublishTrackLayout(TelemetryFormat::GpsIndexBox, kOncePerSecond);
        return 0;
    });
}

} // namespace vemora
