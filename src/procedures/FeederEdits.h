#pragma once

#include "procedures/FixCatalogue.h"
#include "procedures/FixChanges.h"
#include "procedures/Refusal.h"
#include "store/ProcedureStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The edits of the runway transition editor. Each works on the working
// tables and the feeder on screen, checks its input once, and changes the
// tables completely or, refused, not at all.
namespace procedures {

using FixRenames = std::vector<std::pair<std::string, std::string>>;

// The working tables (WorkRunways, WorkFixes and their counts), the runway
// being edited and the feeder on screen, which begins at `feederStart`.
struct FeederTables {
    store::RunwayTable& rows;
    std::int16_t& rowCount;
    store::FixTable& fixes;
    std::int32_t& fixCount;
    std::string runway;
    std::int16_t& feederStart;
    std::int16_t& lastInserted;
    // Names given to fixes here, in order; the save carries them into the
    // SIDs and STARs.
    FixRenames& renames;

    FixCatalogue catalogue() const { return {fixes, fixCount}; }
    // Waypoints of the feeder on screen.
    int entries() const;
};

// A waypoint for the end of the feeder on screen: a navaid, or a fix. A fix
// not yet defined is added with `definition` (its name is `fix`); a known
// fix keeps its own definition, whatever `definition` holds.
struct NewWaypoint {
    std::string navaid;
    std::string fix;
    std::string alt;
    store::FixRecord definition;
};
Outcome addWaypoint(FeederTables& t, const NewWaypoint& waypoint);

struct WaypointChange {
    // The entry becomes this navaid.
    std::optional<std::string> navaid{};
    // Changes to the entry's own fix.
    std::optional<FixChanges> fix{};
    std::string alt{};
};
Outcome modifyWaypoint(FeederTables& t, int entry, const WaypointChange& change);

// Removes entry `entry`; a feeder emptied this way is gone and the runway's
// first feeder is the one on screen.
Outcome removeWaypoint(FeederTables& t, int entry);
// Moves entry `entry` one place up (-1) or down (+1).
Outcome moveWaypoint(FeederTables& t, int entry, int by);

// Starts an empty feeder at the end of the runway's group; a feeder still
// empty is the new one already.
void addFeeder(FeederTables& t);
// Removes the feeder on screen; the runway's first feeder is then on screen.
void removeFeeder(FeederTables& t);
// The next feeder on screen; true when that wrapped to the first.
bool showNextFeeder(FeederTables& t);
// The runway's first feeder on screen.
void showFirstFeeder(FeederTables& t);

// The working tables as a copy of `saved`, the runway's first feeder on
// screen. A runway without rows starts a group after the last one.
void openFeederWork(FeederTables& t, const store::ProcedureStore& saved);
// Empties the working tables.
void discardFeederWork(FeederTables& t);

// Saves the working tables into `saved`, the renamed fixes into its SIDs and
// STARs too. Every feeder of the runway ends at its final fix, the end of the
// first feeder, exactly once: a later feeder that still ends at the final fix
// `saved` had is moved to the new one. `notice`, when not empty, names the
// feeders not on screen that this changed.
Outcome saveFeederWork(FeederTables& t, store::ProcedureStore& saved, std::string& notice);

} // namespace procedures
