#pragma once

#include "store/ProcedureStore.h"

#include <cstdint>
#include <string>
#include <string_view>

// The runway transition table as the transition editor walks it: rows
// 1..count, one contiguous group per runway, each group a run of feeders.
// A feeder ends after its EOP row or before a FROM row that starts the next.
namespace transitions {

// First row among 1..count whose ID is `runway`, or 0.
int findRunwayGroup(const store::RunwayTable& rows, int count, std::string_view runway);

// Rows of the feeder that begins at `start` (0 when `start` holds no row of
// the table): up to and including its EOP row, never past the runway's group
// or row `count`, and stopping before a later row that has FROM set.
int feederLength(const store::RunwayTable& rows, int count, int start);

// Feeders of the group that begins at `first`; 0 when there is no group.
int countFeeders(const store::RunwayTable& rows, int count, int first);

// The list text of a row: its navaid, else its fix.
std::string entryText(const store::RunwayWaypoint& row);

// Inserts `row` at `at` (1..count+1), moving the rows from there one place
// up. The caller checks that count is below the capacity.
void insertRow(store::RunwayTable& rows, std::int16_t& count, int at, store::RunwayWaypoint row);

// Removes rows first..first+n-1 (all within 1..count); the rows after them
// move down and the freed rows at the end are emptied.
void removeRows(store::RunwayTable& rows, std::int16_t& count, int first, int n);

// FROM on the first row and EOP on the last of the n rows from `start`; the
// flags of the rows between are cleared.
void setFeederFlags(store::RunwayTable& rows, int start, int n);

// The airport file keeps one final fix per runway, the end of its first
// feeder; a later feeder that ends elsewhere would lose its last waypoint
// when written. This gives each such feeder a copy of the final fix as its
// end row. Returns the rows added, or -1 (nothing changed) when they would
// not fit in the table.
int closeFeedersAtFinalFix(store::RunwayTable& rows, std::int16_t& count, int first);

// Row of `fixes` named `name`, searching up to the first unnamed row (the
// last row of the table included); 0 when none.
int SearchForRWFix(const store::FixTable& fixes, std::string_view name);

// Gives every row among 1..count that names fix `from` the name `to`;
// returns how many changed.
int renameFixInRows(store::RunwayTable& rows, int count, const std::string& from,
                    const std::string& to);

} // namespace transitions
