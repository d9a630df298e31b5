#include "Invariant.h"

#include "support/ReadBack.h"

#include <set>

namespace editortest {

namespace {

std::string rowText(int row) {
    return "row " + std::to_string(row);
}

int fail(std::string& why, std::string text) {
    why = std::move(text);
    return -1;
}

template <class Row> bool isEmpty(const Row& row) {
    return row == Row{};
}

// Returns the number of STARs, or -1 with `why` set.
int checkSTARs(const shell::Module1& m, std::string& why) {
    const auto& stars = m.Store.STARs;
    int first = 1;
    int count = 0;
    for (; stars.fits(first) && !stars[first].Name.empty(); ++count) {
        const store::STARWaypoint& head = stars[first];
        const std::string star = "STAR " + head.Name + " at " + rowText(first);
        if (head.Elements < 1)
            return fail(why, star + " has Elements " + std::to_string(head.Elements));
        for (int row = first; row < first + head.Elements; ++row) {
            const store::STARWaypoint& r = stars.rowOrEmpty(row);
            if (r.Name != head.Name)
                return fail(why, star + " counts " + std::to_string(head.Elements) + " rows but " +
                                     rowText(row) + " is named '" + r.Name + "'");
            if (row != first && r.Elements != 0)
                return fail(why,
                            star + ": " + rowText(row) + " is not its first row but has Elements");
            if (r.Fix.empty() == r.VOR.empty())
                return fail(why, star + ": " + rowText(row) + " needs exactly one of Fix and VOR");
        }
        first += head.Elements;
    }
    const int rows = first - 1;
    for (int row = first; stars.fits(row); ++row)
        if (!isEmpty(stars[row]))
            return fail(why, "STARs " + rowText(row) + " is not empty after the last STAR");
    if (m.Counters.STARRowCount != rows)
        return fail(why, "STARRowCount is " + std::to_string(m.Counters.STARRowCount) + " but " +
                             std::to_string(rows) + " rows are in use");
    if (count > store::STARLimit)
        return fail(why, std::to_string(count) + " STARs, more than the runway grid holds");
    for (int star = 1; star <= store::STARLimit; ++star) {
        bool ended = false;
        for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot) {
            const bool empty = m.Store.STARRunways(star, slot).empty();
            if (!empty && star > count)
                return fail(why, "STARRunways holds runways for STAR " + std::to_string(star) +
                                     ", which does not exist");
            if (!empty && ended)
                return fail(why, "the runway list of STAR " + std::to_string(star) + " has a gap");
            ended = ended || empty;
        }
    }
    return count;
}

bool hasLeg(const store::SIDWaypoint& r) {
    const bool intercept =
        !r.InterceptHeading.empty() && (!r.InterceptFix.empty() || !r.InterceptNavaid.empty());
    return !r.Fix.empty() || !r.VOR.empty() || !r.OnHeadAlt.empty() || intercept;
}

int checkSIDs(const shell::Module1& m, std::string& why) {
    const auto& sids = m.Store.SIDs;
    int row = 1;
    int count = 0;
    std::string previous;
    for (; sids.fits(row) && !sids[row].Name.empty(); ++row, ++count) {
        const std::string name = sids[row].Name;
        const std::string sid = "SID " + name + " at " + rowText(row);
        // Written, two neighbouring SIDs of one name would become one.
        if (name == previous)
            return fail(why, sid + " follows a SID of the same name: they would merge");
        if (sids[row].RW1.empty())
            return fail(why, sid + " has no runway");
        for (;; ++row) {
            const store::SIDWaypoint& r = sids.rowOrEmpty(row);
            if (r.Name != name)
                return fail(why,
                            sid + " ends at " + rowText(row - 1) + " without an EndOfRunway row");
            if (!hasLeg(r))
                return fail(why, sid + ": " + rowText(row) + " holds no leg");
            if (r.EndOfRunway != store::False)
                break;
        }
        previous = name;
    }
    const int rows = row - 1;
    for (int r = row; sids.fits(r); ++r)
        if (!isEmpty(sids[r]))
            return fail(why, "SIDs " + rowText(r) + " is not empty after the last SID");
    const int next = m.Counters.SIDRowNext;
    if (rows == 0 ? next > 1 || next < 0 : next != rows + 1)
        return fail(why, "SIDRowNext is " + std::to_string(next) + " but " + std::to_string(rows) +
                             " rows are in use");
    return count;
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

std::string checkRoundTrip(const shell::Module1& m, int sidCount, int starCount) {
    store::ProcedureCounters counters;
    if (std::string why = support::readBackDifference(m.Store, m.Counters, &counters); !why.empty())
        return why;
    if (counters.SIDCount != sidCount || counters.STARCount != starCount)
        return "written and read back, " + std::to_string(sidCount) + " SIDs and " +
               std::to_string(starCount) + " STARs became " + std::to_string(counters.SIDCount) +
               " and " + std::to_string(counters.STARCount);
    return {};
}

std::string checkTables(const shell::Module1& m, bool roundTrip) {
    std::string why;
    const int starCount = checkSTARs(m, why);
    if (starCount < 0)
        return why;
    const int sidCount = checkSIDs(m, why);
    if (sidCount < 0)
        return why;
    if (std::string fixes = checkFixes(m); !fixes.empty())
        return fixes;
    return roundTrip ? checkRoundTrip(m, sidCount, starCount) : std::string();
}

} // namespace

std::string checkInvariant(const shell::Module1& m) {
    return checkTables(m, true);
}

std::string checkLayout(const shell::Module1& m) {
    return checkTables(m, false);
}

} // namespace editortest
