#pragma once

#include "store/ProcedureStore.h"

#include <filesystem>
#include <string>

namespace store {

struct FileHeader {
    std::string icao;
    std::string airportName; // empty when the airport is not in the airport table
    std::string authorName;  // no author lines when empty
    std::string dateText;    // today in the short date format
};

// The whole airport file, CR LF after every line. Sorts Fixes by name, and
// walks the STARs' runways with STARNumber and STARRunwaySlot, which it starts
// at 1 and leaves past the last STAR.
std::string PrintTheSidStarFile(ProcedureStore& store, ProcedureCounters& counters,
                                const FileHeader& header);

// Replaces the file through a temporary file beside it.
void writeAirportFile(const std::filesystem::path& file, const std::string& content);

} // namespace store
