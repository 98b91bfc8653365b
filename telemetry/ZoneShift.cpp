#include "telemetry/ZoneShift.h"

#include <algorithm>
#include <cmath>

namespace vemora {
namespace {

bool InChinaBox(double latitude, double longitude) {
    bool mainland = latitude >= 17.9 && latitude <= 50 && longitude >= 75 && longitude <= 125;
    bool northEast = latitude >= 41.5 && latitude <= 50 && longitude >= 125 && longitude <= 135;
    return mainland || northEast;
}

bool IsThirtyDayMonth(uint8_t month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}

// The recorder's own calendar steps: only the last days of the months are special, any other
// day byte (also one a damaged record holds) simply moves by one.
void StepForward(DateTime6& d) {
    uint8_t& year = d[0];
    uint8_t& month = d[1];
    uint8_t& day = d[2];
    if (month == 2 && day == 28 && IsLeapYearByte(year)) {
        day = 29;
    } else if ((month == 2 && (day == 28 || day == 29)) || (day == 30 && IsThirtyDayMonth(month)) ||
               (day == 31 && month != 12)) {
        ++month;
        day = 1;
    } else if (day == 31) {
        ++year;
        month = 1;
        day = 1;
    } else {
        ++day;
    }
}

void StepBack(DateTime6& d) {
    uint8_t& year = d[0];
    uint8_t& month = d[1];
    uint8_t& day = d[2];
    if (day != 1) {
        --day;
    } else if (month == 1) {
        --year;
        month = 12;
        day = 31;
    } else if (month == 3) {
        month = 2;
        day = IsLeapYearByte(year) ? 29 : 28;
    } else if (month == 5 || month == 7 || month == 10 || month == 12) {
        --month;
        day = 30;
    } else if (month == 2 || month == 4 || month == 6 || month == 8 || month == 9 || month == 11) {
        --month;
        day = 31;
    } else {
        --day;
    }
}

} // namespace

bool IsLeapYearByte(uint8_t year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int EstimateZone(double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return 0;
    if (InChinaBox(latitude, longitude))
        return 8;
    // Far outside the globe a value only comes from a damaged record; keep the integer
    // conversion defined.
    double lon = std::clamp(longitude, -1e6, 1e6);
    long n =
        lon > 0.000001 ? static_cast<long>(std::trunc(lon + 0.5)) : static_cast<long>(std::trunc(0.5 - lon));
    long z = n / 15;
    if (n % 15 > 7.5)
        ++z;
    return static_cast<int>(longitude <= 0 ? -z : z);
}

DateTime6 ShiftDateByZone(const DateTime6& utc, int zone) {
    if (utc[0] == 0 || utc[1] == 0 || utc[2] == 0)
        return DateTime6{};
    DateTime6 d = utc;
    int hour = d[3] + std::clamp(zone, -12, 13);
    if (hour >= 24) {
        d[3] = static_cast<uint8_t>(hour - 24);
        StepForward(d);
    } else if (hour < 0) {
        d[3] = static_cast<uint8_t>(hour + 24);
        StepBack(d);
    } else {
        d[3] = static_cast<uint8_t>(hour);
    }
    return d;
}

} // namespace vemora
