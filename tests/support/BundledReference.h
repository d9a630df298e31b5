#pragma once

#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixFile.h"

#include <filesystem>
#include <string>

namespace support {

// A file shipped with the program; each test program is told where they are.
inline std::filesystem::path bundledFile(const std::string& relative) {
    return std::filesystem::path(VEXTREL_DATA_DIR) / relative;
}

// The bundled reference tables, read once for the whole test program.
struct BundledReference {
    reference::NavaidTable navaids =
        reference::loadNavaids(bundledFile("reference/AllFlyNavaids.txt"));
    reference::AirportTable airports =
        reference::loadAirports(bundledFile("reference/AllFlyAirports.txt"));
    reference::UserFixTable userFixes =
        reference::loadUserFixes(bundledFile("reference/UserFixes.txt"));
};

inline const BundledReference& bundled() {
    static const BundledReference tables;
    return tables;
}

} // namespace support
