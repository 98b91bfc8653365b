#pragma once
// The nearest known town to a position, offline: "near Shinjuku, JP (2.1 km)". The places come
// from the system's gazetteer (about 24 000 towns) and are put into a grid of one-degree cells
// once; a look-up then reads the cells around the position only.

#include <optional>
#include <string>
#include <vector>

namespace vemora {

struct Place {
    std::string name;
    std::string countryCode; // ISO 3166 alpha-2, may be empty
    double latitude = 0;
    double longitude = 0;
};

struct NearbyPlace {
    Place place;
    double distanceKm = 0;
};

// Great-circle distance in metres on a sphere of the earth's mean radius.
double GreatCircleMetres(double lat1, double lon1, double lat2, double lon2);

class PlaceIndex {
public:
    explicit PlaceIndex(std::vector<Place> places);
    // The nearest place within maxKm, or nothing.
    std::optional<NearbyPlace> Nearest(double latitude, double longitude, double maxKm = 20.0) const;
    std::size_t Size() const { return places_.size(); }

    // The system gazetteer's places, loaded on first use (thread-safe); empty when the system
    // has none.
    static const PlaceIndex& System();

private:
    std::vector<Place> places_;
    std::vector<std::vector<int>> cells_; // 180 x 360 one-degree cells, indices into places_
};

// "near Shinjuku, JP (2.1 km)" in the words the caller gives: pattern holds %1 (the place with its
// country) and %2 (the distance in km, one decimal, locale-free).
std::string NearbyPlaceText(const NearbyPlace& nearby, const std::string& pattern = "near %1 (%2 km)");

} // namespace vemora
