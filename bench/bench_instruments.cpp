// Instrument costs during playback of a one-hour recording (18 000 G-sensor samples, 18 000 GPS
// points at 5 a second): one paint of the G-sensor curve at 1000 px width, and one UpdateAtTime of
// the track feeder (a time report 250 ms after the last, marker and instruments moving).
//
// usage: bench_instruments [ROUNDS]     (default 200 paints; the time reports cover the hour 4 times)
// Runs without a display (offscreen platform). Build optimised for figures worth comparing.
#include "telemetry/TrackFeeder.h"
#include "tools/fixture/FixtureWriter.h"
#include "widgets/GSensorCtrl.h"

#include <QApplication>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vemora;
using Clock = std::chrono::steady_clock;

constexpr int kSeconds = 3600;
constexpr int kRate = 5;

class HourTrack : public TrackSource {
public:
    HourTrack() {
        summary.format = TelemetryFormat::MetaTrack88;
        fixture::CalendarTime start;
        for (const fixture::GpsFix& f : fixture::SimulateGps({}, kSeconds, kRate, start)) {
            GpsPoint p;
            p.latitude = f.latitude;
            p.longitude = f.longitude;
            p.speedKmh = f.speedKmh;
            p.headingHalf = static_cast<uint8_t>(f.headingDegrees / 2);
            p.flags = f.valid ? 1 : 0;
            track.points.push_back(p);
        }
        track.samples = fixture::SimulateGsensor({}, kSeconds, kRate);
        track.gsensorCount = static_cast<uint32_t>(track.samples.size());
        track.gpsRate = kRate;
    }
    size_t RecordingCount() const override { return 1; }
    const ContainerSummary* RecordingSummary(int row) const override { return row == 0 ? &summary : nullptr; }
    std::string RecordingPath(int) const override { return {}; }
    int CurrentRow() const override { return 0; }
    void SetCurrentRow(int) override {}
    TelemetryTrack& Track() override { return track; }
    void SetClearedCallback(std::function<void()>) override {}

    ContainerSummary summary;
    TelemetryTrack track;
};

// Takes the calls as the real sinks would, without a page or widgets behind them.
struct CountingSinks : MapScriptSink, GSensorSink, InstrumentSink {
    size_t calls = 0;
    void ExecuteScript(const std::string&) override { ++calls; }
    bool MoveMarker(double, double, int) override { return ++calls != 0; }
    void ClearCurve() override { ++calls; }
    void ShowCurve(GSensorCurve) override { ++calls; }
    void ShowPosition(int32_t) override { ++calls; }
    void ShowHeading(int) override { ++calls; }
    void ClearHeading() override { ++calls; }
    void ShowSpeed(bool, uint16_t) override { ++calls; }
};

double MicrosecondsSince(Clock::time_point start, long count) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
           static_cast<double>(count);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    HourTrack hour;

    CGSensorCtrl curve(nullptr);
    curve.resize(1000, 90);
    curve.SetSamples(hour.track.samples, 8.0, 2.0);
    curve.SetSamplesPerMs(kRate / 1000.0);
    curve.SetPixelsPerMs(0.01);
    curve.SetSpanMode(CGSensorCtrl::SpanFromWidth);
    curve.SetPosition(1234567);
    QImage image(curve.size(), QImage::Format_RGB32);
    curve.PaintInto(image); // fonts and glyph caches warm
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        curve.PaintInto(image);
    const double paintUs = MicrosecondsSince(start, rounds);

    CountingSinks sinks;
    CTrackFeeder feeder(hour, &sinks, &sinks, &sinks);
    const long reports = 4L * kSeconds * 4; // every 250 ms, four times through the hour
    start = Clock::now();
    int lit = 0;
    for (long k = 0; k < reports; ++k)
        lit += feeder.UpdateAtTime((k * 250) % (kSeconds * 1000L), true, true, std::string());
    const double updateUs = MicrosecondsSince(start, reports);

    std::printf("G-sensor curve paint, %zu samples at %d px: %.1f us per paint (%d paints)\n",
                hour.track.samples.size(), curve.width(), paintUs, rounds);
    std::printf("UpdateAtTime over %zu points: %.3f us per call (%ld calls, %d lit, %zu sink calls)\n",
                hour.track.points.size(), updateUs, reports, lit, sinks.calls);
    return 0;
}
