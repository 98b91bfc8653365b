#pragma once
// Reader of MP4/MOV recordings. A pre-pass over the top-level boxes decides which of the five
// telemetry layouts the file uses; the reader of that layout then reads the file once more and
// publishes the summary. Box headers and all numbers inside boxes are big-endian.

#include "telemetry/BoxTypes.h"
#include "telemetry/VideoParser.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace vemora {

class CDvr3gpParser : public CDvrVideoParser {
public:
    int Parse(const std::string& path) override;

    // The layout chosen by the pre-pass; -1 while undecided.
    int Format() const { return m_format; }

protected:
    int m_format = -1;

    // --- box primitives ---------------------------------------------------------------------
    // Reads the header at `position` and moves it to the payload start. A size field of 1 takes
    // the low 32 bits of the 64-bit size that follows (16-byte header); other sizes lose their
    // 8 header bytes in 32-bit arithmetic, so a size below 8 wraps to a huge payload. When the
    // file ends before a complete header, returns kNoBox with a payload of 0 and the position at
    // the end of the file, which every walk takes as the end of the box sequence. A header that
    // does not fit, or a box that runs past the end, marks the file as cut short.
    FourCC ReadBoxHeader(uint64_t& position, uint32_t& payloadSize);
    // Searches the boxes from `position` for one of `type`; on success moves the position to its
    // payload start and returns the payload size (0 = not found, also for an empty payload).
    uint32_t FindChild(FourCC type, uint64_t& position, uint32_t range);
    // FindChild for each code in turn, each found payload becoming the range of the next.
    uint32_t FindPath(std::initializer_list<FourCC> path, uint64_t& position, uint32_t range);
    // Finds the first "avc1" or "hvc1" sample entry.
    uint32_t FindSampleEntry(uint64_t& position, uint32_t range, FourCC& type);

    // --- readers of "moov" (position = "moov" payload start, range = its payload size) --------
    void ReadMovieDuration(uint64_t moovStart, uint32_t moovSize, std::initializer_list<FourCC> path);
    void ReadCreationTime(uint64_t moovStart, uint32_t moovSize);
    struct TrackHandler {
        bool found = false;
        FourCC type = kNoBox;    // "vide", "meta", ...
        FourCC nameTag = kNoBox; // first four characters of the handler name
    };
    TrackHandler ReadTrackHandler(uint64_t from, uint32_t range);
    void ReadPictureFormat(uint64_t moovStart, uint32_t moovSize);
    // The inline-box layout: first track only, "avc1" only, codec left alone.
    void ReadFirstTrackAvcFormat(uint64_t moovStart, uint32_t moovSize);
    // Visits the traks of "moov" in file order (each normally twice, at most 50 visits); `visit`
    // gets the handler and the position its search started from.
    void WalkTracks(uint64_t moovStart, uint32_t moovSize,
                    const std::function<void(const TrackHandler&, uint64_t from)>& visit);
    // Reads the entries of a table box ("stco", "gps ") whose count is at payload offset 4 and
    // whose entries start at offset 8; only entries lying inside the payload are returned.
    std::vector<uint32_t> ReadOffsetTable(uint64_t payloadStart, uint32_t payloadSize, uint32_t entrySize,
                                          bool dropWhenCountExceedsBytes);

    // Raises FileReadError(TooManyRecords) when the table box at payloadStart lists more entries
    // than a recording of m_durationMs at recordsPerSecond can have; read before the table, so
    // that such a table is never loaded.
    void RequireTableWithinLength(uint64_t payloadStart, uint32_t payloadSize, uint32_t entrySize,
                                  double recordsPerSecond);

    // --- layout choice and readers ----------------------------------------------------------
    void PrePass(const std::string& path);
    // Why the pre-pass found no layout, judged by the first box and the walk.
    RejectReason UndecidedReason(FourCC firstType) const;
    // Common beginning of every layout reader: Reset, open (or take over the pre-pass's open
    // file), status, first box must be "ftyp". Gives the position after the "ftyp" payload.
    bool BeginLayout(const std::string& path, uint64_t& position);
    // Start time of a file whose movie header carries none (formats 1-4).
    time_t FileCreationLocalTime() const;
    int ReadInlineBoxes(const std::string& path);
    // Formats 1, 2 and 3: a video track named by its handler, and for 1 and 2 a metadata track
    // whose chunk offsets locate the telemetry records.
    int ReadTrackLayout(const std::string& path, TelemetryFormat format);
    int ReadGpsIndexBox(const std::string& path);
    struct TrackWalkState {
        bool video = false;
        bool tableDone = false;
    };
    void ReadTrackLayoutMoov(uint64_t moovStart, uint32_t moovSize, TelemetryFormat format,
                             TrackWalkState& state);
    void PublishTrackLayout(TelemetryFormat format, uint8_t gpsRate);
};

} // namespace vemora
