// libFuzzer target for the AVI reader: every input is a whole AVI file image.
#include "FuzzMemoryFile.h"
#include "platform/Diagnostics.h"
#include "telemetry/AviParser.h"
#include "telemetry/TrackLimits.h"
#include "telemetry/TrackLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vemora::SetDiagnosticSink({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vemora::fuzz::MemoryFile file("fuzz_avi");
    file.Fill(data, size);

    vemora::ContainerSummary summary;
    summary.format = vemora::TelemetryFormat::MetaTrack92; // must be left alone
    vemora::FileStatus status;
    vemora::CDvrAviParser reader;
    reader.SetSummary(&summary);
    reader.SetFileStatus(&status);
    int rc = reader.Parse(file.Path());
    if (rc != 0 && rc != -1)
        std::abort();
    if (rc != 0)
        return 0;
    // What an accepted file promises to the library and the track loader.
    if (summary.width == 0 || summary.height == 0 || summary.durationMs == 0 || summary.fileSize != size ||
        summary.format != vemora::TelemetryFormat::MetaTrack92 ||
        summary.lengthSeconds != static_cast<int64_t>(summary.durationMs / 1000))
        std::abort();

    // The track is loaded as the inline layout; a payload outside the file is never read.
    summary.format = vemora::TelemetryFormat::InlineBoxes;
    vemora::TelemetryTrack track;
    if (!vemora::LoadTelemetryTrack(file.Path(), summary, track))
        std::abort();
    if (track.rawGps.size() > size || track.rawGsensor.size() > size)
        std::abort();
    // No more records than the recording's length allows (TrackLimits.h).
    if (vemora::RawGpsRecordCount(track) > vemora::TrackRecordLimit(summary.durationMs, 1.0) ||
        vemora::RawGSensorSampleCount(track) >
            vemora::TrackRecordLimit(summary.durationMs, vemora::kMostGSensorRate))
        std::abort();
    for (size_t i = 0; i < vemora::RawGpsRecordCount(track); ++i)
        (void)vemora::RawGpsRecord(track, i);
    return 0;
}
