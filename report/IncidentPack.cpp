#include "report/IncidentPack.h"

#include "library/ListTexts.h"
#include "map/GpxWriter.h"
#include "map/NearestPlace.h"
#include "map/NumberText.h"
#include "media/ClipPlan.h"
#include "media/ClipWriter.h"
#include "media/ExactFrameDecoder.h"
#include "platform/FileAttributes.h"
#include "platform/PathParts.h"
#include "platform/Sha256.h"
#include "platform/WholeFile.h"
#include "report/CairoImage.h"
#include "report/DriveSpan.h"
#include "report/OriginalCopy.h"
#include "report/PackFolder.h"
#include "report/ReportJson.h"
#include "report/ReportPdf.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vemora::report {

namespace {

constexpr double kClipShare = 0.6; // of the progress bar: the clip's frames
constexpr double kCopyShare = 0.3; // the originals' bytes (copied and read back)
constexpr double kLongestMarginMs = 600000;

std::string SecondsText(double ms) {
    return FixedText(ms / 1000.0, 2);
}

// The nearest existing folder of path, resolved, with a trailing "/".
std::string ResolvedFolder(std::string path) {
    for (;;) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved) {
            std::string text = resolved;
            std::free(resolved);
            return text.back() == '/' ? text : text + "/";
        }
        if (path.empty() || path == "/" || path == ".")
            return {};
        path = FolderOfPath(path);
    }
}

// The folders a recorder makes on its card, whatever their case.
bool IsRecorderFolder(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* known : {"dcim", "movie", "event", "photo", "normal", "emr", "front", "back", "f", "r"})
        if (name == known)
            return true;
    return false;
}

// The card: the folder holding both cameras' folders of the recording (above the recorder's own
// folders), and the whole volume when that is a FAT one (a recorder's memory card).
bool OnTheCard(const std::string& target, const RecordingInfo& record) {
    const CameraFiles files = CameraFilesOf(record);
    std::string top = ResolvedFolder(record.rootFolder);
    for (const std::string& camera : {files.front, files.rear}) {
        const std::string folder = camera.empty() ? "" : ResolvedFolder(FolderOfPath(camera));
        while (!folder.empty() && !top.empty() && folder.compare(0, top.size(), top) != 0)
            top = ResolvedFolder(FolderOfPath(top.substr(0, top.size() - 1)));
    }
    // The recorder's own folders are part of the card: the card is the folder above them.
    while (top.size() > 1 && IsRecorderFolder(NameOfPath(top.substr(0, top.size() - 1))))
        top = ResolvedFolder(FolderOfPath(top.substr(0, top.size() - 1)));
    const std::string out = ResolvedFolder(target);
    if (!top.empty() && top != "/" && out.compare(0, top.size(), top) == 0)
        return true;
    struct stat card {
    }, there{};
    const int fd = ::open(record.GetFullPath().c_str(), O_RDONLY | O_CLOEXEC);
    const bool fat = fd >= 0 && IsFatVolume(fd);
    if (fd >= 0)
        ::close(fd);
    return fat && ::stat(record.GetFullPath().c_str(), &card) == 0 && ::stat(out.c_str(), &there) == 0 &&
           card.st_dev == there.st_dev;
}

class Progress {
public:
    explicit Progress(const std::function<void(const PackProgress&)>& report) : report_(report) {}
    void Clip(double fraction) { Set(PackStage::Clip, &clip_, fraction); }
    void Copies(double fraction) { Set(PackStage::Originals, &copies_, fraction); }
    void Stage(PackStage stage, double fraction) { Set(stage, &rest_, fraction); }

private:
    void Set(PackStage stage, double* part, double fraction) {
        if (!report_)
            return;
        std::lock_guard<std::mutex> lock(mutex_);
        *part = std::clamp(fraction, 0.0, 1.0);
        report_({stage, kClipShare * clip_ + kCopyShare * copies_ + (1 - kClipShare - kCopyShare) * rest_});
    }
    const std::function<void(const PackProgress&)>& report_;
    std::mutex mutex_;
    double clip_ = 0, copies_ = 0, rest_ = 0;
};

struct OriginalSource {
    std::string path;
    bool rear = false;
};

// Every file of both cameras that holds part of the range, in the order of the drive.
std::vector<OriginalSource> OriginalsOf(const media::ClipPlan& plan) {
    std::vector<OriginalSource> sources;
    for (const media::ClipPart& part : plan.parts) {
        if (!part.frontPath.empty())
            sources.push_back({part.frontPath, false});
        if (!part.rearPath.empty())
            sources.push_back({part.rearPath, true});
    }
    return sources;
}

