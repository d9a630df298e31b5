#pragma once

#include "checks/AirportChecks.h"
#include "checks/AirportView.h"
#include "checks/Findings.h"

namespace checks {

// The checks that look names and positions up: unknown waypoints and
// navaids, navaids that are ambiguous near the airport, fixes far from it.
void checkReferences(const store::ProcedureStore& store, const std::vector<Route>& routes,
                     const ReferenceData& reference, Findings& out);

} // namespace checks
