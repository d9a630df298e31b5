#pragma once

#include "store/ProcedureStore.h"

#include <span>

namespace store {

// Sorts rows 1..count by Name, ordinal and stable (equal names keep their
// order). Serves the airport's Fixes and the transition editor's WorkFixes.
void sortFixesByName(FixTable& fixes, int count);

// The same order over rows held elsewhere (the user-fix table grows with its
// file, so it is not a FixTable).
void sortFixesByName(std::span<FixRecord> rows);

inline void SortFixArray(ProcedureStore& store) {
    sortFixesByName(store.Fixes, store.FixCount);
}

} // namespace store
