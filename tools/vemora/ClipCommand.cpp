// vemora clip FILE --from S --to S [--out OUT.mp4 [--overwrite]] [--layout side|pip|front|rear]
// [--no-band] [--mirror-rear] [--size full|share] [--height H] [--quality standard|high] [--mph]:
// a clip of both cameras in step, from FILE's start + S on into the following recordings of its
// drive, as the viewer exports it. --size share keeps the whole frame at most 1920 pixels wide
// (a given --height too is lowered to fit); full, the default, keeps the cameras' own height up
// to 1080 lines, so that scripts get the clips they always got. Without --out the clip goes
// where the viewer proposes it (Documents/Vemora Viewer/Clips, under a name that is not taken);
// an existing OUT is replaced only with --overwrite. One JSON object on stdout; progress on
// stderr when that is a terminal.
#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "media/ClipFileName.h"
#include "media/ClipWriter.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "tools/vemora/Commands.h"
#include "tools/vemora/DriveOfFile.h"

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
    "FILE --from S --to S [--out OUT.mp4 [--overwrite]] [--layout side|pip|front|rear] [--no-band] "
    "[--mirror-rear] [--size full|share] [--height H] [--quality standard|high] [--mph]   "
    "a clip of both cameras in step, from S to S seconds of FILE, as MP4; --size share: at most "
    "1920 pixels wide in all (a --height too is lowered to fit), full (default): the cameras' height "
    "up to 1080";

struct ClipArgs {
    std::string file;
    std::optional<double> fromMs, toMs;
    media::ClipOptions options;
    bool overwrite = false;
};

bool ParseSeconds(const std::string& text, std::optional<double>& ms) {
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        return false;
    ms = value * 1000.0;
    return true;
}

bool ParseHeight(const std::string& text, int& height) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 120 || value > 4320)
        return false;
    height = static_cast<int>(value);
    return true;
}

std::optional<ClipArgs> ParseClipArgs(const Args& args) {
    ClipArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--from" && hasValue) {
            if (!ParseSeconds(args[++i], parsed.fromMs))
                return std::nullopt;
        } else if (a == "--to" && hasValue) {
            if (!ParseSeconds(args[++i], parsed.toMs))
                return std::nullopt;
        } else if (a == "--out" && hasValue) {
            parsed.options.outPath = args[++i];
        } else if (a == "--layout" && hasValue) {
            if (!media::LayoutFromName(args[++i], parsed.options.layout))
                return std::nullopt;
        } else if (a == "--size" && hasValue) {
            if (!media::SizeFromName(args[++i], parsed.options.size))
                return std::nullopt;
        } else if (a == "--height" && hasValue) {
            if (!ParseHeight(args[++i], parsed.options.height))
                return std::nullopt;
        } else if (a == "--quality" && hasValue) {
            const std::string& q = args[++i];
            if (q != "standard" && q != "high")
                return std::nullopt;
            parsed.options.quality = q == "high" ? media::ClipQuality::High : media::ClipQuality::Standard;
        } else if (a == "--no-band") {
            parsed.options.band = false;
        } else if (a == "--mirror-rear") {
            parsed.options.mirrorRear = true;
        } else if (a == "--overwrite") {
            parsed.overwrite = true;
        } else if (a == "--mph") {
            parsed.options.mph = true;
        } else if (parsed.file.empty() && !a.empty() && a.rfind("--", 0) != 0) {
            parsed.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty() || !parsed.fromMs || !parsed.toMs)
        return std::nullopt;
    return parsed;
}

// "1.5", "12": seconds as the viewer writes them in a clip's name (hundredths, no trailing zeros).
std::string SecondsName(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(ms / 10.0) / 100.0);
    std::string name = text;
    while (!name.empty() && name.back() == '0')
        name.pop_back();
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    return name;
}

// The viewer's clips folder: Documents/Vemora Viewer/Clips ($XDG_DOCUMENTS_DIR, else ~/Documents).
std::string ClipsFolder() {
    const char* documents = std::getenv("XDG_DOCUMENTS_DIR");
    if (documents && *documents == '/')
        return std::string(documents) + "/Vemora Viewer/Clips";
    const char* home = std::getenv("HOME");
    if (!home || *home != '/')
        return {}; // never the current folder unasked
    return std::string(home) + "/Documents/Vemora Viewer/Clips";
}

