#pragma once

#include "procedures/Refusal.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace procedures {

// The file Save All Procedures writes. A file the editor opened is written
// back under its own name, whatever its name beyond the four-character code
// ("KSEA - Copy.txt" stays itself and never replaces "KSEA.txt"). Any other
// target is built from the typed code and, when a file of that name is
// there already, replaced only after the user agrees.
struct SaveTarget {
    std::filesystem::path file;
    bool replacesAnotherFile = false;
};

// `opened` is the file the editor opened (empty for a new airport) and
// `openedICAO` the code its box showed then. Refuses a typed code that
// cannot name a file.
std::variant<SaveTarget, Refusal> chooseSaveTarget(const std::filesystem::path& dataFolder,
                                                   const std::filesystem::path& opened,
                                                   const std::string& openedICAO,
                                                   const std::string& icao);

// Writes one whole file; the program replaces it through a temporary file.
using FileWriter = std::function<void(const std::filesystem::path&, const std::string&)>;

// What a failed save could not write, and why (a runtime error number).
struct SaveFailure {
    std::filesystem::path file;
    int number = 0;
    // False only when the airport file was written, the user fixes failed
    // and the old airport file could not be put back either.
    bool filesIntact = true;
};

// Writes the airport file, then the user fixes. When the second write fails
// the airport file gets its old content back (or goes again when it is
// new), so a failed save changes neither file. Nothing when both were
// written.
std::optional<SaveFailure> saveAirportAndUserFixes(const std::filesystem::path& airportFile,
                                                   const std::string& airportText,
                                                   const std::filesystem::path& userFixFile,
                                                   const std::string& userFixText,
                                                   const FileWriter& write);

// The message that tells the user which file failed, why, and that the
// edits are still there to be saved again.
std::string saveFailureMessage(const SaveFailure& failure);

} // namespace procedures
