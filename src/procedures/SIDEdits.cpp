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

void fillLeg(store::SIDWaypoint& row, const Leg& leg) {
    if (!leg.alt.empty()) {
        row.Alt = leg.alt;
        row.Float = leg.floating ? store::True : store::False;
    }
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
    // The file reads an on-heading leg followed by a fix or navaid as two
    // rows: so it is stored, or the table would not be what the file holds.
    Leg onHeading;
    onHeading.onHeadAlt = leg.onHeadAlt;
    onHeading.onHeadDist = leg.onHeadDist;
    Leg rest = leg;
    rest.onHeadAlt.clear();
    rest.onHeadDist.clear();
    const bool split = !leg.onHeadAlt.empty() && (!leg.fix.empty() || !leg.navaid.empty());
    if (used + (split ? 2 : 1) > store::SIDCapacity)
        return refused(tableFullMessage("SIDs", store::SIDCapacity, "rows"));
    if (Outcome bad = rows::addFix(t.store, newFix))
        return bad;
    int at = sid.start + sid.legs;
    int rowsUsed = used;
    for (const Leg* part :
         split ? std::vector<const Leg*>{&onHeading, &rest} : std::vector<const Leg*>{&leg}) {
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
    store::SIDWaypoint& x = sids[sid.start + line];
    store::SIDWaypoint& y = sids[sid.start + line + 1];
    std::swap(x, y);
    std::swap(x.EndOfRunway, y.EndOfRunway);
    for (int slot = 1; slot <= 8; ++slot)
        std::swap(x.runway(slot), y.runway(slot));
    return std::nullopt;
}

Outcome changeSIDLeg(ProcedureTables t, ProcedureAt sid, int line, const LegChange& change) {
    store::SIDTable& sids = t.store.SIDs;
    if (!rows::fits(sid, rows::sidRows(t.counters)) || line < 0 || line >= sid.legs)
        return refused(NoSuchProcedure);
    store::SIDWaypoint& row = sids[sid.start + line];
    Leg leg{row.Fix,
            row.VOR.empty() ? row.InterceptNavaid : row.VOR,
            change.alt,
            change.floating,
            change.onHeadAlt,
            change.onHeadDist,
            change.interceptHeading,
            change.interceptTo};
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
    if (!change.alt.empty()) {
        row.Alt = change.alt;
        row.Float = change.floating ? store::True : store::False;
    }
    if (!change.interceptHeading.empty()) {
        row.InterceptHeading = change.interceptHeading;
        row.InterceptToFrom = change.interceptTo ? "TO" : "FROM";
    }
    if (!change.onHeadAlt.empty())
        row.OnHeadAlt = change.onHeadAlt;
    if (!change.onHeadDist.empty())
        row.OnHeadDist = change.onHeadDist;
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
    const std::string& before = sids.rowOrEmpty(sid.start - 1).Name;
    if (sid.start > 1 && !before.empty() && before == sids.rowOrEmpty(sid.start + sid.legs).Name)
        return refused("Deleting this SID would put the two SIDs named " + before +
                       " side by side,\r\nand the airport file would join them into one SID.");
    rows::close(sids, sid.start, sid.legs, used);
    const int left = used - sid.legs;
    // An emptied table reads as one that never had a SID.
    t.counters.SIDRowNext = static_cast<std::int16_t>(left == 0 ? 0 : left + 1);
    if (t.counters.SIDCount > 0)
        --t.counters.SIDCount;
    return std::nullopt;
}

} // namespace procedures
