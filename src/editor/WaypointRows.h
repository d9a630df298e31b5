#pragma once

#include "store/ProcedureStore.h"

#include <string>

namespace editor {

// The waypoint list shows one line per row of the procedure on screen, in
// table order; these are the lines' texts.
// A SID row's line names what the leg flies to, and the radial it
// intercepts: "INTERCEPT 250 TO HAROB", "OLM  (INTERCEPT 250 TO HAROB)".
std::string sidLineText(const store::SIDWaypoint& row);
// The name alone: the fix a selected line shows in the boxes.
std::string sidLineName(const store::SIDWaypoint& row);
std::string starLineText(const store::STARWaypoint& row);

// Rows in use: SIDRowNext is 0 for a table that never had a row.
inline int sidRowsInUse(const store::ProcedureCounters& counters) {
    return counters.SIDRowNext > 0 ? counters.SIDRowNext - 1 : 0;
}

} // namespace editor
