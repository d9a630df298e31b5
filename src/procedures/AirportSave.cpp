#include "procedures/AirportSave.h"

#include "runtime/Numbers.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"

#include <system_error>

namespace procedures {

namespace fs = std::filesystem;

namespace {
const std::string CRLF = "\r\n";

// The ICAO code names a file: letters and digits only, nothing that could
// reach another folder or make a name the selection screen cannot list.
bool isFileSafeCode(const std::string& icao) {
    for (const char c : icao) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit)
            return false;
    }
    return !icao.empty();
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

std::string reason(int number) {
    switch (number) {
    case runtime::DiskFull:
        return "the disk is full";
    case runtime::PermissionDenied:
        return "the file or its folder is read-only, or another program holds the file";
    case runtime::PathFileAccessError:
        return "the file or its folder cannot be written";
    case runtime::PathNotFound:
        return "its folder is missing";
    case runtime::FileNotFound:
        return "the file is missing";
    default:
        return "error" + runtime::printedNumber(number);
    }
}
} // namespace

std::variant<SaveTarget, Refusal> chooseSaveTarget(const fs::path& dataFolder,
                                                   const fs::path& opened,
                                                   const std::string& openedICAO,
                                                   const std::string& icao) {
    if (!opened.empty() && icao == openedICAO)
        return SaveTarget{opened, false};
    if (!isFileSafeCode(icao))
        return Refusal{"The ICAO code " + icao + " names the airport file." + CRLF +
                           "Please use letters and digits only.",
                       Field::ICAO};
    const fs::path file = dataFolder / (icao + ".txt");
    if (!opened.empty() && sameFile(file, opened))
        return SaveTarget{opened, false};
    return SaveTarget{file, runtime::fileExists(file)};
}

std::optional<SaveFailure> saveAirportAndUserFixes(const fs::path& airportFile,
                                                   const std::string& airportText,
                                                   const fs::path& userFixFile,
                                                   const std::string& userFixText,
                                                   const FileWriter& write) {
    std::optional<std::string> oldAirport;
    try {
        if (runtime::fileExists(airportFile))
            oldAirport = runtime::readWholeFile(airportFile);
        write(airportFile, airportText);
    } catch (const runtime::RuntimeError& error) {
        return SaveFailure{airportFile, error.number()};
    }
    try {
        write(userFixFile, userFixText);
    } catch (const runtime::RuntimeError& error) {
        SaveFailure failure{userFixFile, error.number()};
        try {
            if (oldAirport) {
                write(airportFile, *oldAirport);
            } else {
                std::error_code ec;
                fs::remove(airportFile, ec);
                failure.filesIntact = !ec;
            }
        } catch (const runtime::RuntimeError&) {
            failure.filesIntact = false;
        }
        return failure;
    }
    return std::nullopt;
}

std::string saveFailureMessage(const SaveFailure& failure) {
    return "The procedures were not saved." + CRLF + failure.file.string() +
           " could not be written: " + reason(failure.number) + "." + CRLF +
           (failure.filesIntact
                ? "The airport file and the user fixes were left as they were."
                : "The airport file was written, but the user fixes were not saved with it.") +
           CRLF + "Your changes are still here: remove the cause and save again.";
}

} // namespace procedures