// Copy names inside originals/: the file's own name, numbered when two cameras' folders hold the
// same one.
std::vector<std::string> CopyNames(const std::vector<OriginalSource>& sources) {
    std::vector<std::string> names;
    std::map<std::string, int> seen;
    for (const OriginalSource& source : sources) {
        std::string name = NameOfPath(source.path);
        if (int n = seen[name]++; n > 0)
            name = std::to_string(n + 1) + "_" + name;
        names.push_back("originals/" + name);
    }
    return names;
}

struct CopyJob {
    std::vector<OriginalSource> sources;
    std::vector<std::string> names;
    std::vector<CopiedOriginal> copied;
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
};

void RunCopies(CopyJob& job, const PackFolder& folder, Progress& progress) {
    uint64_t total = 0;
    std::vector<uint64_t> sizes;
    for (const OriginalSource& source : job.sources) {
        struct stat info {};
        sizes.push_back(::stat(source.path.c_str(), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0);
        total += sizes.back();
    }
    uint64_t before = 0;
    for (size_t i = 0; i < job.sources.size() && !job.stop; ++i) {
        job.copied.push_back(
            CopyAndVerify(job.sources[i].path, folder.PathOf(job.names[i]), &job.stop, [&](uint64_t done) {
                if (total > 0)
                    progress.Copies(static_cast<double>(before + done) / (2.0 * total));
            }));
        before += 2 * sizes[i];
        if (!job.copied.back().ok)
            break;
    }
    job.done = true;
}

// The stills: the exact pictures of both cameras at the moment's offsets.
bool WriteStills(const PackRequest& request, const DriveSpan& span, const PackFolder& folder,
                 const std::atomic<bool>* cancel, PackFacts& facts, std::vector<PackFile>& files,
                 std::string* error) {
    std::map<std::string, std::unique_ptr<media::ExactFrameDecoder>> decoders;
    for (bool rear : {false, true})
        for (int offset : kStillOffsets) {
            if (cancel && *cancel)
                return false;
            Still still;
            still.rear = rear;
            still.offsetSeconds = offset;
            const auto place = span.Locate(request.atMs + 1000.0 * offset);
            const CameraFiles cameras = place ? CameraFilesOf(request.records[place->record]) : CameraFiles();
            still.source = rear ? cameras.rear : cameras.front;
            if (still.source.empty()) {
                facts.stills.push_back(still);
                continue;
            }
            auto& decoder = decoders[still.source];
            if (!decoder) {
                decoder = std::make_unique<media::ExactFrameDecoder>();
                if (!decoder->Open(still.source, error))
                    return false;
            }
            const size_t n = decoder->Index().NearestTo(place->ms);
            auto picture = decoder->Picture(n, false, error);
            if (!picture)
                return false;
            Surface surface = SurfaceOf(*picture);
            const std::string png = surface ? PngBytes(surface.get()) : std::string();
            if (png.empty()) {
                *error = "the picture of " + still.source + " could not be encoded as PNG";
                return false;
            }
            still.packPath = std::string("stills/") + (rear ? "rear_" : "front_") + (offset > 0 ? "+" : "") +
                             std::to_string(offset) + "s.png";
            std::string why;
            if (!WriteWholeFile(folder.PathOf(still.packPath), png, &why)) {
                *error = "cannot write " + folder.PathOf(still.packPath) + ": " + why;
                return false;
            }
            files.push_back({still.packPath, Sha256::HexOf(png), png.size()});
            still.frame = static_cast<int64_t>(n);
            still.timeMs = picture->timeMs;
            still.picture = std::move(picture);
            facts.stills.push_back(std::move(still));
        }
    return true;
}

void GatherTelemetry(const PackRequest& request, const DriveSpan& span, const MomentFacts& moment,
                     const TextLookup& texts, PackFacts& facts) {
    const double s = request.atMs;
    facts.at = moment.At(s);
    for (int k = -15; k <= 15; ++k) {
        const double t = s + 1000.0 * k;
        if (t >= span.StartMs() && t <= span.EndMs())
            facts.perSecond.push_back(moment.At(t));
    }
    facts.track = moment.Fixes(s - kTrackMarginMs, s + kTrackMarginMs);
    facts.forces = moment.Forces(s - kCurveMarginMs, s + kCurveMarginMs);
    facts.incident = moment.IncidentNear(s, kIncidentWithinMs);
    if (facts.at.fix)
        facts.place = PlaceIndex::System().Nearest(facts.at.fix->latitude, facts.at.fix->longitude);
    else
        facts.notes.push_back(Format(texts, text::kNoFix));
    if (!facts.at.hasGsensorData)
        facts.notes.push_back(Format(texts, text::kNoGsensor));
}

std::string GpxOfMoment(const PackRequest& request, const MomentFacts& moment, const std::string& name) {
    std::vector<GpxShare> shares;
    for (const LoadedTrack& loaded : moment.Tracks()) {
        const RecordingInfo& record = request.records[loaded.span.record];
        GpxShare share;
        share.recording = {NameOfPath(loaded.path), record.subFolder, loaded.summary.startTime,
                           loaded.summary.format};
        share.track = &loaded.track;
        share.fromMs = static_cast<int64_t>(std::floor(request.atMs - kTrackMarginMs - loaded.span.startMs));
        share.toMs = static_cast<int64_t>(std::ceil(request.atMs + kTrackMarginMs - loaded.span.startMs));
        shares.push_back(share);
    }
    return GpxTextOfShares(name, shares);
}

bool WriteText(const PackFolder& folder, const std::string& name, const std::string& bytes,
               std::vector<PackFile>& files, std::string* error) {
    std::string why;
    if (!WriteWholeFile(folder.PathOf(name), bytes, &why)) {
        *error = "cannot write " + folder.PathOf(name) + ": " + why;
        return false;
    }
    files.push_back({name, Sha256::HexOf(bytes), bytes.size()});
    return true;
}

std::string SumsText(const std::vector<PackFile>& files) {
    std::string text;
    for (const PackFile& file : files)
        text += file.sha256 + "  " + file.packPath + "\n";
    return text;
}

} // namespace

