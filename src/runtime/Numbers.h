#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// The printed form of a number: at most 7 (float) or 15 (double)
// significant digits, no zero before the point, one space before a number
// that is not negative. 0.5f -> " .5", -0.5f -> "-.5", 1e7f -> " 1E+07".
std::string printedNumber(float value);
std::string printedNumber(double value);
std::string printedNumber(std::int64_t value);
inline std::string printedNumber(int value) {
    return printedNumber(std::int64_t{value});
}
inline std::string printedNumber(short value) {
    return printedNumber(std::int64_t{value});
}

// The printed form without its sign space, as comma-separated files write
// numbers.
std::string bareNumber(double value);

// Whole text, spaces allowed around it: [+-]digits[.digits] or [+-].digits.
bool isNumeric(std::string_view text);

// The value of the leading number of a text; spaces, tabs and line feeds are
// ignored everywhere, parsing stops at the first other character, 0 when
// there is no number. "1,000" -> 1, " 2 45 7" -> 2457.
double val(std::string_view text);

// The "#0.00####" pattern: at least one digit before the point, two to six
// after, rounded half away from zero.
std::string formatMinutes(double value);

} // namespace runtime
