#pragma once

#include "runtime/TextFiles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// The logical lines of an airport file. A line that begins with "RNW ",
// "SID " or "STAR " takes the following physical lines as its continuation
// until one begins with "RNW ", "ENDR", "SID ", "ENDS", "STAR " or "/"; that
// one is held back and becomes the next logical line. Continuations are
// appended unchanged, so they have to begin with a space.
class LogicalLines {
public:
    explicit LogicalLines(std::string_view content) : lines_(std::string(content)) {}

    // The next logical line; false at the end of the file. A line held back
    // when the file ends is still returned.
    bool next(std::string& line);

    // Logical lines taken so far, comments and skipped lines included.
    int count() const { return count_; }
    // The physical line (from 1) on which logical line `logical` begins; 0
    // for one not yet taken.
    int physicalLine(int logical) const;

private:
    runtime::LineReader lines_;
    std::optional<std::string> pending_;
    int count_ = 0;
    int physical_ = 0;           // physical lines read
    std::vector<int> starts_{0}; // physical start of each logical line
};

bool startsProcedureLine(std::string_view line);
bool endsContinuation(std::string_view line);

} // namespace store
