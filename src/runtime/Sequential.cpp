#include "runtime/Sequential.h"

#include "runtime/Numbers.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"

#include <cmath>
#include <cstdlib>

namespace runtime {

SequentialReader SequentialReader::open(const std::filesystem::path& file) {
    return SequentialReader(readWholeFile(file));
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
        throw RuntimeError(InputPastEndOfFile, "record past end of file");
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
    const char* begin = cell.text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || !std::isfinite(value) ||
        cell.text.find_first_of("xXnNiI") != std::string::npos)
        throw RuntimeError(TypeMismatch, "not a number: " + cell.text);
    return value;
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
