#include "tools/vemora/DriveScan.h"

#include "library/CardIdentity.h"
#include "library/DriveLog.h"
#include "library/RecordingLibrary.h"
#include "map/NearestPlace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace vemora::cli {

ScannedDrives ScanDrives(const std::vector<std::string>& paths, Catalogue* catalogue, const char* command) {
    ScannedDrives scanned;
    for (const std::string& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            std::fprintf(stderr, "vemora %s: %s: %s\n", command, path.c_str(), std::strerror(errno));
            scanned.missing = true;
            continue;
        }
        CRecordingLibrary library;
        std::string folder = path;
        bool found;
        if (S_ISDIR(st.st_mode)) {
            found = library.ScanSource(folder, std::string());
        } else {
            const std::filesystem::path file(path);
            folder = file.has_parent_path() ? file.parent_path().string() : std::string(".");
            found = library.ScanSource(folder, file.filename().string());
        }
        if (!found) {
            std::fprintf(stderr, "vemora %s: %s: not found\n", command, path.c_str());
            scanned.missing = true;
            continue;
        }
        const CardIdentity card = IdentifyCard(folder);
        for (const std::vector<RecordingInfo>& drive : DrivesOfScan(library.Records())) {
            CataloguedDrive d;
            d.card = card;
            d.summary = ReadDriveSummary(drive, &PlaceIndex::System());
            d.files = FilesOfDrive(drive, card);
            std::string error;
            if (catalogue && !catalogue->RecordDrive(card, d.summary, d.files, &error) &&
                scanned.failure.empty())
                scanned.failure = error;
            scanned.drives.push_back(std::move(d));
        }
    }
    return scanned;
}

} // namespace vemora::cli
