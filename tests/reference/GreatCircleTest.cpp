#include "reference/GreatCircle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using reference::GreatCircleDistance;

TEST(GreatCircleDistance, MinutesOfArcAntipodesAndNeverNaN) {
    EXPECT_NEAR(GreatCircleDistance(0, 0, 0, -1), 60, 0.0001f);
    EXPECT_NEAR(GreatCircleDistance(0, 179.5, 0, -179.5f), 60, 0.001f); // across the date line
    EXPECT_NEAR(GreatCircleDistance(47.449, -122.3093, 33.9425f, -118.4081f), 829.3f, 0.1f);

    const double points[][2] = {{0, 0}, {90, 0}, {45, 10}, {-33.9, 151.2}, {0.163333, -78.060556}};
    for (const auto& p : points) {
        const double lat = -p[0], lon = p[1] > 0 ? p[1] - 180 : p[1] + 180;
        EXPECT_EQ(GreatCircleDistance(p[0], p[1], static_cast<float>(lat), static_cast<float>(lon)),
                  10800.0f)
            << p[0] << "," << p[1];
    }

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odd[] = {0, 90, -90, 180, -250, 1e10, 89.9999999, nan, INFINITY};
    for (double a : odd)
        for (double b : odd) {
            const float d = GreatCircleDistance(a, b, static_cast<float>(b), static_cast<float>(a));
            EXPECT_TRUE(d >= 0 && d <= 10800) << a << "," << b << ": " << d; // false for NaN
        }
}
