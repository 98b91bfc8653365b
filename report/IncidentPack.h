#pragma once
// An incident pack: one folder that an insurer or the police can take. It holds report.pdf,
// clip.mp4 (both cameras with the telemetry band), stills/ (the exact front and rear pictures at
// the moment - 3 s, the moment and + 2 s, full-resolution PNG), track.gpx (the moment +- 60 s),
// originals/ (byte copies of every recording file of both cameras that holds part of the range,
// read back from the disk and compared by SHA-256 with the card's files), report.json and
// SHA256SUMS (every other file of the pack, in sha256sum's format).
//
// The folder is made under a hidden temporary name beside the target and takes its name only
// when complete: a failure or a cancel leaves nothing behind.

#include "library/RecordingInfo.h"
#include "report/PackFacts.h"
#include "report/ReportTexts.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace vemora::report {

struct PackRequest {
    std::vector<RecordingInfo> records; // a scanned library's sorted list, groups marked
    size_t index = 0;                   // the recording the moment is given in
    double atMs = 0;                    // the moment, from that recording's start
    double beforeMs = 10000;            // the range: the moment - before ... + after
    double afterMs = 10000;
    std::string outFolder; // must not exist, or be empty; its parent must exist
    bool mph = false;
    bool mirrorRear = false;
    std::string program; // "vemora 0.3.0", shown on the last page
};

enum class PackStage { Clip, Stills, Originals, Document };

struct PackProgress {
    PackStage stage = PackStage::Clip;
    double fraction = 0; // of the whole pack, 0 ... 1
};

struct PackResult {
    bool ok = false;
    bool cancelled = false;
    std::string error;
    std::string folder; // the pack's folder once made
    PackFacts facts;
    // Every file of the pack but SHA256SUMS, relative path and SHA-256, in the order written.
    std::vector<PackFile> files;
};

// Checks the request before anything is written: the moment inside its recording, the ranges
// not negative, the target not on the card. Empty when fine, else the reason.
std::string CheckRequest(const PackRequest& request);

// Makes the pack. Runs on the caller's thread; cancel is checked often, progress is called from
// the caller's thread and from one helper thread (never both at once).
PackResult MakePack(const PackRequest& request, const TextLookup& texts,
                    const std::atomic<bool>* cancel = nullptr,
                    const std::function<void(const PackProgress&)>& progress = {});

// The default pack folder: <documents>/Vemora Viewer/Reports/<date>_<time>_<recording>, the
// moment's local date and time.
std::string DefaultPackFolder(const std::string& documents, const RecordingInfo& record, double atMs);

} // namespace vemora::report
