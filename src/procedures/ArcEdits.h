#pragma once

#include "procedures/ArcFixNames.h"
#include "procedures/ArcWalk.h"
#include "procedures/FeederEdits.h"

#include <cstdint>
#include <string>

namespace procedures {

// A DME arc for the end of the feeder on screen.
struct ArcRequest {
    ArcInput input;
    ArcCentre centre;
    // The fixes' names are the label and a counter.
    std::string label;
    std::string alt;
};

// Adds the arc's points to the feeder on screen, and the fixes they define
// to the working fixes. Refused, with nothing added, for a label or
// altitude that breaks the entry rules, an arc the walk cannot make, or
// when either table cannot take every point. `counter` is the next name's
// number; it moves on past the names used.
Outcome addArc(FeederTables& t, const ArcRequest& arc, std::int16_t& counter);

} // namespace procedures
