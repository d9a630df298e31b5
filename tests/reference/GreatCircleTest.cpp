#include "reference/GreatCircle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

using reference::ArcSine;
using reference::GreatCircleDistance;

TEST(ArcSine, MatchesTheInverseSineAndStopsAtTheEnds) {
    const struct {
        double x, expected;
    } cases[] = {{0, 0},
                 {0.5, std::numbers::pi / 6},
                 {-0.5, -std::numbers::pi / 6},
                 {std::sqrt(0.5), std::numbers::pi / 4},
                 {1, std::numbers::pi / 2},
                 {-1, -std::numbers::pi / 2},
                 {1.0000001, std::numbers::pi / 2},
                 {-7, -std::numbers::pi / 2}};
    for (const auto& c : cases)
        EXPECT_NEAR(ArcSine(c.x), c.expected, 1e-15) << c.x;
}

TEST(GreatCircleDistance, NauticalMilesAreMinutesOfArc) {
    const struct {
        double lat1, long1;
        float lat2, long2;
        float expected, tolerance;
    } cases[] = {
        {0, 0, 0, 0, 0, 0},
        {47.45, -122.31, 47.45f, -122.31f, 0, 0.01f},
        {0, 0, 1, 0, 60, 0.0001f},
        {0, 0, 0, -1, 60, 0.0001f},
        {60, 0, 60, 1, 30, 0.01f},
        {0, 0, 90, 0, 5400, 0.001f},
        {0, 179.5, 0, -179.5f, 60, 0.001f},                      // across the date line
        {47.449, -122.3093, 33.9425f, -118.4081f, 829.3f, 0.1f}, // SEA-LAX
    };
    for (const auto& c : cases)
        EXPECT_NEAR(GreatCircleDistance(c.lat1, c.long1, c.lat2, c.long2), c.expected, c.tolerance)
            << c.lat1 << "," << c.long1 << " " << c.lat2 << "," << c.long2;
}

TEST(GreatCircleDistance, AntipodesAre10800Apart) {
    const double points[][2] = {{0, 0},         {90, 0},  {45, 10}, {30, -60},
                                {-33.9, 151.2}, {10, 20}, {60, 5},  {0.163333, -78.060556}};
    for (const auto& p : points) {
        const double lat = -p[0], lon = p[1] > 0 ? p[1] - 180 : p[1] + 180;
        EXPECT_EQ(GreatCircleDistance(p[0], p[1], static_cast<float>(lat), static_cast<float>(lon)),
                  10800.0f)
            << p[0] << "," << p[1];
    }
}

TEST(GreatCircleDistance, NeverNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double odd[] = {0, 90, -90, 180, -180, 100, -250, 1e10, 89.9999999, nan, inf};
    for (double a : odd)
        for (double b : odd) {
            const float d = GreatCircleDistance(a, b, static_cast<float>(b), static_cast<float>(a));
            EXPECT_FALSE(std::isnan(d)) << a << "," << b;
            EXPECT_GE(d, 0) << a << "," << b;
            EXPECT_LE(d, 10800) << a << "," << b;
        }
}
