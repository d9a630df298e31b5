#include "reference/FixLookup.h"

#include "runtime/Numbers.h"

#include <algorithm>

namespace reference {

namespace {

using store::FixRecord;
using store::FixTable;

double degrees(const std::string& deg, const std::string& min, bool negative) {
    const double value = runtime::val(deg) + runtime::val(min) / 60;
    return negative ? -value : value;
}

// Row of `fixes` named `name`, or 0; WorkFixes ends at its first unnamed row.
std::int32_t findIn(const FixTable& fixes, std::string_view name, FixTableKind kind) {
    for (std::int32_t i = 1; i <= FixTable::capacity; ++i) {
        const std::string& rowName = fixes[i].Name;
        if (rowName == name)
            return i;
        if (kind == FixTableKind::WorkFixes && rowName.empty())
            return 0;
    }
    return 0;
}

std::int32_t findUserFix(const UserFixTable& userFixes, std::string_view name, FixTableKind kind) {
    if (kind == FixTableKind::Fixes)
        return userFixes.find(name);
    for (std::int32_t i = 1; i <= userFixes.UserFixCount(); ++i) {
        const std::string& rowName = userFixes[i].Name;
        if (rowName == name)
            return i;
        if (rowName.empty())
            return 0;
    }
    return 0;
}

// A fix given from a navaid stands for that navaid; resetting the reference
// to 0, 0 instead would let the next duplicated identifier resolve anywhere.
void moveReference(const FixRecord& fix, const NavaidTable& navaids, ReferencePosition& reference) {
    if (!fix.VOR.empty())
        LookUpNavaid(navaids, fix.VOR, reference);
    else
        reference = fixCoordinates(fix);
}

} // namespace

ReferencePosition fixCoordinates(const FixRecord& fix) {
    return {degrees(fix.LatDeg, fix.LatMin, fix.HemLat == "S"),
            degrees(fix.LongDeg, fix.LongMin, fix.HemLong == "W")};
}

std::int32_t appendFix(FixTable& fixes, std::int32_t& fixCount, const FixRecord& fix) {
    const std::int32_t row = findIn(fixes, "", FixTableKind::Fixes);
    if (row == 0)
        return 0;
    fixes[row] = fix;
    // The new row is in use even when the count lagged behind the table.
    fixCount = std::max(fixCount + 1, row);
    return row;
}

bool LookUpFix(std::string_view name, FixTableKind kind, FixTable& fixes, std::int32_t& fixCount,
               const UserFixTable& userFixes, const NavaidTable& navaids,
               ReferencePosition& reference) {
    if (name.empty())
        return false;
    if (const std::int32_t row = findIn(fixes, name, kind); row != 0) {
        moveReference(fixes[row], navaids, reference);
        return true;
    }
    const std::int32_t userRow = findUserFix(userFixes, name, kind);
    if (userRow == 0 || appendFix(fixes, fixCount, userFixes[userRow]) == 0)
        return false;
    moveReference(userFixes[userRow], navaids, reference);
    return true;
}

bool LookUpFix(std::string_view name, FixTableKind kind, FixTable& fixes, std::int16_t& fixCount,
               const UserFixTable& userFixes, const NavaidTable& navaids,
               ReferencePosition& reference) {
    std::int32_t count = fixCount;
    const bool found = LookUpFix(name, kind, fixes, count, userFixes, navaids, reference);
    fixCount = static_cast<std::int16_t>(count);
    return found;
}

} // namespace reference
