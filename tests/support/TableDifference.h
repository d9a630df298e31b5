#pragma once

#include "runtime/Numbers.h"
#include "store/ProcedureStore.h"

#include <string>
#include <type_traits>

namespace tablecheck {

// A fix as the airport file carries it: bearing and distance to the printed
// number's seven significant digits.
inline bool sameFix(const store::FixRecord& a, const store::FixRecord& b) {
    store::FixRecord x = a, y = b;
    x.Heading = y.Heading = x.VORDist = y.VORDist = 0;
    return x == y && runtime::printedNumber(a.Heading) == runtime::printedNumber(b.Heading) &&
           runtime::printedNumber(a.VORDist) == runtime::printedNumber(b.VORDist);
}

template <class Table> int firstDifferentRow(const Table& a, const Table& b) {
    for (int i = 1; i <= std::remove_cvref_t<Table>::capacity; ++i) {
        if constexpr (std::is_same_v<std::remove_cvref_t<Table>, store::FixTable>) {
            if (!sameFix(a[i], b[i]))
                return i;
        } else if (!(a[i] == b[i])) {
            return i;
        }
    }
    return 0;
}

// "" when every row of every table is the same, otherwise the first place
// that differs.
inline std::string tableDifference(const store::ProcedureStore& a, const store::ProcedureStore& b) {
    const std::pair<const char*, int> rows[] = {
        {"Fixes", firstDifferentRow(a.Fixes, b.Fixes)},
        {"Runways", firstDifferentRow(a.Runways, b.Runways)},
        {"SIDs", firstDifferentRow(a.SIDs, b.SIDs)},
        {"STARs", firstDifferentRow(a.STARs, b.STARs)}};
    for (const auto& [table, row] : rows)
        if (row)
            return std::string(table) + " row " + std::to_string(row);
    for (int s = 1; s <= store::STARLimit; ++s)
        for (int r = 1; r <= store::RunwaysPerSTAR; ++r)
            if (a.STARRunways(s, r) != b.STARRunways(s, r))
                return "STARRunways(" + std::to_string(s) + ", " + std::to_string(r) + ")";
    return {};
}

} // namespace tablecheck
