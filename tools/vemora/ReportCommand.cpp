// vemora report FILE --at S [--before S] [--after S] [--out DIR] [--lang CODE]: the incident pack
// of the moment S seconds into FILE - report.pdf, clip.mp4, stills/, track.gpx, originals/,
// report.json and SHA256SUMS in one new folder. One JSON object on stdout; progress on stderr
// when that is a terminal.
#include "library/RecordingLibrary.h"
#include "map/ExportPaths.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "platform/Version.h"
#include "report/IncidentPack.h"
#include "report/ReportJson.h"
#include "tools/vemora/Commands.h"
#include "tools/vemora/DriveOfFile.h"
#include "tools/vemora/TranslatedTexts.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace vemora::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "FILE --at S [--before S] [--after S] [--out DIR] [--lang CODE] [--mph] [--mirror-rear]   "
    "an incident pack of the moment S seconds into FILE: PDF, clip, stills, track, originals, hashes";

struct ReportArgs {
    std::string file;
    std::optional<double> atMs;
    double beforeMs = 10000, afterMs = 10000;
    std::string out;
    std::string language;
    bool mph = false;
    bool mirrorRear = false;
};

bool ParseSeconds(const std::string& text, double& ms) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        return false;
    ms = value * 1000.0;
    return true;
}

std::optional<ReportArgs> ParseReportArgs(const Args& args) {
    ReportArgs parsed;
    parsed.language = DefaultTranslation();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        double ms = 0;
        if (a == "--at" && hasValue) {
            if (!ParseSeconds(args[++i], ms))
                return std::nullopt;
            parsed.atMs = ms;
        } else if (a == "--before" && hasValue) {
            if (!ParseSeconds(args[++i], parsed.beforeMs))
                return std::nullopt;
        } else if (a == "--after" && hasValue) {
            if (!ParseSeconds(args[++i], parsed.afterMs))
                return std::nullopt;
        } else if (a == "--out" && hasValue) {
            parsed.out = args[++i];
        } else if (a == "--lang" && hasValue) {
            auto language = FindTranslation(args[++i]);
            if (!language)
                return std::nullopt;
            parsed.language = *language;
        } else if (a == "--mph") {
            parsed.mph = true;
        } else if (a == "--mirror-rear") {
            parsed.mirrorRear = true;
        } else if (parsed.file.empty() && !a.empty() && a.rfind("--", 0) != 0) {
            parsed.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty() || !parsed.atMs)
        return std::nullopt;
    return parsed;
}

const char* StageName(report::PackStage stage) {
    switch (stage) {
    case report::PackStage::Clip:
        return "clip";
    case report::PackStage::Stills:
        return "stills";
    case report::PackStage::Originals:
        return "originals";
    case report::PackStage::Document:
        return "report";
    }
    return "";
}

// Prints "45 %" lines over each other, at most a few times a second.
class TerminalProgress {
public:
    void operator()(const report::PackProgress& p) {
        auto now = std::chrono::steady_clock::now();
        if (p.fraction < 1 && now - m_last < std::chrono::milliseconds(250))
            return;
        m_last = now;
        std::fprintf(stderr, "\rvemora report: %3d %% (%s)     ", static_cast<int>(100 * p.fraction),
                     StageName(p.stage));
        m_shown = true;
    }
    ~TerminalProgress() {
        if (m_shown)
            std::fputc('\n', stderr);
    }

private:
    std::chrono::steady_clock::time_point m_last{};
    bool m_shown = false;
};

std::string ResultJson(const report::PackResult& result) {
    const std::string root = result.folder + "/";
    JsonWriter json;
    json.BeginObject();
    json.Key("out").String(result.folder);
    json.Key("pdf").String(root + "report.pdf");
    json.Key("clip").String(root + "clip.mp4");
    json.Key("stills").BeginArray();
    for (const report::Still& still : result.facts.stills)
        if (!still.packPath.empty())
            json.String(root + still.packPath);
    json.EndArray();
    json.Key("originals").BeginArray();
    for (const report::OriginalFile& file : result.facts.originals)
        json.String(root + file.packPath);
    json.EndArray();
    json.Key("sha256").BeginObject();
    for (const report::PackFile& file : result.files)
        json.Key(file.packPath).String(file.sha256);
    json.EndObject();
    json.Key("incident");
    report::WriteIncidentJson(result.facts, json);
    json.Key("notes").BeginArray();
    for (const std::string& note : result.facts.notes)
        json.String(note);
    json.EndArray();
    json.EndObject();
    return json.Text();
}

std::string RejectedNote(const CRecordingLibrary& library) {
    std::string note;
    for (const RejectedFile& file : library.Rejected())
        note += "\n  left out: " + file.GetFullPath() + " (" + DescribeRejection(file.verdict) + ")";
    return note;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "vemora report: %s\n", TerminalText(message).c_str());
    return kExitRejected;
}

int RunReport(const Args& args) {
    auto parsed = ParseReportArgs(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: vemora report %s\n", kUsage);
        return kExitUsage;
    }
    const fs::path file(parsed->file);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return Fail(parsed->file + ": no such file");
    // The report names the card's files by their whole paths.
    const std::string folder = ScanFolderFor(fs::absolute(file, ec).lexically_normal());
    CRecordingLibrary library;
    if (!library.ScanSource(folder, std::string()))
        return Fail(folder + ": folder not found");
    const auto& records = library.Records();
    size_t index = records.size();
    for (size_t i = 0; i < records.size() && index == records.size(); ++i)
        if (SameFile(records[i].GetFullPath(), parsed->file))
            index = i;
    if (index == records.size())
        return Fail(parsed->file + ": not a recording this viewer lists" + RejectedNote(library));

    report::PackRequest request;
    request.records = records;
    request.index = index;
    request.atMs = *parsed->atMs;
    request.beforeMs = parsed->beforeMs;
    request.afterMs = parsed->afterMs;
    request.mph = parsed->mph;
    request.mirrorRear = parsed->mirrorRear;
    request.program = std::string("Vemora Viewer ") + kVersion;
    request.outFolder = parsed->out;
    if (request.outFolder.empty()) {
        request.outFolder = report::DefaultPackFolder(DocumentsFolder(), records[index], request.atMs);
        // The moment is checked before the default folder is made, so that a bad one leaves
        // nothing behind.
        if (std::string problem = report::CheckRequest(request); !problem.empty())
            return Fail(problem);
        fs::create_directories(fs::path(request.outFolder).parent_path(), ec);
    }
    const std::string language = parsed->language;
    report::TextLookup texts = [language](int id) { return TranslatedText(language, id); };

    TerminalProgress terminal;
    std::function<void(const report::PackProgress&)> progress;
    if (::isatty(STDERR_FILENO))
        progress = [&terminal](const report::PackProgress& p) { terminal(p); };
    const std::atomic<bool>& interrupted = CatchInterrupts();
    report::PackResult result = report::MakePack(request, texts, &interrupted, progress);
    if (!result.ok)
        return Fail(result.cancelled ? "cancelled: no folder was left behind" : result.error);
    for (const std::string& note : result.facts.notes)
        std::fprintf(stderr, "vemora report: note: %s\n", TerminalText(note).c_str());
    std::printf("%s\n", ResultJson(result).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

const CommandRegistrar kRegisterReport("report", RunReport, kUsage);

} // namespace
} // namespace vemora::cli
