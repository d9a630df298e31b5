#pragma once

#include "procedures/ArcWalk.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace procedures {

// The navaid an arc is flown around. A fix co-located with an identifier
// names whichever navaid of that identifier lies near the airport, so an arc
// around another navaid of the same identifier gets fixes by latitude and
// longitude, worked out from its own position.
struct ArcCentre {
    std::string identifier;
    double lat = 0; // decimal degrees, north and east positive
    double lon = 0;
    bool colocated = true;
};

// The fix an arc point defines (no name yet): co-located with the centre,
// its radial stored to one decimal, or at the position the radial and
// distance reach from the centre (one nautical mile a minute of arc).
store::FixRecord arcPointFix(const ArcCentre& centre, const ArcPoint& point);

// One arc point as it goes into the feeder: the fix it names, and whether
// that fix is new (`definition`, named, to be added) or one already defined.
struct NamedArcPoint {
    std::string fix;
    bool newFix = false;
    store::FixRecord definition;

    bool operator==(const NamedArcPoint&) const = default;
};

// Who names the points: the label they are named after and the counter
// appended to it.
struct ArcNaming {
    std::string label;
    std::int16_t counter = 1;
};

// Gives each point its fix: an existing fix of the same position (among
// rows 1..fixCount and the fixes named before it), else label + counter, the
// counter moving on past names already taken. Every point uses up one
// counter value, reused fix or not. Advances naming.counter; changes no
// table.
std::vector<NamedArcPoint> nameArcPoints(const std::vector<ArcPoint>& points,
                                         const ArcCentre& centre, ArcNaming& naming,
                                         const store::FixTable& fixes, int fixCount);

} // namespace procedures
