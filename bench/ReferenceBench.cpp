#include "BenchData.h"

#include "reference/AirportTable.h"
#include "reference/NavaidLookup.h"
#include "reference/NavaidTable.h"
#include "runtime/TextFiles.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path navaidsFile = benchdata::bundled("AllFlyNavaids.txt");
const fs::path largeNavaidsFile = benchdata::large("AllFlyNavaidsLarge.txt");
const fs::path airportsFile = benchdata::bundled("AllFlyAirports.txt");

void setFileCounters(benchmark::State& state, const fs::path& file, std::int64_t records) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["records"] = static_cast<double>(records);
}

// What reading the bytes alone costs, as a floor for the loaders.
void BM_ReadWholeFile(benchmark::State& state, const fs::path& file) {
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::readWholeFile(file));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
}
BENCHMARK_CAPTURE(BM_ReadWholeFile, navaids, navaidsFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadWholeFile, navaidsLarge, largeNavaidsFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadWholeFile, airports, airportsFile)->Unit(benchmark::kMillisecond);

void BM_LoadNavaids(benchmark::State& state, const fs::path& file) {
    std::int64_t records = 0;
    for (auto _ : state) {
        const reference::NavaidTable table = reference::loadNavaids(file);
        records = table.size();
        benchmark::DoNotOptimize(table.NavaidLetterRanges());
    }
    setFileCounters(state, file, records);
}
BENCHMARK_CAPTURE(BM_LoadNavaids, bundled, navaidsFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadNavaids, large, largeNavaidsFile)->Unit(benchmark::kMillisecond);

void BM_LoadAirports(benchmark::State& state, const fs::path& file) {
    std::int64_t records = 0;
    for (auto _ : state) {
        const reference::AirportTable table = reference::loadAirports(file);
        records = table.size();
        benchmark::DoNotOptimize(records);
    }
    setFileCounters(state, file, records);
}
BENCHMARK_CAPTURE(BM_LoadAirports, bundled, airportsFile)->Unit(benchmark::kMillisecond);

// 10,000 identifiers from rows spread evenly over the table.
std::vector<std::string> sampleIdentifiers(const reference::NavaidTable& table) {
    constexpr std::int32_t count = 10000;
    std::vector<std::string> ids;
    ids.reserve(count);
    for (std::int32_t i = 0; i < count; ++i)
        ids.push_back(
            table[1 + static_cast<std::int32_t>(std::int64_t{i} * table.size() / count)].NavaidID);
    return ids;
}

// Each lookup starts from the same reference (none, or Seattle), so every
// identifier costs the same in each run.
void BM_LookUpNavaid(benchmark::State& state, const fs::path& file,
                     reference::ReferencePosition start) {
    const reference::NavaidTable table = reference::loadNavaids(file);
    const std::vector<std::string> ids = sampleIdentifiers(table);
    std::int64_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const std::string& id : ids) {
            reference::ReferencePosition position = start;
            found += reference::LookUpNavaid(table, id, position);
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(ids.size()));
    state.counters["found"] = static_cast<double>(found);
}
const reference::ReferencePosition noReference{0, 0};
const reference::ReferencePosition seattle{47.45, -122.31};
BENCHMARK_CAPTURE(BM_LookUpNavaid, bundledNoReference, navaidsFile, noReference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookUpNavaid, bundledSeattle, navaidsFile, seattle)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookUpNavaid, largeNoReference, largeNavaidsFile, noReference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LookUpNavaid, largeSeattle, largeNavaidsFile, seattle)
    ->Unit(benchmark::kMicrosecond);

} // namespace
