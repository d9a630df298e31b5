#pragma once

#include "runtime/TextFiles.h"
#include <algorithm>

#include <filesystem>
#include <string>
#include <string_view>

namespace runtime {

// One field of a comma-separated record. `empty` marks a field with nothing
// in it (an empty cell), as against a quoted empty text.
struct Cell {
    std::string text;
    bool empty = true;
};

// Reads comma-separated records field by field: leading spaces skipped, a
// quoted field runs to the next quote, a bare one to a comma or line end.
// Errors name the file and the physical line where the current record began.
class SequentialReader {
public:
    explicit SequentialReader(std::string content, std::filesystem::path file = {})
        : data_(std::move(content)), file_(std::move(file)), pos_(byteOrderMarkLength(data_)) {}
    static SequentialReader open(const std::filesystem::path& file);

    // True when nothing but spaces and line ends is left.
    bool atEnd() const;
    // Line feeds from here to the end: a table's size, to reserve it once.
    std::size_t lineFeedsLeft() const;
    // The text from the current position on, for a caller that takes whole
    // records in a layout it knows itself, then moves past them with skip().
    std::string_view rest() const {
        return std::string_view(data_).substr(std::min(pos_, data_.size()));
    }
    void skip(std::size_t bytes) { pos_ += bytes; }
    // Marks where the next record begins, for the line errors report.
    void beginRecord() { recordStart_ = pos_; }
    Cell readCell();
    std::string readText() { return readCell().text; }
    // An empty field is 0; a field parseDecimal refuses is error 13.
    double readNumber();
    // Throws RuntimeError `number` located at the current record.
    [[noreturn]] void fail(int number, const std::string& detail) const;

private:
    void skipSeparator();
    std::size_t separatorFrom(std::size_t from) const;
    // The next field's text within the data, and past its separator.
    std::string_view nextField(bool& quoted);
    int recordLine() const;
    std::string data_;
    std::filesystem::path file_;
    std::size_t pos_ = 0;
    std::size_t recordStart_ = 0;
};

// Writes records as the reader reads them: texts quoted, numbers bare,
// CR LF after each record.
class SequentialWriter {
public:
    void text(const std::string& value);
    void number(double value);
    void number(float value);
    void cell(const std::string& value); // quoted text, or nothing when empty
    void endRecord();
    const std::string& content() const { return out_; }

private:
    void separate();
    std::string out_;
    bool firstField_ = true;
};

} // namespace runtime
