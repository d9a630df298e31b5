#include "reference/GreatCircle.h"

#include <cmath>
#include <numbers>

namespace reference {

namespace {
// The distance's own value of pi, to 15 digits.
constexpr double Pi = 3.14159265358979;
} // namespace

double ArcSine(double x) {
    if (x >= 1)
        return std::numbers::pi / 2;
    if (x <= -1)
        return -std::numbers::pi / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

float GreatCircleDistance(double lat1, double long1, float lat2, float long2) {
    const double r = Pi / 180;
    const double phi1 = lat1 * r;
    const double lambda1 = long1 * r;
    // Held in single precision, then computed on in double.
    const double phi2 = static_cast<float>(lat2 * r);
    const double lambda2 = static_cast<float>(long2 * r);
    const double sinLat = std::sin((phi1 - phi2) / 2);
    const double sinLong = std::sin((lambda1 - lambda2) / 2);
    double h = sinLat * sinLat + std::cos(phi1) * std::cos(phi2) * sinLong * sinLong;
    // Rounding can push h just past 1 for antipodes (and below 0 for
    // latitudes beyond the poles); NaN comes only from non-finite input.
    if (!(h > 0))
        h = 0;
    else if (h > 1)
        h = 1;
    const double d = 2 * ArcSine(std::sqrt(h));
    return static_cast<float>(d * 10800 / Pi);
}

} // namespace reference
