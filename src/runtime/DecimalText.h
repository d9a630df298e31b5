#pragma once

#include <cstdint>
#include <string_view>

namespace runtime {

// The value of a number field, independent of the locale: spaces (and other
// white space) before it, an optional sign, digits with an optional point,
// an optional exponent, nothing after. No "inf", "nan" or hex form; a value
// beyond double range is refused. False when refused.
bool parseDecimal(std::string_view text, double& value);

// Exact powers of ten: every one up to 1e22 is a double without rounding.
inline constexpr double ExactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The common form of the reference files, "-122.309": an optional minus,
// digits with an optional point, 1 to 15 digits in all. Reads from `p` to the
// first byte that does not belong to it and returns that position, or nullptr
// when the text there is not of this form. With at most 15 digits the digits
// and the power of ten are exact doubles, so one division rounds exactly as a
// full conversion would.
inline const char* scanShortDecimal(const char* p, const char* end, double& value) {
    const bool negative = p != end && *p == '-';
    p += negative;
    const char* const first = p;
    std::uint64_t digits = 0;
    while (p != end && *p >= '0' && *p <= '9')
        digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    const bool hasPoint = p != end && *p == '.';
    std::ptrdiff_t decimals = 0;
    if (hasPoint) {
        const char* const point = p++;
        while (p != end && *p >= '0' && *p <= '9')
            digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
        decimals = p - point - 1;
    }
    // Checked after the loops, which may have wrapped: a long number is
    // refused here anyway.
    const std::ptrdiff_t count = (p - first) - hasPoint;
    if (count <= 0 || count > 15)
        return nullptr;
    const double magnitude = static_cast<double>(digits) / ExactPowersOfTen[decimals];
    value = negative ? -magnitude : magnitude;
    return p;
}

} // namespace runtime
