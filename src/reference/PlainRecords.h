#pragma once

#include "runtime/DecimalText.h"
#include "runtime/Sequential.h"
#include "runtime/TextFiles.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace reference::plain {

// Steps over the layout the simulator writes its reference files in: each
// field a quoted text or a short plain decimal, fields separated by single
// commas, each record ended by CR LF, LF or the end of the file. Each step
// takes the field at `p` and returns the position past its separator, or
// nullptr on anything else (spaces, an empty or long number, an exponent, a
// blank line, ...): the loaders then leave that record and all after it to
// the general reader, whose results these match.

inline const char* afterComma(const char* p, const char* end) {
    return p != nullptr && p != end && *p == ',' ? p + 1 : nullptr;
}

inline const char* afterRecordEnd(const char* p, const char* end) {
    if (p == nullptr || p == end)
        return p;
    if (*p == '\n')
        return p + 1;
    return *p == '\r' && end - p >= 2 && p[1] == '\n' ? p + 2 : nullptr;
}

// A quoted text and the comma after it.
inline const char* text(const char* p, const char* end, std::string_view& value) {
    if (p == nullptr || p == end || *p != '"')
        return nullptr;
    const char* const first = ++p;
    while (p != end && *p != '"')
        ++p;
    if (p == end)
        return nullptr;
    value = std::string_view(first, static_cast<std::size_t>(p - first));
    return afterComma(p + 1, end);
}

// A number into single precision as the general reader stores it: rounded
// to double first. At most 15 digits cannot exceed the single range.
inline const char* number(const char* p, const char* end, float& value) {
    double read = 0;
    if (p == nullptr || (p = runtime::scanShortDecimal(p, end, read)) == nullptr)
        return nullptr;
    value = static_cast<float>(read);
    return p;
}

// Feeds the file to `take` a block at a time; `take` takes records in the
// usual layout and returns the bytes it took. Returns a general reader over
// the whole file, positioned at the first record `take` left, or nothing when
// it took everything. A file that cannot be read in blocks goes to the
// general reader whole, which reports why it cannot be read.
template <class Take>
std::optional<runtime::SequentialReader>
takeInBlocks(runtime::BlockReader& blocks, const std::filesystem::path& file, Take take) {
    for (std::string_view lines; !(lines = blocks.lines()).empty();) {
        const std::size_t taken = take(lines);
        blocks.take(taken);
        if (taken < lines.size())
            break;
    }
    if (blocks.done())
        return std::nullopt;
    auto reader = runtime::SequentialReader::open(file);
    reader.skip(blocks.taken());
    return reader;
}

} // namespace reference::plain
