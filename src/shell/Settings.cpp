#include "shell/Settings.h"

#include "reference/ReferenceFolder.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

namespace shell {

std::string defaultStepAngle() {
    return runtime::printedNumber(10) + " ";
}

std::string storedFolder(const std::string& folder) {
#ifdef _WIN32
    return runtime::toUpper(folder);
#else
    return folder;
#endif
}

std::filesystem::path dataFolderOf(const std::string& flyFolder) {
    return std::filesystem::path(flyFolder) / "PMDG";
}

void writeSettings(const std::filesystem::path& file, const std::string& folder,
                   const std::string& author, const std::string& stepAngle, int emptyLinesAfter) {
    runtime::LineWriter out;
    out.print(folder);
    out.print(author);
    out.print(stepAngle);
    for (int i = 0; i < emptyLinesAfter; ++i)
        out.print("");
    out.saveTo(file);
}

void loadReferenceFiles(Module1& m, const ui::Folders& folders) {
    // Read in full before any table changes, so a file that fails half-way
    // never leaves a partial table behind to be saved later.
    auto tables = reference::loadReferenceFolder(folders.reference, folders.userData);
    m.UserFixTable = std::move(tables.userFixes);
    m.AirportTable = std::move(tables.airports);
    m.NavaidTable = std::move(tables.navaids);
}

} // namespace shell
