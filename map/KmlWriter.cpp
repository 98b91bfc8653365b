#include "map/KmlWriter.h"

#include "library/ListTexts.h"
#include "map/ExportPaths.h"
#include "map/ExportPoints.h"
#include "map/NumberText.h"
#include "map/XmlText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vemora {

namespace {

constexpr std::string_view kKmlStart = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n";

constexpr std::string_view kPlacemarkStart = "    <Style id=\"blueLine\">\n"
                                             "      <LineStyle>\n"
                                             "        <color>ffff0000</color>\n"
                                             "        <width>4</width>\n"
                                             "      </LineStyle>\n"
                                             "    </Style>\n"
                                             "    <Placemark>\n"
                                             "      <name>CAR PATH</name>\n"
                                             "      <description>GPS Path of Car DV ";

constexpr std::string_view kPlacemarkRest = "</description>\n"
                                            "      <styleUrl>#blueLine</styleUrl>\n"
                                            "      <LineString>\n"
                                            "        <altitudeMode>relative</altitudeMode>\n"
                                            "        <coordinates>\n";

constexpr std::string_view kKmlEnd = "\n"
                                     "        </coordinates>\n"
                                     "      </LineString>\n"
                                     "    </Placemark>\n"
                                     "  </Document>\n"
                                     "</kml>\n";

} // namespace

bool KmlWriter::OpenKml(const std::string& path) {
    return m_file.Open(path);
}

void KmlWriter::WriteKmlHeader(std::string_view name, std::string_view description,
                               std::string_view placemarkText) {
    m_file.Write(kKmlStart);
    m_file.Write("  <Document>\n    <name>");
    m_file.Write(EscapeXmlText(name));
    m_file.Write("</name>\n\t<description>");
    m_file.Write(EscapeXmlText(description));
    m_file.Write("</description>\n");
    m_file.Write(kPlacemarkStart);
    m_file.Write(placemarkText);
    m_file.Write(kPlacemarkRest);
}

void KmlWriter::WriteKmlPoint(double longitude, double latitude, int32_t value) {
    m_file.Write(FixedText(longitude, 6) + "," + FixedText(latitude, 6) + "," + std::to_string(value) + "\n");
}

bool KmlWriter::CloseKml() {
    m_file.Write(kKmlEnd);
    return m_file.Close();
}

std::string PlacemarkText(const ExportRecording& recording) {
    const std::string time = FormatLocalTime(recording.startTime, " %Y/%m/%d %H:%M:%S");
    if (time.empty())
        return {};
    // Appended piece by piece: GCC 12 at -O3 misreads the operator+ chain as overlapping copies.
    std::string text = "\"";
    text += EscapeXmlText(recording.subFolder);
    text += '/';
    text += EscapeXmlText(recording.fileName);
    text += '"';
    text += time;
    return text;
}

ExportResult SaveKml(const std::string& folder, const ExportRecording& recording,
                     const TelemetryTrack& track) {
    ExportResult result;
    auto name = ExportFileName(recording.fileName, recording.startTime, ".KML");
    if (!name) {
        result.error = "start time cannot be shown as a local time";
        return result;
    }
    const std::string path = JoinFolder(folder, *name);

    KmlWriter writer;
    if (!writer.OpenKml(path)) {
        result.errorNumber = errno;
        result.error = "cannot create " + path + ": " + std::strerror(result.errorNumber);
        result.failure = ExportFailure::FileNotCreated;
        result.failedPath = path;
        return result;
    }
    result.path = path;
    writer.WriteKmlHeader(recording.fileName, "", PlacemarkText(recording));
    ForEachExportPoint(recording.format, track, [&](const ExportPoint& p) {
        writer.WriteKmlPoint(p.longitude, p.latitude, p.reserved);
    });
    errno = 0;
    result.ok = writer.CloseKml();
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
