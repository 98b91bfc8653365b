#pragma once
// The script calls the program makes into the map pages, and which page a map setting opens.
// Numbers are written in fixed notation with six decimals whatever the process locale, since a
// decimal comma would split one argument into two.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vemora {

inline constexpr int kGoogleMapPage = 0;
inline constexpr int kChinaMapPage = 1;

// "BMap.html" for the China map page (1), "gmap.html" for every other setting.
const char* MapPageFile(int mapType);

// Points sent to a page in one script call: a track's path goes in a few calls, not one call per
// point (each of which would redraw the whole line).
inline constexpr size_t kMapPointsPerCall = 2000;

// "<function>([[<latitude>,<longitude>],...])" for a list function of the pages
// ("path_plot_list", "pathdrived_plot_list"), which appends the points in order.
std::string PointListScript(const char* function, const std::vector<std::pair<double, double>>& points);

// "movpos(<latitude>, <longitude>)".
std::string MovposScript(double latitude, double longitude);

// The marker move for a position of a recording in telemetry layout `format`, shown on page
// `mapType`. Layout 0 stores NMEA values divided by 100, converted here for both pages; the other
// layouts store degrees. Nothing for a position of exactly (0, 0), which the readers give for a
// missing fix, nor for a value that is not a finite number.
std::optional<std::string> MarkerScript(double latitude, double longitude, int format, int mapType);

} // namespace vemora
