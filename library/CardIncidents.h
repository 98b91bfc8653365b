#pragma once
// The incidents of a whole card: one list per recording pair, read from the front file's
// telemetry, or from the rear file's when the front file holds none (a rear file without a front
// partner stands alone). A pair's incident is listed once, under its front file.

#include "library/RecordingInfo.h"
#include "telemetry/IncidentFinder.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vemora {

// What one file's telemetry holds.
struct FileIncidents {
    bool hasTelemetry = false; // GPS records or G-sensor samples were found
    bool read = true;          // false when the file could not be read (worth trying again later)
    std::vector<Incident> incidents;
    bool operator==(const FileIncidents&) const = default;
};

// Loads the telemetry of one recording file and finds its incidents.
FileIncidents FindFileIncidents(const std::string& path, const ContainerSummary& summary);

// One pair of a sorted recording list: the record its incidents are listed under and the other
// camera's record (-1 when it has none in the list).
struct IncidentPair {
    size_t leader = 0;
    int partner = -1;
};

// The pairs of the records by the library's partner rules, in the records' order: each listed
// file is in one pair; a rear file is folded into its front file's pair when either names the
// other as its partner.
std::vector<IncidentPair> IncidentPairs(const std::vector<RecordingInfo>& records);
// The record whose pair holds records[index]: the one its incidents are listed under.
size_t IncidentLeaderOf(const std::vector<RecordingInfo>& records, size_t index);

// How the incidents of one file are had: found afresh, or from a cache.
using FileIncidentLookup = std::function<FileIncidents(const RecordingInfo& record)>;

// The pair's incidents: the leader's, or the partner's when the leader has no telemetry.
std::vector<Incident> PairIncidents(const std::vector<RecordingInfo>& records, const IncidentPair& pair,
                                    const FileIncidentLookup& lookup);

// One incident of the card, with the record it is listed under.
struct CardIncident {
    size_t recordIndex = 0;
    Incident incident;
};

// The incidents of every pair, ordered by record then time. progress(done, total) is called after
// each pair; cancel (when given) ends the search early with what was found so far.
std::vector<CardIncident> FindCardIncidents(const std::vector<RecordingInfo>& records,
                                            const FileIncidentLookup& lookup,
                                            const std::function<void(size_t, size_t)>& progress = {},
                                            const std::atomic<bool>* cancel = nullptr);

} // namespace vemora
