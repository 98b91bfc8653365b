// A fix is a place on the earth: whatever a card stores beyond +-90 degrees of latitude, +-180 of
// longitude, or as no number at all, is no fix in any layout, on the map or in an export.
#include "TelemetryTestBytes.h"
#include "map/MapScripts.h"
#include "telemetry/RecordDecoders.h"
#include "telemetry/TrackTimeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace vemora;
using namespace vemora::testbytes;

namespace {

Fix Rational(int32_t latNmea, int32_t lonNmea) {
    Fix f;
    f.latNum = latNmea;
    f.latDen = 1;
    f.lonNum = lonNmea;
    f.lonDen = 1;
    f.valid = 1;
    return f;
}

bool MetaRecordIsFix(int32_t lat, int32_t lon) {
    std::vector<GpsPoint> points;
    std::vector<GSensorSample> samples;
    DecodeRecord88Bytes(Record88(Rational(lat, lon), Xyz{}), points, samples);
    return points.size() == 1 && points[0].IsValid();
}

bool TrailerRecordIsFix(double lat, double lon) {
    Gps0 g;
    g.lat = lat;
    g.lon = lon;
    return DecodeTrailerGpsRecord(Gps0Record(g)).IsValid();
}

// The inline layout keeps its records raw; the timeline is what every reader of them asks.
bool InlineRecordIsFix(double lat, double lon) {
    Gps0 g;
    g.lat = lat;
    g.lon = lon;
    TelemetryTrack track;
    track.rawGps = Gps0Record(g);
    TrackTimeline timeline(track, TelemetryFormat::InlineBoxes);
    size_t visited = 0;
    timeline.ForEachValidPoint([&](size_t, const GpsPoint&) { ++visited; });
    return timeline.StoredRecord(0).IsValid() && visited == 1;
}

} // namespace

TEST(PositionRange, FixesOffTheEarthAreInvalidInEveryLayout) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<bool()> isFix;
        bool expected;
    } cases[] = {
        {"88-byte record in range", [] { return MetaRecordIsFix(3530, 13915); }, true},
        {"88-byte record at 91.5 N", [] { return MetaRecordIsFix(9130, 13915); }, false},
        {"88-byte record at 181.5 E", [] { return MetaRecordIsFix(3530, 18130); }, false},
        {"88-byte record at 90 S, 180 W", [] { return MetaRecordIsFix(-9000, -18000); }, true},
        {"trailer record in range", [] { return TrailerRecordIsFix(2503.1234, 12130.1234); }, true},
        {"trailer record at 95.5 N", [] { return TrailerRecordIsFix(9530, 12130); }, false},
        {"trailer record of NaN", [nan] { return TrailerRecordIsFix(nan, 12130); }, false},
        {"inline record in range", [] { return InlineRecordIsFix(2503.1234, 12130.1234); }, true},
        {"inline record at 95.5 N", [] { return InlineRecordIsFix(9530, 12130); }, false},
        {"inline record at 185.5 W", [] { return InlineRecordIsFix(2503, -18530); }, false},
        {"inline placeholder (250 degrees) is no point", [] { return InlineRecordIsFix(25012.3, 12130); },
         false},
        {"inline record of NaN", [nan] { return InlineRecordIsFix(nan, 12130); }, false},
        {"marker at 95 N", [] { return MarkerScript(95, 10, 1, kGoogleMapPage).has_value(); }, false},
        {"marker at 35 N, 139 E", [] { return MarkerScript(35, 139, 1, kGoogleMapPage).has_value(); }, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.isFix(), c.expected) << c.name;
}
