#include "procedures/EntryRules.h"
#include "procedures/ProcedureEdits.h"
#include "procedures/TableRows.h"

namespace procedures {

namespace {

int sidsInUse(const store::SIDTable& sids, int rows) {
    int count = 0;
    for (int r = 1; r <= rows && store::SIDTable::fits(r) && !sids[r].Name.empty();
         r += sidLegsAt(sids, r))
        ++count;
    return count;
}

} // namespace

int sidLegsAt(const store::SIDTable& sids, int start) {
    int legs = 0;
    for (int r = start; store::SIDTable::fits(r) && !sids[r].Name.empty(); ++r) {
        ++legs;
        if (sids[r].EndOfRunway != store::False)
            break;
    }
    return legs;
}

// Counted from the tables, not from the counters, which a file or an edit
// may have left counting otherwise.
Outcome beginSID(ProcedureTables t, int& number) {
    const int used = rows::sidRows(t.counters);
    if (used >= store::SIDCapacity)
        return refused(tableFullMessage("SIDs", store::SIDCapacity, "rows"));
    number = sidsInUse(t.store.SIDs, used) + 1;
    t.counters.SIDCount = static_cast<std::int16_t>(number);
    return std::nullopt;
}

Outcome beginSTAR(ProcedureTables t, int& number) {
    const int used = t.counters.STARRowCount;
    const int stars = starsInUse(t.store.STARs, used);
    if (stars >= store::STARLimit)
        return refused(tableFullMessage("STARs", store::STARLimit, "STARs"));
    if (used >= store::STARCapacity)
        return refused(tableFullMessage("STARs", store::STARCapacity, "rows"));
    number = stars + 1;
    t.counters.STARCount = static_cast<std::int16_t>(number);
    t.counters.STARNumber = static_cast<std::int16_t>(number);
    return std::nullopt;
}

void clearTables(ProcedureTables t) {
    store::ClearArrays(t.store);
    // Emptied tables under counters left from the last airport would put
    // the first new row after a gap, where no walk of the table finds it.
    t.counters = store::ProcedureCounters{};
    t.counters.STARNumber = 1;
    t.store.FixCount = 0;
    t.store.RunwayCount = 0;
    t.store.FixesDefined = store::False;
}

} // namespace procedures
