#pragma once

#include "reference/UserFixTable.h"
#include "runtime/Sequential.h"

#include <filesystem>
#include <string>

namespace reference {

inline constexpr const char* UserFixFileName = "UserFixes.txt";

// Records of eleven fields to the end of the input: Name, TypeOfID, LatDeg,
// LatMin, HemLat, LongDeg, LongMin, HemLong, VOR, Heading, VORDist. An empty
// cell is an empty text. Throws runtime::RuntimeError: 62 on a record cut
// short, 13 on a number field that is not a number, 6 on a number beyond
// single precision or more records than the table holds.
UserFixTable readUserFixes(runtime::SequentialReader& reader);
UserFixTable parseUserFixes(std::string content);
// Also 53/76 when the file cannot be opened.
UserFixTable loadUserFixes(const std::filesystem::path& file);

// The file's text for rows 1..UserFixCount, arc points and unnamed rows left
// out: texts quoted, coordinate cells quoted or nothing when empty, the two
// numbers bare.
std::string formatUserFixes(const UserFixTable& userFixes);

// Writes formatUserFixes to `file` through a temporary file, so a failed save
// leaves the old file intact. Throws runtime::RuntimeError.
void SaveFixes(const UserFixTable& userFixes, const std::filesystem::path& file);

} // namespace reference
