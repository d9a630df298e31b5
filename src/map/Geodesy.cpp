#include "map/Geodesy.h"

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <GeographicLib/Geodesic.hpp>

namespace map {

namespace {
const GeographicLib::Geodesic& wgs84() {
    return GeographicLib::Geodesic::WGS84();
}
} // namespace

LatLon destination(LatLon from, double azimuth, double miles) {
    LatLon to;
    wgs84().Direct(from.lat, from.lon, azimuth, miles * MetresPerMile, to.lat, to.lon);
    return to;
}

Course between(LatLon from, LatLon to) {
    double metres = 0, azimuth = 0, back = 0;
    wgs84().Inverse(from.lat, from.lon, to.lat, to.lon, metres, azimuth, back);
    return {metres / MetresPerMile, azimuth};
}

Point Projection::forward(LatLon at) const {
    const GeographicLib::AzimuthalEquidistant projection(wgs84());
    double x = 0, y = 0, azimuth = 0, scale = 0;
    projection.Forward(centre_.lat, centre_.lon, at.lat, at.lon, x, y, azimuth, scale);
    return {x / MetresPerMile, y / MetresPerMile};
}

LatLon Projection::reverse(Point at) const {
    const GeographicLib::AzimuthalEquidistant projection(wgs84());
    LatLon out;
    double azimuth = 0, scale = 0;
    projection.Reverse(centre_.lat, centre_.lon, at.x * MetresPerMile, at.y * MetresPerMile,
                       out.lat, out.lon, azimuth, scale);
    return out;
}

} // namespace map
