#include "reference/NavaidLookup.h"

#include "reference/GreatCircle.h"

namespace reference {

bool LookUpNavaid(const NavaidTable& navaids, std::string_view id, ReferencePosition& reference) {
    std::int32_t row = navaids.findFirst(id);
    if (row == 0)
        return false;
    if (reference.isSet()) {
        // Duplicates stand on consecutive rows; take the first near enough.
        while (GreatCircleDistance(reference.lat, reference.lon, navaids[row].NavaidLat,
                                   navaids[row].NavaidLong) >= NavaidAcceptDistance) {
            ++row;
            if (!navaids.fits(row) || navaids[row].NavaidID != id)
                return false;
        }
    }
    reference = {navaids[row].NavaidLat, navaids[row].NavaidLong};
    return true;
}

} // namespace reference
