#include "runtime/TextFiles.h"

#include "runtime/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace runtime {

namespace fs = std::filesystem;

// Reading goes through the C library's descriptors on both systems; only
// the names differ.
namespace {

#ifdef _WIN32
int openForReading(const fs::path& file) {
    return ::_wopen(file.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

// The size of a plain file; false for anything else.
bool plainFileSize(int fd, std::size_t& size) {
    struct _stat64 info {};
    if (::_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG)
        return false;
    size = static_cast<std::size_t>(info.st_size);
    return true;
}

long long readSome(int fd, char* into, std::size_t bytes) {
    return ::_read(fd, into, static_cast<unsigned>(std::min<std::size_t>(bytes, 1u << 30)));
}

void closeFile(int fd) {
    ::_close(fd);
}
#else
int openForReading(const fs::path& file) {
    return ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
}

bool plainFileSize(int fd, std::size_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    size = static_cast<std::size_t>(info.st_size);
    return true;
}

long long readSome(int fd, char* into, std::size_t bytes) {
    return ::read(fd, into, bytes);
}

void closeFile(int fd) {
    ::close(fd);
}
#endif

} // namespace

std::string readWholeFile(const fs::path& file) {
    std::error_code ec;
    if (fs::is_directory(file, ec))
        throw RuntimeError(PathFileAccessError, file.string(), file, 0);
    const int fd = openForReading(file);
    if (fd < 0)
        throw openError(file, errno);
    // Sized once from the file's length (one byte more, to meet the end
    // without growing): growing by chunks copies a large file several times.
    std::size_t expected = 0;
    if (!plainFileSize(fd, expected))
        expected = 0;
    std::string content(expected + 1, '\0');
    std::size_t done = 0;
    bool failed = false;
    for (;;) {
        if (done == content.size())
            content.resize(done + 65536);
        const long long n = readSome(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed = n < 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    content.resize(done);
    closeFile(fd);
    if (failed)
        throw RuntimeError(PathFileAccessError, file.string(), file, 0);
    return content;
}

BlockReader::BlockReader(const fs::path& file) {
    fd_ = openForReading(file);
    if (fd_ >= 0 && !plainFileSize(fd_, fileSize_)) {
        closeFile(fd_);
        fd_ = -1;
        fileSize_ = 0;
    }
    if (fd_ < 0)
        return;
    // Large enough for few reads, small enough to stay in the cache; left
    // uninitialised, as every byte used is read into it first.
    capacity_ = 64 * 1024;
    buffer_.reset(new char[capacity_]);
}

BlockReader::~BlockReader() {
    if (fd_ >= 0)
        closeFile(fd_);
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
            const std::size_t last =
                std::string_view(buffer_.get() + scanned, filled_ - scanned).rfind('\n');
            if (last != std::string_view::npos)
                return std::string_view(buffer_.get(), scanned + last + 1);
            // A line longer than the buffer: it grows to hold it.
            scanned = filled_;
            auto larger = std::unique_ptr<char[]>(new char[capacity_ * 2]);
            std::memcpy(larger.get(), buffer_.get(), filled_);
            buffer_ = std::move(larger);
            capacity_ *= 2;
        }
        const long long n = readSome(fd_, buffer_.get() + filled_, capacity_ - filled_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            closeFile(fd_);
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

#ifndef _WIN32
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
#endif

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

#ifndef _WIN32
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
#endif

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

#ifdef _WIN32
// Windows' reasons as the numbers the screens branch on.
int errorNumberOf(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return PermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return DiskFull;
    case ERROR_PATH_NOT_FOUND:
        return PathNotFound;
    default:
        return PathFileAccessError;
    }
}

// The new content in a file of its own, on the disk before it replaces the
// target. It takes the old file's hidden, system and archive marks. A
// read-only target is refused before anything is written, as Windows refuses
// the move over it (Wine would make it).
void writeTemporary(const fs::path& temp, const fs::path& real, const std::string& content,
                    const fs::path& target) {
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD old = ::GetFileAttributesW(real.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY) != 0)
        throw RuntimeError(PermissionDenied, target.string(), target, 0);
    const DWORD attributes =
        old == INVALID_FILE_ATTRIBUTES || (old & kept) == 0 ? FILE_ATTRIBUTE_NORMAL : old & kept;
    const HANDLE file =
        ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) // the target's name means something to the user
        throw RuntimeError(errorNumberOf(::GetLastError()), target.string(), target, 0);
    DWORD error = ERROR_SUCCESS;
    for (std::size_t done = 0; done < content.size() && error == ERROR_SUCCESS;) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, content.data() + done, chunk, &written, nullptr))
            error = ::GetLastError();
        done += written;
    }
    if (error == ERROR_SUCCESS && !::FlushFileBuffers(file))
        error = ::GetLastError();
    ::CloseHandle(file);
    if (error != ERROR_SUCCESS) {
        ::DeleteFileW(temp.c_str());
        throw RuntimeError(errorNumberOf(error) == DiskFull ? DiskFull : PathFileAccessError,
                           target.string());
    }
}

// One move, which either replaces the target or leaves it as it was; it
// returns when the move is on the disk.
void replaceTarget(const fs::path& temp, const fs::path& real, const fs::path& target) {
    if (!::MoveFileExW(temp.c_str(), real.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        throw RuntimeError(PermissionDenied, target.string());
    }
}
#else
void writeTemporary(const fs::path& temp, const fs::path& real, const std::string& content,
                    const fs::path& target) {
    struct stat old {};
    const bool replacing = ::stat(real.c_str(), &old) == 0;
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
        std::error_code ec;
        fs::remove(temp, ec);
        throw RuntimeError(writeErr == ENOSPC ? DiskFull : PathFileAccessError, target.string());
    }
}

void replaceTarget(const fs::path& temp, const fs::path& real, const fs::path& target) {
    std::error_code ec;
    fs::rename(temp, real, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw RuntimeError(PermissionDenied, target.string());
    }
    syncFolder(real.has_parent_path() ? real.parent_path() : fs::path("."));
}
#endif

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
    std::random_device rd;
    const fs::path temp = realFolder / (tempPrefix(real) + std::to_string(rd()) + ".tmp");
    writeTemporary(temp, real, content, target);
    replaceTarget(temp, real, target);
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
