#include "map/GpxWriter.h"

#include "map/ExportFile.h"
#include "map/ExportPaths.h"
#include "map/NumberText.h"
#include "map/XmlText.h"
#include "telemetry/TrackTimeline.h"
#include "telemetry/ZoneShift.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vemora {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (no time zone involved).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

unsigned DaysInMonth(int year, unsigned month) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<int64_t> SecondsOfDateBytes(const std::array<uint8_t, 6>& dt) {
    const int year = 2000 + dt[0];
    const unsigned month = dt[1], day = dt[2], hour = dt[3], minute = dt[4], second = dt[5];
    if (dt[0] == 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return std::nullopt;
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

std::string GpxHeader(const ExportRecording& recording, const std::string& trackName) {
    const std::string name = EscapeXmlText(trackName);
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<gpx version=\"1.1\" creator=\"Vemora Viewer\""
                       " xmlns=\"http://www.topografix.com/GPX/1/1\" xmlns:vemora=\"") +
           kGpxExtensionNamespace +
           "\">\n"
           "  <metadata>\n"
           "    <name>" +
           name + "</name>\n    <desc>" + PlacemarkText(recording) +
           "</desc>\n"
           "  </metadata>\n"
           "  <trk>\n"
           "    <name>" +
           name + "</name>\n    <trkseg>\n";
}

std::string GpxPoint(TelemetryFormat format, const ExportPoint& p) {
    std::string text =
        "      <trkpt lat=\"" + FixedText(p.latitude, 6) + "\" lon=\"" + FixedText(p.longitude, 6) + "\">\n";
    if (auto utc = PointUtcTime(format, p))
        text += "        <time>" + IsoUtcText(*utc) + "</time>\n";
    text += "        <extensions>\n"
            "          <vemora:speed>" +
            FixedText(p.speedKmh / 3.6, 3) +
            "</vemora:speed>\n"
            "          <vemora:course>" +
            std::to_string(p.headingHalf * 2) +
            "</vemora:course>\n"
            "        </extensions>\n"
            "      </trkpt>\n";
    return text;
}

constexpr const char* kGpxEnd = "    </trkseg>\n"
                                "  </trk>\n"
                                "</gpx>\n";

} // namespace

std::optional<int64_t> PointUtcTime(TelemetryFormat format, const ExportPoint& point) {
    auto seconds = SecondsOfDateBytes(point.dateTime);
    if (!seconds)
        return std::nullopt;
    if (format == TelemetryFormat::InlineBoxes)
        return seconds;
    // The decoders moved the UTC time by this zone (limited like they limit it).
    const int zone = std::clamp(EstimateZone(point.latitude, point.longitude), -12, 13);
    return *seconds - int64_t(zone) * 3600;
}

std::string IsoUtcText(int64_t utcSeconds) {
    int64_t days = utcSeconds / 86400;
    int64_t rest = utcSeconds % 86400;
    if (rest < 0)
        rest += 86400, --days;
    // Civil date from days since 1970-01-01.
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = static_cast<int64_t>(yoe) + era * 400 + (month <= 2);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02d:%02d:%02dZ", static_cast<long long>(year),
                  month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                  static_cast<int>(rest % 60));
    return buffer;
}

std::string GpxTextOfShares(const std::string& name, const std::vector<GpxShare>& shares) {
    std::string text = GpxHeader(shares.empty() ? ExportRecording() : shares.front().recording, name);
    for (const GpxShare& share : shares) {
        if (!share.track)
            continue;
        TrackTimeline timeline(*share.track, share.recording.format);
        ForEachExportPointIndexed(share.recording.format, *share.track,
                                  [&](size_t index, const ExportPoint& p) {
                                      const int64_t t = timeline.TimeOfRecord(index);
                                      if (t >= share.fromMs && t <= share.toMs)
                                          text += GpxPoint(share.recording.format, p);
                                  });
    }
    return text + kGpxEnd;
}

ExportResult SaveGpx(const std::string& folder, const ExportRecording& recording,
                     const TelemetryTrack& track) {
    ExportResult result;
    auto name = ExportFileName(recording.fileName, recording.startTime, ".GPX");
    if (!name) {
        result.error = "start time cannot be shown as a local time";
        return result;
    }
    return WriteGpxFile(JoinFolder(folder, *name), recording, track);
}

ExportResult WriteGpxFile(const std::string& path, const ExportRecording& recording,
                          const TelemetryTrack& track) {
    ExportResult result;
    ExportFile file;
    if (!file.Open(path)) {
        result.errorNumber = errno;
        result.error = "cannot create " + path + ": " + std::strerror(result.errorNumber);
        result.failure = ExportFailure::FileNotCreated;
        result.failedPath = path;
        return result;
    }
    result.path = path;
    file.Write(GpxHeader(recording, recording.fileName));
    ForEachExportPoint(recording.format, track,
                       [&](const ExportPoint& p) { file.Write(GpxPoint(recording.format, p)); });
    file.Write(kGpxEnd);
    errno = 0;
    result.ok = file.Close();
    if (!result.ok) {
        // Written whole or not at all: the target, an earlier export perhaps, is as it was.
        result.errorNumber = errno;
        result.error = "cannot write " + path;
        result.failure = ExportFailure::FileNotWritten;
        result.failedPath = path;
    }
    return result;
}

} // namespace vemora
