#pragma once

namespace reference {

// Arc sine in radians as arctan(x / sqrt(1 - x^2)); +-pi/2 at and beyond +-1
// instead of dividing by zero.
double ArcSine(double x);

// Great-circle distance in nautical miles (one per minute of arc) by the
// haversine formula; the second position is single precision as stored in
// the tables. Never NaN: exactly antipodal positions are 10800 apart, and a
// position that is not a finite number is 0 from everything.
float GreatCircleDistance(double lat1, double long1, float lat2, float long2);

// The point a bearing (degrees true) and a distance (nautical miles, one a
// minute of arc) reach from a position, on the sphere; decimal degrees,
// north and east positive, longitude within -180..180.
struct GreatCirclePoint {
    double lat = 0;
    double lon = 0;
};
GreatCirclePoint GreatCircleDestination(double lat, double lon, double bearing, double distance);

} // namespace reference
