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

// The library's partner rules, tried from both sides: a front file names its rear partner, and a
// rear file no listed front file names looks for its own front partner (the two rules are not
// each other's inverse: NORM0002F.MP4 finds NORM0002R.MP4, whose front rule gives NOFM0002F.MP4).
// Every listed file is in exactly one pair.
std::vector<IncidentPair> IncidentPairs(const std::vector<RecordingInfo>& records) {
    std::unordered_map<std::string, size_t> indexOfPath;
    for (size_t i = 0; i < records.size(); ++i)
        indexOfPath.emplace(records[i].GetFullPath(), i);
    auto listed = [&indexOfPath](const std::string& path) -> int {
        auto it = path.empty() ? indexOfPath.end() : indexOfPath.find(path);
        return it == indexOfPath.end() ? -1 : static_cast<int>(it->second);
    };
    constexpr int kNone = -1;
    std::vector<int> partnerOf(records.size(), kNone); // a leader's partner
    std::vector<int> leaderOf(records.size(), kNone);  // a partner's leader
    std::vector<bool> rear(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        rear[i] = IsRearFile(records[i].GetFullPath());
    auto join = [&](size_t leader, int partner) {
        if (partner < 0 || static_cast<size_t>(partner) == leader || leaderOf[leader] != kNone ||
            partnerOf[leader] != kNone || leaderOf[static_cast<size_t>(partner)] != kNone ||
            partnerOf[static_cast<size_t>(partner)] != kNone)
            return;
        partnerOf[leader] = partner;
        leaderOf[static_cast<size_t>(partner)] = static_cast<int>(leader);
    };
    for (size_t i = 0; i < records.size(); ++i)
        if (!rear[i])
            join(i, listed(GetRearPartner(records[i].GetFullPath())));
    for (size_t i = 0; i < records.size(); ++i) {
        if (!rear[i] || leaderOf[i] != kNone)
            continue;
        const int front = listed(GetFrontPartner(records[i].GetFullPath()));
        if (front >= 0 && !rear[static_cast<size_t>(front)])
            join(static_cast<size_t>(front), static_cast<int>(i));
    }
    std::vector<IncidentPair> pairs;
    for (size_t i = 0; i < records.size(); ++i)
        if (leaderOf[i] == kNone)
            pairs.push_back(IncidentPair{i, partnerOf[i]});
    return pairs;
}

size_t IncidentLeaderOf(const std::vector<RecordingInfo>& records, size_t index) {
    for (const IncidentPair& pair : IncidentPairs(records))
        if (pair.leader == index || (pair.partner >= 0 && static_cast<size_t>(pair.partner) == index))
            return pair.leader;
    return index;
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
