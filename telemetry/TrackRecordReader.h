#pragma once
// The file side of the record decoders: reads the records that a record table points at
// (formats 1, 2 and 4) and the trailer of boxes at the end of a format 3 file.

#include "platform/ByteOrder.h"
#include "telemetry/RecorderFile.h"
#include "telemetry/TelemetryModel.h"

#include <string>
#include <vector>

namespace vemora {

// The trailer starts this many bytes before the end of the file; no box in it is larger.
inline constexpr uint32_t kTrailerSpan = 5120;

class CTrackRecordReader {
public:
    // Decodes every entry of table in order with the decoder of format (1, 2 or 4), appending to
    // points and samples. False, with the lists untouched, when the file cannot be opened or the
    // format has no record table.
    bool readGpsTrackInfo(const std::string& path, TelemetryFormat format,
                          const std::vector<RecordLocator>& table, std::vector<GpsPoint>& points,
                          std::vector<GSensorSample>& samples);

    // Format 3. False when the file cannot be opened, is shorter than the trailer, or the trailer
    // does not carry the recorder's "noml" name.
    bool ReadTrailer(const std::string& path, std::vector<GpsPoint>& points,
                     std::vector<GSensorSample>& samples);

    // Searches the sibling boxes from position (a box walk bounded by the trailer's span) for
    // type; on success position becomes the payload start and the payload size is returned.
    // 0 = not found. Needs an open file (ReadTrailer's).
    uint32_t FindInTrailer(FourCC type, uint64_t& position);

    // Why the last open failed (empty when it did not).
    const std::string& ErrorText() const { return m_error; }

private:
    void DecodeRecord88(int64_t offset, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
    void DecodeRecord92(int64_t offset, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
    void DecodeRecord156(int64_t offset, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
    bool ReadTrailerOpen(std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
    void ReadTrailerGps(uint64_t payloadStart, uint32_t payloadSize, std::vector<GpsPoint>& points);
    void ReadTrailerGSensor(uint64_t payloadStart, uint32_t payloadSize, std::vector<GSensorSample>& samples);

    // Reads a whole record; false when it does not lie wholly inside the file.
    bool ReadRecord(int64_t offset, uint8_t* buffer, size_t size);
    bool Open(const std::string& path);

    RecorderFile m_file;
    std::string m_error;
};

} // namespace vemora
