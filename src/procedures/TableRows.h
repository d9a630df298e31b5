#pragma once

#include "procedures/ProcedureEdits.h"

#include <string>
#include <vector>

// What the SID and STAR edits share: moving rows, and the checks of names,
// runway lists and legs.
namespace procedures::rows {

// Makes row `at` (1..used + 1) an empty row, moving rows at..used one down.
// The caller has checked that used + 1 fits the table.
template <class Table> void open(Table& table, int at, int used) {
    for (int k = used; k >= at; --k)
        table[k + 1] = table[k];
    table[at] = {};
}

// Removes `count` rows from `at` (rows at..at + count - 1 of 1..used).
template <class Table> void close(Table& table, int at, int count, int used) {
    for (int k = at; k + count <= used; ++k)
        table[k] = table[k + count];
    for (int k = used - count + 1; k <= used; ++k)
        table[k] = {};
}

// Rows in use: SIDRowNext is 0 for a table that never had a row.
inline int sidRows(const store::ProcedureCounters& counters) {
    return counters.SIDRowNext > 0 ? counters.SIDRowNext - 1 : 0;
}

// The procedure lies within rows 1..used (an empty one may stand at used + 1).
bool fits(ProcedureAt at, int used);

Outcome checkProcedureName(const std::string& name);

// The runways of a procedure: each a designator, none twice, at most
// `limit`; `normalized` receives them upper-cased, with two digits.
Outcome checkRunways(const std::vector<std::string>& runways, int limit,
                     std::vector<std::string>& normalized);

// The leg's own texts and, for a SID, its on-heading and intercept parts; a
// fix it names must be defined or be `newFix`.
Outcome checkLeg(const store::ProcedureStore& store, const Leg& leg, const NewFix& newFix,
                 bool sid);

// Adds the new fix, if any; its refusal comes before any other change.
Outcome addFix(store::ProcedureStore& store, const NewFix& newFix);

} // namespace procedures::rows
