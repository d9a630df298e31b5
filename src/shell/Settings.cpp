#include "shell/Settings.h"

#include "reference/UserFixFile.h"
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

void loadReferenceFiles(Module1& m, const std::filesystem::path& programFolder) {
    m.UserFixTable = {};
    const auto userFixes = programFolder / reference::UserFixFileName;
    if (runtime::fileExists(userFixes))
        m.UserFixTable = reference::loadUserFixes(userFixes);
    m.AirportTable = {};
    const auto airports = programFolder / reference::AirportFileName;
    if (runtime::fileExists(airports))
        m.AirportTable = reference::loadAirports(airports);
    m.NavaidTable = reference::loadNavaids(programFolder / reference::NavaidFileName);
}

} // namespace shell
