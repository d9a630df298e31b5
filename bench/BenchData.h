#pragma once

#include <filesystem>

// The files the benchmarks read: the bundled reference files and the large
// navaid file kept with the benchmarks.
namespace benchdata {

inline std::filesystem::path bundled(const char* name) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / "reference" / name;
}

inline std::filesystem::path large(const char* name) {
    return std::filesystem::path(VEXTREL_BENCH_DATA_DIR) / name;
}

} // namespace benchdata
