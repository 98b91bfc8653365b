#include "telemetry/RecordDecoders.h"

#include <cmath>

namespace vemora {
namespace {

// Field readers for a record whose length was checked before.
uint8_t Byte(Bytes b, size_t off) {
    return U8(b, off).value_or(0);
}
uint16_t Word(Bytes b, size_t off) {
    return LE16(b, off).value_or(0);
}
int16_t Short(Bytes b, size_t off) {
    return LE16s(b, off).value_or(0);
}
int32_t Long(Bytes b, size_t off) {
    return LE32s(b, off).value_or(0);
}

// Where the GPS fields of one record layout lie.
struct FixLayout {
    size_t valid, hour, minute, second, latNum, day, month, year, heading;
};
constexpr FixLayout kFix88{32, 16, 20, 24, 36, 68, 72, 76, 80};
constexpr FixLayout kFix92{20, 24, 28, 32, 40, 72, 76, 80, 84};
constexpr FixLayout kFix156Body{68, 72, 76, 80, 88, 120, 124, 128, 132};

// The six rational fields follow each other: latitude, longitude, knots.
RationalFix ReadFix(Bytes b, const FixLayout& at) {
    RationalFix f;
    f.valid = Byte(b, at.valid);
    f.latNum = Long(b, at.latNum);
    f.latDen = Long(b, at.latNum + 4);
    f.lonNum = Long(b, at.latNum + 8);
    f.lonDen = Long(b, at.latNum + 12);
    f.knotsNum = Long(b, at.latNum + 16);
    f.knotsDen = Long(b, at.latNum + 20);
    // Time and date fields are 4 bytes wide; only their low byte carries the value.
    f.utc = DateTime6{Byte(b, at.year), Byte(b, at.month),  Byte(b, at.day),
                      Byte(b, at.hour), Byte(b, at.minute), Byte(b, at.second)};
    f.headingHalf = Byte(b, at.heading);
    return f;
}

GSensorSample ReadXyz(Bytes b, size_t off) {
    return GSensorSample{Short(b, off), Short(b, off + 2), Short(b, off + 4)};
}

// NMEA value a (ddmm.mmmm) to degrees the way the recorders' software does it: the degree part by
// integer division of trunc(a), the rest as minutes.
double NmeaValueToDegrees(double a) {
    long long d = static_cast<long long>(std::trunc(a)) / 100;
    return (a / 100 - static_cast<double>(d)) * 100 / 60 + static_cast<double>(d);
}

std::optional<double> SinglePrecisionQuotient(int32_t numerator, int32_t denominator) {
    if (denominator == 0)
        return std::nullopt;
    float q = static_cast<float>(numerator) / static_cast<float>(denominator);
    return static_cast<double>(q);
}

} // namespace

std::optional<double> RationalNmeaToDegrees(int32_t numerator, int32_t denominator) {
    auto a = SinglePrecisionQuotient(numerator, denominator);
    if (!a)
        return std::nullopt;
    return NmeaValueToDegrees(*a);
}

std::optional<double> StoredNmeaToDegrees(double nmea) {
    // Beyond this the integer part no longer fits the conversion; no position is that large.
    if (!std::isfinite(nmea) || std::fabs(nmea) >= 1e15)
        return std::nullopt;
    return NmeaValueToDegrees(nmea);
}

uint16_t KnotsToShownKmh(int32_t numerator, int32_t denominator) {
    auto knots = SinglePrecisionQuotient(numerator, denominator);
    if (!knots)
        return 0;
    long long k = static_cast<long long>(std::trunc(*knots * 1.852));
    uint16_t low = static_cast<uint16_t>(k);
    return low > 4 ? static_cast<uint16_t>(low - 4) : 0;
}

GpsPoint BuildPoint(const RationalFix& fix) {
    GpsPoint p;
    if (fix.valid == 0)
        return p;
    auto lat = RationalNmeaToDegrees(fix.latNum, fix.latDen);
    auto lon = RationalNmeaToDegrees(fix.lonNum, fix.lonDen);
    if (!lat || !lon || !IsOnEarth(*lat, *lon))
        return p; // no position on the earth: keep the slot as an invalid fix
    p.latitude = *lat;
    p.longitude = *lon;
    p.speedKmh = KnotsToShownKmh(fix.knotsNum, fix.knotsDen);
    p.headingHalf = fix.headingHalf;
    p.flags = fix.valid;
    p.dateTime = ShiftDateByZone(fix.utc, EstimateZone(p.latitude, p.longitude));
    return p;
}

GpsPoint ParseGpsRecord(Bytes r) {
    GpsPoint p;
    p.latitude = LEDouble(r, 0).value_or(0);
    p.longitude = LEDouble(r, 8).value_or(0);
    p.reserved = Long(r, 16);
    p.speedKmh = Word(r, 20);
    for (size_t i = 0; i < p.dateTime.size(); ++i)
        p.dateTime[i] = Byte(r, 22 + i);
    p.headingHalf = Byte(r, 28);
    p.flags = Byte(r, 29);
    p.pad[0] = Byte(r, 30);
    p.pad[1] = Byte(r, 31);
    return p;
}

GSensorSample ParseGSensorSample(Bytes s) {
    return ReadXyz(s, 0);
}

GpsPoint DecodeTrailerGpsRecord(Bytes r) {
    GpsPoint p;
    GpsPoint stored = ParseGpsRecord(r);
    if (stored.flags == 0)
        return p;
    auto lat = StoredNmeaToDegrees(stored.latitude);
    auto lon = StoredNmeaToDegrees(stored.longitude);
    if (!lat || !lon || !IsOnEarth(*lat, *lon))
        return p;
    p.latitude = *lat;
    p.longitude = *lon;
    p.reserved = stored.reserved;
    p.speedKmh = stored.speedKmh; // stored in km/h already
    p.headingHalf = stored.headingHalf;
    p.flags = stored.flags;
    p.dateTime = ShiftDateByZone(stored.dateTime, EstimateZone(p.latitude, p.longitude));
    return p;
}

bool DecodeRecord88Bytes(Bytes r, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples) {
    if (r.size() < kRecord88Size)
        return false;
    points.push_back(BuildPoint(ReadFix(r, kFix88)));
    if (Word(r, 6) != 0) {
        samples.push_back(ReadXyz(r, 8));
    }
    return true;
}

bool DecodeRecord92Bytes(Bytes r, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples) {
    if (r.size() < kRecord92Size || Word(r, 4) != kGpsRecordType)
        return false;
    points.push_back(BuildPoint(ReadFix(r, kFix92)));
    if (Word(r, 10) != 0) {
        samples.push_back(ReadXyz(r, 12));
    }
    return true;
}

bool DecodeRecord156Bytes(Bytes r, std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples) {
    if (r.size() < kRecord156Size)
        return false;
    if (LE32(r, 12).value_or(0) != kRecord156BodySize)
        return false;
    Bytes body = r.subspan(kRecord156HeaderSize, kRecord156BodySize);
    if (Word(body, 4) != kGpsRecordType)
        return false;
    points.push_back(BuildPoint(ReadFix(body, kFix156Body)));

    // One second of samples: the valid entries first, then the slots they leave are filled so
    // that every record contributes exactly n samples at the G-sensor rate.
    size_t n = std::min<size_t>(Word(body, 6), kMaxGSensorEntries156);
    auto entryAt = [](size_t k) { return 12 + 12 * k; };
    size_t validCount = 0;
    for (size_t k = 0; k < n; ++k) {
        if (Word(body, entryAt(k)) != 0) {
            samples.push_back(ReadXyz(body, entryAt(k) + 2));
            ++validCount;
        }
    }
    for (size_t i = validCount; i < n; ++i)
        samples.push_back(i == 0 ? GSensorSample{} : ReadXyz(body, entryAt(i - 1) + 2));
    return true;
}

} // namespace vemora
