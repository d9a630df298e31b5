#include "reference/ReferenceFolder.h"

#include "reference/UserFixFile.h"
#include "runtime/TextFiles.h"

namespace reference {

ReferenceTables loadReferenceFolder(const std::filesystem::path& folder,
                                    const std::filesystem::path& userFixFolder) {
    ReferenceTables tables;
    const auto& fixFolder = userFixFolder.empty() ? folder : userFixFolder;
    if (const auto file = fixFolder / UserFixFileName; runtime::fileExists(file))
        tables.userFixes = loadUserFixes(file);
    if (const auto file = folder / AirportFileName; runtime::fileExists(file))
        tables.airports = loadAirports(file);
    tables.navaids = loadNavaids(folder / NavaidFileName);
    return tables;
}

} // namespace reference
