#include "procedures/EntryRules.h"
#include "procedures/ProcedureEdits.h"
#include "procedures/TableRows.h"

#include <algorithm>
#include <utility>

namespace procedures {

namespace {

const char* const NoSuchProcedure = "There is no such procedure.";

void copyGridRow(store::STARRunwayGrid& grid, int to, int from) {
    for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot)
        grid(to, slot) = grid.cellOrEmpty(from, slot);
}

// STAR `number` leaves or enters the grid in front of the STARs after it
// (`stars` counted before the change): their runway lists move with them,
// every list whole, also after a STAR that has none.
void removeGridRow(store::STARRunwayGrid& grid, int number, int stars) {
    const int last = std::min(stars, store::STARLimit);
    for (int k = number; k < last; ++k)
        copyGridRow(grid, k, k + 1);
    if (last >= number)
        copyGridRow(grid, last, store::STARLimit + 1);
}

void insertGridRow(store::STARRunwayGrid& grid, int number, int stars) {
    for (int k = std::min(stars, store::STARLimit - 1); k >= number; --k)
        copyGridRow(grid, k + 1, k);
    copyGridRow(grid, number, store::STARLimit + 1);
}

// The STAR's runways once the boxes say `shown`: the shown ones first, then
// those past the boxes, which no box could change.
Outcome runwaysAfter(const store::STARRunwayGrid& grid, int number, bool exists,
                     const std::vector<std::string>& shown, int boxes,
                     std::vector<std::string>& out) {
    std::vector<std::string> all(shown.begin(),
                                 shown.begin() + std::min<std::ptrdiff_t>(boxes, shown.size()));
    for (int slot = boxes + 1; exists && slot <= store::RunwaysPerSTAR; ++slot)
        if (!grid.cellOrEmpty(number, slot).empty())
            all.push_back(grid.cellOrEmpty(number, slot));
    return rows::checkRunways(all, store::RunwaysPerSTAR, out);
}

void putRunways(store::STARRunwayGrid& grid, int number, const std::vector<std::string>& runways) {
    for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot)
        grid(number, slot) =
            static_cast<std::size_t>(slot) <= runways.size() ? runways[slot - 1] : "";
}

} // namespace

int starsInUse(const store::STARTable& stars, int rows) {
    int count = 0;
    for (int r = 1; r <= std::min(rows, store::STARCapacity) && !stars[r].Name.empty();
         r += std::max<int>(stars[r].Elements, 1))
        ++count;
    return count;
}

int starNumberAt(const store::ProcedureStore& store, int start) {
    return 1 + starsInUse(store.STARs, start - 1);
}

Outcome addSTARLeg(ProcedureTables t, ProcedureAt star, const std::string& name,
                   const std::vector<std::string>& shown, const Leg& leg, const NewFix& newFix) {
    store::STARTable& stars = t.store.STARs;
    const int used = t.counters.STARRowCount;
    if (!rows::fits(star, used))
        return refused(NoSuchProcedure);
    if (Outcome bad = rows::checkProcedureName(name))
        return bad;
    if (leg.fix.empty() && leg.navaid.empty())
        return refused("The waypoint Navaid or Fix is missing.", Field::Navaid);
    const int number = starNumberAt(t.store, star.start);
    std::vector<std::string> runways;
    if (Outcome bad = runwaysAfter(t.store.STARRunways, number, star.legs > 0, shown, 8, runways))
        return bad;
    if (Outcome bad = rows::checkLeg(t.store, leg, newFix, false))
        return bad;
    if (used >= store::STARCapacity)
        return refused(tableFullMessage("STARs", store::STARCapacity, "rows"));
    const int count = starsInUse(stars, used);
    if (star.legs == 0 && count >= store::STARLimit)
        return refused(tableFullMessage("STARs", store::STARLimit, "STARs"));
    if (Outcome bad = rows::addFix(t.store, newFix))
        return bad;

    if (!leg.fix.empty())
        t.store.FixesDefined = store::True;
    if (star.legs == 0)
        insertGridRow(t.store.STARRunways, number, count);
    const int at = star.start + star.legs;
    rows::open(stars, at, used);
    store::STARWaypoint& row = stars[at];
    if (!leg.navaid.empty())
        row.VOR = leg.navaid;
    else
        row.Fix = leg.fix;
    row.Alt = leg.alt;
    row.Float = leg.floating ? store::True : store::False;
    for (int r = star.start; r <= at; ++r)
        stars[r].Name = name;
    stars[star.start].Elements = static_cast<std::int16_t>(star.legs + 1);
    putRunways(t.store.STARRunways, number, runways);
    t.counters.STARRowCount = static_cast<std::int16_t>(used + 1);
    return std::nullopt;
}

