#pragma once
// The drives found in the paths given on a command line (folders scanned as the viewer scans them,
// single files read alone), each summarised and, with a catalogue, recorded in it.

#include "library/Catalogue.h"

#include <string>
#include <vector>

namespace vemora::cli {

struct ScannedDrives {
    std::vector<CataloguedDrive> drives;
    bool missing = false; // a path was not found
    std::string failure;  // the catalogue refused a drive
};

ScannedDrives ScanDrives(const std::vector<std::string>& paths, Catalogue* catalogue, const char* command);

} // namespace vemora::cli
