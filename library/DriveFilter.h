#pragma once
// Which catalogued drives to show: a date range, a place near a position, a text found in the
// towns or the card's name, only drives with incidents. Used by `vemora catalogue list` and the
// viewer's Drives window alike.

#include "library/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemora {

struct NearFilter {
    double latitude = 0;
    double longitude = 0;
    double radiusKm = 0;
};

struct DriveFilter {
    std::optional<int64_t> from;    // drives starting at or after (seconds, local wall clock)
    std::optional<int64_t> to;      // drives starting before
    std::optional<NearFilter> near; // start, end or a track point within the radius
    std::string text;               // in a town or the card's name, letters of any case
    bool onlyWithIncidents = false;
};

bool DriveMatches(const CataloguedDrive& drive, const DriveFilter& filter);
// Indices of the matching drives, in order.
std::vector<size_t> FilterDrives(const std::vector<CataloguedDrive>& drives, const DriveFilter& filter);

// Local midnight at the start of "YYYY-MM-DD" plus days; nothing for any other text.
std::optional<int64_t> LocalDayStart(std::string_view date, int days = 0);

// True when the text holds needle, ASCII letters compared without case.
bool ContainsText(std::string_view text, std::string_view needle);

} // namespace vemora
