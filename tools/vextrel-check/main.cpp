#include "CheckCommand.h"

#include <ctime>
#include <filesystem>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define VEXTREL_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define VEXTREL_ISATTY(fd) isatty(fd)
#endif

namespace {

std::filesystem::path toolFolder(const char* argv0) {
#ifdef _WIN32
    // argv[0] is what was typed, often without folder or ".exe".
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n == 0)
            break;
        if (n < module.size())
            return std::filesystem::path(module.substr(0, n)).parent_path();
        module.resize(module.size() * 2);
    }
#else
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self.parent_path();
#endif
    return std::filesystem::absolute(argv0).parent_path();
}

// Today in the short date form the sample files carry (month/day/year).
std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
           std::to_string(local.tm_year + 1900);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    check::Options options;
    std::string error;
    if (!check::parseArguments(args, toolFolder(argv[0]), today(), options, error)) {
        std::cerr << "vextrel-check: " << error << "\n"
                  << "usage: vextrel-check [OPTION]... FILE|FOLDER...  (--help for more)\n";
        return 2;
    }
    if (options.help) {
        check::printHelp(std::cout);
        return 0;
    }
    if (options.version) {
        std::cout << "vextrel-check " VEXTREL_VERSION "\n";
        return 0;
    }
    options.progress = VEXTREL_ISATTY(2) != 0;
    return check::runCheck(options, std::cout, std::cerr);
}
