#pragma once

#include "reference/ReferenceFolder.h"
#include "store/ProcedureStore.h"

#include <filesystem>
#include <string>
#include <vector>

namespace check {

// Writes a picture of every SID and STAR of an airport, one image each,
// named after `out` (its folder, stem and extension, .svg or .png):
// "<stem>-<airport>-SID-SEA9.svg", a number added when a name repeats.
// Returns the files written; throws runtime::RuntimeError when one cannot be.
std::vector<std::filesystem::path> drawProcedures(const store::ProcedureStore& store,
                                                  const reference::ReferenceTables& tables,
                                                  const std::string& airport,
                                                  const std::filesystem::path& out);

// Whether pictures of this extension can be written by this build.
bool canDraw(const std::filesystem::path& out, std::string& why);

} // namespace check
