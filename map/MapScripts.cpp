#include "map/MapScripts.h"

#include "map/NumberText.h"
#include "telemetry/TelemetryModel.h"

#include <cmath>

namespace vemora {

const char* MapPageFile(int mapType) {
    return mapType == kChinaMapPage ? "BMap.html" : "gmap.html";
}

std::string PointListScript(const char* function, const std::vector<std::pair<double, double>>& points) {
    std::string text(function);
    text.reserve(text.size() + points.size() * 24 + 4);
    text += "([";
    for (size_t i = 0; i < points.size(); ++i) {
        if (i != 0)
            text += ',';
        text += '[';
        text += FixedText(points[i].first, 6);
        text += ',';
        text += FixedText(points[i].second, 6);
        text += ']';
    }
    text += "])";
    return text;
}

std::string MovposScript(double latitude, double longitude) {
    return "movpos(" + FixedText(latitude, 6) + ", " + FixedText(longitude, 6) + ")";
}

std::optional<std::string> MarkerScript(double latitude, double longitude, int format, int mapType) {
    if (latitude == 0.0 && longitude == 0.0)
        return std::nullopt;
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return std::nullopt;
    if (format == 0 && (mapType == kGoogleMapPage || mapType == kChinaMapPage)) {
        latitude = NmeaToDegrees(latitude);
        longitude = NmeaToDegrees(longitude);
    }
    if (!IsOnEarth(latitude, longitude))
        return std::nullopt;
    return MovposScript(latitude, longitude);
}

} // namespace vemora
