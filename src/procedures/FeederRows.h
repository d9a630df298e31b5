#pragma once

#include "store/ProcedureStore.h"

#include <cstdint>
#include <string>
#include <string_view>

// The runway transition table as the feeder edits walk it: rows 1..count,
// one contiguous group per runway, each group a run of feeders. A feeder
// ends after its EOP row or before a FROM row that starts the next.
namespace procedures {

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

} // namespace procedures
