#pragma once

#include "reference/NavaidLookup.h"
#include "reference/UserFixTable.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <string_view>

namespace reference {

// Which fix table LookUpFix searches: the airport's Fixes (UseWorkFixes
// False) or the runway transition editor's WorkFixes (True).
enum class FixTableKind { Fixes, WorkFixes };

// Finds a fix by name in `fixes` (Fixes: all rows; WorkFixes: up to the first
// unnamed row), else among the user fixes, which it then copies into the
// first unnamed row of `fixes` and counts in `fixCount`. On success the
// reference moves to the fix: to its navaid when it is given from one (when
// that navaid is found near enough; it stays put otherwise), else to its
// coordinates, south and west negative, empty texts read as 0.
//
// Returns false, changing nothing, for an empty name, a name found nowhere,
// or a user fix that no longer fits in `fixes`: every row is named.
bool LookUpFix(std::string_view name, FixTableKind kind, store::FixTable& fixes,
               std::int32_t& fixCount, const UserFixTable& userFixes, const NavaidTable& navaids,
               ReferencePosition& reference);
// The same for a table counted in 16 bits (WorkFixCount).
bool LookUpFix(std::string_view name, FixTableKind kind, store::FixTable& fixes,
               std::int16_t& fixCount, const UserFixTable& userFixes, const NavaidTable& navaids,
               ReferencePosition& reference);

// The signed decimal degrees of a fix's coordinate texts.
ReferencePosition fixCoordinates(const store::FixRecord& fix);

// Copies a fix into the first unnamed row of `fixes` and adds 1 to the count;
// returns that row, or 0 when every row is named (nothing changes then).
std::int32_t appendFix(store::FixTable& fixes, std::int32_t& fixCount, const store::FixRecord& fix);

} // namespace reference
