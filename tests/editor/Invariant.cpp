#include "Invariant.h"

#include "support/ReadBack.h"

#include <set>

namespace editortest {

namespace {

std::string rowText(int row) {
    return "row " + std::to_string(row);
}

template <class Table> int rowsInUse(const Table& table) {
    int rows = 0;
    while (table.fits(rows + 1) && !table[rows + 1].Name.empty())
        ++rows;
    return rows;
}

// The row layout itself is checked by writing the tables and reading them
// back: a STAR whose count is wrong, a SID without its end row, a row with
// no leg or a row left behind would come back different. What the file
// cannot show are the counters, the runways a SID must have and the fixes
// rows name; those are checked here. Counts the SIDs and STARs.
std::string checkCounters(const shell::Module1& m, int& sids, int& stars) {
    const auto& starTable = m.Store.STARs;
    stars = 0;
    int first = 1;
    for (; starTable.fits(first) && !starTable[first].Name.empty(); ++stars) {
        if (starTable[first].Elements < 1)
            return "STAR " + starTable[first].Name + " at " + rowText(first) + " has no rows";
        first += starTable[first].Elements;
    }
    if (m.Counters.STARRowCount != rowsInUse(starTable))
        return "STARRowCount is " + std::to_string(m.Counters.STARRowCount) + " but " +
               std::to_string(rowsInUse(starTable)) + " rows are in use";
    if (stars > store::STARLimit)
        return std::to_string(stars) + " STARs, more than the runway grid holds";

    const auto& sidTable = m.Store.SIDs;
    const int rows = rowsInUse(sidTable);
    sids = 0;
    for (int row = 1; row <= rows; ++row) {
        const bool firstRow = row == 1 || sidTable[row - 1].EndOfRunway != store::False;
        if (firstRow && sidTable[row].RW1.empty())
            return "SID " + sidTable[row].Name + " at " + rowText(row) + " has no runway";
        if (sidTable[row].EndOfRunway != store::False)
            ++sids;
    }
    const int next = m.Counters.SIDRowNext;
    if (rows == 0 ? next > 1 || next < 0 : next != rows + 1)
        return "SIDRowNext is " + std::to_string(next) + " but " + std::to_string(rows) +
               " rows are in use";
    return {};
}

std::string checkFixes(const shell::Module1& m) {
    const auto& fixes = m.Store.Fixes;
    const int count = m.Store.FixCount;
    if (count < 0 || count > store::FixCapacity)
        return "FixCount is " + std::to_string(count);
    std::set<std::string> names;
    for (int row = 1; row <= count; ++row) {
        if (fixes[row].Name.empty())
            return "Fixes " + rowText(row) + " is unnamed but FixCount is " + std::to_string(count);
        names.insert(fixes[row].Name);
    }
    if (!fixes.rowOrEmpty(count + 1).Name.empty())
        return "Fixes " + rowText(count + 1) + " is named past FixCount";
    auto defined = [&](const std::string& name) { return name.empty() || names.count(name) != 0; };
    for (int row = 1; row <= m.Counters.STARRowCount; ++row)
        if (!defined(m.Store.STARs[row].Fix))
            return "STARs " + rowText(row) + " uses fix " + m.Store.STARs[row].Fix +
                   ", which Fixes does not define";
    for (int row = 1; m.Store.SIDs.fits(row) && !m.Store.SIDs[row].Name.empty(); ++row)
        if (!defined(m.Store.SIDs[row].Fix) || !defined(m.Store.SIDs[row].InterceptFix))
            return "SIDs " + rowText(row) + " uses a fix that Fixes does not define";
    return {};
}

std::string checkTables(const shell::Module1& m, bool roundTrip) {
    int sids = 0, stars = 0;
    if (std::string why = checkCounters(m, sids, stars); !why.empty())
        return why;
    if (std::string why = checkFixes(m); !why.empty())
        return why;
    if (!roundTrip)
        return {};
    store::ProcedureCounters counters;
    if (std::string why = support::readBackDifference(m.Store, m.Counters, &counters); !why.empty())
        return why;
    if (counters.SIDCount != sids || counters.STARCount != stars)
        return "written and read back, " + std::to_string(sids) + " SIDs and " +
               std::to_string(stars) + " STARs became " + std::to_string(counters.SIDCount) +
               " and " + std::to_string(counters.STARCount);
    return {};
}

} // namespace

std::string checkInvariant(const shell::Module1& m) {
    return checkTables(m, true);
}

std::string checkLayout(const shell::Module1& m) {
    return checkTables(m, false);
}

} // namespace editortest
