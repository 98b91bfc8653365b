// Recordings of every layout written by the fixture writer, read by their container reader and
// loaded as a track: the points and samples must come back as they were written.
#include "platform/Diagnostics.h"
#include "telemetry/AviParser.h"
#include "telemetry/Mp4Parser.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/ZoneShift.h"
#include "tools/fixture/FixtureWriter.h"

#include "TelemetryTestBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vemora {
namespace {

using fixture::Layout;

struct Loaded {
    ContainerSummary summary;
    TelemetryTrack track;
};

class TrackFixtureRoundTrip : public ::testing::Test {
protected:
    void SetUp() override { SetDiagnosticSink({}); }
    void TearDown() override { SetDiagnosticSink(StdoutSink()); }

    fixture::RecordingSpec Spec(Layout layout) const {
        fixture::RecordingSpec spec;
        spec.layout = layout;
        spec.baseDir = VEMORA_FIXTURE_DIR;
        spec.start = fixture::CalendarTime{2024, 2, 28, 20, 10, 0};
        spec.gps = fixture::SimulateGps({}, spec.seconds, fixture::LayoutGpsRate(layout, spec.gpsRateWord),
                                        spec.start);
        spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
        return spec;
    }

    // Writes, reads and loads; fails loudly when any step cannot be done.
    bool WriteAndLoad(const fixture::RecordingSpec& spec, Loaded& out) {
        std::string path = m_dir.Path() + (spec.layout == Layout::Avi ? "/FILE0001.AVI" : "/FILE0001.MP4");
        fixture::WriteResult result = fixture::WriteRecording(spec, path);
        EXPECT_TRUE(result.ok) << result.error;
        if (!result.ok)
            return false;
        std::unique_ptr<CDvrVideoParser> reader;
        if (spec.layout == Layout::Avi)
            reader = std::make_unique<CDvrAviParser>();
        else
            reader = std::make_unique<CDvr3gpParser>();
        reader->SetSummary(&out.summary);
        EXPECT_EQ(reader->Parse(path), 0);
        EXPECT_TRUE(LoadTelemetryTrack(path, out.summary, out.track));
        return !::testing::Test::HasFailure();
    }

    testbytes::ScratchDir m_dir;
};

// The fix as the track shows it: degrees, and the date the loader shows.
void ExpectSameFix(const fixture::GpsFix& want, const GpsPoint& got, double lat, double lon, bool utcShifted,
                   size_t i) {
    SCOPED_TRACE("point " + std::to_string(i));
    ASSERT_EQ(got.IsValid(), want.valid);
    if (!want.valid)
        return;
    EXPECT_NEAR(lat, want.latitude, 2e-5);
    EXPECT_NEAR(lon, want.longitude, 2e-5);
    EXPECT_EQ(got.speedKmh, want.speedKmh);
    EXPECT_EQ(got.HeadingDegrees(), want.headingDegrees / 2 * 2);
    DateTime6 stored{uint8_t(want.time.year - 2000), uint8_t(want.time.month),  uint8_t(want.time.day),
                     uint8_t(want.time.hour),        uint8_t(want.time.minute), uint8_t(want.time.second)};
    DateTime6 shown =
        utcShifted ? ShiftDateByZone(stored, EstimateZone(want.latitude, want.longitude)) : stored;
    EXPECT_EQ(got.dateTime, shown);
}

TEST_F(TrackFixtureRoundTrip, EveryLayoutLoadsItsTrack) {
    const Layout layouts[] = {Layout::InlineBoxes, Layout::MetaTrack88, Layout::MetaTrack92,
                              Layout::FileTrailer, Layout::GpsIndexBox, Layout::Avi};
    for (Layout layout : layouts) {
        SCOPED_TRACE("layout " + std::to_string(int(layout)));
        fixture::RecordingSpec spec = Spec(layout);
        spec.gps[1].valid = false;
        Loaded loaded;
        ASSERT_TRUE(WriteAndLoad(spec, loaded));
        const TelemetryTrack& track = loaded.track;
        EXPECT_EQ(track.gpsRate, fixture::LayoutGpsRate(layout, spec.gpsRateWord));
        if (layout == Layout::InlineBoxes || layout == Layout::Avi) {
            ASSERT_EQ(RawGpsRecordCount(track), spec.gps.size());
            for (size_t i = 0; i < spec.gps.size(); ++i) {
                GpsPoint p = RawGpsRecord(track, i);
                ExpectSameFix(spec.gps[i], p, NmeaToDegrees(p.latitude / 100),
                              NmeaToDegrees(p.longitude / 100), false, i);
            }
            ASSERT_EQ(RawGSensorSampleCount(track), spec.gsensor.size());
            for (size_t i = 0; i < spec.gsensor.size(); ++i)
                EXPECT_EQ(RawGSensorSample(track, i), spec.gsensor[i]) << i;
            EXPECT_EQ(track.gsensorCount, spec.gsensor.size() * GSensorSample::kSize);
        } else {
            ASSERT_EQ(track.points.size(), spec.gps.size());
            for (size_t i = 0; i < spec.gps.size(); ++i)
                ExpectSameFix(spec.gps[i], track.points[i], track.points[i].latitude,
                              track.points[i].longitude, true, i);
            EXPECT_EQ(track.samples, spec.gsensor);
            EXPECT_EQ(track.gsensorCount, spec.gsensor.size());
        }
    }
}

TEST_F(TrackFixtureRoundTrip, DamagedTelemetryLoadsWhatIsThere) {
    struct Case {
        const char* what;
        Layout layout;
        size_t pointsLost;
    } cases[] = {
        {"trailer without its mark", Layout::FileTrailer, ~size_t(0)},
        {"metadata record of the wrong type", Layout::MetaTrack92, 1},
        {"index record with a wrong size", Layout::GpsIndexBox, 1},
        {"metadata table claiming more entries", Layout::MetaTrack88, 0},
        {"index table claiming more entries", Layout::GpsIndexBox, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::RecordingSpec spec = Spec(c.layout);
        if (c.layout == Layout::FileTrailer)
            spec.options.trailerWithoutMark = true;
        else if (c.pointsLost == 1)
            spec.options.badRecordIndex = 2;
        else
            spec.options.extraTableCount = 3;
        Loaded loaded;
        ASSERT_TRUE(WriteAndLoad(spec, loaded));
        if (c.pointsLost == ~size_t(0)) {
            EXPECT_TRUE(loaded.track.points.empty());
            EXPECT_EQ(loaded.track.gsensorCount, 0u);
        } else {
            EXPECT_EQ(loaded.track.points.size(), spec.gps.size() - c.pointsLost);
        }
    }
}

} // namespace
} // namespace vemora