std::string CheckRequest(const PackRequest& request) {
    if (request.index >= request.records.size())
        return "no recording to report on";
    const RecordingInfo& record = request.records[request.index];
    const double length = record.summary.durationMs;
    if (!std::isfinite(request.atMs) || request.atMs < 0 || request.atMs > length)
        return record.GetFullPath() + ": the moment " + SecondsText(request.atMs) +
               " s lies outside the recording (0 to " + SecondsText(length) + " s)";
    if (!std::isfinite(request.beforeMs) || !std::isfinite(request.afterMs) || request.beforeMs < 0 ||
        request.afterMs < 0 || request.beforeMs > kLongestMarginMs || request.afterMs > kLongestMarginMs)
        return "the seconds before and after the moment must lie between 0 and 600";
    if (request.beforeMs + request.afterMs <= 0)
        return "the range around the moment is empty";
    if (request.outFolder.empty())
        return "no folder for the pack";
    if (OnTheCard(request.outFolder, record))
        return request.outFolder + ": a pack is never written on the card";
    return {};
}

std::string DefaultPackFolder(const std::string& documents, const RecordingInfo& record, double atMs) {
    std::string name = record.fileName;
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.resize(dot);
    std::string when;
    if (record.summary.startTime != 0)
        when = FormatLocalTime(record.summary.startTime + static_cast<int64_t>(std::floor(atMs / 1000)),
                               "%Y-%m-%d_%H-%M-%S");
    std::string folder = documents;
    if (folder.empty() || folder.back() != '/')
        folder += "/";
    return folder + "Vemora Viewer/Reports/" + (when.empty() ? "" : when + "_") + name;
}

