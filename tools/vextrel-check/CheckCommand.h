#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace check {

struct Options {
    std::vector<std::filesystem::path> inputs;
    std::filesystem::path writeFolder; // empty: check only
    std::string dateText;
    std::string author;
    std::filesystem::path airportsFile;
    std::filesystem::path referenceFolder; // empty: no reference report
};

// Parses the command line; on a usage error returns false with `error` set.
bool parseArguments(const std::vector<std::string>& args, const std::filesystem::path& toolFolder,
                    const std::string& today, Options& options, std::string& error);

// Runs the checks, printing one line per file; the exit status.
int runCheck(const Options& options, std::ostream& out, std::ostream& err);

} // namespace check
