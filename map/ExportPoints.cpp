#include "map/ExportPoints.h"

#include "platform/ByteOrder.h"

#include <cmath>

namespace vemora {

namespace {

bool HasFiniteCoordinates(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude);
}

void VisitDecodedPoints(const TelemetryTrack& track, const std::function<void(const ExportPoint&)>& visit) {
    for (const GpsPoint& p : track.points) {
        if (!p.IsValid() || !HasFiniteCoordinates(p.latitude, p.longitude))
            continue;
        visit(ExportPoint{p.latitude, p.longitude, p.reserved, p.speedKmh, p.headingHalf, p.dateTime});
    }
}

// One 32-byte "gps0" record, read field by field from the payload.
std::optional<ExportPoint> ReadRawRecord(Bytes record) {
    auto flags = U8(record, 29);
    if (!flags || (*flags & 0x01) == 0)
        return std::nullopt;
    auto lat = LEDouble(record, 0);
    auto lon = LEDouble(record, 8);
    auto reserved = LE32s(record, 16);
    auto speed = LE16(record, 20);
    auto heading = U8(record, 28);
    if (!lat || !lon || !reserved || !speed || !heading)
        return std::nullopt;
    ExportPoint p;
    p.latitude = NmeaToDegrees(*lat / 100);
    p.longitude = NmeaToDegrees(*lon / 100);
    if (!HasFiniteCoordinates(p.latitude, p.longitude) || p.latitude >= 200 || p.longitude >= 200)
        return std::nullopt;
    p.reserved = *reserved;
    p.speedKmh = *speed;
    p.headingHalf = *heading;
    for (size_t i = 0; i < p.dateTime.size(); ++i)
        p.dateTime[i] = record[22 + i];
    return p;
}

void VisitRawRecords(const TelemetryTrack& track, const std::function<void(const ExportPoint&)>& visit) {
    Bytes payload(track.rawGps);
    // A trailing partial record is not a record.
    const size_t count = payload.size() / GpsPoint::kSize;
    for (size_t i = 0; i < count; ++i) {
        if (auto p = ReadRawRecord(payload.subspan(i * GpsPoint::kSize, GpsPoint::kSize)))
            visit(*p);
    }
}

} // namespace

void ForEachExportPoint(TelemetryFormat format, const TelemetryTrack& track,
                        const std::function<void(const ExportPoint&)>& visit) {
    if (format == TelemetryFormat::InlineBoxes)
        VisitRawRecords(track, visit);
    else
        VisitDecodedPoints(track, visit);
}

} // namespace vemora
