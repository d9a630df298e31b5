#pragma once

#include "shell/Module1.h"

#include <string>

namespace editortest {

// What every editor command keeps: the tables written as an airport file
// read back as the same tables, the counters equal to the rows in use, every
// SID with a runway and every fix a row uses defined in Fixes. Returns the
// first violation found, or "".
std::string checkInvariant(const shell::Module1& m);
// The same without writing and reading back.
std::string checkLayout(const shell::Module1& m);

} // namespace editortest
