#pragma once

#include <string>
#include <vector>

namespace ui {

// The folder as the folder and file lists hold it: made absolute and
// normal, no trailing separator except at a root. A path that is not an
// existing folder is error 76.
std::string existingFolder(const std::string& path);

// The names of the subfolders, or of the files, of a folder, hidden ones
// (leading ".") left out, sorted case-insensitively with ties by bytes.
// An entry that cannot be read is skipped rather than failing the list.
std::vector<std::string> folderEntries(const std::string& folder, bool folders);

} // namespace ui