Outcome removeSTARLeg(ProcedureTables t, ProcedureAt star, int line) {
    store::STARTable& stars = t.store.STARs;
    const int used = t.counters.STARRowCount;
    if (!rows::fits(star, used) || line < 0 || line >= star.legs)
        return refused(NoSuchProcedure);
    // A STAR losing its only leg leaves the table, its runways with it; the
    // screen still shows them for the leg that makes it again.
    if (star.legs == 1)
        removeGridRow(t.store.STARRunways, starNumberAt(t.store, star.start),
                      starsInUse(stars, used));
    rows::close(stars, star.start + line, 1, used);
    if (star.legs > 1)
        stars[star.start].Elements = static_cast<std::int16_t>(star.legs - 1);
    t.counters.STARRowCount = static_cast<std::int16_t>(used - 1);
    return std::nullopt;
}

Outcome moveSTARLegDown(ProcedureTables t, ProcedureAt star, int line) {
    store::STARTable& stars = t.store.STARs;
    if (!rows::fits(star, t.counters.STARRowCount) || line < 0 || line + 1 >= star.legs)
        return refused(NoSuchProcedure);
    store::STARWaypoint& x = stars[star.start + line];
    store::STARWaypoint& y = stars[star.start + line + 1];
    std::swap(x, y);
    std::swap(x.Elements, y.Elements);
    return std::nullopt;
}

Outcome changeSTARLeg(ProcedureTables t, ProcedureAt star, int line, const LegChange& change,
                      const FixChange* fix) {
    if (!rows::fits(star, t.counters.STARRowCount) || line < 0 || line >= star.legs)
        return refused(NoSuchProcedure);
    if (std::string message = checkAltitude(change.alt); !message.empty())
        return refused(std::move(message), Field::Altitude);
    if (fix)
        if (Outcome bad = changeFix(t.store, fix->row, fix->name, fix->definition))
            return bad;
    store::STARWaypoint& row = t.store.STARs[star.start + line];
    row.Alt = change.alt;
    row.Float = change.floating ? store::True : store::False;
    return std::nullopt;
}

Outcome renameSTAR(ProcedureTables t, ProcedureAt star, const std::string& name) {
    if (!rows::fits(star, t.counters.STARRowCount))
        return refused(NoSuchProcedure);
    if (Outcome bad = rows::checkProcedureName(name))
        return bad;
    for (int r = star.start; r < star.start + star.legs; ++r)
        t.store.STARs[r].Name = name;
    return std::nullopt;
}

Outcome setSTARRunways(ProcedureTables t, ProcedureAt star, const std::vector<std::string>& shown,
                       int boxes) {
    if (!rows::fits(star, t.counters.STARRowCount))
        return refused(NoSuchProcedure);
    const int number = starNumberAt(t.store, star.start);
    std::vector<std::string> runways;
    if (Outcome bad =
            runwaysAfter(t.store.STARRunways, number, star.legs > 0, shown, boxes, runways))
        return bad;
    if (star.legs > 0)
        putRunways(t.store.STARRunways, number, runways);
    return std::nullopt;
}

Outcome removeSTAR(ProcedureTables t, ProcedureAt star) {
    store::STARTable& stars = t.store.STARs;
    const int used = t.counters.STARRowCount;
    if (!rows::fits(star, used) || star.legs < 1)
        return refused(NoSuchProcedure);
    removeGridRow(t.store.STARRunways, starNumberAt(t.store, star.start), starsInUse(stars, used));
    rows::close(stars, star.start, star.legs, used);
    t.counters.STARRowCount = static_cast<std::int16_t>(used - star.legs);
    if (t.counters.STARCount > 0)
        --t.counters.STARCount;
    return std::nullopt;
}

Outcome changeFix(store::ProcedureStore& store, int row, const std::string& name,
                  const store::FixRecord& definition) {
    FixCatalogue fixes(store.Fixes, store.FixCount);
    // Checked before the rename, which is the one step that can still refuse.
    if (Outcome bad = checkPosition(definition))
        return bad;
    if (Outcome bad = fixes.rename(row, name, {&store.SIDs, &store.STARs, &store.Runways}))
        return bad;
    return fixes.redefine(row, definition);
}

} // namespace procedures
