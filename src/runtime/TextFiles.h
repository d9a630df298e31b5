#pragma once

#include <filesystem>
#include <string>

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

// Whole lines of a text: CR LF, a lone CR and a lone LF each end a line.
class LineReader {
public:
    explicit LineReader(std::string content) : data_(std::move(content)) {}
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
