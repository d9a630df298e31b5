#pragma once

#include <filesystem>

namespace ui {

// Where the program finds and keeps its files. A portable program keeps all
// of them in its own folder; an installed one reads its reference files from
// the shared data folder and keeps the user's files in the user's folders.
struct Folders {
    std::filesystem::path program;   // the executable's folder
    std::filesystem::path reference; // navaid and airport files, read only
    std::filesystem::path settings;  // the settings files
    std::filesystem::path userData;  // the user-fix file and table dumps

    static Folders portable(const std::filesystem::path& folder) {
        return {folder, folder, folder, folder};
    }
};

} // namespace ui
