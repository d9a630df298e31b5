#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace runtime {

// The whole content of a file. Throws RuntimeError 53/76/... when it cannot
// be opened.
std::string readWholeFile(const std::filesystem::path& file);

// Writes `content` to a temporary file beside `target`, then moves it over
// the target, so a failed write leaves the old file as it was. A link is
// followed and stays a link; the file keeps its mode and, where the process
// may, its owner. Temporaries a killed save of the same file left are removed.
void writeFileReplacing(const std::filesystem::path& target, const std::string& content);

bool fileExists(const std::filesystem::path& file);

// A file read a block of whole lines at a time into one buffer, for a loader
// that takes records as they come: holding a large file whole costs more in
// fresh memory than the parsing itself. Never throws; a file it cannot read
// is left to readWholeFile, which says why.
class BlockReader {
public:
    explicit BlockReader(const std::filesystem::path& file);
    ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    // 0 when the file could not be opened as a plain file.
    std::size_t fileSize() const { return fileSize_; }
    // The next lines: the bytes not yet taken, up to the last line feed read
    // (or the end of the file). Empty at the end or after a read error.
    std::string_view lines();
    // The first `bytes` of the last lines() are used; the rest come again.
    void take(std::size_t bytes);
    // Bytes of the file taken so far.
    std::size_t taken() const { return taken_; }
    // True when the whole file was read and taken.
    bool done() const { return atEnd_ && begin_ == filled_; }

private:
    int fd_ = -1;
    std::size_t fileSize_ = 0;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0; // first byte not taken
    std::size_t filled_ = 0;
    std::size_t taken_ = 0;
    bool atEnd_ = false;
};

// Editors on Windows start a UTF-8 file with a byte-order mark; readers
// begin after it.
inline std::size_t byteOrderMarkLength(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

// Whole lines of a text: CR LF, a lone CR and a lone LF each end a line.
class LineReader {
public:
    explicit LineReader(std::string content)
        : data_(std::move(content)), pos_(byteOrderMarkLength(data_)) {}
    static LineReader open(const std::filesystem::path& file);

    bool atEnd() const { return pos_ >= data_.size(); }
    // The next line without its ending; RuntimeError 62 past the end.
    std::string readLine();

private:
    std::string data_;
    std::size_t pos_ = 0;
};

// Lines as the program prints them: each ended by CR LF.
class LineWriter {
public:
    void print(const std::string& line) { out_ += line + "\r\n"; }
    const std::string& content() const { return out_; }
    void saveTo(const std::filesystem::path& target) const { writeFileReplacing(target, out_); }

private:
    std::string out_;
};

} // namespace runtime
