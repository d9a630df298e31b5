#include "reference/GreatCircle.h"

#include <algorithm>
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

GreatCirclePoint GreatCircleDestination(double lat, double lon, double bearing, double distance) {
    constexpr double radians = std::numbers::pi / 180;
    const double lat1 = lat * radians;
    const double lon1 = lon * radians;
    const double course = bearing * radians;
    const double arc = distance / 60 * radians;
    const double lat2 = std::asin(std::clamp(std::sin(lat1) * std::cos(arc) +
                                                 std::cos(lat1) * std::sin(arc) * std::cos(course),
                                             -1.0, 1.0));
    const double lon2 = lon1 + std::atan2(std::sin(course) * std::sin(arc) * std::cos(lat1),
                                          std::cos(arc) - std::sin(lat1) * std::sin(lat2));
    return {lat2 / radians, std::remainder(lon2, 2 * std::numbers::pi) / radians};
}

} // namespace reference
