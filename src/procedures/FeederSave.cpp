// Opening, saving and discarding the transition editor's working tables.
#include "procedures/EntryRules.h"
#include "procedures/FeederEdits.h"
#include "procedures/FeederRows.h"
#include "runtime/Numbers.h"

#include <optional>
#include <vector>

namespace procedures {

namespace {

using Feeder = std::vector<store::RunwayWaypoint>;

bool sameEnd(const store::RunwayWaypoint& a, const store::RunwayWaypoint& b) {
    return a.FIX == b.FIX && a.Navaid == b.Navaid;
}

std::optional<store::RunwayWaypoint> finalFixOf(const store::RunwayTable& rows, int count,
                                                const std::string& runway) {
    const int first = findRunwayGroup(rows, count, runway);
    const int n = feederLength(rows, count, first);
    if (n == 0)
        return std::nullopt;
    return rows[first + n - 1];
}

// Every feeder after the first ends at `finalFix` exactly once; a copy of
// the final fix the file had before (`previous`) gives way to it.
void closeAtFinalFix(Feeder& feeder, const store::RunwayWaypoint& finalFix,
                     const std::optional<store::RunwayWaypoint>& previous) {
    if (previous && !sameEnd(*previous, finalFix))
        while (!feeder.empty() && sameEnd(feeder.back(), *previous))
            feeder.pop_back();
    while (feeder.size() >= 2 && sameEnd(feeder.back(), finalFix) &&
           sameEnd(feeder[feeder.size() - 2], finalFix))
        feeder.pop_back();
    if (feeder.empty() || !sameEnd(feeder.back(), finalFix))
        feeder.push_back(finalFix);
    // The file keeps the final fix once: every copy reads back as it.
    feeder.back() = finalFix;
    for (store::RunwayWaypoint& row : feeder)
        row.FROM = row.EOP = store::False;
    feeder.front().FROM = store::True;
    feeder.back().EOP = store::True;
}

std::string changedFeedersNotice(const std::string& runway, const store::RunwayWaypoint& finalFix,
                                 const std::vector<int>& numbers) {
    std::string list;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        list += (i == 0                    ? ""
                 : i + 1 == numbers.size() ? " and"
                                           : ",") +
                runtime::printedNumber(numbers[i]);
    return "Every feeder of runway " + runway + " ends at its final fix, " + entryText(finalFix) +
           ".\r\nSaving has changed the end of feeder" + (numbers.size() > 1 ? "s" : "") + list +
           ".";
}

} // namespace

void openFeederWork(FeederTables& t, const store::ProcedureStore& saved) {
    t.rows.clear();
    t.rowCount = 0;
    for (int i = 1; store::RunwayTable::fits(i) && !saved.Runways[i].ID.empty(); ++i) {
        t.rows[i] = saved.Runways[i];
        t.rowCount = static_cast<std::int16_t>(i);
    }
    t.fixes.clear();
    t.fixCount = 0;
    for (int i = 1; store::FixTable::fits(i) && !saved.Fixes[i].Name.empty(); ++i) {
        t.fixes[i] = saved.Fixes[i];
        t.fixCount = i;
    }
    t.renames.clear();
    // A new runway starts after the last group; its ID waits in that row,
    // which is not counted until a waypoint fills it.
    int start = findRunwayGroup(t.rows, t.rowCount, t.runway);
    if (start == 0) {
        start = t.rowCount + 1;
        if (store::RunwayTable::fits(start))
            t.rows[start].ID = t.runway;
    }
    t.feederStart = static_cast<std::int16_t>(start);
}

void discardFeederWork(FeederTables& t) {
    t.rows.clear();
    t.rowCount = 0;
    t.fixes.clear();
    t.fixCount = 0;
    t.renames.clear();
}

Outcome saveFeederWork(FeederTables& t, store::ProcedureStore& saved, std::string& notice) {
    notice.clear();
    const int onScreen = t.entries();
    if (onScreen == 0)
        return refused("There are no waypoints to save");
    setFeederFlags(t.rows, t.feederStart, onScreen);

    // The runway's group as feeders; the rows before and after it stay.
    const int first = findRunwayGroup(t.rows, t.rowCount, t.runway);
    std::vector<Feeder> feeders;
    int shownFeeder = 0;
    int end = first;
    while (end <= t.rowCount && t.rows[end].ID == t.runway) {
        const int n = feederLength(t.rows, t.rowCount, end);
        if (end == t.feederStart)
            shownFeeder = static_cast<int>(feeders.size());
        feeders.emplace_back();
        for (int i = end; i < end + n; ++i)
            feeders.back().push_back(t.rows[i]);
        end += n;
    }
    const store::RunwayWaypoint finalFix = feeders.front().back();
    const auto previous = finalFixOf(saved.Runways, saved.RunwayCount, t.runway);
    std::vector<int> changed;
    int groupRows = static_cast<int>(feeders.front().size());
    for (std::size_t k = 1; k < feeders.size(); ++k) {
        const Feeder before = feeders[k];
        closeAtFinalFix(feeders[k], finalFix, previous);
        if (feeders[k] != before && static_cast<int>(k) != shownFeeder)
            changed.push_back(static_cast<int>(k) + 1);
        groupRows += static_cast<int>(feeders[k].size());
    }
    // The file writes a feeder as the rows before its final fix: one that is
    // the final fix alone reads back as part of its neighbour.
    if (feeders.size() > 1)
        for (std::size_t k = 0; k < feeders.size(); ++k)
            if (feeders[k].size() == 1)
                return refused("Feeder" + runtime::printedNumber(static_cast<int>(k) + 1) +
                               " of runway " + t.runway + " holds only the final fix, " +
                               entryText(finalFix) + ".\r\nAdd waypoints to it or delete it.");
    // A lone feeder of one row is the runway line alone, read without FROM.
    if (feeders.size() == 1 && feeders.front().size() == 1)
        feeders.front().front().FROM = store::False;
    const int newCount = t.rowCount - (end - first) + groupRows;
    if (newCount > store::RunwayCapacity)
        return refused(tableFullMessage("runway transition", store::RunwayCapacity, "rows"));

    std::vector<store::RunwayWaypoint> rows;
    for (int i = 1; i < first; ++i)
        rows.push_back(t.rows[i]);
    for (const Feeder& feeder : feeders)
        rows.insert(rows.end(), feeder.begin(), feeder.end());
    for (int i = end; i <= t.rowCount; ++i)
        rows.push_back(t.rows[i]);

    saved.Runways.clear();
    for (std::size_t i = 0; i < rows.size(); ++i)
        saved.Runways[static_cast<int>(i) + 1] = rows[i];
    saved.RunwayCount = static_cast<std::int16_t>(rows.size());
    saved.Fixes.clear();
    for (int i = 1; i <= t.fixCount; ++i)
        saved.Fixes[i] = t.fixes[i];
    saved.FixCount = t.fixCount;
    for (const auto& rename : t.renames) {
        auto follow = [&rename](std::string& field) {
            const auto& [from, to] = rename;
            if (field == from)
                field = to;
        };
        for (int i = 1; i <= store::STARCapacity && !saved.STARs[i].Name.empty(); ++i)
            follow(saved.STARs[i].Fix);
        for (int i = 1; i <= store::SIDCapacity && !saved.SIDs[i].Name.empty(); ++i) {
            follow(saved.SIDs[i].Fix);
            follow(saved.SIDs[i].InterceptFix);
        }
    }
    if (!changed.empty())
        notice = changedFeedersNotice(t.runway, finalFix, changed);
    return std::nullopt;
}

} // namespace procedures
