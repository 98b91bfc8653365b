#pragma once
// What a scan found, put into the catalogue: the scan's drives (its groups of continuous
// recording), each read once for its GPS fixes and incidents, summarised and recorded in a
// transaction of its own. A drive the catalogue already holds unchanged is not read again.
// Nothing is ever written on the card.

#include "library/CardIdentity.h"
#include "library/Catalogue.h"
#include "library/DriveSummary.h"
#include "library/RecordingInfo.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace vemora {

class PlaceIndex;

// The drives of a sorted, group-marked recording list, each as its records in list order.
std::vector<std::vector<RecordingInfo>> DrivesOfScan(const std::vector<RecordingInfo>& sorted);

// The drive's files as the catalogue keeps them (path, path below the card, size, time, camera).
std::vector<CataloguedFile> FilesOfDrive(const std::vector<RecordingInfo>& drive, const CardIdentity& card);

// Reads the drive's telemetry (each pair's front file, or its rear file when the front holds
// none) and summarises it.
DriveSummary ReadDriveSummary(const std::vector<RecordingInfo>& drive, const PlaceIndex* places);

struct DriveLogOutcome {
    int recorded = 0;  // drives written
    int unchanged = 0; // drives the catalogue already held as they are
    int failed = 0;
    std::string error; // the first failure's reason
};

// Records every drive of the scan. pace (when given) runs after each drive read; cancel ends the
// work between drives.
DriveLogOutcome RecordScanDrives(Catalogue& catalogue, const std::vector<RecordingInfo>& sorted,
                                 const CardIdentity& card, const PlaceIndex* places,
                                 const std::atomic<bool>* cancel = nullptr,
                                 const std::function<void()>& pace = {});

} // namespace vemora
