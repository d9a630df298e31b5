#include "store/TestDump.h"

#include "runtime/Numbers.h"
#include "runtime/TextFiles.h"

#include <algorithm>
#include <initializer_list>

namespace store {

namespace {

constexpr std::size_t IndexWidth = 6;
constexpr std::size_t ColumnWidth = 12;

// The row index, then each field at the next fixed column; a field too wide
// for its column is followed by one space.
std::string columns(const std::string& index, std::initializer_list<std::string> fields) {
    std::string line = index;
    std::size_t column = IndexWidth;
    for (const std::string& field : fields) {
        if (line.size() < column)
            line.append(column - line.size(), ' ');
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
        line += field;
        column += ColumnWidth;
    }
    return line;
}

std::string number(double value) {
    return runtime::printedNumber(value);
}

std::string flag(Flag value) {
    return runtime::printedNumber(int{value});
}

} // namespace

std::string testDataText(const std::string& label, const ProcedureStore& store,
                         const ProcedureCounters& counters) {
    runtime::LineWriter out;
    out.print(label);

    // Entry and Exit hold the Float flag.
    out.print("");
    out.print("STARs");
    out.print(columns("", {"Name", "Entry", "Fix", "VOR", "Alt", "Elements"}));
    const int starRows = std::min(counters.STARRowCount + 2, STARCapacity);
    for (int i = 1; i <= starRows; ++i) {
        const STARWaypoint& row = store.STARs[i];
        out.print(columns(number(i), {row.Name, flag(row.Float), row.Fix, row.VOR, row.Alt,
                                      runtime::printedNumber(int{row.Elements})}));
    }

    out.print("");
    out.print("SIDs");
    out.print(columns(
        "", {"Name", "Exit", "Fix", "VOR", "Alt", "RW1", "RW2", "RW3", "RW4", "EndOfRunway"}));
    const int sidRows = std::min(counters.SIDRowNext + 2, SIDCapacity);
    for (int i = 1; i <= sidRows; ++i) {
        const SIDWaypoint& row = store.SIDs[i];
        out.print(columns(number(i), {row.Name, flag(row.Float), row.Fix, row.VOR, row.Alt, row.RW1,
                                      row.RW2, row.RW3, row.RW4, flag(row.EndOfRunway)}));
    }

    out.print("");
    out.print("Fixes");
    out.print(columns("", {"Name", "TypeOfID", "HemLat", "LatDeg", "LatMin", "HemLong", "LongDeg",
                           "LongMin", "VOR", "VORDist", "Heading"}));
    for (int i = 1; i <= 39; ++i) {
        const FixRecord& row = store.Fixes[i];
        out.print(columns(number(i),
                          {row.Name, row.TypeOfID, row.HemLat, row.LatDeg, row.LatMin, row.HemLong,
                           row.LongDeg, row.LongMin, row.VOR, runtime::printedNumber(row.VORDist),
                           runtime::printedNumber(row.Heading)}));
    }

    out.print("");
    out.print("Runways");
    out.print(columns("", {"ID", "FIX", "Navaid", "Alt", "FROM", "EOP"}));
    for (int i = 1; !store.Runways.rowOrEmpty(i).ID.empty(); ++i) {
        const RunwayWaypoint& row = store.Runways[i];
        out.print(columns(number(i),
                          {row.ID, row.FIX, row.Navaid, row.Alt, flag(row.FROM), flag(row.EOP)}));
    }
    return out.content();
}

void PrintTestData(const std::filesystem::path& folder, const std::string& label,
                   const ProcedureStore& store, const ProcedureCounters& counters) {
    runtime::writeFileReplacing(folder / ("Z" + label + ".txt"),
                                testDataText(label, store, counters));
}

} // namespace store
