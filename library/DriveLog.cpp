#include "library/DriveLog.h"

#include "library/CardIncidents.h"
#include "library/RecordingNaming.h"
#include "telemetry/IncidentFinder.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/TrackTimeline.h"

#include <algorithm>
#include <sys/stat.h>

namespace vemora {
namespace {

struct PairTelemetry {
    bool hasTelemetry = false;
    std::vector<DriveFix> fixes;
    std::vector<Incident> incidents;
};

PairTelemetry ReadTelemetry(const RecordingInfo& record) {
    PairTelemetry found;
    TelemetryTrack track;
    if (!LoadTelemetryTrack(record.GetFullPath(), record.summary, track))
        return found;
    TrackTimeline timeline(track, record.summary.format);
    found.hasTelemetry = timeline.GpsRecordCount() != 0 || timeline.SampleCount() != 0;
    if (!found.hasTelemetry)
        return found;
    const int64_t startMs = record.summary.startTime * 1000;
    timeline.ForEachValidPoint([&](size_t index, const GpsPoint& point) {
        found.fixes.push_back(DriveFix{startMs + timeline.TimeOfRecord(index), point.latitude,
                                       point.longitude, static_cast<double>(point.speedKmh), true});
    });
    found.incidents = FindIncidents(track, record.summary);
    return found;
}

} // namespace

std::vector<std::vector<RecordingInfo>> DrivesOfScan(const std::vector<RecordingInfo>& sorted) {
    std::vector<std::vector<RecordingInfo>> drives;
    for (const RecordingInfo& record : sorted) {
        if (drives.empty() || record.startsGroup)
            drives.emplace_back();
        drives.back().push_back(record);
    }
    return drives;
}

std::vector<CataloguedFile> FilesOfDrive(const std::vector<RecordingInfo>& drive, const CardIdentity& card) {
    std::vector<CataloguedFile> files;
    const std::string root = card.Root();
    for (const RecordingInfo& record : drive) {
        CataloguedFile f;
        f.path = card.folder + record.subFolder + record.fileName;
        f.relativePath = f.path.compare(0, root.size(), root) == 0 ? f.path.substr(root.size()) : f.path;
        struct stat st {};
        if (::stat(f.path.c_str(), &st) == 0) {
            f.size = static_cast<uint64_t>(st.st_size);
            f.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        } else {
            f.size = record.summary.fileSize;
        }
        f.camera = IsRearFile(record.GetFullPath()) ? "rear" : "front";
        f.locked = record.lockFlags != 0;
        f.startTime = record.summary.startTime;
        f.durationMs = record.summary.durationMs;
        files.push_back(std::move(f));
    }
    return files;
}

DriveSummary ReadDriveSummary(const std::vector<RecordingInfo>& drive, const PlaceIndex* places) {
    std::vector<DriveRecording> recordings;
    for (const RecordingInfo& record : drive)
        recordings.push_back(DriveRecording{record.summary.startTime, record.summary.durationMs});
    std::vector<DriveFix> fixes;
    IncidentCounts incidents;
    for (const IncidentPair& pair : IncidentPairs(drive)) {
        PairTelemetry found = ReadTelemetry(drive[pair.leader]);
        if (!found.hasTelemetry && pair.partner >= 0)
            found = ReadTelemetry(drive[static_cast<size_t>(pair.partner)]);
        fixes.insert(fixes.end(), found.fixes.begin(), found.fixes.end());
        for (const Incident& incident : found.incidents)
            incidents.Add(incident.kind);
    }
    std::stable_sort(fixes.begin(), fixes.end(),
                     [](const DriveFix& a, const DriveFix& b) { return a.timeMs < b.timeMs; });
    return SummariseDrive(recordings, fixes, incidents, places);
}

DriveLogOutcome RecordScanDrives(Catalogue& catalogue, const std::vector<RecordingInfo>& sorted,
                                 const CardIdentity& card, const PlaceIndex* places,
                                 const std::atomic<bool>* cancel, const std::function<void()>& pace) {
    DriveLogOutcome outcome;
    for (const std::vector<RecordingInfo>& drive : DrivesOfScan(sorted)) {
        if (cancel && cancel->load())
            break;
        const std::vector<CataloguedFile> files = FilesOfDrive(drive, card);
        if (catalogue.HoldsUnchanged(card, files)) {
            ++outcome.unchanged;
            continue;
        }
        const DriveSummary summary = ReadDriveSummary(drive, places);
        std::string error;
        if (catalogue.RecordDrive(card, summary, files, &error)) {
            ++outcome.recorded;
        } else {
            ++outcome.failed;
            if (outcome.error.empty())
                outcome.error = error;
        }
        if (pace)
            pace();
    }
    return outcome;
}

} // namespace vemora
