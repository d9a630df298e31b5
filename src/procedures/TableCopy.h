#pragma once

#include "store/ProcedureStore.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace procedures {

// The tables one editor changes; a table left null is not kept.
struct TrackedTables {
    store::FixTable* fixes = nullptr;
    store::RunwayTable* runways = nullptr;
    store::SIDTable* sids = nullptr;
    store::STARTable* stars = nullptr;
    store::STARRunwayGrid* starRunways = nullptr;
};

// The runways of one STAR, a row of the runway grid.
using STARRunwayRow = std::array<std::string, store::RunwaysPerSTAR>;

// A run of rows of one table: the live table holds `liveCount` rows from
// row `at`; `rows` are the rows of the other state, which take their place
// (and push or pull the rows after them) when the run is swapped in.
template <class Row> struct RowRun {
    int at = 0;
    int liveCount = 0;
    std::vector<Row> rows;
};

// What one step changed, as runs of rows holding the state the tables are
// not in: the rows before the step while it is done, after it while undone.
// Rows that moved as a block (a leg removed from the middle) are not stored.
struct TableChanges {
    std::vector<RowRun<store::FixRecord>> fixes;
    std::vector<RowRun<store::RunwayWaypoint>> runways;
    std::vector<RowRun<store::SIDWaypoint>> sids;
    std::vector<RowRun<store::STARWaypoint>> stars;
    std::vector<RowRun<STARRunwayRow>> starRunways;

    bool empty() const;
};

// A copy of the tracked tables as the last step left them: what changed
// since is found by comparing the live tables with it.
class TableCopy {
public:
    explicit TableCopy(TrackedTables live);
    ~TableCopy();
    TableCopy(const TableCopy&) = delete;
    TableCopy& operator=(const TableCopy&) = delete;

    // Copies the live tables.
    void take();
    void release();
    bool taken() const { return copy_ != nullptr; }
    // The changes since the copy was last brought up to date, which it now is.
    TableChanges changes();
    // The live tables (and the copy with them) take the rows `changes`
    // holds, and `changes` takes the rows they had: a step undone or redone.
    void swap(TableChanges& changes);
    // The live tables equal the copy.
    bool current() const;

private:
    struct Copy;
    TrackedTables live_;
    std::unique_ptr<Copy> copy_;
};

} // namespace procedures
