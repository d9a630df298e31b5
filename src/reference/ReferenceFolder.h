#pragma once

#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixTable.h"

#include <filesystem>

namespace reference {

struct ReferenceTables {
    UserFixTable userFixes;
    AirportTable airports;
    NavaidTable navaids;
};

// The three reference files of one folder, as start-up reads them: a missing
// user-fix or airport file is an empty table, a missing navaid file is error
// 53. Throws runtime::RuntimeError; nothing is returned half-read.
ReferenceTables loadReferenceFolder(const std::filesystem::path& folder);

} // namespace reference
