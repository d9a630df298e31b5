#pragma once

#include "reference/NavaidTable.h"

#include <string_view>

namespace reference {

// The position that decides among navaids sharing an identifier, decimal
// degrees with north and east positive. Both exactly 0 means none.
struct ReferencePosition {
    double lat = 0;
    double lon = 0;

    bool isSet() const { return lat != 0 || lon != 0; }
    bool operator==(const ReferencePosition&) const = default;
};

// Navaids within this distance (NM) of the reference position are accepted.
inline constexpr float NavaidAcceptDistance = 200;

// Finds the navaid with exactly this identifier (callers upper-case it):
// with no reference its first row, else the first of its rows that lies
// within 200 NM of the reference. On success the reference moves to that
// navaid; otherwise it is unchanged and the result is false.
bool LookUpNavaid(const NavaidTable& navaids, std::string_view id, ReferencePosition& reference);

} // namespace reference
