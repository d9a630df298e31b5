#pragma once

#include "store/ProcedureStore.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace store {

struct ReadResult {
    bool ok = true;
    int line = 0;           // logical line of the refusal
    std::string token;      // the token refused, or the keyword that could not be carried out
    std::string message;    // the exact text to show the user
    int physicalLine = 0;   // the line of the file on which the logical line begins
    bool tableFull = false; // refused because the tables cannot hold the file
};

// The next token of `currentLine` from the 1-based `tokenPos`, which is left
// on the space after it. Only spaces separate tokens; "" at the end.
std::string GetToken(std::string_view currentLine, std::size_t& tokenPos);

// Reads an airport file into the tables and sets the counters. A file that
// holds an unknown element, or that the tables cannot carry, is refused:
// then the tables are empty and the counters zero again.
ReadResult LoadData(std::string_view content, ProcedureStore& store, ProcedureCounters& counters);

// Throws runtime::RuntimeError when the file cannot be opened.
ReadResult LoadDataFromFile(const std::filesystem::path& file, ProcedureStore& store,
                            ProcedureCounters& counters);

} // namespace store
