#include "editor/WaypointRows.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace editor {

std::string sidLineText(const store::SIDWaypoint& row) {
    for (const std::string* text : {&row.VOR, &row.Fix, &row.InterceptFix, &row.InterceptNavaid})
        if (!text->empty())
            return *text;
    return "ONHDG";
}

std::string starLineText(const store::STARWaypoint& row) {
    return row.Fix.empty() ? row.VOR : row.Fix;
}

void swapSIDRows(store::SIDTable& sids, int a, int b) {
    store::SIDWaypoint& x = sids[a];
    store::SIDWaypoint& y = sids[b];
    std::swap(x, y);
    std::swap(x.EndOfRunway, y.EndOfRunway);
    for (int slot = 1; slot <= 8; ++slot)
        std::swap(x.runway(slot), y.runway(slot));
}

void swapSTARRows(store::STARTable& stars, int a, int b) {
    store::STARWaypoint& x = stars[a];
    store::STARWaypoint& y = stars[b];
    std::swap(x, y);
    std::swap(x.Elements, y.Elements);
}

int starsInUse(const store::STARTable& stars, int used) {
    int count = 0;
    for (int r = 1; r <= std::min(used, store::STARCapacity) && !stars[r].Name.empty();
         r += std::max<int>(stars[r].Elements, 1))
        ++count;
    return count;
}

namespace {

void copySTARRunways(store::STARRunwayGrid& grid, int to, int from) {
    for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot)
        grid(to, slot) = grid.cellOrEmpty(from, slot);
}

} // namespace

void removeSTARRunways(store::STARRunwayGrid& grid, int star, int stars) {
    if (!store::STARRunwayGrid::fits(star, 1))
        return;
    const int last = std::min(stars, store::STARLimit);
    for (int k = star; k < last; ++k)
        copySTARRunways(grid, k, k + 1);
    if (last >= star)
        copySTARRunways(grid, last, store::STARLimit + 1);
}

void insertSTARRunways(store::STARRunwayGrid& grid, int star, int stars) {
    if (!store::STARRunwayGrid::fits(star, 1))
        return;
    for (int k = std::min(stars, store::STARLimit - 1); k >= star; --k)
        copySTARRunways(grid, k + 1, k);
    copySTARRunways(grid, star, store::STARLimit + 1);
}

void renameFixReferences(store::ProcedureStore& store, int sidRows, int starRows,
                         const std::string& from, const std::string& to) {
    auto rename = [&](std::string& field) {
        if (field == from)
            field = to;
    };
    for (int r = 1; r <= std::min(sidRows, store::SIDCapacity); ++r) {
        rename(store.SIDs[r].Fix);
        rename(store.SIDs[r].InterceptFix);
    }
    for (int r = 1; r <= std::min(starRows, store::STARCapacity); ++r)
        rename(store.STARs[r].Fix);
    for (int r = 1; r <= store::RunwayCapacity && !store.Runways[r].ID.empty(); ++r)
        rename(store.Runways[r].FIX);
}

std::string shortestText(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

float toSingle(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -limit, limit));
}

} // namespace editor
