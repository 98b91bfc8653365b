#include "map/NearestPlace.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vemora;

TEST(NearestPlace, NearestWithinReachAcrossCellsAndTheDateLine) {
    const PlaceIndex index({
        {"Shinjuku", "JP", 35.6938, 139.7034},
        {"Nakano", "JP", 35.7074, 139.6638},
        {"Apia", "WS", -13.8333, -171.7667},
        {"Waiyevo", "FJ", -16.7900, 179.9800},
        {"Longyearbyen", "SJ", 78.2232, 15.6267},
    });
    struct Case {
        double lat, lon;
        const char* name; // nullptr: nothing within 20 km
    } cases[] = {
        {35.6900, 139.7000, "Shinjuku"},
        {35.7100, 139.6600, "Nakano"},
        {35.6999, 140.0000, nullptr}, // 27 km east of Shinjuku
        {-16.80, -179.95, "Waiyevo"}, // over the date line, 8 km
        {-13.90, -171.70, "Apia"},
        {78.30, 15.00, "Longyearbyen"}, // far north: a degree of longitude is 23 km
        {91.0, 0.0, nullptr},           // off the globe
        {std::nan(""), 139.7, nullptr},
    };
    for (const auto& c : cases) {
        const auto found = index.Nearest(c.lat, c.lon);
        if (!c.name) {
            EXPECT_FALSE(found) << c.lat << ", " << c.lon;
            continue;
        }
        ASSERT_TRUE(found) << c.lat << ", " << c.lon;
        EXPECT_EQ(found->place.name, c.name);
        EXPECT_LE(found->distanceKm, 20.0);
    }
}

TEST(NearestPlace, TextAndTheSystemGazetteer) {
    const NearbyPlace nearby{{"Shinjuku", "JP", 35.6938, 139.7034}, 2.14};
    EXPECT_EQ(NearbyPlaceText(nearby), "near Shinjuku, JP (2.1 km)");
    EXPECT_EQ(NearbyPlaceText(nearby, "%1 – %2 km"), "Shinjuku, JP – 2.1 km");
    // Debian's gazetteer knows the capitals.
    const auto berlin = PlaceIndex::System().Nearest(52.52, 13.405);
    ASSERT_TRUE(berlin) << "the system gazetteer (libgeonames-common) is missing";
    EXPECT_EQ(berlin->place.countryCode, "DE");
    EXPECT_NEAR(GreatCircleMetres(0, 0, 0, 1), 111195, 5);
}
