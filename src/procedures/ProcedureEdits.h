#pragma once

#include "procedures/FixCatalogue.h"
#include "procedures/Refusal.h"
#include "store/ProcedureStore.h"

#include <string>
#include <vector>

// The edits of the SID and STAR tables the procedure editor makes. Each
// checks its input first and then changes the tables completely, or refuses
// and changes nothing. A SID is a run of rows ending at its EndOfRunway row;
// a STAR is a run of rows whose first row counts them, and its runways are
// row `number` of the runway grid.
namespace procedures {

struct ProcedureTables {
    store::ProcedureStore& store;
    store::ProcedureCounters& counters;
};

// The procedure on screen: its first row and its legs. A procedure that has
// lost every leg keeps its place (start) with no rows; its next leg makes it
// again there, in front of the procedures after it.
struct ProcedureAt {
    int start = 1;
    int legs = 0;
};

// What Modify changes in a leg: an altitude restriction, and for SIDs an
// on-heading altitude and distance or an intercept heading. For a SID an
// empty text leaves its value as it is; a STAR takes the altitude as given,
// empty or not.
struct LegChange {
    std::string alt;
    bool floating = false;
    std::string onHeadAlt;
    std::string onHeadDist;
    std::string interceptHeading;
    bool interceptTo = false;
};

// A leg as the boxes give it: the same values, and the fix or navaid it goes
// to or intercepts (neither for a SID's on-heading leg).
struct Leg : LegChange {
    std::string fix;
    std::string navaid;
};

// The fix a new leg defines, added with the leg or not at all.
struct NewFix {
    bool given = false;
    store::FixRecord fix;
};

// What Modify changes in the fix of a leg: fix `row` takes `name` and the
// position and ID of `definition`.
struct FixChange {
    int row = 0;
    std::string name;
    store::FixRecord definition;
};

// --- SIDs ---
// Adds `leg` after the last leg of the SID, which takes `name` (on every
// row) and `runways` (on its first row).
Outcome addSIDLeg(ProcedureTables t, ProcedureAt sid, const std::string& name,
                  const std::vector<std::string>& runways, const Leg& leg,
                  const NewFix& newFix = {});
Outcome removeSIDLeg(ProcedureTables t, ProcedureAt sid, int line);
// Swaps leg `line` with leg `line + 1`; the SID's runways and its end stay
// where they are.
Outcome moveSIDLegDown(ProcedureTables t, ProcedureAt sid, int line);
// The leg and, when given, its fix change together or not at all.
Outcome changeSIDLeg(ProcedureTables t, ProcedureAt sid, int line, const LegChange& change,
                     const FixChange* fix = nullptr);
Outcome renameSID(ProcedureTables t, ProcedureAt sid, const std::string& name);
Outcome setSIDRunways(ProcedureTables t, ProcedureAt sid, const std::vector<std::string>& runways);
Outcome removeSID(ProcedureTables t, ProcedureAt sid);
// The legs of the SID starting at row `start`: its rows up to its end.
int sidLegsAt(const store::SIDTable& sids, int start);

// --- STARs ---
// `shown` are the runway boxes: the STAR's first runways; the runways past
// them, which no box shows, stay after them.
Outcome addSTARLeg(ProcedureTables t, ProcedureAt star, const std::string& name,
                   const std::vector<std::string>& shown, const Leg& leg,
                   const NewFix& newFix = {});
Outcome removeSTARLeg(ProcedureTables t, ProcedureAt star, int line);
Outcome moveSTARLegDown(ProcedureTables t, ProcedureAt star, int line);
Outcome changeSTARLeg(ProcedureTables t, ProcedureAt star, int line, const LegChange& change,
                      const FixChange* fix = nullptr);
Outcome renameSTAR(ProcedureTables t, ProcedureAt star, const std::string& name);
Outcome setSTARRunways(ProcedureTables t, ProcedureAt star, const std::vector<std::string>& shown,
                       int boxes = 8);
Outcome removeSTAR(ProcedureTables t, ProcedureAt star);

// --- Procedures counted ---
// A new procedure, without legs yet, counted with those before it; the
// number it is shown with. Refused when the table has no room for it.
Outcome beginSID(ProcedureTables t, int& number);
Outcome beginSTAR(ProcedureTables t, int& number);
// Empty tables for a new airport, counting the one procedure to be made.
void clearTables(ProcedureTables t);

// STARs in rows 1..STARRowCount, walked by their row counts; the number of
// the STAR starting at row `start` is one more than the STARs before it.
int starsInUse(const store::STARTable& stars, int rows);
int starNumberAt(const store::ProcedureStore& store, int start);

// Fix `row` takes `name` (in every SID, STAR and transition that names it)
// and the position and ID of `definition`, or nothing changes.
Outcome changeFix(store::ProcedureStore& store, int row, const std::string& name,
                  const store::FixRecord& definition);

} // namespace procedures
