#include "runtime/Sequential.h"

#include "runtime/Numbers.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace runtime {

SequentialReader SequentialReader::open(const std::filesystem::path& file) {
    return SequentialReader(readWholeFile(file), file);
}

bool SequentialReader::atEnd() const {
    return data_.find_first_not_of(" \r\n", pos_) == std::string::npos;
}

void SequentialReader::skipSeparator() {
    while (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',') {
        ++pos_;
    } else if (data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
    } else if (data_[pos_] == '\n') {
        ++pos_;
    }
}

Cell SequentialReader::readCell() {
    if (pos_ >= data_.size())
        fail(InputPastEndOfFile, "the record ends before its last field");
    while (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    Cell cell;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        const std::size_t close = data_.find('"', pos_ + 1);
        const std::size_t end = close == std::string::npos ? data_.size() : close;
        cell.text = data_.substr(pos_ + 1, end - pos_ - 1);
        cell.empty = false;
        pos_ = close == std::string::npos ? data_.size() : close + 1;
        // Anything between the closing quote and the separator is ignored.
        const std::size_t sep = data_.find_first_of(",\r\n", pos_);
        pos_ = sep == std::string::npos ? data_.size() : sep;
    } else {
        const std::size_t sep = data_.find_first_of(",\r\n", pos_);
        const std::size_t end = sep == std::string::npos ? data_.size() : sep;
        std::size_t last = end;
        while (last > pos_ && data_[last - 1] == ' ')
            --last;
        cell.text = data_.substr(pos_, last - pos_);
        cell.empty = cell.text.empty();
        pos_ = end;
    }
    skipSeparator();
    return cell;
}

double SequentialReader::readNumber() {
    const Cell cell = readCell();
    if (cell.text.empty())
        return 0;
    // Locale-free; spaces before a quoted number are skipped as before.
    std::string_view text = cell.text;
    text.remove_prefix(std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size()));
    // from_chars would also read "inf" and "nan": after one sign only a digit
    // or a point may follow. It takes no "+", so that one is dropped.
    const std::size_t sign = !text.empty() && (text.front() == '+' || text.front() == '-');
    const bool opens =
        text.size() > sign && ((text[sign] >= '0' && text[sign] <= '9') || text[sign] == '.');
    if (opens && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!opens || ec != std::errc() || end != text.data() + text.size())
        fail(TypeMismatch, "not a number: \"" + excerpt(cell.text) + "\"");
    return value;
}

void SequentialReader::fail(int number, const std::string& detail) const {
    throw RuntimeError(number, detail, file_, recordLine());
}

// Counted only when an error needs it: CR LF, a lone CR and a lone LF each
// end a line.
int SequentialReader::recordLine() const {
    int line = 1;
    const std::size_t end = std::min(recordStart_, data_.size());
    for (std::size_t i = 0; i < end; ++i)
        if (data_[i] == '\n' ||
            (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n')))
            ++line;
    return line;
}

void SequentialWriter::separate() {
    if (!firstField_)
        out_ += ',';
    firstField_ = false;
}

void SequentialWriter::text(const std::string& value) {
    separate();
    out_ += '"' + value + '"';
}

void SequentialWriter::cell(const std::string& value) {
    if (value.empty()) {
        separate();
        return;
    }
    text(value);
}

void SequentialWriter::number(double value) {
    separate();
    out_ += bareNumber(value);
}

void SequentialWriter::number(float value) {
    separate();
    const std::string printed = printedNumber(value);
    out_ += printed[0] == ' ' ? printed.substr(1) : printed;
}

void SequentialWriter::endRecord() {
    out_ += "\r\n";
    firstField_ = true;
}

} // namespace runtime
