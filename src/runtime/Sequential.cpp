#include "runtime/Sequential.h"

#include "runtime/DecimalText.h"
#include "runtime/Numbers.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

#include <algorithm>

namespace runtime {

SequentialReader SequentialReader::open(const std::filesystem::path& file) {
    return SequentialReader(readWholeFile(file), file);
}

bool SequentialReader::atEnd() const {
    for (std::size_t i = pos_; i < data_.size(); ++i)
        if (data_[i] != ' ' && data_[i] != '\r' && data_[i] != '\n')
            return false;
    return true;
}

std::size_t SequentialReader::lineFeedsLeft() const {
    // A plain count: a library search per line costs a call for every
    // thirty bytes of a reference file.
    const std::string_view left = rest();
    return static_cast<std::size_t>(std::count(left.begin(), left.end(), '\n'));
}

std::size_t SequentialReader::separatorFrom(std::size_t from) const {
    const char* const begin = data_.data();
    const char* p = begin + from;
    const char* const end = begin + data_.size();
    while (p != end && *p != ',' && *p != '\r' && *p != '\n')
        ++p;
    return static_cast<std::size_t>(p - begin);
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

std::string_view SequentialReader::nextField(bool& quoted) {
    if (pos_ >= data_.size())
        fail(InputPastEndOfFile, "the record ends before its last field");
    while (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;
    const std::string_view all = data_;
    std::string_view field;
    quoted = pos_ < data_.size() && data_[pos_] == '"';
    if (quoted) {
        const std::size_t close = data_.find('"', pos_ + 1);
        const std::size_t end = close == std::string::npos ? data_.size() : close;
        field = all.substr(pos_ + 1, end - pos_ - 1);
        // Anything between the closing quote and the separator is ignored.
        pos_ = separatorFrom(end == data_.size() ? end : end + 1);
    } else {
        const std::size_t end = separatorFrom(pos_);
        std::size_t last = end;
        while (last > pos_ && data_[last - 1] == ' ')
            --last;
        field = all.substr(pos_, last - pos_);
        pos_ = end;
    }
    skipSeparator();
    return field;
}

Cell SequentialReader::readCell() {
    bool quoted = false;
    const std::string_view field = nextField(quoted);
    return {std::string(field), !quoted && field.empty()};
}

double SequentialReader::readNumber() {
    bool quoted = false;
    const std::string_view field = nextField(quoted);
    double value = 0;
    if (!field.empty() && !parseDecimal(field, value))
        fail(TypeMismatch, "not a number: \"" + clipped(field) + "\"");
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
