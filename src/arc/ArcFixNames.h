#pragma once

#include "arc/ArcWalk.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace arc {

// One arc point as it goes into the feeder: the fix it names, and whether
// that fix is new (a WorkFixes row to add) or one already defined.
struct NamedArcPoint {
    std::string fix;
    bool newFix = false;
    float heading = 0; // as stored: one decimal
    float radius = 0;

    bool operator==(const NamedArcPoint&) const = default;
};

// Who names the points: the label they are named after, the navaid they are
// measured from, and the counter appended to the label.
struct ArcNaming {
    std::string label;
    std::string navaid;
    std::int16_t counter = 1;
};

// Gives each point its fix: an existing fix of the same navaid, heading and
// distance (among rows 1..fixCount and the fixes named before it), else
// label + counter, the counter moving on past names already taken. Every
// point uses up one counter value, reused fix or not. Advances
// naming.counter; changes no table.
std::vector<NamedArcPoint> nameArcPoints(const std::vector<ArcPoint>& points, ArcNaming& naming,
                                         const store::FixTable& fixes, int fixCount);

} // namespace arc
