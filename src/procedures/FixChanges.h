#pragma once

#include "store/Records.h"

#include <optional>
#include <string>

namespace procedures {

// What Modify changes of a fix: a box the user left as it was shown is
// nullopt and keeps the stored value, even one the box could not show whole.
struct FixChanges {
    std::optional<std::string> name{}, typeOfID{}, vor{}, latDeg{}, latMin{}, longDeg{}, longMin{};
    std::optional<std::string> hemLat{}, hemLong{};
    std::optional<float> heading{}, distance{};
};

// A position by latitude and longitude keeps no navaid, and its empty parts
// are zero; one by navaid keeps no latitude or longitude.
void settlePosition(store::FixRecord& fix);

// `stored` with the changes made (its name aside), its position settled.
store::FixRecord changedFix(const store::FixRecord& stored, const FixChanges& changes);

} // namespace procedures
