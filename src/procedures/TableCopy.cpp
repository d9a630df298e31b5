#include "procedures/TableCopy.h"

#include <algorithm>
#include <utility>

namespace procedures {

namespace {

// Rows 1..count of a table, read and written one row at a time.
template <class T> struct RowsOf;

template <class Row, int Capacity> struct RowsOf<store::Table<Row, Capacity>> {
    using Table = store::Table<Row, Capacity>;
    using Type = Row;
    static constexpr int count = Capacity;
    static bool same(const Table& a, int i, const Table& b, int j) {
        return a.rowOrEmpty(i) == b.rowOrEmpty(j);
    }
    static bool empty(const Table& t, int i) {
        static const Row blank{};
        return t.rowOrEmpty(i) == blank;
    }
    static Row read(const Table& t, int i) { return t.rowOrEmpty(i); }
    static Row take(Table& t, int i) { return std::exchange(t[i], Row{}); }
    static void write(Table& t, int i, Row row) { t[i] = std::move(row); }
};

template <> struct RowsOf<store::STARRunwayGrid> {
    using Table = store::STARRunwayGrid;
    using Type = STARRunwayRow;
    static constexpr int count = Table::stars;
    static bool same(const Table& a, int i, const Table& b, int j) {
        for (int slot = 1; slot <= Table::slots; ++slot)
            if (a.cellOrEmpty(i, slot) != b.cellOrEmpty(j, slot))
                return false;
        return true;
    }
    static bool empty(const Table& t, int i) {
        for (int slot = 1; slot <= Table::slots; ++slot)
            if (!t.cellOrEmpty(i, slot).empty())
                return false;
        return true;
    }
    static Type read(const Table& t, int i) {
        Type row;
        for (int slot = 1; slot <= Table::slots; ++slot)
            row[static_cast<std::size_t>(slot - 1)] = t.cellOrEmpty(i, slot);
        return row;
    }
    static Type take(Table& t, int i) {
        Type row;
        for (int slot = 1; slot <= Table::slots; ++slot)
            row[static_cast<std::size_t>(slot - 1)] = std::exchange(t(i, slot), std::string());
        return row;
    }
    static void write(Table& t, int i, Type row) {
        for (int slot = 1; slot <= Table::slots; ++slot)
            t(i, slot) = std::move(row[static_cast<std::size_t>(slot - 1)]);
    }
};

// The last row that is not empty, or 0: every row after it is empty.
template <class T> int used(const T& t) {
    int last = RowsOf<T>::count;
    while (last > 0 && RowsOf<T>::empty(t, last))
        --last;
    return last;
}

// Replaces the `count` rows of `t` from `at` by `rows`, moving the rows after
// them along; returns the rows replaced.
template <class T>
std::vector<typename RowsOf<T>::Type> replace(T& t, int at, int count,
                                              std::vector<typename RowsOf<T>::Type> rows) {
    using R = RowsOf<T>;
    const int end = used(t);
    std::vector<typename R::Type> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = at; i < at + count; ++i)
        out.push_back(R::take(t, i));
    const int grow = static_cast<int>(rows.size()) - count;
    if (grow > 0)
        for (int i = end; i >= at + count; --i)
            R::write(t, i + grow, R::take(t, i));
    else if (grow < 0)
        for (int i = at + count; i <= end; ++i)
            R::write(t, i + grow, R::take(t, i));
    for (std::size_t k = 0; k < rows.size(); ++k)
        R::write(t, at + static_cast<int>(k), std::move(rows[k]));
    return out;
}

template <class T> std::vector<typename RowsOf<T>::Type> readRows(const T& t, int at, int count) {
    std::vector<typename RowsOf<T>::Type> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = at; i < at + count; ++i)
        rows.push_back(RowsOf<T>::read(t, i));
    return rows;
}