PackResult MakePack(const PackRequest& request, const TextLookup& texts, const std::atomic<bool>* cancel,
                    const std::function<void(const PackProgress&)>& progressReport) {
    PackResult result;
    auto fail = [&](const std::string& error) {
        result.ok = false;
        result.cancelled = cancel && cancel->load();
        result.error = result.cancelled ? "cancelled" : error;
        return result;
    };
    if (std::string problem = CheckRequest(request); !problem.empty())
        return fail(problem);
    Progress progress(progressReport);
    PackFacts& facts = result.facts;
    const RecordingInfo& record = request.records[request.index];
    facts.recordingPath = record.GetFullPath();
    facts.recordingName = record.fileName;
    facts.atMs = request.atMs;
    facts.mph = request.mph;
    facts.madeUtc = static_cast<int64_t>(std::time(nullptr));

    const DriveSpan span(request.records, request.index);
    facts.fromMs = std::max(request.atMs - request.beforeMs, span.StartMs());
    facts.toMs = std::min(request.atMs + request.afterMs, span.EndMs());
    if (facts.fromMs > request.atMs - request.beforeMs)
        facts.notes.push_back(Format(texts, text::kClippedStart, {SecondsText(request.atMs - facts.fromMs)}));
    if (facts.toMs < request.atMs + request.afterMs)
        facts.notes.push_back(Format(texts, text::kClippedEnd, {SecondsText(facts.toMs - request.atMs)}));
    const auto start = span.Locate(facts.fromMs);
    if (!start || facts.toMs <= facts.fromMs)
        return fail(facts.recordingPath + ": the range around the moment is empty");
    media::ClipPlan plan =
        media::PlanClip(request.records, start->record, start->ms, start->ms + (facts.toMs - facts.fromMs));
    if (!plan.ok)
        return fail(plan.error);
    for (const media::ClipPart& part : plan.parts) {
        const CameraFiles files{part.frontPath, part.rearPath};
        if (part.rearPath.empty())
            facts.notes.push_back(Format(texts, text::kRearMissing, {NameOfPath(part.recordPath)}));
        if (files.front.empty())
            facts.notes.push_back(Format(texts, text::kFrontMissing, {NameOfPath(part.recordPath)}));
    }

    std::string error;
    auto folder = PackFolder::Begin(request.outFolder, &error);
    if (!folder)
        return fail(error);
    for (const char* sub : {"stills", "originals"})
        if (!folder->MakeFolder(sub, &error))
            return fail(error);

    // The originals are copied beside the clip's encoding: one waits on the card, the other on
    // the processor.
    CopyJob copies;
    copies.sources = OriginalsOf(plan);
    copies.names = CopyNames(copies.sources);
    std::thread copier([&] { RunCopies(copies, *folder, progress); });
    auto stopCopies = [&] {
        copies.stop = true;
        if (copier.joinable())
            copier.join();
    };

    media::ClipOptions options;
    options.band = true;
    options.mirrorRear = request.mirrorRear;
    options.mph = request.mph;
    options.outPath = folder->PathOf("clip.mp4");
    media::ClipResult clip = media::WriteClip(plan, options, cancel, [&](const media::ClipProgress& p) {
        if (p.framesTotal > 0)
            progress.Clip(static_cast<double>(p.framesDone) / static_cast<double>(p.framesTotal));
    });
    if (!clip.ok) {
        stopCopies();
        return fail(clip.error);
    }
    progress.Clip(1);
    std::vector<PackFile> made;
    std::string clipHash = HashFileFromDisk(options.outPath, &error, cancel);
    if (clipHash.empty()) {
        stopCopies();
        return fail(error);
    }
    struct stat clipInfo {};
    ::stat(options.outPath.c_str(), &clipInfo);
    made.push_back({"clip.mp4", clipHash, static_cast<uint64_t>(clipInfo.st_size)});

    progress.Stage(PackStage::Stills, 0.1);
    if (!WriteStills(request, span, *folder, cancel, facts, made, &error)) {
        stopCopies();
        return fail(error);
    }
    progress.Stage(PackStage::Document, 0.4);
    const MomentFacts moment(request.records, span, request.atMs - kTrackMarginMs,
                             request.atMs + kTrackMarginMs);
    GatherTelemetry(request, span, moment, texts, facts);
    if (!WriteText(*folder, "track.gpx", GpxOfMoment(request, moment, facts.recordingName), made, &error)) {
        stopCopies();
        return fail(error);
    }
    facts.made = made;

    while (!copies.done) {
        if (cancel && *cancel)
            copies.stop = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    copier.join();
    for (size_t i = 0; i < copies.sources.size(); ++i) {
        if (i >= copies.copied.size())
            return fail("cancelled");
        const CopiedOriginal& copy = copies.copied[i];
        if (!copy.ok)
            return fail(copy.error);
        facts.originals.push_back({NameOfPath(copy.source), copy.source, copies.names[i], copy.size,
                                   copy.mtime, copy.sha256, copies.sources[i].rear});
    }
    if (cancel && *cancel)
        return fail("cancelled");
    progress.Stage(PackStage::Document, 0.6);

    std::vector<PackFile> files;
    if (!WriteText(*folder, "report.json", ReportJsonText(facts, texts, request.program), files, &error))
        return fail(error);
    const std::string pdf = ReportPdfBytes(facts, texts, request.program, &error);
    if (pdf.empty() || !WriteText(*folder, "report.pdf", pdf, files, &error))
        return fail(error);
    std::rotate(files.begin(), files.begin() + 1, files.end()); // report.pdf first
    files.insert(files.end(), made.begin(), made.end());
    for (const OriginalFile& original : facts.originals)
        files.push_back({original.packPath, original.sha256, original.size});
    progress.Stage(PackStage::Document, 0.9);
    std::string sums;
    if (!WriteWholeFile(folder->PathOf("SHA256SUMS"), SumsText(files), &sums))
        return fail("cannot write " + folder->PathOf("SHA256SUMS") + ": " + sums);
    if (cancel && *cancel)
        return fail("cancelled");
    if (!folder->Commit(&error))
        return fail(error);
    progress.Stage(PackStage::Document, 1);
    result.ok = true;
    result.folder = folder->Target();
    result.files = std::move(files);
    return result;
}

} // namespace vemora::report
