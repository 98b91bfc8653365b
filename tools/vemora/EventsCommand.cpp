// vemora events PATH...: the jolts and hard brakings of every recording found in the files and
// folders given (folders scanned as the viewer scans them), as one JSON object.
#include "library/CardIncidents.h"
#include "library/ListTexts.h"
#include "library/RecordingLibrary.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "tools/vemora/Commands.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unordered_set>

namespace vemora::cli {
namespace {

struct Collected {
    std::vector<RecordingInfo> records;
    std::vector<RejectedFile> rejected;
    bool missing = false;
};

// Scans one folder or reads one file, as the viewer's OPEN does.
void Collect(const std::string& path, Collected& into) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "vemora events: %s: %s\n", TerminalText(path).c_str(), std::strerror(errno));
        into.missing = true;
        return;
    }
    CRecordingLibrary library;
    bool found;
    if (S_ISDIR(st.st_mode)) {
        found = library.ScanSource(path, std::string());
    } else {
        std::filesystem::path file(path);
        std::string folder = file.has_parent_path() ? file.parent_path().string() : std::string(".");
        found = library.ScanSource(folder, file.filename().string());
    }
    if (!found) {
        std::fprintf(stderr, "vemora events: %s: not found\n", TerminalText(path).c_str());
        into.missing = true;
        return;
    }
    into.records.insert(into.records.end(), library.Records().begin(), library.Records().end());
    into.rejected.insert(into.rejected.end(), library.Rejected().begin(), library.Rejected().end());
}

void WriteEvent(JsonWriter& json, const RecordingInfo& record, const Incident& incident) {
    json.BeginObject();
    json.PathField("file", record.GetFullPath());
    json.Key("start_time").String(FormatLocalTime(record.summary.startTime, kGroupStartFormat));
    json.Key("time_ms").Int(incident.timeMs);
    json.Key("kind").String(IncidentKindKey(incident.kind));
    json.Key("strength").Double(std::round(incident.strength * 100) / 100);
    json.Key("speed_kmh");
    if (incident.speedKmh >= 0)
        json.Int(incident.speedKmh);
    else
        json.Null();
    json.EndObject();
}

int RunEvents(const Args& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: vemora events PATH...\n");
        return kExitUsage;
    }
    Collected collected;
    for (const std::string& path : args)
        Collect(path, collected);
    std::stable_sort(collected.records.begin(), collected.records.end(),
                     CRecordingLibrary::CompareRecordings);

    const std::vector<IncidentPair> pairs = IncidentPairs(collected.records);
    const FileIncidentLookup lookup = [](const RecordingInfo& record) {
        return FindFileIncidents(record.GetFullPath(), record.summary);
    };
    JsonWriter json;
    json.BeginObject().Key("events").BeginArray();
    for (const IncidentPair& pair : pairs)
        for (const Incident& incident : PairIncidents(collected.records, pair, lookup))
            WriteEvent(json, collected.records[pair.leader], incident);
    json.EndArray();
    json.Key("recordings").UInt(pairs.size());
    json.Key("rejected").BeginArray();
    for (const RejectedFile& file : collected.rejected) {
        json.BeginObject().PathField("path", file.GetFullPath());
        json.Key("reason").String(RejectReasonKey(file.verdict.reason));
        json.Key("error").String(DescribeRejection(file.verdict)).EndObject();
    }
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().c_str());
    if (std::fflush(stdout) != 0)
        return kExitRejected;
    return collected.missing || !collected.rejected.empty() ? kExitRejected : kExitOk;
}

const CommandRegistrar
    kRegisterEvents("events", RunEvents,
                    "PATH...   the jolts and hard brakings of the recordings in the files and folders");

} // namespace
} // namespace vemora::cli