// The runs in which `live` differs from `copy`, holding the copy's rows; the
// copy is brought up to date. A common beginning and end are left out, so a
// row inserted or removed stores that row alone; where the rows between
// keep their number, only the runs that differ are stored.
template <class T> std::vector<RowRun<typename RowsOf<T>::Type>> compare(T& copy, const T& live) {
    using R = RowsOf<T>;
    std::vector<RowRun<typename R::Type>> runs;
    int oldEnd = used(copy);
    int newEnd = used(live);
    int first = 1;
    while (first <= std::min(oldEnd, newEnd) && R::same(copy, first, live, first))
        ++first;
    if (first > oldEnd && first > newEnd)
        return runs;
    while (oldEnd >= first && newEnd >= first && R::same(copy, oldEnd, live, newEnd)) {
        --oldEnd;
        --newEnd;
    }
    if (oldEnd != newEnd) {
        const int newCount = newEnd - first + 1;
        runs.push_back({first, newCount,
                        replace(copy, first, oldEnd - first + 1, readRows(live, first, newCount))});
        return runs;
    }
    for (int i = first; i <= oldEnd;) {
        if (R::same(copy, i, live, i)) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 <= oldEnd && !R::same(copy, end + 1, live, end + 1))
            ++end;
        const int count = end - i + 1;
        runs.push_back({i, count, replace(copy, i, count, readRows(live, i, count))});
        i = end + 1;
    }
    return runs;
}

// Swaps the runs into `live`; the copy takes the same rows.
template <class T>
void swapIn(std::vector<RowRun<typename RowsOf<T>::Type>>& runs, T& live, T& copy) {
    for (auto& run : runs) {
        const int count = static_cast<int>(run.rows.size());
        run.rows = replace(live, run.at, run.liveCount, std::move(run.rows));
        replace(copy, run.at, static_cast<int>(run.rows.size()), readRows(live, run.at, count));
        run.liveCount = count;
    }
}

template <class T> bool sameTable(const T& a, const T& b) {
    const int end = used(a);
    if (used(b) != end)
        return false;
    for (int i = 1; i <= end; ++i)
        if (!RowsOf<T>::same(a, i, b, i))
            return false;
    return true;
}

} // namespace

struct TableCopy::Copy {
    store::FixTable fixes;
    store::RunwayTable runways;
    store::SIDTable sids;
    store::STARTable stars;
    store::STARRunwayGrid starRunways;
};

bool TableChanges::empty() const {
    return fixes.empty() && runways.empty() && sids.empty() && stars.empty() && starRunways.empty();
}

TableCopy::TableCopy(TrackedTables live) : live_(live) {}

TableCopy::~TableCopy() = default;

void TableCopy::take() {
    copy_ = std::make_unique<Copy>();
    if (live_.fixes)
        copy_->fixes = *live_.fixes;
    if (live_.runways)
        copy_->runways = *live_.runways;
    if (live_.sids)
        copy_->sids = *live_.sids;
    if (live_.stars)
        copy_->stars = *live_.stars;
    if (live_.starRunways)
        copy_->starRunways = *live_.starRunways;
}

void TableCopy::release() {
    copy_.reset();
}

TableChanges TableCopy::changes() {
    TableChanges c;
    if (!copy_)
        return c;
    if (live_.fixes)
        c.fixes = compare(copy_->fixes, *live_.fixes);
    if (live_.runways)
        c.runways = compare(copy_->runways, *live_.runways);
    if (live_.sids)
        c.sids = compare(copy_->sids, *live_.sids);
    if (live_.stars)
        c.stars = compare(copy_->stars, *live_.stars);
    if (live_.starRunways)
        c.starRunways = compare(copy_->starRunways, *live_.starRunways);
    return c;
}

void TableCopy::swap(TableChanges& c) {
    if (!copy_)
        return;
    if (live_.fixes)
        swapIn(c.fixes, *live_.fixes, copy_->fixes);
    if (live_.runways)
        swapIn(c.runways, *live_.runways, copy_->runways);
    if (live_.sids)
        swapIn(c.sids, *live_.sids, copy_->sids);
    if (live_.stars)
        swapIn(c.stars, *live_.stars, copy_->stars);
    if (live_.starRunways)
        swapIn(c.starRunways, *live_.starRunways, copy_->starRunways);
}

bool TableCopy::current() const {
    if (!copy_)
        return true;
    return (!live_.fixes || sameTable(*live_.fixes, copy_->fixes)) &&
           (!live_.runways || sameTable(*live_.runways, copy_->runways)) &&
           (!live_.sids || sameTable(*live_.sids, copy_->sids)) &&
           (!live_.stars || sameTable(*live_.stars, copy_->stars)) &&
           (!live_.starRunways || sameTable(*live_.starRunways, copy_->starRunways));
}

} // namespace procedures
