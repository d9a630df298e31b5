#include "procedures/FixChanges.h"

namespace procedures {

namespace {

bool hasLatLong(const store::FixRecord& fix) {
    return !fix.LatDeg.empty() || !fix.LatMin.empty() || !fix.LongDeg.empty() ||
           !fix.LongMin.empty();
}

} // namespace

void settlePosition(store::FixRecord& fix) {
    if (!fix.VOR.empty()) {
        fix.HemLat = fix.LatDeg = fix.LatMin = fix.HemLong = fix.LongDeg = fix.LongMin = "";
    } else if (hasLatLong(fix)) {
        for (std::string* part : {&fix.LatDeg, &fix.LatMin, &fix.LongDeg, &fix.LongMin})
            if (part->empty())
                *part = '0';
        fix.VORDist = 0;
        fix.Heading = 0;
    }
}

store::FixRecord changedFix(const store::FixRecord& stored, const FixChanges& c) {
    store::FixRecord fix = stored;
    const auto take = [](std::string& field, const std::optional<std::string>& value) {
        if (value)
            field = *value;
    };
    take(fix.TypeOfID, c.typeOfID);
    take(fix.VOR, c.vor);
    take(fix.LatDeg, c.latDeg);
    take(fix.LatMin, c.latMin);
    take(fix.LongDeg, c.longDeg);
    take(fix.LongMin, c.longMin);
    take(fix.HemLat, c.hemLat);
    take(fix.HemLong, c.hemLong);
    if (c.heading)
        fix.Heading = *c.heading;
    if (c.distance)
        fix.VORDist = *c.distance;
    settlePosition(fix);
    return fix;
}

} // namespace procedures
