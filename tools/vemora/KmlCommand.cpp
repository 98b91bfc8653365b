// vemora kml FILE [--out DIR] and vemora gpx FILE [--out DIR]: the export file that the viewer's
// KML button writes for a recording opened on its own, and its GPX twin. The path of the file
// written goes to stdout.
#include "library/ContainerReader.h"
#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "platform/TerminalText.h"
#include "telemetry/TrackLoader.h"
#include "tools/vemora/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora::cli {
namespace {

using ExportFn = ExportResult (*)(const std::string&, const ExportRecording&, const TelemetryTrack&);

struct ExportArgs {
    std::string file;
    std::optional<std::string> outFolder;
};

std::optional<ExportArgs> ParseExportArgs(const Args& args) {
    ExportArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size() || parsed.outFolder)
                return std::nullopt;
            parsed.outFolder = args[++i];
        } else if (parsed.file.empty() && !args[i].empty() && args[i].rfind("--", 0) != 0) {
            parsed.file = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty())
        return std::nullopt;
    return parsed;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int RunExport(const char* command, const Args& args, ExportFn save) {
    auto parsed = ParseExportArgs(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: vemora %s FILE [--out DIR]\n", command);
        return kExitUsage;
    }
    const std::string& path = parsed->file;
    struct stat st {};
    errno = 0;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fprintf(stderr, "vemora %s: %s: %s\n", command, TerminalText(path).c_str(),
                     errno != 0 ? std::strerror(errno) : "not a file");
        return kExitRejected;
    }

    ExportRecording recording;
    recording.fileName = BaseName(path); // a file opened on its own has no relative folder
    ContainerSummary summary;
    if (ReadVerdict verdict = ReadContainer(path, ContainerKindOfName(recording.fileName), summary);
        !verdict.Accepted()) {
        std::fprintf(stderr, "vemora %s: %s: not a recording this viewer can read (%s)\n", command,
                     TerminalText(path).c_str(), DescribeRejection(verdict).c_str());
        return kExitRejected;
    }
    recording.startTime = summary.startTime;
    recording.format = summary.format;
    TelemetryTrack track;
    if (!LoadTelemetryTrack(path, summary, track)) {
        std::fprintf(stderr, "vemora %s: %s: the telemetry cannot be loaded\n", command,
                     TerminalText(path).c_str());
        return kExitRejected;
    }

    const std::string folder = parsed->outFolder ? *parsed->outFolder : ExportFolder(DocumentsFolder());
    std::string error;
    if (!CreateExportFolder(folder, &error)) {
        std::fprintf(stderr, "vemora %s: %s\n", command, TerminalText(error).c_str());
        return kExitRejected;
    }
    ExportResult result = save(folder, recording, track);
    if (!result.ok) {
        std::fprintf(stderr, "vemora %s: %s\n", command, TerminalText(result.error).c_str());
        return kExitRejected;
    }
    // The path as it is for a script reading it; escaped only for a person reading a terminal.
    std::printf("%s\n", ::isatty(STDOUT_FILENO) ? TerminalText(result.path).c_str() : result.path.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

int RunKml(const Args& args) {
    return RunExport("kml", args, SaveKml);
}
int RunGpx(const Args& args) {
    return RunExport("gpx", args, SaveGpx);
}

const CommandRegistrar
    kRegisterKml("kml", RunKml,
                 "FILE [--out DIR]   the track as a KML file in DIR (default: Documents/Vemora Viewer/KML)");
const CommandRegistrar
    kRegisterGpx("gpx", RunGpx,
                 "FILE [--out DIR]   the track as a GPX file in DIR (default: Documents/Vemora Viewer/KML)");

} // namespace
} // namespace vemora::cli
