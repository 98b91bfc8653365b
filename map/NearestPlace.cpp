#include "map/NearestPlace.h"

#include "map/NumberText.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include <geonames.h>

namespace vemora {
namespace {

constexpr double kEarthRadiusMetres = 6371008.8;
constexpr double kPi = 3.14159265358979323846;
constexpr int kLatitudeCells = 180;
constexpr int kLongitudeCells = 360;
// One degree of latitude is about 111 km; a look-up reads the cells within this many degrees.
constexpr double kKmPerDegree = 111.0;

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

int LatitudeCell(double latitude) {
    return std::clamp(static_cast<int>(std::floor(latitude + 90.0)), 0, kLatitudeCells - 1);
}

int LongitudeCell(double longitude) {
    int cell = static_cast<int>(std::floor(longitude + 180.0)) % kLongitudeCells;
    return cell < 0 ? cell + kLongitudeCells : cell;
}

bool ValidPosition(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90.0 &&
           std::fabs(longitude) <= 180.0;
}

std::vector<Place> LoadSystemPlaces() {
    std::vector<Place> places;
    const int count = geonames_get_n_cities();
    if (count <= 0)
        return places;
    places.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city)
            continue;
        Place place;
        if (const char* name = geonames_city_get_name(city))
            place.name = name;
        if (const char* code = geonames_city_get_country_code(city))
            place.countryCode = code;
        place.latitude = geonames_city_get_latitude(city);
        place.longitude = geonames_city_get_longitude(city);
        geonames_city_free(city);
        if (!place.name.empty() && ValidPosition(place.latitude, place.longitude))
            places.push_back(std::move(place));
    }
    return places;
}

} // namespace

double GreatCircleMetres(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = Radians(lat2 - lat1);
    const double dLon = Radians(lon2 - lon1);
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(Radians(lat1)) *
                                                                   std::cos(Radians(lat2)) *
                                                                   std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(a)));
}

PlaceIndex::PlaceIndex(std::vector<Place> places)
    : places_(std::move(places)), cells_(static_cast<std::size_t>(kLatitudeCells) * kLongitudeCells) {
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Place& place = places_[i];
        if (!ValidPosition(place.latitude, place.longitude))
            continue;
        const int cell = LatitudeCell(place.latitude) * kLongitudeCells + LongitudeCell(place.longitude);
        cells_[static_cast<std::size_t>(cell)].push_back(static_cast<int>(i));
    }
}

std::optional<NearbyPlace> PlaceIndex::Nearest(double latitude, double longitude, double maxKm) const {
    if (!ValidPosition(latitude, longitude) || places_.empty() || !(maxKm > 0))
        return std::nullopt;
    // Cells are narrower in longitude away from the equator; near the poles every longitude.
    const int latitudeReach = static_cast<int>(std::ceil(maxKm / kKmPerDegree));
    const double cosine = std::cos(Radians(std::min(89.0, std::fabs(latitude) + latitudeReach)));
    // At most all columns once: a reach of half the circle each way would read one column twice.
    const int longitudeReach =
        std::min(kLongitudeCells / 2 - 1, static_cast<int>(std::ceil(maxKm / (kKmPerDegree * cosine))));
    const int centreLat = LatitudeCell(latitude);
    const int centreLon = LongitudeCell(longitude);
    std::optional<NearbyPlace> best;
    for (int dy = -latitudeReach; dy <= latitudeReach; ++dy) {
        const int row = centreLat + dy;
        if (row < 0 || row >= kLatitudeCells)
            continue;
        for (int dx = -longitudeReach; dx <= longitudeReach; ++dx) {
            const int column = ((centreLon + dx) % kLongitudeCells + kLongitudeCells) % kLongitudeCells;
            for (int index : cells_[static_cast<std::size_t>(row * kLongitudeCells + column)]) {
                const Place& place = places_[static_cast<std::size_t>(index)];
                const double km =
                    GreatCircleMetres(latitude, longitude, place.latitude, place.longitude) / 1000.0;
                if (km <= maxKm && (!best || km < best->distanceKm))
                    best = NearbyPlace{place, km};
            }
        }
    }
    return best;
}

const PlaceIndex& PlaceIndex::System() {
    static std::once_flag once;
    static const PlaceIndex* index = nullptr;
    std::call_once(once, [] { index = new PlaceIndex(LoadSystemPlaces()); });
    return *index;
}

std::string NearbyPlaceText(const NearbyPlace& nearby, const std::string& pattern) {
    std::string where = nearby.place.name;
    if (!nearby.place.countryCode.empty())
        where += ", " + nearby.place.countryCode;
    std::string text = pattern;
    if (auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, where);
    if (auto at = text.find("%2"); at != std::string::npos)
        text.replace(at, 2, FixedText(nearby.distanceKm, 1));
    return text;
}

} // namespace vemora
