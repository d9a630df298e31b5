#include "procedures/FixCatalogue.h"

#include "procedures/EntryRules.h"

namespace procedures {

namespace {

bool hasAny(const std::string& degrees, const std::string& minutes) {
    return !degrees.empty() || !minutes.empty();
}

template <class Table, class Rename> void forEachRow(Table* table, Rename rename) {
    if (!table)
        return;
    for (int r = 1; table->fits(r) && !(*table)[r].Name.empty(); ++r)
        rename((*table)[r]);
}

} // namespace

Outcome checkFixName(std::string_view name) {
    if (name.empty())
        return refused("The fix name is missing.", Field::FixName);
    if (std::string message = checkName(name); !message.empty())
        return refused(std::move(message), Field::FixName);
    if (name.size() > FixNameLength)
        return refused("A fix name has at most 10 characters.\r\nPlease correct.", Field::FixName);
    return std::nullopt;
}

Outcome checkPosition(const store::FixRecord& fix) {
    if (!fix.VOR.empty())
        return std::nullopt;
    if (!hasAny(fix.LatDeg, fix.LatMin))
        return refused("There is no Latitude data.", Field::LatitudeDegrees);
    if (!hasAny(fix.LongDeg, fix.LongMin))
        return refused("There is no Longitude data.", Field::LongitudeDegrees);
    return std::nullopt;
}

int FixCatalogue::find(std::string_view name) const {
    // The row after the last fix is empty, so the table's own search stops
    // at the count too.
    return name.empty() ? 0 : store::SearchForFix(fixes_, std::string(name));
}

Outcome FixCatalogue::append(const store::FixRecord& fix, int* row) {
    if (Outcome bad = checkFixName(fix.Name))
        return bad;
    if (find(fix.Name) != 0)
        return refused("There is already a fix named " + fix.Name + ".", Field::FixName);
    if (Outcome bad = checkPosition(fix))
        return bad;
    if (count_ >= store::FixCapacity)
        return refused(tableFullMessage("fix", store::FixCapacity, "fixes"));
    fixes_[++count_] = fix;
    if (row)
        *row = count_;
    return std::nullopt;
}

Outcome FixCatalogue::rename(int row, const std::string& to, const FixUsers& users) {
    if (row < 1 || row > count_)
        return refused("There is no such fix.");
    const std::string from = fixes_[row].Name;
    if (to == from)
        return std::nullopt;
    if (Outcome bad = checkFixName(to))
        return bad;
    if (find(to) != 0)
        return refused("There is already a fix named " + to + ".", Field::FixName);
    auto follow = [&](std::string& field) {
        if (field == from)
            field = to;
    };
    forEachRow(users.sids, [&](store::SIDWaypoint& w) {
        follow(w.Fix);
        follow(w.InterceptFix);
    });
    forEachRow(users.stars, [&](store::STARWaypoint& w) { follow(w.Fix); });
    if (users.runways)
        for (int r = 1; users.runways->fits(r) && !(*users.runways)[r].ID.empty(); ++r)
            follow((*users.runways)[r].FIX);
    fixes_[row].Name = to;
    return std::nullopt;
}

Outcome FixCatalogue::redefine(int row, const store::FixRecord& definition) {
    if (row < 1 || row > count_)
        return refused("There is no such fix.");
    if (Outcome bad = checkPosition(definition))
        return bad;
    store::FixRecord& fix = fixes_[row];
    const std::string name = fix.Name;
    const store::Flag arcPoint = fix.IsArcPoint;
    fix = definition;
    fix.Name = name;
    fix.IsArcPoint = arcPoint;
    return std::nullopt;
}

} // namespace procedures
