// vemora track FILE: the GPS points and G-sensor samples that the viewer loads for a recording,
// as one JSON object.
#include "library/ContainerReader.h"
#include "platform/JsonWriter.h"
#include "telemetry/TrackLoader.h"
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

// lat and lon in decimal degrees.
void WritePoint(JsonWriter& json, const GpsPoint& p, double lat, double lon) {
    json.BeginObject();
    json.Key("valid").Bool(p.IsValid());
    json.Key("lat").Double(lat);
    json.Key("lon").Double(lon);
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

void WriteTrack(JsonWriter& json, const ContainerSummary& summary, const TelemetryTrack& track) {
    const bool inline_ = summary.format == TelemetryFormat::InlineBoxes;
    json.Key("points").BeginArray();
    if (inline_) {
        // Stored as NMEA ddmm.mmmm.
        for (size_t i = 0; i < RawGpsRecordCount(track); ++i) {
            GpsPoint p = RawGpsRecord(track, i);
            WritePoint(json, p, NmeaToDegrees(p.latitude / 100), NmeaToDegrees(p.longitude / 100));
        }
    } else {
        for (const GpsPoint& p : track.points)
            WritePoint(json, p, p.latitude, p.longitude);
    }
    json.EndArray();
    json.Key("samples").BeginArray();
    if (inline_) {
        for (size_t i = 0; i < RawGSensorSampleCount(track); ++i)
            WriteSample(json, RawGSensorSample(track, i));
    } else {
        for (const GSensorSample& s : track.samples)
            WriteSample(json, s);
    }
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
        std::fprintf(stderr, "vemora track: %s: %s\n", path.c_str(), std::strerror(errno));
        return kExitRejected;
    }
    ContainerSummary summary;
    if (ReadVerdict verdict = ReadContainer(path, ContainerKindOfName(path), summary); !verdict.Accepted()) {
        std::fprintf(stderr, "vemora track: %s: not a recording this viewer can read (%s)\n", path.c_str(),
                     DescribeRejection(verdict).c_str());
        return kExitRejected;
    }
    // A recording whose telemetry cannot be read still has a (empty) track.
    TelemetryTrack track;
    LoadTelemetryTrack(path, summary, track);

    JsonWriter json;
    json.BeginObject();
    json.Key("format").UInt(static_cast<uint32_t>(summary.format));
    json.Key("gps_rate").Double(EffectiveGpsRate(summary));
    WriteTrack(json, summary, track);
    json.EndObject();
    std::printf("%s\n", json.Text().c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

const CommandRegistrar kRegisterTrack("track", RunTrack, "FILE");

} // namespace
} // namespace vemora::cli
