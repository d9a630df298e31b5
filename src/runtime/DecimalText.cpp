#include "runtime/DecimalText.h"

#include <charconv>
#include <cstdint>

namespace runtime {

namespace {

// Exact powers of ten: every one up to 1e22 is a double without rounding.
constexpr double exactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The common case of the reference files, "-122.309": with at most 15
// digits the digits and the power of ten are exact doubles, so one division
// rounds exactly as a full conversion would. False for anything else.
bool parseShortDecimal(std::string_view text, double& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    const char* const first = p;
    std::uint64_t digits = 0;
    while (p != end && *p >= '0' && *p <= '9')
        digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    const char* const point = p;
    if (p != end && *p == '.')
        for (++p; p != end && *p >= '0' && *p <= '9'; ++p)
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    // Checked after the loops, which may have wrapped: a long text goes the
    // slow way anyway.
    const bool hasPoint = point != end && *point == '.';
    const auto count = (p - first) - hasPoint;
    const auto decimals = hasPoint ? p - point - 1 : 0;
    if (p != end || count == 0 || count > 15)
        return false;
    const double magnitude = static_cast<double>(digits) / exactPowersOfTen[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool parseDecimal(std::string_view text, double& value) {
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    // from_chars would also read "inf" and "nan": after one sign only a digit
    // or a point may follow. It takes no "+", so that one is dropped.
    const std::size_t sign = !text.empty() && (text.front() == '+' || text.front() == '-');
    if (text.size() <= sign || !((text[sign] >= '0' && text[sign] <= '9') || text[sign] == '.'))
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);
    if (parseShortDecimal(text, value))
        return true;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace runtime
