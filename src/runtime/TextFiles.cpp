#include "runtime/TextFiles.h"

#include "runtime/RuntimeError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime {

namespace fs = std::filesystem;

std::string readWholeFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        throw RuntimeError(PathFileAccessError, file.string(), file, 0);
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw openError(file, errno);
    // Sized once from the file's length (one byte more, to meet the end
    // without growing): growing by chunks copies a large file several times.
    struct stat info {};
    const std::size_t expected =
        ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    std::string content(expected + 1, '\0');
    std::size_t done = 0;
    bool failed = false;
    for (;;) {
        if (done == content.size())
            content.resize(done + 65536);
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed = n < 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    content.resize(done);
    ::close(fd);
    if (failed)
        throw RuntimeError(PathFileAccessError, file.string(), file, 0);
    return content;
}

BlockReader::BlockReader(const fs::path& file) {
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        return;
    }
    fileSize_ = static_cast<std::size_t>(info.st_size);
    // Large enough for few reads, small enough to stay in the cache; left
    // uninitialised, as every byte used is read into it first.
    capacity_ = 64 * 1024;
    buffer_.reset(new char[capacity_]);
}

BlockReader::~BlockReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::string_view BlockReader::lines() {
    if (fd_ < 0)
        return {};
    std::memmove(buffer_.get(), buffer_.get() + begin_, filled_ - begin_);
    filled_ -= begin_;
    begin_ = 0;
    std::size_t scanned = 0;
    for (;;) {
        if (atEnd_)
            return std::string_view(buffer_.get(), filled_);
        if (filled_ == capacity_) {
            const char* const last = static_cast<const char*>(
                ::memrchr(buffer_.get() + scanned, '\n', filled_ - scanned));
            if (last != nullptr)
                return std::string_view(buffer_.get(),
                                        static_cast<std::size_t>(last - buffer_.get()) + 1);
            // A line longer than the buffer: it grows to hold it.
            scanned = filled_;
            auto larger = std::unique_ptr<char[]>(new char[capacity_ * 2]);
            std::memcpy(larger.get(), buffer_.get(), filled_);
            buffer_ = std::move(larger);
            capacity_ *= 2;
        }
        const ssize_t n = ::read(fd_, buffer_.get() + filled_, capacity_ - filled_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd_);
            fd_ = -1;
            return {};
        }
        if (n == 0)
            atEnd_ = true;
        filled_ += static_cast<std::size_t>(n);
    }
}

void BlockReader::take(std::size_t bytes) {
    begin_ = bytes;
    taken_ += bytes;
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

// The file a chain of links ends at; the path itself when it is no link.
// The end may not exist yet: a dangling link is written through, too.
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    throw RuntimeError(PathFileAccessError, "too many links: " + path.string());
}

// Temporary files of `file` are "." + its name + "." + digits + ".tmp".
// Appended in place: GCC 12 warns wrongly of overlapping copies (-Wrestrict)
// on "." + name at -O3.
std::string tempPrefix(const fs::path& file) {
    std::string prefix(1, '.');
    prefix += file.filename().string();
    prefix += '.';
    return prefix;
}

// The new file takes the old one's owner, group and mode; a process that may
// not give a file away keeps what it can (the group it belongs to, the mode).
void keepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno == EPERM)
        (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    (void)!::fchmod(fd, old.st_mode & 07777);
}

// The rename itself reaches the disk only with its folder.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A save that was killed leaves its temporary file behind; the next save of
// the same file clears it away.
void removeStaleTemporaries(const fs::path& file) {
    const std::string prefix = tempPrefix(file);
    const std::string suffix = ".tmp";
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix))
            continue;
        const std::string_view middle = std::string_view(name).substr(
            prefix.size(), name.size() - prefix.size() - suffix.size());
        if (middle.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        std::error_code ignored;
        fs::remove(entry.path(), ignored);
    }
}

} // namespace

void writeFileReplacing(const fs::path& target, const std::string& content) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw RuntimeError(PathNotFound, target.string());
    // A link stays a link: the file it names is the one replaced.
    const fs::path real = followLinks(target);
    const fs::path realFolder = real.has_parent_path() ? real.parent_path() : fs::path(".");
    if (fs::is_directory(real, ec))
        throw RuntimeError(PathFileAccessError, target.string());
    struct stat old {};
    const bool replacing = ::stat(real.c_str(), &old) == 0;
    std::random_device rd;
    const fs::path temp = realFolder / (tempPrefix(real) + std::to_string(rd()) + ".tmp");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) // the target's name, not the temporary's, means something to the user
        throw RuntimeError(openError(temp, errno).number(), target.string(), target, 0);
    if (replacing)
        keepOwnerAndMode(fd, old);
    const bool written = writeAll(fd, content);
    const int writeErr = errno;
    const bool synced = written && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || !synced) {
        fs::remove(temp, ec);
        throw RuntimeError(writeErr == ENOSPC ? DiskFull : PathFileAccessError, target.string());
    }
    fs::rename(temp, real, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw RuntimeError(PermissionDenied, target.string());
    }
    syncFolder(realFolder);
    removeStaleTemporaries(real);
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
