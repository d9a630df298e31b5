#include "Invariant.h"

#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <set>
#include <sstream>

namespace editortest {

namespace {

std::string rowText(int row) {
    return "row " + std::to_string(row);
}

bool isEmpty(const store::STARWaypoint& row) {
    static const store::STARWaypoint empty{};
    return row == empty;
}

bool isEmpty(const store::SIDWaypoint& row) {
    static const store::SIDWaypoint empty{};
    return row == empty;
}

// STARs: returns the number of STARs, or -1 with `why` set.
int checkSTARs(const shell::Module1& m, std::string& why) {
    const auto& stars = m.Store.STARs;
    int first = 1;
    int count = 0;
    while (stars.fits(first) && !stars[first].Name.empty()) {
        const store::STARWaypoint& head = stars[first];
        if (head.Elements < 1) {
            why = "STAR " + head.Name + " at " + rowText(first) + " has Elements " +
                  std::to_string(head.Elements);
            return -1;
        }
        for (int row = first; row < first + head.Elements; ++row) {
            const store::STARWaypoint& r = stars.rowOrEmpty(row);
            if (r.Name != head.Name) {
                why = "STAR " + head.Name + " at " + rowText(first) + " counts " +
                      std::to_string(head.Elements) + " rows but " + rowText(row) + " is named '" +
                      r.Name + "'";
                return -1;
            }
            if (row != first && r.Elements != 0) {
                why = "STAR " + head.Name + ": " + rowText(row) +
                      " is not its first row but has Elements " + std::to_string(r.Elements);
                return -1;
            }
            if (r.Fix.empty() == r.VOR.empty()) {
                why =
                    "STAR " + head.Name + ": " + rowText(row) + " needs exactly one of Fix and VOR";
                return -1;
            }
        }
        first += head.Elements;
        ++count;
    }
    const int rows = first - 1;
    for (int row = first; stars.fits(row); ++row)
        if (!isEmpty(stars[row])) {
            why = "STARs " + rowText(row) + " is not empty after the last STAR (row " +
                  std::to_string(rows) + ")";
            return -1;
        }
    if (m.Counters.STARRowCount != rows) {
        why = "STARRowCount is " + std::to_string(m.Counters.STARRowCount) + " but " +
              std::to_string(rows) + " rows are in use";
        return -1;
    }
    if (count > store::STARLimit) {
        why = std::to_string(count) + " STARs, more than the runway grid holds";
        return -1;
    }
    const auto& grid = m.Store.STARRunways;
    for (int star = 1; star <= store::STARLimit; ++star) {
        bool ended = false;
        for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot) {
            const bool empty = grid(star, slot).empty();
            if (!empty && star > count) {
                why = "STARRunways holds runways for STAR " + std::to_string(star) +
                      ", which does not exist";
                return -1;
            }
            if (!empty && ended) {
                why = "the runway list of STAR " + std::to_string(star) +
                      " has a gap: the runways after it would be lost";
                return -1;
            }
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
    while (sids.fits(row) && !sids[row].Name.empty()) {
        const std::string name = sids[row].Name;
        if (name == previous) {
            why = "SID " + name + " at " + rowText(row) +
                  " follows a SID of the same name: written, the two would merge";
            return -1;
        }
        const int first = row;
        for (;; ++row) {
            const store::SIDWaypoint& r = sids.rowOrEmpty(row);
            if (r.Name != name) {
                why = "SID " + name + " from " + rowText(first) + " ends at " + rowText(row - 1) +
                      " without an EndOfRunway row";
                return -1;
            }
            if (!hasLeg(r)) {
                why = "SID " + name + ": " + rowText(row) + " holds no leg";
                return -1;
            }
            if (r.EndOfRunway != store::False)
                break;
        }
        if (sids[first].RW1.empty()) {
            why = "SID " + name + " at " + rowText(first) + " has no runway";
            return -1;
        }
        previous = name;
        ++row;
        ++count;
    }
    const int rows = row - 1;
    for (int r = row; sids.fits(r); ++r)
        if (!isEmpty(sids[r])) {
            why = "SIDs " + rowText(r) + " is not empty after the last SID (row " +
                  std::to_string(rows) + ")";
            return -1;
        }
    const int next = m.Counters.SIDRowNext;
    const bool nextOk = rows == 0 ? (next == 0 || next == 1) : next == rows + 1;
    if (!nextOk) {
        why = "SIDRowNext is " + std::to_string(next) + " but " + std::to_string(rows) +
              " rows are in use";
        return -1;
    }
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
    for (int row = 1; m.Store.SIDs.fits(row) && !m.Store.SIDs[row].Name.empty(); ++row) {
        const store::SIDWaypoint& r = m.Store.SIDs[row];
        if (!defined(r.Fix) || !defined(r.InterceptFix))
            return "SIDs " + rowText(row) + " uses a fix that Fixes does not define";
    }
    return {};
}

std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream sa(a), sb(b);
    std::string la, lb;
    for (int line = 1;; ++line) {
        const bool ga = static_cast<bool>(std::getline(sa, la));
        const bool gb = static_cast<bool>(std::getline(sb, lb));
        if (!ga && !gb)
            return {};
        if (la != lb || ga != gb)
            return "line " + std::to_string(line) + ": '" + la + "' then '" + lb + "'";
    }
}

std::string checkRoundTrip(const shell::Module1& m, int sidCount, int starCount) {
    const store::FileHeader header{"TEST", "", "", "1/1/2000"};
    // Scratch tables kept between calls: assigning reuses their rows.
    static store::ProcedureStore written;
    static store::ProcedureStore read;
    written = m.Store;
    store::ProcedureCounters writtenCounters = m.Counters;
    const std::string text = store::PrintTheSidStarFile(written, writtenCounters, header);

    store::ProcedureCounters readCounters;
    const store::ReadResult result = store::LoadData(text, read, readCounters);
    if (!result.ok)
        return "the written file is refused on reading: " + result.message;
    if (readCounters.SIDCount != sidCount)
        return "written and read back, " + std::to_string(sidCount) + " SIDs became " +
               std::to_string(readCounters.SIDCount);
    if (readCounters.STARCount != starCount)
        return "written and read back, " + std::to_string(starCount) + " STARs became " +
               std::to_string(readCounters.STARCount);
    for (int star = 1; star <= starCount; ++star)
        for (int slot = 1; slot <= store::RunwaysPerSTAR; ++slot) {
            const std::string& before = m.Store.STARRunways.cellOrEmpty(star, slot);
            if (before.empty())
                break;
            if (read.STARRunways.cellOrEmpty(star, slot) != before)
                return "written and read back, runway " + before + " of STAR " +
                       std::to_string(star) + " is lost";
        }
    const std::string again = store::PrintTheSidStarFile(read, readCounters, header);
    if (again != text)
        return "written, read back and written again, the file differs at " +
               firstDifference(text, again);
    return {};
}

} // namespace

namespace {
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
