#pragma once

#include "store/ProcedureStore.h"

namespace store {

// Sorts rows 1..count by Name, ordinal and stable (equal names keep their
// order). Serves both the airport's Fixes and the user-fix table.
void sortFixesByName(FixTable& fixes, int count);

inline void SortFixArray(ProcedureStore& store) {
    sortFixesByName(store.Fixes, store.FixCount);
}

} // namespace store
