// Reading and writing an airport file that fills every procedure table.
#include "store/AirportReader.h"
#include "store/AirportWriter.h"
#include "store/FullAirport.h" // tests/store

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const std::string& fullFile() {
    static const std::string file = fullairport::fullAirportFile();
    return file;
}

const store::FileHeader header{fullairport::Icao, fullairport::AirportName, fullairport::AuthorName,
                               fullairport::DateText};

void ReadFullAirportFile(benchmark::State& state) {
    auto store = std::make_unique<store::ProcedureStore>();
    for (auto _ : state) {
        store::ClearArrays(*store);
        store::ProcedureCounters counters;
        const auto result = store::LoadData(fullFile(), *store, counters);
        if (!result.ok)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(counters);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fullFile().size()));
}
BENCHMARK(ReadFullAirportFile)->Unit(benchmark::kMillisecond);

void WriteFullAirportFile(benchmark::State& state) {
    auto store = std::make_unique<store::ProcedureStore>();
    store::ProcedureCounters loaded;
    store::LoadData(fullFile(), *store, loaded);
    for (auto _ : state) {
        store::ProcedureCounters counters = loaded;
        const std::string text = store::PrintTheSidStarFile(*store, counters, header);
        if (text != fullFile())
            state.SkipWithError("the written file differs from the one read");
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fullFile().size()));
}
BENCHMARK(WriteFullAirportFile)->Unit(benchmark::kMillisecond);

// Clearing the tables is part of every editor opening and save.
void ClearTheProcedureTables(benchmark::State& state) {
    auto store = std::make_unique<store::ProcedureStore>();
    for (auto _ : state)
        store::ClearArrays(*store);
}
BENCHMARK(ClearTheProcedureTables)->Unit(benchmark::kMicrosecond);

} // namespace
