#pragma once

#include "store/Records.h"
#include "store/Table.h"

#include <cstdint>

namespace store {

constexpr int FixCapacity = 700;
constexpr int RunwayCapacity = 400;
constexpr int SIDCapacity = 600;
constexpr int STARCapacity = 600;
constexpr int STARLimit = 40;
constexpr int RunwaysPerSTAR = 40;

using FixTable = Table<FixRecord, FixCapacity>;
using RunwayTable = Table<RunwayWaypoint, RunwayCapacity>;
using SIDTable = Table<SIDWaypoint, SIDCapacity>;
using STARTable = Table<STARWaypoint, STARCapacity>;
using STARRunwayGrid = Grid<STARLimit, RunwaysPerSTAR>;

// The airport in memory: its fixes, runway transitions, SIDs, STARs and the
// runways of every STAR, with the counters that go with the tables.
struct ProcedureStore {
    FixTable Fixes;
    std::int32_t FixCount = 0;
    RunwayTable Runways;
    std::int16_t RunwayCount = 0;
    STARRunwayGrid STARRunways;
    SIDTable SIDs;
    STARTable STARs;
    Flag FixesDefined = False;
};

// The editor's counters that the reader sets and the writer uses.
struct ProcedureCounters {
    std::int16_t STARRowCount = 0;
    std::int16_t SIDRowNext = 0;
    std::int16_t SIDCount = 0;
    std::int16_t STARCount = 0;
    std::int16_t STARNumber = 0;
    std::int16_t STARRunwaySlot = 0;

    bool operator==(const ProcedureCounters&) const = default;
};

// Empties STARs, STARRunways, SIDs, Fixes and Runways; counters stay.
void ClearArrays(ProcedureStore& store);

// Row of Fixes whose Name equals `name` (ordinal), or 0.
std::int16_t SearchForFix(const FixTable& fixes, const std::string& name);

} // namespace store
