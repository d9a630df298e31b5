#include "runtime/RuntimeError.h"

#include <cerrno>
#include <system_error>

namespace runtime {

namespace {
std::string describe(int number, const std::string& detail, const std::filesystem::path& file,
                     int line) {
    std::string text = "runtime error " + std::to_string(number);
    if (!detail.empty())
        text += ": " + detail;
    if (line > 0)
        text += " in " + file.string() + ", line " + std::to_string(line);
    return text;
}
} // namespace

RuntimeError::RuntimeError(int number, const std::string& detail)
    : RuntimeError(number, detail, {}, 0) {}

RuntimeError::RuntimeError(int number, const std::string& detail, std::filesystem::path file,
                           int line)
    : std::runtime_error(describe(number, detail, file, line)), number_(number), detail_(detail),
      file_(std::move(file)), line_(line) {}

RuntimeError openError(const std::filesystem::path& file, int err) {
    std::error_code ec;
    const auto parent = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(parent, ec))
        return RuntimeError(PathNotFound, file.string(), file, 0);
    switch (err) {
    case ENOENT:
        return RuntimeError(FileNotFound, file.string(), file, 0);
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError(PermissionDenied, file.string(), file, 0);
    case ENOSPC:
        return RuntimeError(DiskFull, file.string(), file, 0);
    default:
        return RuntimeError(PathFileAccessError, file.string(), file, 0);
    }
}

} // namespace runtime
