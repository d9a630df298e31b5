#include "procedures/ArcEdits.h"

#include "procedures/EntryRules.h"
#include "procedures/FeederRows.h"
#include "runtime/Numbers.h"

#include <algorithm>
#include <stdexcept>

namespace procedures {

namespace {

std::string noRoom(const std::string& table, int limit, const std::string& unit) {
    return "There is no room for this ARC: the " + table + " table holds" +
           runtime::printedNumber(limit) + " " + unit + ".\r\nNothing has been added.";
}

} // namespace

Outcome addArc(FeederTables& t, const ArcRequest& arc, std::int16_t& counter) {
    if (std::string message = checkAltitude(arc.alt); !message.empty())
        return refused(std::move(message), Field::ArcAltitude);
    if (std::string message = checkArcLabel(arc.label, counter); !message.empty())
        return refused(std::move(message), Field::ArcLabel);
    if (checkArc(arc.input) != ArcProblem::None)
        return refused("There is no Arc to create.");
    const int rowsLeft = store::RunwayCapacity - t.rowCount;
    if (arcPointCount(arc.input) > rowsLeft)
        return refused(noRoom("runway", store::RunwayCapacity, "rows"));

    ArcNaming naming{arc.label, counter};
    const std::vector<NamedArcPoint> points =
        nameArcPoints(walkArc(arc.input, rowsLeft), arc.centre, naming, t.fixes, t.fixCount);
    const auto newFixes = std::count_if(points.begin(), points.end(),
                                        [](const NamedArcPoint& point) { return point.newFix; });
    if (t.fixCount + newFixes > store::FixCapacity)
        return refused(noRoom("fix", store::FixCapacity, "fixes"));
    // Names taken by other fixes push the counter on: the largest number
    // used must still make a fix name.
    if (std::string message = checkArcLabel(arc.label, naming.counter - 1); !message.empty())
        return refused(std::move(message), Field::ArcLabel);

    FixCatalogue fixes = t.catalogue();
    for (const NamedArcPoint& point : points) {
        // Every check the catalogue makes has been made above.
        if (point.newFix && fixes.append(point.definition))
            throw std::logic_error("an arc point's fix was refused after its checks");
        store::RunwayWaypoint row;
        row.FIX = point.fix;
        row.Alt = arc.alt;
        if (t.rowCount == 0)
            t.feederStart = 1;
        const int n = t.entries();
        row.ID = t.runway;
        insertRow(t.rows, t.rowCount, t.feederStart + n, std::move(row));
        t.lastInserted = static_cast<std::int16_t>(t.feederStart + n);
        setFeederFlags(t.rows, t.feederStart, n + 1);
    }
    counter = naming.counter;
    return std::nullopt;
}

} // namespace procedures
