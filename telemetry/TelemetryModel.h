#pragma once
// Types shared by the container readers, the track loader, the recording list and the consumers
// of a track (map page, KML export, G-sensor curve).

#include <array>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <vector>

namespace vemora {

// Where a recording keeps its telemetry. Chosen per file by the MP4/MOV pre-pass.
enum class TelemetryFormat : uint32_t {
    InlineBoxes = 0, // "gps0"/"gsen"/"gpsa"/"gsea" boxes (and the AVI chunks of the same names)
    MetaTrack88 = 1, // timed-metadata track, one 88-byte record per chunk
    MetaTrack92 = 2, // timed-metadata track, 92-byte record 2 bytes into each chunk
    FileTrailer = 3, // trailer of boxes in the last 5120 bytes
    GpsIndexBox = 4, // "gps " box in "moov" listing offsets of 156-byte records
};

enum class VideoCodec : uint32_t {
    H264 = 0, // sample entry "avc1"
    H265 = 1, // sample entry "hvc1"
};

// Kept exactly as stored in a "gsea" box or chunk.
struct GSensorInfo {
    std::array<uint8_t, 4> bytes{};
    uint8_t SamplesPerSecond() const { return bytes[0]; } // 0 = unknown
    uint8_t FullScaleG() const { return bytes[1]; }       // 0 = unknown (8 is used)
    uint32_t Word() const {
        return bytes[0] | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24);
    }
    static GSensorInfo FromWord(uint32_t w) {
        return GSensorInfo{{uint8_t(w), uint8_t(w >> 8), uint8_t(w >> 16), uint8_t(w >> 24)}};
    }
    bool operator==(const GSensorInfo&) const = default;
};

// The fixed value that the readers of formats 1-4 report: 5 samples/s, full scale 8 g.
inline constexpr uint32_t kFixedGSensorInfoWord = 0x01020805;

struct RecordLocator {
    uint32_t index = 0; // position in the table, from 0
    int64_t offset = 0; // file offset of the record (sign-extended from a 32-bit field)
    bool operator==(const RecordLocator&) const = default;
};

// What a container reader reports for one file.
struct ContainerSummary {
    uint64_t gpsBoxOffset = 0;
    uint32_t gpsBoxSize = 0;
    uint64_t gsensorBoxOffset = 0;
    uint32_t gsensorBoxSize = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    int64_t startTime = 0;     // seconds since 1970, the recorder's local wall clock; 0 = unknown
    int64_t lengthSeconds = 0; // AVI only
    uint32_t durationMs = 0;
    uint64_t fileSize = 0;
    uint32_t gpsRate = 0; // only the low byte is used
    GSensorInfo gsensorInfo;
    TelemetryFormat format = TelemetryFormat::InlineBoxes;
    VideoCodec codec = VideoCodec::H264;
    std::vector<RecordLocator> metaRecords88;
    std::vector<RecordLocator> metaRecords92;
    std::vector<RecordLocator> gpsIndexRecords;
};

// 32 bytes: both the file layout of one "gps0" record and the in-memory layout of a point.
struct GpsPoint {
    double latitude = 0;  // decimal degrees (formats 1-4); NMEA ddmm.mmmm in a format 0 record
    double longitude = 0; // decimal degrees (formats 1-4); NMEA dddmm.mmmm in a format 0 record
    int32_t reserved = 0;
    uint16_t speedKmh = 0;
    std::array<uint8_t, 6> dateTime{}; // year-2000, month, day, hour, minute, second; year 0 = no time
    uint8_t headingHalf = 0;           // course over ground in units of 2 degrees
    uint8_t flags = 0;                 // bit 0: the fix is valid
    uint8_t pad[2] = {0, 0};

    static constexpr size_t kSize = 32;
    bool IsValid() const { return (flags & 0x01) != 0; }
    bool HasTime() const { return dateTime[0] != 0; }
    int HeadingDegrees() const { return headingHalf * 2; }
};

// Three signed 16-bit fields; only the low 8 bits carry a count in -128..127.
struct GSensorSample {
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
    static constexpr size_t kSize = 6;
    static constexpr int8_t Count(int16_t field) { return static_cast<int8_t>(field & 0xFF); }
    // A count of -128 on any axis marks a gap in the recording's samples, not a value.
    static constexpr int8_t kGapCount = -128;
    constexpr bool IsGap() const {
        return Count(x) == kGapCount || Count(y) == kGapCount || Count(z) == kGapCount;
    }
    bool operator==(const GSensorSample&) const = default;
};

// A flag written by the thread that loads a track and read by the one that shows it. Copies take
// the value, so that a track stays an ordinary value.
class SharedFlag {
public:
    SharedFlag(bool value = false) : m_value(value) {}
    SharedFlag(const SharedFlag& other) : m_value(other.m_value.load()) {}
    SharedFlag& operator=(const SharedFlag& other) {
        m_value.store(other.m_value.load());
        return *this;
    }
    SharedFlag& operator=(bool value) {
        m_value.store(value);
        return *this;
    }
    operator bool() const { return m_value.load(); }

private:
    std::atomic<bool> m_value;
};

// The telemetry of the recording on display.
struct TelemetryTrack {
    std::vector<GpsPoint> points;       // formats 1-4
    std::vector<GSensorSample> samples; // formats 1-4
    std::vector<uint8_t> rawGps;        // format 0: the whole "gps0" payload
    std::vector<uint8_t> rawGsensor;    // format 0: the whole "gsen" payload
    uint32_t gsensorCount = 0;          // 0 = the curve has no data
    double gpsRate = 1.0;
    SharedFlag busy;    // the driven path is being redrawn
    SharedFlag loading; // a track is being loaded
};

// A position on the earth: both coordinates finite, the latitude within +-90 degrees and the
// longitude within +-180. Whatever a card claims beyond that is no fix: every reader that makes
// a fix from stored values asks this.
bool IsOnEarth(double latitude, double longitude);

// Integer part plus the fraction read as minutes: 25.031234 -> 25.052057.
// Applied to an NMEA value that was already divided by 100.
double NmeaToDegrees(double v);

} // namespace vemora
