#pragma once
// Decoders of the recorders' own telemetry records (all fields little-endian): the 88-byte and
// 92-byte records of the metadata tracks, the 156-byte records listed by a "gps " box, and the
// 32-byte "gps0" / 6-byte "gsen" items of the inline boxes and the file trailer. They work on
// bytes already read; the file side is TrackRecordReader.

#include "platform/ByteOrder.h"
#include "telemetry/TelemetryModel.h"
#include "telemetry/ZoneShift.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vemora {

inline constexpr size_t kRecord88Size = 88;
inline constexpr size_t kRecord92Size = 92;
inline constexpr size_t kRecord156HeaderSize = 16;
inline constexpr size_t kRecord156BodySize = 140;
inline constexpr size_t kRecord156Size = kRecord156HeaderSize + kRecord156BodySize;
inline constexpr uint16_t kGpsRecordType = 10;
inline constexpr size_t kMaxGSensorEntries156 = 5;

// The GPS part common to the 88-, 92- and 156-byte records.
struct RationalFix {
    uint8_t valid = 0;
    int32_t latNum = 0, latDen = 0;
    int32_t lonNum = 0, lonDen = 0;
    int32_t knotsNum = 0, knotsDen = 0;
    DateTime6 utc{}; // year - 2000, month, day, hour, minute, second
    uint8_t headingHalf = 0;
};

// An NMEA ddmm.mmmm value held as a fraction, in decimal degrees. The quotient is taken in single
// precision, as the recorders compute it. No value for a zero denominator.
std::optional<double> RationalNmeaToDegrees(int32_t numerator, int32_t denominator);

// A stored NMEA value (ddmm.mmmm) in decimal degrees: degrees part by integer truncation, the rest
// as minutes. No value when the stored value is not a finite number of plausible size.
std::optional<double> StoredNmeaToDegrees(double nmea);

// Knots as a fraction to the km/h shown: trunc(knots x 1.852), low 16 bits, less 4; 4 or less is 0.
uint16_t KnotsToShownKmh(int32_t numerator, int32_t denominator);

// A point as the loaders build it. An invalid fix, or one whose coordinates cannot be computed
// (zero denominator), is the all-zero point, so that it still fills its time slot.
GpsPoint BuildPoint(const RationalFix& fix);

// The stored 32-byte "gps0" record as it is (format 0 uses it in place, NMEA coordinates).
// record must hold at least 32 bytes.
GpsPoint ParseGpsRecord(Bytes record);
// A 6-byte G-sensor sample as stored. sample must hold at least 6 bytes.
GSensorSample ParseGSensorSample(Bytes sample);

// A trailer "gps0" record turned into a point in degrees with the zone-shifted date.
GpsPoint DecodeTrailerGpsRecord(Bytes record);

// Each decoder appends what one record holds and returns false when the record is skipped (too
// short, wrong type or size), in which case nothing is appended.
bool DecodeRecord88Bytes(Bytes record, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
bool DecodeRecord92Bytes(Bytes record, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);
// record = the 16-byte header followed by the 140-byte body.
bool DecodeRecord156Bytes(Bytes record, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples);

} // namespace vemora
