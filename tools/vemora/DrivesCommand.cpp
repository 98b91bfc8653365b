// vemora drives PATH... [--db FILE]: the drives found in the paths, summarised, as one JSON
// object; they are recorded in the catalogue too (the user's, or FILE).
#include "tools/vemora/Commands.h"
#include "tools/vemora/DriveJson.h"
#include "tools/vemora/DriveScan.h"

#include <cstdio>

namespace vemora::cli {
namespace {

int RunDrives(const Args& args) {
    std::vector<std::string> paths;
    std::string db;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--db" && i + 1 < args.size())
            db = args[++i];
        else if (!args[i].empty() && args[i][0] != '-')
            paths.push_back(args[i]);
        else
            paths.clear(), i = args.size();
    }
    if (paths.empty()) {
        std::fprintf(stderr, "usage: vemora drives PATH... [--db FILE]\n");
        return kExitUsage;
    }
    std::optional<Catalogue> catalogue = OpenCatalogue(db, "drives");
    if (!catalogue)
        return kExitRejected;
    const ScannedDrives scanned = ScanDrives(paths, &*catalogue, "drives");
    if (!scanned.failure.empty())
        std::fprintf(stderr, "vemora drives: catalogue: %s\n", scanned.failure.c_str());
    JsonWriter json;
    json.BeginObject().Key("drives").BeginArray();
    for (const CataloguedDrive& drive : scanned.drives)
        WriteDriveJson(json, drive);
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().c_str());
    if (std::fflush(stdout) != 0)
        return kExitRejected;
    return scanned.missing || !scanned.failure.empty() ? kExitRejected : kExitOk;
}

const CommandRegistrar
    kRegisterDrives("drives", RunDrives,
                    "PATH... [--db FILE]   the drives found, summarised (distance counted only while "
                    "moving at 5 km/h or more), and recorded in the catalogue");

} // namespace
} // namespace vemora::cli
