#include "library/CardIncidents.h"

#include "library/RecordingNaming.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/TrackTimeline.h"

#include <unordered_map>

namespace vemora {

FileIncidents FindFileIncidents(const std::string& path, const ContainerSummary& summary) {
    FileIncidents found;
    TelemetryTrack track;
    if (!LoadTelemetryTrack(path, summary, track)) {
        found.read = false;
        return found;
    }
    TrackTimeline timeline(track, summary.format);
    found.hasTelemetry = timeline.GpsRecordCount() != 0 || timeline.SampleCount() != 0;
    if (found.hasTelemetry)
        found.incidents = FindIncidents(track, summary);
    return found;
}

std::vector<IncidentPair> IncidentPairs(const std::vector<RecordingInfo>& records) {
    std::unordered_map<std::string, size_t> indexOfPath;
    for (size_t i = 0; i < records.size(); ++i)
        indexOfPath.emplace(records[i].GetFullPath(), i);
    auto listed = [&indexOfPath](const std::string& path) -> int {
        auto it = path.empty() ? indexOfPath.end() : indexOfPath.find(path);
        return it == indexOfPath.end() ? -1 : static_cast<int>(it->second);
    };
    std::vector<IncidentPair> pairs;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::string path = records[i].GetFullPath();
        if (IsRearFile(path)) {
            if (listed(GetFrontPartner(path)) < 0)
                pairs.push_back(IncidentPair{i, -1});
            continue;
        }
        pairs.push_back(IncidentPair{i, listed(GetRearPartner(path))});
    }
    return pairs;
}

std::vector<Incident> PairIncidents(const std::vector<RecordingInfo>& records, const IncidentPair& pair,
                                    const FileIncidentLookup& lookup) {
    FileIncidents found = lookup(records[pair.leader]);
    if (!found.hasTelemetry && pair.partner >= 0)
        found = lookup(records[static_cast<size_t>(pair.partner)]);
    return std::move(found.incidents);
}

std::vector<CardIncident> FindCardIncidents(const std::vector<RecordingInfo>& records,
                                            const FileIncidentLookup& lookup,
                                            const std::function<void(size_t, size_t)>& progress,
                                            const std::atomic<bool>* cancel) {
    std::vector<CardIncident> card;
    const std::vector<IncidentPair> pairs = IncidentPairs(records);
    for (size_t k = 0; k < pairs.size(); ++k) {
        if (cancel && cancel->load())
            break;
        for (const Incident& incident : PairIncidents(records, pairs[k], lookup))
            card.push_back(CardIncident{pairs[k].leader, incident});
        if (progress)
            progress(k + 1, pairs.size());
    }
    return card;
}

} // namespace vemora
