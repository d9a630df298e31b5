#pragma once

#include "shell/Module1.h"

#include <string>

namespace editortest {

// The layout every editor command keeps: SIDs and STARs unbroken from row 1,
// each STAR's Elements equal to its rows, the counters equal to the rows in
// use, every SID ending in exactly one EndOfRunway row, every fix a row uses
// defined in Fixes, and the tables written and read back giving the same
// procedures. Returns the first violation found, or "".
std::string checkInvariant(const shell::Module1& m);
// The same without writing and reading back: cheap enough for every step of
// a long random run.
std::string checkLayout(const shell::Module1& m);

} // namespace editortest
