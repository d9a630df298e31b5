#include "procedures/FeederEdits.h"

#include "procedures/EntryRules.h"
#include "procedures/FeederRows.h"

#include <utility>

namespace procedures {

namespace {

Outcome checkAltitudeText(const std::string& alt) {
    if (std::string message = checkAltitude(alt); !message.empty())
        return refused(std::move(message), Field::Altitude);
    return std::nullopt;
}

Outcome rowsFull(const FeederTables& t, int needed) {
    if (t.rowCount + needed > store::RunwayCapacity)
        return refused(tableFullMessage("runway transition", store::RunwayCapacity, "rows"));
    return std::nullopt;
}

// A feeder's first point is written "FROM name", read back as a fix when
// the airport defines a fix of that name: a navaid and a fix of one name
// could not be told apart.
Outcome refuseNameClash(const FeederTables& t, const std::string& navaid, const std::string& fix) {
    const std::string& name = navaid.empty() ? fix : navaid;
    bool clash = !navaid.empty() && t.catalogue().find(navaid) != 0;
    for (int i = 1; !clash && !fix.empty() && i <= t.rowCount; ++i)
        clash = t.rows[i].Navaid == fix;
    if (!clash)
        return std::nullopt;
    return refused("There is a navaid and a fix named " + name +
                       ".\r\nThe airport file could not tell them apart.",
                   navaid.empty() ? Field::FixName : Field::Navaid);
}

bool validEntry(const FeederTables& t, int entry) {
    return entry >= 0 && entry < t.entries();
}

// Adds a row at the end of the feeder on screen; the caller made sure it fits.
void appendRow(FeederTables& t, store::RunwayWaypoint row) {
    if (t.rowCount == 0)
        t.feederStart = 1;
    const int n = t.entries();
    const int at = t.feederStart + n;
    row.ID = t.runway;
    insertRow(t.rows, t.rowCount, at, std::move(row));
    t.lastInserted = static_cast<std::int16_t>(at);
    // Flags follow every change of the feeder, so that no later edit ever
    // meets a feeder that runs into the next one.
    setFeederFlags(t.rows, t.feederStart, n + 1);
}

} // namespace

int FeederTables::entries() const {
    // A new feeder starts where the next runway's rows begin.
    if (!rows.fits(feederStart) || rows[feederStart].ID != runway)
        return 0;
    return feederLength(rows, rowCount, feederStart);
}

Outcome addWaypoint(FeederTables& t, const NewWaypoint& waypoint) {
    if (waypoint.navaid.empty() == waypoint.fix.empty())
        return refused(waypoint.navaid.empty()
                           ? "You must supply a Fix or Navaid name."
                           : "You can only have either a Fix or a Navaid name but not both.",
                       Field::Navaid);
    const std::string& name = waypoint.navaid.empty() ? waypoint.fix : waypoint.navaid;
    if (std::string message = checkName(name); !message.empty())
        return refused(std::move(message),
                       waypoint.navaid.empty() ? Field::FixName : Field::Navaid);
    if (Outcome bad = checkAltitudeText(waypoint.alt))
        return bad;
    if (Outcome bad = rowsFull(t, 1))
        return bad;
    FixCatalogue fixes = t.catalogue();
    if (Outcome bad = refuseNameClash(t, waypoint.navaid,
                                      fixes.find(waypoint.fix) == 0 ? waypoint.fix : std::string()))
        return bad;
    if (!waypoint.fix.empty() && fixes.find(waypoint.fix) == 0) {
        store::FixRecord fix = waypoint.definition;
        fix.Name = waypoint.fix;
        settlePosition(fix);
        if (Outcome bad = fixes.append(fix))
            return bad;
    }
    store::RunwayWaypoint row;
    row.Navaid = waypoint.navaid;
    row.FIX = waypoint.fix;
    row.Alt = waypoint.alt;
    appendRow(t, std::move(row));
    return std::nullopt;
}

Outcome modifyWaypoint(FeederTables& t, int entry, const WaypointChange& change) {
    if (!validEntry(t, entry))
        return refused("There is no waypoint selected.");
    if (Outcome bad = checkAltitudeText(change.alt))
        return bad;
    store::RunwayWaypoint& row = t.rows[t.feederStart + entry];
    FixCatalogue fixes = t.catalogue();
    if (change.navaid) {
        if (std::string message = checkName(*change.navaid); !message.empty())
            return refused(std::move(message), Field::Navaid);
        if (Outcome bad = refuseNameClash(t, *change.navaid, {}))
            return bad;
        row.Navaid = *change.navaid;
        row.FIX.clear();
    } else if (change.fix) {
        if (const int r = row.Navaid.empty() ? fixes.find(row.FIX) : 0) {
            const store::FixRecord fix = changedFix(fixes[r], *change.fix);
            if (Outcome bad = checkPosition(fix))
                return bad;
            const std::string from = fixes[r].Name;
            if (change.fix->name && *change.fix->name != from) {
                if (Outcome bad = refuseNameClash(t, {}, *change.fix->name))
                    return bad;
                if (Outcome bad = fixes.rename(r, *change.fix->name, {.runways = &t.rows}))
                    return bad;
                t.renames.emplace_back(from, *change.fix->name);
            }
            fixes.redefine(r, fix);
        }
    }
    row.Alt = change.alt;
    return std::nullopt;
}

Outcome removeWaypoint(FeederTables& t, int entry) {
    if (!validEntry(t, entry))
        return refused("There is no waypoint selected.");
    const int n = t.entries();
    removeRows(t.rows, t.rowCount, t.feederStart + entry, 1);
    // An emptied feeder is gone, as Delete This Feeder leaves it: an empty
    // list could neither be saved nor left for another feeder.
    if (n == 1)
        showFirstFeeder(t);
    else
        setFeederFlags(t.rows, t.feederStart, n - 1);
    return std::nullopt;
}

Outcome moveWaypoint(FeederTables& t, int entry, int by) {
    const int n = t.entries();
    if (!validEntry(t, entry) || entry + by < 0 || entry + by >= n)
        return refused("There is no waypoint to move past.");
    std::swap(t.rows[t.feederStart + entry], t.rows[t.feederStart + entry + by]);
    setFeederFlags(t.rows, t.feederStart, n);
    return std::nullopt;
}

void addFeeder(FeederTables& t) {
    const int n = t.entries();
    if (n == 0)
        return;
    setFeederFlags(t.rows, t.feederStart, n);
    int start = t.feederStart;
    while (start <= t.rowCount && t.rows[start].ID == t.runway)
        ++start;
    t.feederStart = static_cast<std::int16_t>(start);
}

void removeFeeder(FeederTables& t) {
    const int n = t.entries();
    if (n == 0)
        return;
    removeRows(t.rows, t.rowCount, t.feederStart, n);
    showFirstFeeder(t);
}

void showFirstFeeder(FeederTables& t) {
    // With the runway's last feeder gone, a new one starts where it was.
    if (const int first = findRunwayGroup(t.rows, t.rowCount, t.runway))
        t.feederStart = static_cast<std::int16_t>(first);
    if (const int n = t.entries())
        setFeederFlags(t.rows, t.feederStart, n);
}

bool showNextFeeder(FeederTables& t) {
    const int next = t.feederStart + t.entries();
    if (next != t.feederStart && next <= t.rowCount && t.rows[next].ID == t.runway) {
        t.feederStart = static_cast<std::int16_t>(next);
        return false;
    }
    if (const int first = findRunwayGroup(t.rows, t.rowCount, t.runway))
        t.feederStart = static_cast<std::int16_t>(first);
    return true;
}

} // namespace procedures
