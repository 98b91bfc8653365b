// vemora catalogue list [--db FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--near LAT,LON,KM]
//                       [--place TEXT]
// vemora catalogue keep PATH... --to ARCHIVE [--db FILE] [--locked] [--incidents]
#include "library/CatalogueKeep.h"
#include "library/DriveFilter.h"
#include "tools/vemora/Commands.h"
#include "tools/vemora/DriveJson.h"
#include "tools/vemora/DriveScan.h"

#include <charconv>
#include <cstdio>

namespace vemora::cli {
namespace {

constexpr const char* kUsage =
    "usage: vemora catalogue list [--db FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD]"
    " [--near LAT,LON,KM] [--place TEXT]\n"
    "       vemora catalogue keep PATH... --to ARCHIVE [--db FILE] [--locked]"
    " [--incidents]\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

std::optional<NearFilter> ParseNear(const std::string& text) {
    NearFilter near;
    double* fields[3] = {&near.latitude, &near.longitude, &near.radiusKm};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        auto [next, ec] = std::from_chars(p, end, *fields[i]);
        if (ec != std::errc() || (i < 2 && (next == end || *next != ',')) || (i == 2 && next != end))
            return std::nullopt;
        p = next + 1;
    }
    if (std::abs(near.latitude) > 90 || std::abs(near.longitude) > 180 || !(near.radiusKm >= 0))
        return std::nullopt;
    return near;
}

int RunList(const Args& args) {
    std::string db;
    DriveFilter filter;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (!hasValue)
            return Usage();
        const std::string& value = args[i + 1];
        if (args[i] == "--db") {
            db = value;
        } else if (args[i] == "--from") {
            if (!(filter.from = LocalDayStart(value)))
                return Usage();
        } else if (args[i] == "--to") {
            if (!(filter.to = LocalDayStart(value, 1)))
                return Usage();
        } else if (args[i] == "--near") {
            if (!(filter.near = ParseNear(value)))
                return Usage();
        } else if (args[i] == "--place") {
            filter.text = value;
        } else {
            return Usage();
        }
        ++i;
    }
    std::optional<Catalogue> catalogue = OpenCatalogue(db, "catalogue list");
    if (!catalogue)
        return kExitRejected;
    std::string error;
    const std::vector<CataloguedDrive> drives = catalogue->ListDrives(filter.near.has_value(), &error);
    if (!error.empty()) {
        std::fprintf(stderr, "vemora catalogue list: %s\n", error.c_str());
        return kExitRejected;
    }
    JsonWriter json;
    json.BeginObject().Key("drives").BeginArray();
    for (size_t index : FilterDrives(drives, filter))
        WriteDriveJson(json, drives[index], DriveJsonExtras{true});
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

int RunKeep(const Args& args) {
    std::vector<std::string> paths;
    std::string db;
    std::string archive;
    bool lockedOnly = false;
    bool incidentsOnly = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--to" && hasValue)
            archive = args[++i];
        else if (args[i] == "--db" && hasValue)
            db = args[++i];
        else if (args[i] == "--locked")
            lockedOnly = true;
        else if (args[i] == "--incidents")
            incidentsOnly = true;
        else if (!args[i].empty() && args[i][0] != '-')
            paths.push_back(args[i]);
        else
            return Usage();
    }
    if (paths.empty() || archive.empty())
        return Usage();
    std::optional<Catalogue> catalogue = OpenCatalogue(db, "catalogue keep");
    if (!catalogue)
        return kExitRejected;
    ScannedDrives scanned = ScanDrives(paths, &*catalogue, "catalogue keep");
    std::vector<CataloguedDrive> chosen;
    for (CataloguedDrive& drive : scanned.drives)
        if (!incidentsOnly || drive.summary.incidents.Total() > 0)
            chosen.push_back(std::move(drive));
    const KeepReport report = KeepRecordings(&*catalogue, KeepItemsOf(chosen, lockedOnly), archive);
    JsonWriter json;
    json.BeginObject();
    json.Key("copied").Int(report.copied).Key("skipped").Int(report.skipped);
    json.Key("bytes").UInt(report.bytes).Key("verified").Int(report.verified);
    json.Key("failed").BeginArray();
    for (const KeepFailure& failure : report.failed)
        json.BeginObject().Key("path").String(failure.path).Key("error").String(failure.reason).EndObject();
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().c_str());
    if (std::fflush(stdout) != 0)
        return kExitRejected;
    return scanned.missing || !report.failed.empty() || !scanned.failure.empty() ? kExitRejected : kExitOk;
}

int RunCatalogue(const Args& args) {
    if (args.empty())
        return Usage();
    if (args[0] == "list")
        return RunList(args);
    if (args[0] == "keep")
        return RunKeep(args);
    return Usage();
}

const CommandRegistrar kRegisterCatalogue(
    "catalogue", RunCatalogue,
    "list|keep ...   the drive catalogue: list [--db FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
    "[--near LAT,LON,KM] [--place TEXT]; keep PATH... --to ARCHIVE [--db FILE] [--locked] [--incidents]");

} // namespace
} // namespace vemora::cli
