#pragma once

#include "map/Drawing.h"

namespace map {

struct LatLon {
    double lat = 0; // decimal degrees, north and east positive
    double lon = 0;
};

inline constexpr double MetresPerMile = 1852;

// Geodesics on the WGS-84 ellipsoid.
LatLon destination(LatLon from, double azimuth, double miles);
struct Course {
    double miles = 0;
    double azimuth = 0; // at the start, degrees clockwise from true north
};
Course between(LatLon from, LatLon to);

// The azimuthal equidistant projection centred on one place: distances and
// azimuths from the centre are true.
class Projection {
public:
    explicit Projection(LatLon centre) : centre_(centre) {}
    Point forward(LatLon at) const;
    LatLon reverse(Point at) const;
    LatLon centre() const { return centre_; }

private:
    LatLon centre_;
};

} // namespace map
