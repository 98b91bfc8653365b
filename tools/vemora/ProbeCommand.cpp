// vemora probe FILE...: the container summary of each file, one JSON object per line, in argument
// order. The reader is chosen by name as the library's scan does: AVI for names ending in ".AVI"
// (upper case), MP4/MOV for everything else.
#include "library/ContainerReader.h"
#include "library/ListTexts.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "tools/vemora/Commands.h"

#include <cstdio>

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

int RunProbe(const Args& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: vemora probe FILE...\n");
        return kExitUsage;
    }
    bool allAccepted = true;
    for (const std::string& path : args) {
        const ContainerKind kind = ContainerKindOfName(path);
        ContainerSummary summary;
        const ReadVerdict verdict = ReadContainer(path, kind, summary);
        JsonWriter w;
        w.BeginObject();
        w.PathField("path", path);
        w.Key("accepted").Bool(verdict.Accepted());
        if (verdict.Accepted()) {
            WriteSummary(w, summary, kind == ContainerKind::Avi);
        } else {
            allAccepted = false;
            // "error" in words, "reason" as a key that scripts can compare.
            const std::string error = DescribeRejection(verdict);
            w.Key("error").String(error);
            w.Key("reason").String(RejectReasonKey(verdict.reason));
            std::fprintf(stderr, "vemora probe: %s: %s\n", TerminalText(path).c_str(),
                         TerminalText(error).c_str());
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