// The name the viewer proposes for the range of file, made free of earlier clips.
std::string ProposedOut(const std::string& file, double fromMs, double toMs) {
    return media::FreeClipPath(ClipsFolder() + "/" + fs::path(file).stem().string() + "_" +
                               SecondsName(fromMs) + "-" + SecondsName(toMs) + ".mp4");
}

// Prints "45 %" lines over each other, at most a few times a second.
class TerminalProgress {
public:
    void operator()(const media::ClipProgress& p) {
        auto now = std::chrono::steady_clock::now();
        if (p.framesDone != p.framesTotal && now - m_last < std::chrono::milliseconds(250))
            return;
        m_last = now;
        std::fprintf(stderr, "\rvemora clip: %3lld %% (%lld of %lld frames)",
                     static_cast<long long>(p.framesTotal ? 100 * p.framesDone / p.framesTotal : 0),
                     static_cast<long long>(p.framesDone), static_cast<long long>(p.framesTotal));
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

std::string ResultJson(const media::ClipResult& result, const std::string& out) {
    JsonWriter json;
    json.BeginObject();
    json.PathField("out", out);
    json.Key("frames").Int(result.frames);
    json.Key("duration_ms").Int(result.durationMs);
    json.Key("width").Int(result.width);
    json.Key("height").Int(result.height);
    json.Key("layout").String(media::LayoutName(result.layout));
    json.Key("files").BeginArray();
    for (const std::string& file : result.files)
        json.String(file);
    json.EndArray();
    json.Key("notes").BeginArray();
    for (const std::string& note : result.notes)
        json.String(note);
    json.EndArray();
    json.EndObject();
    return json.Text();
}

// The files with recorder names that the readers turned down, which may be why a range runs past
// its drive's end.
std::string RejectedNote(const CRecordingLibrary& library) {
    std::string note;
    for (const RejectedFile& file : library.Rejected())
        note += "\n  left out: " + TerminalText(file.GetFullPath()) + " (" + DescribeRejection(file.verdict) +
                ")";
    return note;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "vemora clip: %s\n", TerminalText(message).c_str());
    return kExitRejected;
}

int RunClip(const Args& args) {
    auto parsed = ParseClipArgs(args);
    if (!parsed) {
        std::fprintf(stderr, "usage: vemora clip %s\n", kUsage);
        return kExitUsage;
    }
    const fs::path file(parsed->file);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return Fail(parsed->file + ": no such file");
    const std::string folder = ScanFolderFor(file);
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

    media::ClipPlan plan = media::PlanClip(records, index, *parsed->fromMs, *parsed->toMs);
    if (!plan.ok)
        return Fail(plan.error + RejectedNote(library));
    if (parsed->options.outPath.empty()) {
        if (ClipsFolder().empty())
            return Fail("no home folder to put the clip in: give --out");
        parsed->options.outPath = ProposedOut(parsed->file, *parsed->fromMs, *parsed->toMs);
        fs::create_directories(fs::path(parsed->options.outPath).parent_path(), ec);
    } else if (!parsed->overwrite && (fs::exists(fs::symlink_status(parsed->options.outPath, ec)))) {
        return Fail(parsed->options.outPath + ": the file exists; --overwrite replaces it");
    }
    for (const media::ClipPart& part : plan.parts)
        for (const std::string& input : {part.frontPath, part.rearPath})
            if (!input.empty() && SameFile(input, parsed->options.outPath))
                return Fail(parsed->options.outPath + ": the clip would overwrite a recording");

    TerminalProgress terminal;
    std::function<void(const media::ClipProgress&)> progress;
    if (::isatty(STDERR_FILENO))
        progress = [&terminal](const media::ClipProgress& p) { terminal(p); };
    const std::atomic<bool>& interrupted = CatchInterrupts();
    media::ClipResult result = media::WriteClip(plan, parsed->options, &interrupted, progress);
    if (!result.ok)
        return Fail(result.error);
    for (const std::string& note : result.notes)
        std::fprintf(stderr, "vemora clip: note: %s\n", note.c_str());
    std::printf("%s\n", ResultJson(result, parsed->options.outPath).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

const CommandRegistrar kRegisterClip("clip", RunClip, kUsage);

} // namespace
} // namespace vemora::cli
