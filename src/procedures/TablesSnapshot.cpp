#include "procedures/TablesSnapshot.h"

namespace procedures {

namespace {

template <class Row, int Capacity>
bool sameTable(const store::Table<Row, Capacity>& a, const store::Table<Row, Capacity>& b) {
    return sameRows(a, Capacity, b, Capacity);
}

bool sameGrid(const store::STARRunwayGrid& a, const store::STARRunwayGrid& b) {
    for (int star = 1; star <= store::STARRunwayGrid::stars; ++star)
        for (int slot = 1; slot <= store::STARRunwayGrid::slots; ++slot)
            if (a(star, slot) != b(star, slot))
                return false;
    return true;
}

} // namespace

void TablesSnapshot::take(const store::ProcedureStore& store,
                          const store::ProcedureCounters& counters) {
    store_ = std::make_shared<const store::ProcedureStore>(store);
    counters_ = counters;
}

bool TablesSnapshot::sameAs(const store::ProcedureStore& store,
                            const store::ProcedureCounters& counters) const {
    if (!store_)
        return false;
    const store::ProcedureStore& old = *store_;
    // The counters that say how many rows are in use; the others only say
    // where the screen stands.
    return counters.STARRowCount == counters_.STARRowCount &&
           counters.SIDRowNext == counters_.SIDRowNext && store.FixCount == old.FixCount &&
           store.RunwayCount == old.RunwayCount && sameTable(store.Fixes, old.Fixes) &&
           sameTable(store.Runways, old.Runways) && sameTable(store.SIDs, old.SIDs) &&
           sameTable(store.STARs, old.STARs) && sameGrid(store.STARRunways, old.STARRunways);
}

} // namespace procedures
