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

// An error number, what went wrong, and where when a file is to blame: the
// number is what callers branch on, the file and line what the user needs.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const std::string& detail = {});
    // `line` is the file's physical line, 1-based; 0 when the file as a whole
    // is at fault.
    RuntimeError(int number, const std::string& detail, std::filesystem::path file, int line);
    int number() const { return number_; }
    const std::string& detail() const { return detail_; }
    // Empty when no file is to blame.
    const std::filesystem::path& file() const { return file_; }
    int line() const { return line_; }

private:
    int number_;
    std::string detail_;
    std::filesystem::path file_;
    int line_ = 0;
};

// The error for a file that could not be opened: 76 when its folder is
// missing, 53 when only the file is, else the platform's reason.
RuntimeError openError(const std::filesystem::path& file, int err);

} // namespace runtime
