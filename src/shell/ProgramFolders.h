#pragma once

#include "ui/Folders.h"

#include <filesystem>

namespace shell {

// The folders of an installed program, as the platform names them.
struct InstalledFolders {
    std::filesystem::path reference; // the shared data folder (share/vextrel)
    std::filesystem::path settings;  // the user's configuration folder
    std::filesystem::path userData;  // the user's data folder
};

// A program folder that holds the navaid file and may be written keeps
// everything, as a portable copy does; otherwise the installed folders are
// used.
ui::Folders chooseFolders(const std::filesystem::path& programFolder,
                          const InstalledFolders& installed);

// Makes the user's folders and gives the user a copy of the bundled
// user-fix file when there is none: the user's own is never replaced.
// Throws runtime::RuntimeError naming the file or folder at fault.
void placeUserFiles(const ui::Folders& folders);

} // namespace shell
