#include "store/ProcedureStore.h"

#include <stdexcept>

namespace store {

std::string& SIDWaypoint::runway(int slot) {
    std::string* slots[] = {&RW1, &RW2, &RW3, &RW4, &RW5, &RW6, &RW7, &RW8};
    if (slot < 1 || slot > 8)
        throw std::out_of_range("SID runway slot " + std::to_string(slot));
    return *slots[slot - 1];
}

const std::string& SIDWaypoint::runway(int slot) const {
    return const_cast<SIDWaypoint*>(this)->runway(slot);
}

void ClearArrays(ProcedureStore& store) {
    store.STARs.clear();
    store.STARRunways.clear();
    store.SIDs.clear();
    store.Fixes.clear();
    store.Runways.clear();
}

std::int16_t SearchForFix(const FixTable& fixes, const std::string& name) {
    for (int i = 1; i <= FixTable::capacity; ++i) {
        const std::string& rowName = fixes[i].Name;
        if (rowName == name)
            return static_cast<std::int16_t>(i);
        if (i > 1 && rowName.empty())
            return 0;
    }
    return 0;
}

} // namespace store
