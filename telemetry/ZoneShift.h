#pragma once
// The recorders store UTC; the track shows the local time of the place the car was at. The zone
// is estimated from the position (a fixed box for China, otherwise 15 degrees of longitude per
// hour) and the record's date is moved by whole hours.

#include <array>
#include <cstdint>

namespace vemora {

// year - 2000, month, day, hour, minute, second: the date bytes of a GpsPoint.
using DateTime6 = std::array<uint8_t, 6>;

// Whole hours east of UTC for a position in decimal degrees.
int EstimateZone(double latitude, double longitude);

// The date moved by zone hours (limited to -12 ... 13). A date whose year, month or day byte is 0
// carries no time: the result is all zero.
DateTime6 ShiftDateByZone(const DateTime6& utc, int zone);

// Leap-year rule applied to the stored year byte (year - 2000).
bool IsLeapYearByte(uint8_t year);

} // namespace vemora
