#include "runtime/TextFiles.h"

#include "runtime/RuntimeError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace runtime {

namespace fs = std::filesystem;

std::string readWholeFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        throw RuntimeError(PathFileAccessError, file.string());
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f)
        throw openError(file, errno);
    std::string content;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        content.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw RuntimeError(PathFileAccessError, file.string());
    return content;
}

bool fileExists(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

namespace {

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void writeFileReplacing(const fs::path& target, const std::string& content) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw RuntimeError(PathNotFound, target.string());
    if (fs::is_directory(target, ec))
        throw RuntimeError(PathFileAccessError, target.string());
    std::random_device rd;
    const fs::path temp =
        folder / ("." + target.filename().string() + "." + std::to_string(rd()) + ".tmp");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw openError(temp, errno);
    const bool written = writeAll(fd, content);
    const int writeErr = errno;
    const bool synced = written && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || !synced) {
        fs::remove(temp, ec);
        throw RuntimeError(writeErr == ENOSPC ? DiskFull : PathFileAccessError, target.string());
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw RuntimeError(PermissionDenied, target.string());
    }
}

LineReader LineReader::open(const fs::path& file) {
    return LineReader(readWholeFile(file));
}

std::string LineReader::readLine() {
    if (atEnd())
        throw RuntimeError(InputPastEndOfFile, "line past end of file");
    const std::size_t end = data_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) {
        std::string line = data_.substr(pos_);
        pos_ = data_.size();
        return line;
    }
    std::string line = data_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n')
        ++pos_;
    return line;
}

} // namespace runtime
