#include "telemetry/TelemetryModel.h"

#include <cmath>

namespace vemora {

double NmeaToDegrees(double v) {
    double d = std::trunc(v);
    return d + (v - d) * 100.0 / 60.0;
}

bool IsOnEarth(double latitude, double longitude) {
    // NaN fails every comparison, so it is refused here too.
    return std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0;
}

} // namespace vemora
