#include "telemetry/TrackLimits.h"

#include <algorithm>
#include <cmath>

namespace vemora {

namespace {

constexpr double kLeadSeconds = 10;
constexpr double kSlackFactor = 2;

} // namespace

uint64_t TrackRecordLimit(uint32_t durationMs, double recordsPerSecond) {
    const double rate = recordsPerSecond > 0 && std::isfinite(recordsPerSecond) ? recordsPerSecond : 1.0;
    const double records = std::ceil((durationMs / 1000.0 + kLeadSeconds) * rate * kSlackFactor);
    return static_cast<uint64_t>(std::min(records, static_cast<double>(kMaxTrackRecords)));
}

} // namespace vemora
