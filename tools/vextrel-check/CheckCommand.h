#pragma once

#include "Report.h"

#include <filesystem>
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

namespace check {

struct Options {
    std::vector<std::filesystem::path> inputs;
    std::filesystem::path writeFolder; // empty: check only
    std::filesystem::path drawTo;      // --draw: pictures named after it
    std::string dateText;
    std::string author;
    std::filesystem::path airportsFile;
    std::filesystem::path referenceFolder; // the tables the checks use
    bool reportReference = false;          // --reference given: print its counts
    Format format = Format::Text;
    bool werror = false;
    std::set<std::string, std::less<>> disabled;
    bool help = false;
    bool version = false;
    bool progress = false; // the error stream is a terminal: show progress there
};

// The reference files beside the tool; for an installed tool, which has
// none beside it, those of the shared data folder.
std::filesystem::path defaultReferenceFolder(const std::filesystem::path& toolFolder);

// Parses the command line; on a usage error returns false with `error` set.
bool parseArguments(const std::vector<std::string>& args, const std::filesystem::path& toolFolder,
                    const std::string& today, Options& options, std::string& error);

// Runs the checks, printing the findings and a line per file; the exit
// status: 0 clean, 1 errors (or warnings with --werror), 2 when the
// reference tables cannot be read.
int runCheck(const Options& options, std::ostream& out, std::ostream& err);

void printHelp(std::ostream& out);

} // namespace check
