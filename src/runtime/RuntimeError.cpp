#include "runtime/RuntimeError.h"

#include <cerrno>
#include <system_error>

namespace runtime {

namespace {
std::string describe(int number, const std::string& detail) {
    std::string text = "runtime error " + std::to_string(number);
    if (!detail.empty())
        text += ": " + detail;
    return text;
}
} // namespace

RuntimeError::RuntimeError(int number, const std::string& detail)
    : std::runtime_error(describe(number, detail)), number_(number) {}

RuntimeError openError(const std::filesystem::path& file, int err) {
    std::error_code ec;
    const auto parent = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(parent, ec))
        return RuntimeError(PathNotFound, file.string());
    switch (err) {
    case ENOENT:
        return RuntimeError(FileNotFound, file.string());
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError(PermissionDenied, file.string());
    case ENOSPC:
        return RuntimeError(DiskFull, file.string());
    default:
        return RuntimeError(PathFileAccessError, file.string());
    }
}

} // namespace runtime
