#include "procedures/ArcFixNames.h"

#include "reference/GreatCircle.h"
#include "runtime/Numbers.h"

#include <algorithm>
#include <cmath>

namespace procedures {

namespace {

std::string nextName(ArcNaming& naming) {
    std::string name = naming.label + std::to_string(naming.counter);
    naming.counter = static_cast<std::int16_t>(naming.counter + 1);
    return name;
}

// The position parts only: what makes two fixes the same place.
bool samePosition(const store::FixRecord& a, const store::FixRecord& b) {
    return a.VOR == b.VOR && a.VORDist == b.VORDist && a.Heading == b.Heading &&
           a.HemLat == b.HemLat && a.LatDeg == b.LatDeg && a.LatMin == b.LatMin &&
           a.HemLong == b.HemLong && a.LongDeg == b.LongDeg && a.LongMin == b.LongMin;
}

// Degrees and minutes texts of a coordinate, minutes to four decimals so
// that they never round up to 60.
void coordinateTexts(double value, std::string& degrees, std::string& minutes) {
    const double totalMinutes = std::round(std::fabs(value) * 60 * 1e4) / 1e4;
    const double whole = std::floor(totalMinutes / 60);
    degrees = runtime::bareNumber(whole);
    minutes = runtime::formatMinutes(totalMinutes - whole * 60);
}

} // namespace

store::FixRecord arcPointFix(const ArcCentre& centre, const ArcPoint& point) {
    store::FixRecord fix;
    fix.IsArcPoint = store::True;
    if (centre.colocated) {
        fix.VOR = centre.identifier;
        fix.VORDist = point.radius;
        fix.Heading = storedHeading(point.radial);
        return fix;
    }
    const auto [lat, lon] =
        reference::GreatCircleDestination(centre.lat, centre.lon, static_cast<double>(point.radial),
                                          static_cast<double>(point.radius));
    fix.HemLat = lat < 0 ? 'S' : 'N';
    fix.HemLong = lon < 0 ? 'W' : 'E';
    coordinateTexts(lat, fix.LatDeg, fix.LatMin);
    coordinateTexts(lon, fix.LongDeg, fix.LongMin);
    return fix;
}

std::vector<NamedArcPoint> nameArcPoints(const std::vector<ArcPoint>& points,
                                         const ArcCentre& centre, ArcNaming& naming,
                                         const store::FixTable& fixes, int fixCount) {
    std::vector<store::FixRecord> known;
    for (int row = 1; row <= fixCount && store::FixTable::fits(row); ++row)
        known.push_back(fixes[row]);

    std::vector<NamedArcPoint> named;
    for (const ArcPoint& point : points) {
        std::string name = nextName(naming);
        store::FixRecord fix = arcPointFix(centre, point);
        // Matched on what the new fix would store, so a point that would be
        // written like an existing fix reuses it.
        const auto match = std::find_if(known.begin(), known.end(), [&](const store::FixRecord& k) {
            return samePosition(k, fix);
        });
        if (match != known.end()) {
            named.push_back({match->Name, false, *match});
            continue;
        }
        const auto taken = [&](const std::string& candidate) {
            return std::any_of(known.begin(), known.end(),
                               [&](const store::FixRecord& k) { return k.Name == candidate; });
        };
        // Each try takes a new counter value, so this ends within one more
        // try than there are fixes.
        while (taken(name))
            name = nextName(naming);
        fix.Name = name;
        known.push_back(fix);
        named.push_back({name, true, fix});
    }
    return named;
}

} // namespace procedures
