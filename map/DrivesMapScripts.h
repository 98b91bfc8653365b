#pragma once
// The script calls of the all-drives map page (res/drives.html): the lines of the drives shown,
// and which one is selected. The page reports a click on a line as a console message
// "vemora-drive:<id>", read back with DriveIdOfPageMessage.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemora {

struct DriveLine {
    int64_t id = 0;
    std::vector<std::pair<double, double>> points; // latitude, longitude
};

// "showDrives([{id:..,p:[[lat,lon],...]},...]);": replaces every line and fits the map to them.
std::string ShowDrivesScript(const std::vector<DriveLine>& lines);
// "selectDrive(id);": highlights that line (0: none) and brings it into view.
std::string SelectDriveScript(int64_t id);

// The drive a page message names, or nothing when the message is not one.
std::optional<int64_t> DriveIdOfPageMessage(std::string_view message);

inline constexpr char kDriveClickPrefix[] = "vemora-drive:";

} // namespace vemora
