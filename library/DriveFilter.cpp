#include "library/DriveFilter.h"

#include "map/NearestPlace.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace vemora {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Within(const NearFilter& near, double latitude, double longitude) {
    return GreatCircleMetres(near.latitude, near.longitude, latitude, longitude) <= near.radiusKm * 1000;
}

bool IsNear(const CataloguedDrive& drive, const NearFilter& near) {
    const DriveSummary& s = drive.summary;
    if (s.start && Within(near, s.start->latitude, s.start->longitude))
        return true;
    if (s.end && Within(near, s.end->latitude, s.end->longitude))
        return true;
    return std::any_of(s.track.begin(), s.track.end(),
                       [&](const TrackPoint& p) { return Within(near, p.latitude, p.longitude); });
}

bool HasText(const CataloguedDrive& drive, std::string_view text) {
    const DriveSummary& s = drive.summary;
    return (s.start && ContainsText(s.start->place, text)) || (s.end && ContainsText(s.end->place, text)) ||
           ContainsText(drive.card.DisplayName(), text) || ContainsText(drive.card.folder, text);
}

} // namespace

bool ContainsText(std::string_view text, std::string_view needle) {
    if (needle.empty())
        return true;
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end();
}

bool DriveMatches(const CataloguedDrive& drive, const DriveFilter& filter) {
    const int64_t start = drive.summary.startTime;
    if ((filter.from && start < *filter.from) || (filter.to && start >= *filter.to))
        return false;
    if (filter.onlyWithIncidents && drive.summary.incidents.Total() == 0)
        return false;
    if (!filter.text.empty() && !HasText(drive, filter.text))
        return false;
    return !filter.near || IsNear(drive, *filter.near);
}

std::vector<size_t> FilterDrives(const std::vector<CataloguedDrive>& drives, const DriveFilter& filter) {
    std::vector<size_t> shown;
    for (size_t i = 0; i < drives.size(); ++i)
        if (DriveMatches(drives[i], filter))
            shown.push_back(i);
    return shown;
}

std::optional<int64_t> LocalDayStart(std::string_view date, int days) {
    int fields[3] = {};
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return std::nullopt;
    const std::string_view parts[3] = {date.substr(0, 4), date.substr(5, 2), date.substr(8, 2)};
    for (int i = 0; i < 3; ++i) {
        auto [end, ec] = std::from_chars(parts[i].data(), parts[i].data() + parts[i].size(), fields[i]);
        if (ec != std::errc() || end != parts[i].data() + parts[i].size())
            return std::nullopt;
    }
    if (fields[1] < 1 || fields[1] > 12 || fields[2] < 1 || fields[2] > 31)
        return std::nullopt;
    struct tm local {};
    local.tm_year = fields[0] - 1900;
    local.tm_mon = fields[1] - 1;
    local.tm_mday = fields[2] + days;
    local.tm_isdst = -1;
    const time_t t = ::mktime(&local);
    if (t == static_cast<time_t>(-1))
        return std::nullopt;
    return static_cast<int64_t>(t);
}

} // namespace vemora
