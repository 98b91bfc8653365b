#pragma once
// How many telemetry records a recording can hold. A recorder writes its records at a fixed rate
// while it films, so the length of the video bounds them; a table or payload that claims far more
// comes from a damaged or hostile file and would only cost memory and time (a 16 MB chunk table
// can name four million records). Readers reject such files, the loader refuses to load them.

#include <cstddef>
#include <cstdint>

namespace vemora {

// No recording holds more, whatever its length and rate claim: a day at ten records a second.
inline constexpr uint64_t kMaxTrackRecords = 864000;

// The largest number of records of a recording lasting durationMs written at recordsPerSecond:
// twice the records of its length plus ten seconds, for recorders that start their telemetry
// before the video and stop after it; never above kMaxTrackRecords. A rate of 0 counts as 1.
uint64_t TrackRecordLimit(uint32_t durationMs, double recordsPerSecond);

// G-sensor samples a second assumed for the bound: the largest rate a one-byte rate field can
// state, whatever the file states, since recorders do not all write at the rate they name.
inline constexpr double kMostGSensorRate = 255;

} // namespace vemora
