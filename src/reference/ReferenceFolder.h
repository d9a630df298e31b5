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

// The three reference files, as start-up reads them: the navaid and airport
// files of `folder`, the user-fix file of `userFixFolder` (the same folder
// when empty). A missing user-fix or airport file is an empty table, a
// missing navaid file is error 53. Throws runtime::RuntimeError; nothing is
// returned half-read.
ReferenceTables loadReferenceFolder(const std::filesystem::path& folder,
                                    const std::filesystem::path& userFixFolder = {});

} // namespace reference
