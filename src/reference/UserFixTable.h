#pragma once

#include "store/ProcedureStore.h"
#include "store/Records.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace reference {

// The user's own fixes, rows 1..UserFixCount(). Sized by its file and grown
// by appending; the count is 16-bit, which bounds the table.
class UserFixTable {
public:
    static constexpr std::int32_t capacity = std::numeric_limits<std::int16_t>::max();

    std::int16_t UserFixCount() const { return static_cast<std::int16_t>(rows_.size()); }
    bool full() const { return UserFixCount() >= capacity; }
    bool fits(std::int32_t row) const { return row >= 1 && row <= UserFixCount(); }

    // Throws std::out_of_range outside 1..UserFixCount().
    store::FixRecord& operator[](std::int32_t row);
    const store::FixRecord& operator[](std::int32_t row) const;

    // Adds a row after the last; false, changing nothing, when full.
    bool append(store::FixRecord fix);
    // First row whose Name equals the name exactly, or 0.
    std::int32_t find(std::string_view name) const;

    std::span<store::FixRecord> rows() { return rows_; }
    std::span<const store::FixRecord> rows() const { return rows_; }
    void clear() { rows_.clear(); }

private:
    std::vector<store::FixRecord> rows_;
};

// Sorts the rows by Name, ordinal and stable.
void SortUserFixArray(UserFixTable& userFixes);

// Appends every fix of Fixes rows 1..fixCount whose name is not yet a user
// fix (a name twice in Fixes is appended once; unnamed rows are skipped).
// When anything was appended, sorts the user fixes and then calls
// `refillPickerList`. Stops appending when the user table is full; returns
// the number of rows appended.
int CombineFixes(const store::FixTable& fixes, std::int32_t fixCount, UserFixTable& userFixes,
                 const std::function<void()>& refillPickerList = {});

} // namespace reference
