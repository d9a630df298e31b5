#include "store/FixSort.h"

#include "runtime/Text.h"

#include <algorithm>
#include <vector>

namespace store {

void sortFixesByName(FixTable& fixes, int count) {
    // The count is 32-bit for Fixes; a count beyond the table sorts what the
    // table holds.
    const int n = std::min(count, FixTable::capacity);
    if (n < 2)
        return;
    std::vector<FixRecord> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        rows.push_back(std::move(fixes[i]));
    sortFixesByName(std::span<FixRecord>(rows));
    for (int i = 1; i <= n; ++i)
        fixes[i] = std::move(rows[static_cast<std::size_t>(i - 1)]);
}

void sortFixesByName(std::span<FixRecord> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const FixRecord& a, const FixRecord& b) {
        return runtime::lessOrdinal(a.Name, b.Name);
    });
}

} // namespace store
