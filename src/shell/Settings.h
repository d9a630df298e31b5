#pragma once

#include "shell/Module1.h"
#include "ui/Folders.h"

#include <filesystem>
#include <string>

namespace shell {

inline constexpr const char* SettingsFileName = "Vextrel.INI";

// The step angle as the program writes it when it has read none: the
// printed number 10 followed by a space.
std::string defaultStepAngle();

// A folder as the settings files keep it: upper case where file names
// ignore case (Windows); elsewhere upper-casing would name another folder,
// so the text is kept as it is.
std::string storedFolder(const std::string& folder);

// The simulator folder's airport files: <FlyFolder>/PMDG.
std::filesystem::path dataFolderOf(const std::string& flyFolder);

// Writes the settings file anew: folder, author, step angle, each on a line
// of its own, and the extra lines given.
void writeSettings(const std::filesystem::path& file, const std::string& folder,
                   const std::string& author, const std::string& stepAngle,
                   int emptyLinesAfter = 0);

// Loads UserFixes.txt (from the user's data folder) and AllFlyAirports.txt
// when they exist, and AllFlyNavaids.txt (both from the reference folder).
// Throws runtime::RuntimeError.
void loadReferenceFiles(Module1& m, const ui::Folders& folders);

} // namespace shell
