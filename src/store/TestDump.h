#pragma once

#include "store/ProcedureStore.h"

#include <filesystem>
#include <string>

namespace store {

// Debug dump of the procedure tables to folder / ("Z" + label + ".txt"):
// the label, then STARs, SIDs, the first 39 Fixes and Runways, one row per
// record with its index, the fields in fixed columns.
void PrintTestData(const std::filesystem::path& folder, const std::string& label,
                   const ProcedureStore& store, const ProcedureCounters& counters);

// The dump's text, as PrintTestData writes it.
std::string testDataText(const std::string& label, const ProcedureStore& store,
                         const ProcedureCounters& counters);

} // namespace store
