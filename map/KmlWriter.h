#pragma once
// The KML 2.2 file of one recording's GPS track: a document with one blue line placemark whose
// coordinates are the valid fixes of the loaded track.

#include "map/ExportFile.h"
#include "telemetry/TelemetryModel.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vemora {

// What an export needs to know about the recording besides its track.
struct ExportRecording {
    std::string fileName;  // file name without folder
    std::string subFolder; // relative folder below the scanned one ("" or "MOVIE/EVENT/")
    int64_t startTime = 0; // seconds since 1970, local wall clock
    TelemetryFormat format = TelemetryFormat::InlineBoxes;
};

// The step at which an export failed.
enum class ExportFailure { None, FolderNotCreated, FileNotCreated, FileNotWritten };

struct ExportResult {
    bool ok = false;
    std::string path;  // the file written; empty when it could not be created
    std::string error; // readable reason when !ok
    ExportFailure failure = ExportFailure::None;
    std::string failedPath; // the folder or file of the failure
    int errorNumber = 0;    // the system's error number of the failure, 0 when none is known
};

// Writes one KML file in the order header, points, footer. Every write is checked; CloseKml
// reports whether the whole file reached the disk.
class KmlWriter {
public:
    KmlWriter() = default;
    KmlWriter(const KmlWriter&) = delete;
    KmlWriter& operator=(const KmlWriter&) = delete;

    // Creates or truncates the file; false when it cannot be created.
    bool OpenKml(const std::string& path);
    // `name` and `description` are plain text (escaped here); `placemarkText` is XML character
    // data as PlacemarkText builds it.
    void WriteKmlHeader(std::string_view name, std::string_view description, std::string_view placemarkText);
    // One coordinate line: longitude, latitude (six decimals) and the record's value.
    void WriteKmlPoint(double longitude, double latitude, int32_t value);
    // Writes the footer and closes; false when any write or the close failed.
    bool CloseKml();

private:
    ExportFile m_file;
};

// The placemark description: "<subFolder>/<fileName>" in quotation marks, then the start time as
// " %Y/%m/%d %H:%M:%S" in local time. The names are escaped; empty when the time is rejected.
std::string PlacemarkText(const ExportRecording& recording);

// Writes the KML file of `recording` into `folder` (which must exist). The file name is
// ExportFileName(fileName, startTime, ".KML").
ExportResult SaveKml(const std::string& folder, const ExportRecording& recording,
                     const TelemetryTrack& track);

} // namespace vemora
