// vemora track FILE: the GPS points and G-sensor samples that the viewer loads for a recording,
// as one JSON object.
#include "library/ContainerReader.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/TrackTimeline.h"
#include "tools/vemora/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace vemora::cli {
namespace {

void WriteTime(JsonWriter& json, const GpsPoint& p) {
    if (!p.HasTime()) {
        json.Null();
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", 2000 + p.dateTime[0], p.dateTime[1],
                  p.dateTime[2], p.dateTime[3], p.dateTime[4], p.dateTime[5]);
    json.String(text);
}

// p with its coordinates in decimal degrees.
void WritePoint(JsonWriter& json, const GpsPoint& p) {
    json.BeginObject();
    json.Key("valid").Bool(p.IsValid());
    json.Key("lat").Double(p.latitude);
    json.Key("lon").Double(p.longitude);
    json.Key("speed_kmh").UInt(p.speedKmh);
    json.Key("heading_deg").UInt(static_cast<uint64_t>(p.HeadingDegrees()));
    json.Key("time");
    WriteTime(json, p);
    json.Key("reserved").Int(p.reserved);
    json.EndObject();
}

void WriteSample(JsonWriter& json, const GSensorSample& s) {
    json.BeginArray().Int(s.x).Int(s.y).Int(s.z).EndArray();
}

void WriteTrack(JsonWriter& json, const TrackTimeline& timeline) {
    json.Key("points").BeginArray();
    for (size_t i = 0; i < timeline.GpsRecordCount(); ++i) {
        WritePoint(json, timeline.Record(i));
    }
    json.EndArray();
    json.Key("samples").BeginArray();
    for (size_t i = 0; i < timeline.SampleCount(); ++i)
        WriteSample(json, timeline.Sample(i));
    json.EndArray();
}

int RunTrack(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vemora track FILE\n");
        return kExitUsage;
    }
    const std::string& path = args[0];
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "vemora track: %s: %s\n", TerminalText(path).c_str(), std::strerror(errno));
        return kExitRejected;
    }
    ContainerSummary summary;
    if (ReadVerdict verdict = ReadContainer(path, ContainerKindOfName(path), summary); !verdict.Accepted()) {
        std::fprintf(stderr, "vemora track: %s: not a recording this viewer can read (%s)\n",
                     TerminalText(path).c_str(), DescribeRejection(verdict).c_str());
        return kExitRejected;
    }
    // A recording whose telemetry cannot be read still has a (empty) track.
    TelemetryTrack track;
    LoadTelemetryTrack(path, summary, track);

    JsonWriter json;
    json.BeginObject();
    json.Key("format").UInt(static_cast<uint32_t>(summary.format));
    json.Key("gps_rate").Double(EffectiveGpsRate(summary));
    WriteTrack(json, TrackTimeline(track, summary.format));
    json.EndObject();
    std::printf("%s\n", json.Text().c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

const CommandRegistrar kRegisterTrack("track", RunTrack,
                                      "FILE   GPS points and G-sensor samples the viewer loads");

} // namespace
} // namespace vemora::cli
