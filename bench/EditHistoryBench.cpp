// The undo history on an airport filled to every capacity: its memory after
// 10,000 steps, the time of one undo, next to one edit and one full copy of
// the tables (the other way to keep a step).
#include "procedures/EditHistory.h"
#include "procedures/ProcedureEdits.h"
#include "store/AirportReader.h"
#include "store/FullAirport.h" // tests/store

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

// Bytes the program holds on the heap, counted by the allocator's own sizes.
namespace {
std::atomic<long long> heapBytes{0};
}

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    heapBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
void operator delete(void* p) noexcept {
    if (p != nullptr)
        heapBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

struct Counts {
    store::ProcedureCounters counters;
    std::int32_t fixCount = 0;
    bool operator==(const Counts&) const = default;
};

struct Airport {
    store::ProcedureStore store;
    store::ProcedureCounters counters;
    procedures::EditHistory<Counts, int> history{
        {&store.Fixes, &store.Runways, &store.SIDs, &store.STARs, &store.STARRunways}};
    std::vector<int> sidStarts;

    Airport() {
        store::LoadData(fullairport::fullAirportFile(), store, counters);
        for (int row = 1; row <= store::SIDCapacity && !store.SIDs[row].Name.empty(); ++row)
            if (row == 1 || store.SIDs[row - 1].EndOfRunway != store::False)
                sidStarts.push_back(row);
    }
    procedures::ProcedureTables tables() { return {store, counters}; }
    procedures::ProcedureAt sid(int k) {
        const int start = sidStarts[static_cast<std::size_t>(k) % sidStarts.size()];
        return {start, procedures::sidLegsAt(store.SIDs, start)};
    }
    Counts counts() const { return {counters, store.FixCount}; }

    // One edit of the mix a user makes: a leg moved, a fix renamed in every
    // procedure that names it, a leg removed and put back.
    void edit(int i) {
        const procedures::ProcedureAt at = sid(i);
        switch (i % 4) {
        case 0:
        case 1:
            procedures::moveSIDLegDown(tables(), at, 0);
            break;
        case 2: {
            const int row = 1 + i % 50;
            store::FixRecord fix = store.Fixes[row];
            const std::string name =
                fix.Name.back() == 'Z' ? fix.Name.substr(0, 6) : fix.Name + "Z";
            procedures::changeFix(store, row, name, fix);
            break;
        }
        default: {
            const store::SIDWaypoint removed = store.SIDs[at.start + 1];
            procedures::removeSIDLeg(tables(), at, 1);
            procedures::Leg leg;
            leg.navaid = removed.VOR;
            leg.fix = removed.Fix;
            leg.alt = removed.Alt;
            procedures::addSIDLeg(tables(), {at.start, at.legs - 1}, removed.Name, {}, leg);
        }
        }
    }
};

constexpr std::size_t Steps = 10000;

void HistoryMemoryAfter10000Steps(benchmark::State& state) {
    for (auto _ : state) {
        auto airport = std::make_unique<Airport>();
        const long long tables = heapBytes;
        airport->history.start(airport->counts());
        const long long started = heapBytes;
        // Edits the rules refuse change nothing and make no step.
        int recorded = 0;
        for (int i = 0; static_cast<std::size_t>(recorded) < Steps; ++i) {
            airport->edit(i);
            recorded += airport->history.record("edit", airport->counts(), i, i) ? 1 : 0;
        }
        state.counters["steps"] = recorded;
        state.counters["copy_of_tables_MB"] = static_cast<double>(started - tables) / 1e6;
        state.counters["history_MB"] = static_cast<double>(heapBytes - tables) / 1e6;
        state.counters["per_step_bytes"] =
            static_cast<double>(heapBytes - started) / static_cast<double>(recorded);
    }
}
BENCHMARK(HistoryMemoryAfter10000Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

// Undo on a history of 10,000 steps; when none is left, all are redone
// outside the timing.
void UndoOneStep(benchmark::State& state) {
    auto airport = std::make_unique<Airport>();
    airport->history.start(airport->counts());
    for (int i = 0; airport->history.size() < Steps; ++i) {
        airport->edit(i);
        airport->history.record("edit", airport->counts(), i, i);
    }
    for (auto _ : state) {
        if (!airport->history.canUndo()) {
            state.PauseTiming();
            while (airport->history.canRedo())
                airport->history.redo();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(airport->history.undo());
    }
}
BENCHMARK(UndoOneStep)->Unit(benchmark::kMicrosecond);

// The baselines: one edit with its record (the diff against the copy), and
// one whole copy of the tables.
void EditAndRecordOneStep(benchmark::State& state) {
    auto airport = std::make_unique<Airport>();
    airport->history.start(airport->counts());
    int i = 0;
    for (auto _ : state) {
        airport->edit(i);
        airport->history.record("edit", airport->counts(), i, i);
        ++i;
    }
}
BENCHMARK(EditAndRecordOneStep)->Unit(benchmark::kMicrosecond);

void EditOnly(benchmark::State& state) {
    auto airport = std::make_unique<Airport>();
    int i = 0;
    for (auto _ : state)
        airport->edit(i++);
}
BENCHMARK(EditOnly)->Unit(benchmark::kMicrosecond);

void CopyAllTables(benchmark::State& state) {
    auto airport = std::make_unique<Airport>();
    const long long before = heapBytes;
    for (auto _ : state) {
        auto copy = std::make_unique<store::ProcedureStore>(airport->store);
        state.counters["copy_MB"] = static_cast<double>(heapBytes - before) / 1e6;
        benchmark::DoNotOptimize(copy.get());
    }
}
BENCHMARK(CopyAllTables)->Unit(benchmark::kMicrosecond);

} // namespace
