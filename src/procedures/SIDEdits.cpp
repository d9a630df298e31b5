#include "procedures/EntryRules.h"
#include "procedures/ProcedureEdits.h"
#include "procedures/TableRows.h"

#include <utility>
#include <vector>

namespace procedures {

namespace {

const char* const NoSuchProcedure = "There is no such procedure.";

bool hasIntercept(const store::SIDWaypoint& row) {
    return !row.InterceptFix.empty() || !row.InterceptNavaid.empty();
}

// The file reads a fix or navaid written right after a not-before distance
// into the on-heading leg it follows: such a row takes the next one in.
bool takesNextFix(const store::SIDWaypoint& row) {
    return !row.OnHeadAlt.empty() && !row.OnHeadDist.empty() && row.Fix.empty() &&
           row.VOR.empty() && row.Alt.empty() && row.Float == store::False;
}

bool fliesDirect(const store::SIDWaypoint& row) {
    return (!row.Fix.empty() || !row.VOR.empty()) && row.OnHeadAlt.empty() && !hasIntercept(row);
}

// The legs of a SID after an edit, in order, must read back from the file
// as the same legs.
Outcome checkLegsKeptApart(const std::vector<const store::SIDWaypoint*>& legs) {
    for (std::size_t k = 1; k < legs.size(); ++k)
        if (takesNextFix(*legs[k - 1]) && fliesDirect(*legs[k]))
            return refused("An on-heading leg with a not-before distance and no altitude\r\n"
                           "would lead straight into the fix or navaid after it,\r\n"
                           "and the airport file would read the two as one leg.",
                           Field::OnHeadingDistance);
    return std::nullopt;
}

// A SID leaving the table must not put two SIDs of one name side by side.
Outcome checkNeighboursApart(const store::SIDTable& sids, ProcedureAt sid) {
    const std::string& before = sids.rowOrEmpty(sid.start - 1).Name;
    if (sid.start > 1 && !before.empty() && before == sids.rowOrEmpty(sid.start + sid.legs).Name)
        return refused("Deleting this SID would put the two SIDs named " + before +
                       " side by side,\r\nand the airport file would join them into one SID.");
    return std::nullopt;
}

std::vector<const store::SIDWaypoint*> legsOf(const store::SIDTable& sids, ProcedureAt sid) {
    std::vector<const store::SIDWaypoint*> legs;
    for (int r = sid.start; r < sid.start + sid.legs; ++r)
        legs.push_back(&sids[r]);
    return legs;
}

// Two neighbouring SIDs may share a name only as the file gave them: one
// renamed onto its neighbour's name would look like one SID on screen.
Outcome checkSIDName(const store::SIDTable& sids, ProcedureAt sid, const std::string& name) {
    if (Outcome bad = rows::checkProcedureName(name))
        return bad;
    const std::string current = sid.legs > 0 ? sids[sid.start].Name : std::string();
    if (name == current)
        return std::nullopt;
    if ((sid.start > 1 && sids.rowOrEmpty(sid.start - 1).Name == name) ||
        sids.rowOrEmpty(sid.start + sid.legs).Name == name)
        return refused("The SID next to this one is also named " + name + ".\r\n" +
                           "Please choose another name.",
                       Field::ProcedureName);
    return std::nullopt;
}

Outcome checkSIDRunways(const std::vector<std::string>& runways, std::vector<std::string>& out) {
    if (Outcome bad = rows::checkRunways(runways, 8, out))
        return bad;
    if (out.empty())
        return refused("The runway number is missing.", Field::Runway);
    return std::nullopt;
}

void putRunways(store::SIDWaypoint& row, const std::vector<std::string>& runways) {
    for (int slot = 1; slot <= 8; ++slot)
        row.runway(slot) =
            static_cast<std::size_t>(slot) <= runways.size() ? runways[slot - 1] : "";
}

// An altitude given sets the restriction and its FLOAT flag together.
void setAltitude(store::SIDWaypoint& row, const LegChange& change) {
    if (!change.alt.empty()) {
        row.Alt = change.alt;
        row.Float = change.floating ? store::True : store::False;
    }
}

void fillLeg(store::SIDWaypoint& row, const Leg& leg) {
    setAltitude(row, leg);
    if (!leg.onHeadAlt.empty()) {
        row.OnHeadAlt = leg.onHeadAlt;
        row.OnHeadDist = leg.onHeadDist;
    }
    if (leg.interceptHeading.empty()) {
        if (!leg.navaid.empty())
            row.VOR = leg.navaid;
        else
            row.Fix = leg.fix;
        return;
    }
    row.InterceptHeading = leg.interceptHeading;
    row.InterceptToFrom = leg.interceptTo ? "TO" : "FROM";
    if (!leg.fix.empty())
        row.InterceptFix = leg.fix;
    else
        row.InterceptNavaid = leg.navaid;
}

} // namespace

Outcome addSIDLeg(ProcedureTables t, ProcedureAt sid, const std::string& name,
                  const std::vector<std::string>& runways, const Leg& leg, const NewFix& newFix) {
    store::SIDTable& sids = t.store.SIDs;
    const int used = rows::sidRows(t.counters);
    if (!rows::fits(sid, used))
        return refused(NoSuchProcedure);
    if (Outcome bad = checkSIDName(sids, sid, name))
        return bad;
    std::vector<std::string> given;
    if (Outcome bad = checkSIDRunways(runways, given))
        return bad;
    if (Outcome bad = rows::checkLeg(t.store, leg, newFix, true))
        return bad;
    // Stored as the file gives it back: an on-heading leg with a not-before
    // distance holds the fix or navaid it then flies to in its own row;
    // without one, or before an intercept, the two are rows of their own.
    const bool toPoint = !leg.fix.empty() || !leg.navaid.empty();
    const bool split = !leg.onHeadAlt.empty() && toPoint &&
                       (leg.onHeadDist.empty() || !leg.interceptHeading.empty());
    const bool direct = leg.onHeadAlt.empty() && leg.interceptHeading.empty();
    const bool join = direct && sid.legs > 0 && takesNextFix(sids[sid.start + sid.legs - 1]);
    Leg onHeading;
    onHeading.onHeadAlt = leg.onHeadAlt;
    onHeading.onHeadDist = leg.onHeadDist;
    Leg rest = leg;
    rest.onHeadAlt.clear();
    rest.onHeadDist.clear();
    const int added = join ? 0 : split ? 2 : 1;
    if (used + added > store::SIDCapacity)
        return refused(tableFullMessage("SIDs", store::SIDCapacity, "rows"));
    if (Outcome bad = rows::addFix(t.store, newFix))
        return bad;
    if (!leg.fix.empty())
        t.store.FixesDefined = store::True;
    int at = sid.start + sid.legs;
    int rowsUsed = used;
    if (join)
        fillLeg(sids[at - 1], leg);
    for (const Leg* part : join    ? std::vector<const Leg*>{}
                           : split ? std::vector<const Leg*>{&onHeading, &rest}
                                   : std::vector<const Leg*>{&leg}) {
        rows::open(sids, at, rowsUsed);
        if (at > sid.start)
            sids[at - 1].EndOfRunway = store::False;
        fillLeg(sids[at], *part);
        sids[at].EndOfRunway = store::True;
        ++rowsUsed;
        ++at;
    }
    for (int r = sid.start; r < at; ++r)
        sids[r].Name = name;
    putRunways(sids[sid.start], given);
    t.counters.SIDRowNext = static_cast<std::int16_t>(rowsUsed + 1);
    return std::nullopt;
}

Outcome removeSIDLeg(ProcedureTables t, ProcedureAt sid, int line) {
    store::SIDTable& sids = t.store.SIDs;
    const int used = rows::sidRows(t.counters);
    if (!rows::fits(sid, used) || line < 0 || line >= sid.legs)
        return refused(NoSuchProcedure);
    const int row = sid.start + line;
    std::vector<const store::SIDWaypoint*> after = legsOf(sids, sid);
    after.erase(after.begin() + line);
    if (Outcome bad = checkLegsKeptApart(after))
        return bad;
    if (sid.legs == 1)
        if (Outcome bad = checkNeighboursApart(sids, sid))
            return bad;
    const bool more = sid.legs > 1;
    if (more && sids[row].EndOfRunway != store::False)
        sids[row - 1].EndOfRunway = store::True;
    // The SID's runways count on its first row: they go to the next one.
    if (more && line == 0)
        for (int slot = 1; slot <= 8; ++slot)
            sids[row + 1].runway(slot) = sids[row].runway(slot);
    rows::close(sids, row, 1, used);
    t.counters.SIDRowNext = static_cast<std::int16_t>(used <= 1 ? 0 : used);
    return std::nullopt;
}

Outcome moveSIDLegDown(ProcedureTables t, ProcedureAt sid, int line) {
    store::SIDTable& sids = t.store.SIDs;
    if (!rows::fits(sid, rows::sidRows(t.counters)) || line < 0 || line + 1 >= sid.legs)
        return refused(NoSuchProcedure);
    std::vector<const store::SIDWaypoint*> after = legsOf(sids, sid);
    std::swap(after[line], after[line + 1]);
    if (Outcome bad = checkLegsKeptApart(after))
        return bad;
    store::SIDWaypoint& x = sids[sid.start + line];
    store::SIDWaypoint& y = sids[sid.start + line + 1];
    std::swap(x, y);
    std::swap(x.EndOfRunway, y.EndOfRunway);
    for (int slot = 1; slot <= 8; ++slot)
        std::swap(x.runway(slot), y.runway(slot));
    return std::nullopt;
}

namespace {

void applyChange(store::SIDWaypoint& row, const LegChange& change) {
    setAltitude(row, change);
    if (!change.interceptHeading.empty()) {
        row.InterceptHeading = change.interceptHeading;
        row.InterceptToFrom = change.interceptTo ? "TO" : "FROM";
    }
    if (!change.onHeadAlt.empty())
        row.OnHeadAlt = change.onHeadAlt;
    if (!change.onHeadDist.empty())
        row.OnHeadDist = change.onHeadDist;
}

} // namespace

Outcome changeSIDLeg(ProcedureTables t, ProcedureAt sid, int line, const LegChange& change,
                     const FixChange* fix) {
    store::SIDTable& sids = t.store.SIDs;
    if (!rows::fits(sid, rows::sidRows(t.counters)) || line < 0 || line >= sid.legs)
        return refused(NoSuchProcedure);
    store::SIDWaypoint& row = sids[sid.start + line];
    Leg leg{change, row.Fix, row.VOR.empty() ? row.InterceptNavaid : row.VOR};
    if (leg.fix.empty())
        leg.fix = row.InterceptFix;
    if (leg.onHeadAlt.empty())
        leg.onHeadAlt = row.OnHeadAlt;
    if (Outcome bad = rows::checkLeg(t.store, leg, {}, true))
        return bad;
    // The file carries an intercept heading only with what it intercepts: a
    // leg flown direct to its fix or navaid cannot take one.
    if (!change.interceptHeading.empty() && !hasIntercept(row))
        return refused("This leg flies direct to its fix or navaid: it has no intercept.\r\n"
                       "Delete it and add it again with the intercept heading.",
                       Field::InterceptHeading);
    if (!change.onHeadAlt.empty() && row.OnHeadAlt.empty() &&
        (!leg.fix.empty() || !leg.navaid.empty()))
        return refused("An on-heading altitude is a leg of its own.\r\n"
                       "Add it as a new waypoint.",
                       Field::OnHeadingAltitude);
    store::SIDWaypoint changed = row;
    applyChange(changed, change);
    std::vector<const store::SIDWaypoint*> after = legsOf(sids, sid);
    after[line] = &changed;
    if (Outcome bad = checkLegsKeptApart(after))
        return bad;
    // The fix comes last of the checks: its change is made whole or refused.
    if (fix)
        if (Outcome bad = changeFix(t.store, fix->row, fix->name, fix->definition))
            return bad;
    applyChange(row, change);
    return std::nullopt;
}

Outcome renameSID(ProcedureTables t, ProcedureAt sid, const std::string& name) {
    store::SIDTable& sids = t.store.SIDs;
    if (!rows::fits(sid, rows::sidRows(t.counters)))
        return refused(NoSuchProcedure);
    if (Outcome bad = checkSIDName(sids, sid, name))
        return bad;
    for (int r = sid.start; r < sid.start + sid.legs; ++r)
        sids[r].Name = name;
    return std::nullopt;
}

Outcome setSIDRunways(ProcedureTables t, ProcedureAt sid, const std::vector<std::string>& runways) {
    if (!rows::fits(sid, rows::sidRows(t.counters)))
        return refused(NoSuchProcedure);
    std::vector<std::string> given;
    if (Outcome bad = checkSIDRunways(runways, given))
        return bad;
    if (sid.legs > 0)
        putRunways(t.store.SIDs[sid.start], given);
    return std::nullopt;
}

Outcome removeSID(ProcedureTables t, ProcedureAt sid) {
    store::SIDTable& sids = t.store.SIDs;
    const int used = rows::sidRows(t.counters);
    if (!rows::fits(sid, used) || sid.legs < 1)
        return refused(NoSuchProcedure);
    if (Outcome bad = checkNeighboursApart(sids, sid))
        return bad;
    rows::close(sids, sid.start, sid.legs, used);
    const int left = used - sid.legs;
    // An emptied table reads as one that never had a SID.
    t.counters.SIDRowNext = static_cast<std::int16_t>(left == 0 ? 0 : left + 1);
    if (t.counters.SIDCount > 0)
        --t.counters.SIDCount;
    return std::nullopt;
}

} // namespace procedures
