// vemora probe FILE...: the container summary of each file, one JSON object per line, in argument
// order. The reader is chosen by name as the library's scan does: AVI for names ending in ".AVI"
// (upper case), MP4/MOV for everything else.
#include "library/ContainerReader.h"
#include "library/ListTexts.h"
#include "platform/JsonWriter.h"
#include "telemetry/AviParser.h"
#include "telemetry/Mp4Parser.h"
#include "tools/vemora/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace vemora::cli {
namespace {

size_t RecordCount(const ContainerSummary& s) {
    switch (s.format) {
    case TelemetryFormat::MetaTrack88:
        return s.metaRecords88.size();
    case TelemetryFormat::MetaTrack92:
        return s.metaRecords92.size();
    case TelemetryFormat::GpsIndexBox:
        return s.gpsIndexRecords.size();
    default:
        return 0;
    }
}

void WriteSummary(JsonWriter& w, const ContainerSummary& s, bool avi) {
    w.Key("container").String(avi ? "avi" : "mp4");
    w.Key("format").UInt(static_cast<uint32_t>(s.format));
    w.Key("codec").String(s.codec == VideoCodec::H265 ? "h265" : "h264");
    w.Key("width").UInt(s.width);
    w.Key("height").UInt(s.height);
    w.Key("start_time");
    if (s.startTime == 0)
        w.Null();
    else
        w.String(FormatLocalTime(s.startTime, "%Y-%m-%d %H:%M:%S"));
    w.Key("duration_ms").UInt(s.durationMs);
    w.Key("length_seconds").Int(s.lengthSeconds);
    w.Key("file_size").UInt(s.fileSize);
    w.Key("gps_rate").UInt(s.gpsRate & 0xFF);
    w.Key("gsensor_info").BeginArray();
    for (uint8_t b : s.gsensorInfo.bytes)
        w.UInt(b);
    w.EndArray();
    w.Key("gps_box").BeginArray().UInt(s.gpsBoxOffset).UInt(s.gpsBoxSize).EndArray();
    w.Key("gsensor_box").BeginArray().UInt(s.gsensorBoxOffset).UInt(s.gsensorBoxSize).EndArray();
    w.Key("record_count").UInt(RecordCount(s));
}

// Why a file could not be read at all; empty when it can be opened.
std::string OpenProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return "not a regular file";
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::strerror(errno);
    std::fclose(f);
    return {};
}

// Runs the reader the name calls for; empty error = accepted.
std::string ProbeOne(const std::string& path, bool avi, ContainerSummary& summary) {
    if (std::string problem = OpenProblem(path); !problem.empty())
        return problem;
    if (avi) {
        CDvrAviParser reader;
        reader.SetSummary(&summary);
        return reader.Parse(path) == 0 ? std::string() : "not a supported AVI recording";
    }
    CDvr3gpParser reader;
    reader.SetSummary(&summary);
    if (reader.Parse(path) == 0)
        return {};
    if (reader.Format() < 0)
        return "no telemetry layout recognised";
    return "not a supported recording (layout " + std::to_string(reader.Format()) + " rejected)";
}

int RunProbe(const Args& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: vemora probe FILE...\n");
        return kExitUsage;
    }
    bool allAccepted = true;
    for (const std::string& path : args) {
        const bool avi = ContainerKindOfName(path) == ContainerKind::Avi;
        ContainerSummary summary;
        std::string error = ProbeOne(path, avi, summary);
        JsonWriter w;
        w.BeginObject();
        w.Key("path").String(path);
        w.Key("accepted").Bool(error.empty());
        if (error.empty()) {
            WriteSummary(w, summary, avi);
        } else {
            allAccepted = false;
            w.Key("error").String(error);
            std::fprintf(stderr, "vemora probe: %s: %s\n", path.c_str(), error.c_str());
        }
        w.EndObject();
        std::fwrite(w.Text().data(), 1, w.Text().size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    return allAccepted ? kExitOk : kExitRejected;
}

const CommandRegistrar kProbe("probe", RunProbe, "FILE...   container summary of each file (JSON Lines)");

} // namespace
} // namespace vemora::cli
