#pragma once
// The script calls the program makes into the map pages, and which page a map setting opens.
// Numbers are written in fixed notation with six decimals whatever the process locale, since a
// decimal comma would split one argument into two.

#include <optional>
#include <string>

namespace vemora {

inline constexpr int kGoogleMapPage = 0;
inline constexpr int kChinaMapPage = 1;

// "BMap.html" for the China map page (1), "gmap.html" for every other setting.
const char* MapPageFile(int mapType);

// "movpos(<latitude>, <longitude>)".
std::string MovposScript(double latitude, double longitude);

// The marker move for a position of a recording in telemetry layout `format`, shown on page
// `mapType`. Layout 0 stores NMEA values divided by 100, converted here for both pages; the other
// layouts store degrees. Nothing for a position of exactly (0, 0), which the readers give for a
// missing fix, nor for a value that is not a finite number.
std::optional<std::string> MarkerScript(double latitude, double longitude, int format, int mapType);

} // namespace vemora
