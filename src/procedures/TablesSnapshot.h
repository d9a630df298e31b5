#pragma once

#include "store/ProcedureStore.h"

#include <memory>

namespace procedures {

// The procedure tables as a screen opened them. Leaving asks before it
// throws work away only when the tables differ from this, so an edit undone
// by hand counts as no change, and looking around counts as none either.
class TablesSnapshot {
public:
    void take(const store::ProcedureStore& store, const store::ProcedureCounters& counters);
    // False before anything was taken.
    bool sameAs(const store::ProcedureStore& store, const store::ProcedureCounters& counters) const;

private:
    std::shared_ptr<const store::ProcedureStore> store_;
    store::ProcedureCounters counters_;
};

// Rows 1..countA of `a` hold the same records as rows 1..countB of `b`.
template <class Row, int Capacity>
bool sameRows(const store::Table<Row, Capacity>& a, int countA,
              const store::Table<Row, Capacity>& b, int countB) {
    if (countA != countB)
        return false;
    for (int i = 1; i <= countA; ++i)
        if (!(a.rowOrEmpty(i) == b.rowOrEmpty(i)))
            return false;
    return true;
}

} // namespace procedures
