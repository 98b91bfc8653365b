#include "tools/vemora/DriveJson.h"

#include "library/ListTexts.h"

#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace vemora::cli {
namespace {

// The value to a number of decimals, so that its shortest text has no more of them.
double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

void WritePosition(JsonWriter& json, const char* key, const std::optional<DrivePosition>& position) {
    json.Key(key);
    if (!position) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("lat").Double(Rounded(position->latitude, 6));
    json.Key("lon").Double(Rounded(position->longitude, 6));
    json.Key("place");
    if (position->place.empty())
        json.Null();
    else
        json.String(position->place);
    json.EndObject();
}

// The file is where the catalogue saw it last, with the same size.
bool IsPresent(const CataloguedFile& file) {
    struct stat st {};
    return ::stat(file.path.c_str(), &st) == 0 && static_cast<uint64_t>(st.st_size) == file.size;
}

} // namespace

void WriteDriveJson(JsonWriter& json, const CataloguedDrive& drive, const DriveJsonExtras& extras) {
    const DriveSummary& s = drive.summary;
    json.BeginObject();
    json.Key("card").String(drive.card.DisplayName());
    json.Key("start_time").String(FormatLocalTime(s.startTime, kGroupStartFormat));
    json.Key("end_time").String(FormatLocalTime(s.endTime, kGroupStartFormat));
    json.Key("duration_ms").Int(s.durationMs);
    json.Key("recordings").Int(s.recordings);
    json.Key("distance_m").Double(Rounded(s.distanceM, 1));
    json.Key("moving_ms").Int(s.movingMs);
    json.Key("max_speed_kmh").Double(Rounded(s.maxSpeedKmh, 1));
    json.Key("avg_speed_kmh").Double(Rounded(s.avgSpeedKmh, 1));
    WritePosition(json, "start", s.start);
    WritePosition(json, "end", s.end);
    json.Key("incidents").BeginObject();
    json.Key("jolt").Int(s.incidents.jolts).Key("hard_braking").Int(s.incidents.hardBrakings);
    json.EndObject();
    json.Key("files").BeginArray();
    for (const CataloguedFile& f : drive.files)
        json.String(f.path);
    json.EndArray();
    if (extras.withCatalogueState) {
        bool present = !drive.files.empty();
        for (const CataloguedFile& f : drive.files)
            present = present && IsPresent(f);
        json.Key("present").Bool(present);
        json.Key("kept").BeginArray();
        for (const CataloguedFile& f : drive.files)
            if (!f.keptPath.empty())
                json.BeginObject()
                    .Key("file")
                    .String(f.path)
                    .Key("path")
                    .String(f.keptPath)
                    .Key("sha256")
                    .String(f.sha256)
                    .EndObject();
        json.EndArray();
    }
    json.EndObject();
}

std::optional<Catalogue> OpenCatalogue(const std::string& dbFile, const char* command) {
    const std::string path = dbFile.empty() ? Catalogue::DefaultPath() : dbFile;
    std::string error;
    std::optional<Catalogue> catalogue = Catalogue::Open(path, &error);
    if (!catalogue)
        std::fprintf(stderr, "vemora %s: %s: %s\n", command, path.c_str(), error.c_str());
    return catalogue;
}

} // namespace vemora::cli
