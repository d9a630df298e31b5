#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Texts are bytes; upper-casing touches ASCII letters only.
std::string toUpper(std::string_view text);
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
// A text quoted in a message: at most `limit` bytes of it, then "...", so a
// runaway token in a file cannot make a message of megabytes.
std::string clipped(std::string_view text, std::size_t limit = 40);

// Ordinal comparison on the bytes as unsigned values.
int compareOrdinal(std::string_view a, std::string_view b);
inline bool lessOrdinal(std::string_view a, std::string_view b) {
    return compareOrdinal(a, b) < 0;
}

} // namespace runtime
