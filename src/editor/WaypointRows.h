#pragma once

#include "store/ProcedureStore.h"

#include <string>

namespace editor {

// The waypoint list shows one line per row of the procedure on screen, in
// table order; these are the lines' texts.
std::string sidLineText(const store::SIDWaypoint& row);
std::string starLineText(const store::STARWaypoint& row);

// Rows in use: SIDRowNext is 0 for a table that never had a row.
inline int sidRowsInUse(const store::ProcedureCounters& counters) {
    return counters.SIDRowNext > 0 ? counters.SIDRowNext - 1 : 0;
}

// Makes row `at` (1..used + 1) an empty row, moving rows at..used one down.
// The caller has checked that used + 1 fits the table.
template <class Table> void openRow(Table& table, int at, int used) {
    for (int k = used; k >= at; --k)
        table[k + 1] = table[k];
    table[at] = {};
}

// Removes row `at` (1..used), moving rows at + 1..used one up; row `used`
// becomes empty.
template <class Table> void closeRow(Table& table, int at, int used) {
    for (int k = at; k < used; ++k)
        table[k] = table[k + 1];
    table[used] = {};
}

// Swaps two rows of one procedure. What marks a position rather than a
// waypoint stays where it is: a SID's end flag and its runways (significant
// on its first row), a STAR's row count (on its first row).
void swapSIDRows(store::SIDTable& sids, int a, int b);
void swapSTARRows(store::STARTable& stars, int a, int b);

// STARs in rows 1..used, walked by their row counts.
int starsInUse(const store::STARTable& stars, int used);

// STAR number `star` leaves or enters the table in front of the STARs after
// it (`stars` counted before the change): their runway lists move with them,
// so STAR k keeps finding its own at k. An entered STAR starts with none.
void removeSTARRunways(store::STARRunwayGrid& grid, int star, int stars);
void insertSTARRunways(store::STARRunwayGrid& grid, int star, int stars);

// A fix renamed: every SID, STAR and runway-transition row that names it
// gets the new name.
void renameFixReferences(store::ProcedureStore& store, int sidRows, int starRows,
                         const std::string& from, const std::string& to);

// The shortest decimal text that reads back as the same single-precision
// value: 45 -> "45", 12.5 -> "12.5".
std::string shortestText(float value);

// A value for a single-precision field, kept inside the float range.
float toSingle(double value);

} // namespace editor
