#include "map/MapScripts.h"

#include "map/NumberText.h"
#include "telemetry/TelemetryModel.h"

#include <cmath>

namespace vemora {

const char* MapPageFile(int mapType) {
    return mapType == kChinaMapPage ? "BMap.html" : "gmap.html";
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
    return MovposScript(latitude, longitude);
}

} // namespace vemora
