#include "procedures/FeederRows.h"

#include <utility>

namespace procedures {

using store::RunwayTable;
using store::RunwayWaypoint;

namespace {

bool inTable(int row, int count) {
    return row >= 1 && row <= count && RunwayTable::fits(row);
}

} // namespace

int findRunwayGroup(const RunwayTable& rows, int count, std::string_view runway) {
    for (int i = 1; inTable(i, count) && !rows[i].ID.empty(); ++i)
        if (rows[i].ID == runway)
            return i;
    return 0;
}

int feederLength(const RunwayTable& rows, int count, int start) {
    if (!inTable(start, count) || rows[start].ID.empty())
        return 0;
    const std::string& id = rows[start].ID;
    int last = start;
    while (rows[last].EOP == store::False && inTable(last + 1, count) && rows[last + 1].ID == id &&
           rows[last + 1].FROM == store::False)
        ++last;
    return last - start + 1;
}

int countFeeders(const RunwayTable& rows, int count, int first) {
    int feeders = 0;
    if (!inTable(first, count))
        return 0;
    const std::string id = rows[first].ID;
    for (int start = first; inTable(start, count) && rows[start].ID == id;
         start += feederLength(rows, count, start))
        ++feeders;
    return feeders;
}

std::string entryText(const RunwayWaypoint& row) {
    return row.Navaid.empty() ? row.FIX : row.Navaid;
}

void insertRow(RunwayTable& rows, std::int16_t& count, int at, RunwayWaypoint row) {
    for (int i = count; i >= at; --i)
        rows[i + 1] = rows[i];
    rows[at] = std::move(row);
    ++count;
}

void removeRows(RunwayTable& rows, std::int16_t& count, int first, int n) {
    for (int i = first; i + n <= count; ++i)
        rows[i] = rows[i + n];
    for (int i = count - n + 1; i <= count; ++i)
        rows[i] = RunwayWaypoint{};
    count = static_cast<std::int16_t>(count - n);
}

void setFeederFlags(RunwayTable& rows, int start, int n) {
    if (n < 1)
        return;
    for (int i = start; i < start + n; ++i) {
        rows[i].FROM = store::False;
        rows[i].EOP = store::False;
    }
    rows[start].FROM = store::True;
    rows[start + n - 1].EOP = store::True;
}

} // namespace procedures
