#include "telemetry/TelemetryModel.h"

#include <cmath>

namespace vemora {

double NmeaToDegrees(double v) {
    double d = std::trunc(v);
    return d + (v - d) * 100.0 / 60.0;
}

} // namespace vemora
