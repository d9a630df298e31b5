#pragma once

#include "procedures/Refusal.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace procedures {

// The rows that may name a fix besides its own: renaming the fix renames it
// there too, or the file would name a fix its FIXES section no longer
// defines. Tables left null are not touched; each is walked to its first
// row with an empty key.
struct FixUsers {
    store::SIDTable* sids = nullptr;
    store::STARTable* stars = nullptr;
    store::RunwayTable* runways = nullptr;
};

// The fixes of the airport (Fixes, or the transition editor's WorkFixes):
// the one place that finds, adds, renames and redefines a fix, for every
// screen. Rows 1..count are in use; the row after them stays empty.
class FixCatalogue {
public:
    FixCatalogue(store::FixTable& fixes, std::int32_t& count) : fixes_(fixes), count_(count) {}

    // Row of the fix named `name` (ordinal), or 0.
    int find(std::string_view name) const;
    int count() const { return count_; }
    const store::FixRecord& operator[](int row) const { return fixes_[row]; }

    // Adds `fix` after the last row; `row`, when given, receives its row.
    // Refused when its name breaks the name rules or is longer than a fix
    // name, is taken, when the fix has no position, or the table is full.
    Outcome append(const store::FixRecord& fix, int* row = nullptr);

    // Gives fix `row` the name `to`, in `users` too. Refused when the new
    // name breaks the rules or is another fix's; the same name is no change.
    Outcome rename(int row, const std::string& to, const FixUsers& users);

    // Fix `row` takes the position and ID of `definition`; its name stays.
    // Refused, with nothing changed, when `definition` has no position.
    Outcome redefine(int row, const store::FixRecord& definition);

private:
    store::FixTable& fixes_;
    std::int32_t& count_;
};

// A fix has a position: a navaid with bearing and distance, or both a
// latitude and a longitude. The refusal names what is missing.
Outcome checkPosition(const store::FixRecord& fix);

// A name for a new or renamed fix: the name rules, and at most
// FixNameLength characters.
Outcome checkFixName(std::string_view name);

} // namespace procedures
