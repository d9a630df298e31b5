#include "reference/UserFixTable.h"

#include "store/FixSort.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace reference {

store::FixRecord& UserFixTable::operator[](std::int32_t row) {
    if (!fits(row))
        throw std::out_of_range("user fix row " + std::to_string(row));
    return rows_[static_cast<std::size_t>(row - 1)];
}

const store::FixRecord& UserFixTable::operator[](std::int32_t row) const {
    return const_cast<UserFixTable*>(this)->operator[](row);
}

bool UserFixTable::append(store::FixRecord fix) {
    if (full())
        return false;
    rows_.push_back(std::move(fix));
    return true;
}

std::int32_t UserFixTable::find(std::string_view name) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Name == name)
            return static_cast<std::int32_t>(i) + 1;
    return 0;
}

void SortUserFixArray(UserFixTable& userFixes) {
    store::sortFixesByName(userFixes.rows());
}

int CombineFixes(const store::FixTable& fixes, std::int32_t fixCount, UserFixTable& userFixes,
                 const std::function<void()>& refillPickerList) {
    const std::int32_t n = std::min(fixCount, std::int32_t{store::FixTable::capacity});
    int appended = 0;
    for (std::int32_t i = 1; i <= n && !userFixes.full(); ++i) {
        const store::FixRecord& fix = fixes[i];
        if (fix.Name.empty() || userFixes.find(fix.Name) != 0)
            continue;
        userFixes.append(fix);
        ++appended;
    }
    if (appended > 0) {
        SortUserFixArray(userFixes);
        if (refillPickerList)
            refillPickerList();
    }
    return appended;
}

} // namespace reference
