#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace runtime {

// The error numbers the screens branch on.
enum ErrorNumber : int {
    TypeMismatch = 13,
    FileNotFound = 53,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const std::string& detail = {});
    int number() const { return number_; }

private:
    int number_;
};

// The error for a file that could not be opened: 76 when its folder is
// missing, 53 when only the file is, else the platform's reason.
RuntimeError openError(const std::filesystem::path& file, int err);

} // namespace runtime
