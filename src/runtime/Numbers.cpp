#include "runtime/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime {

namespace {

// Significant digits (trailing zeros dropped) and decimal exponent of |value|
// rounded to `digits` significant digits.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double magnitude, int digits) {
    // to_chars rounds exactly as printf does, without the C library's locale.
    char buf[64];
    const auto out =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, digits - 1);
    Decimal d;
    const char* p = buf;
    for (; p != out.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    if (p != out.ptr) {
        const char* exp = p + 1;
        if (*exp == '+')
            ++exp;
        std::from_chars(exp, out.ptr, d.exponent);
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::string formatPrinted(double value, int digits) {
    if (std::isnan(value))
        return " NaN";
    if (std::isinf(value))
        return value > 0 ? " Infinity" : "-Infinity";
    if (value == 0)
        return " 0";
    const std::string sign = value < 0 ? "-" : " ";
    const Decimal d = toDecimal(std::fabs(value), digits);
    const int k = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    std::string body;
    if (e >= digits || (e < 0 && (-e - 1) + k > digits)) {
        body = d.digits.substr(0, 1);
        if (k > 1) {
            body += '.';
            body += d.digits.substr(1);
        }
        const std::string exponent = std::to_string(std::abs(e));
        body += std::string(e < 0 ? "E-" : "E+") + (exponent.size() < 2 ? "0" : "") + exponent;
    } else if (e >= 0) {
        const int intDigits = e + 1;
        if (k <= intDigits) {
            body = d.digits + std::string(static_cast<std::size_t>(intDigits - k), '0');
        } else {
            body = d.digits.substr(0, static_cast<std::size_t>(intDigits)) + "." +
                   d.digits.substr(static_cast<std::size_t>(intDigits));
        }
    } else {
        body = '.';
        body.append(static_cast<std::size_t>(-e - 1), '0');
        body += d.digits;
    }
    return sign + body;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string printedNumber(float value) {
    return formatPrinted(static_cast<double>(value), 7);
}
std::string printedNumber(double value) {
    return formatPrinted(value, 15);
}

std::string printedNumber(std::int64_t value) {
    std::string text = value < 0 ? "" : " ";
    text += std::to_string(value);
    return text;
}

std::string bareNumber(double value) {
    std::string text = printedNumber(value);
    return text[0] == ' ' ? text.substr(1) : text;
}

bool isNumeric(std::string_view text) {
    std::size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    while (n > i && text[n - 1] == ' ')
        --n;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t intDigits = 0;
    while (i < n && isDigit(text[i]))
        ++i, ++intDigits;
    if (i < n && text[i] == '.') {
        ++i;
        std::size_t fracDigits = 0;
        while (i < n && isDigit(text[i]))
            ++i, ++fracDigits;
        if (fracDigits == 0)
            return false;
    } else if (intDigits == 0) {
        return false;
    }
    return i == n;
}

double val(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i]))
        number += s[i++], anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && isDigit(s[i]))
            number += s[i++], anyDigit = true;
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp += s[j++];
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]) && exp.size() < 8)
                exp += s[j++];
            number += exp;
        }
    }
    double result = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), result);
    if (ec == std::errc::result_out_of_range)
        return 0;
    return ec == std::errc() && end != first && std::isfinite(result) ? result : 0;
}

std::string formatMinutes(double value) {
    if (!std::isfinite(value))
        return "0.00";
    const bool negative = value < 0;
    std::string intPart = "0", frac;
    if (value != 0) {
        const Decimal d = toDecimal(std::fabs(value), 15);
        if (d.exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
            std::string padded = d.digits;
            if (padded.size() < intDigits)
                padded.append(intDigits - padded.size(), '0');
            intPart = padded.substr(0, intDigits);
            frac = padded.substr(intDigits);
        } else {
            frac = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        }
    }
    if (frac.size() > 6) {
        const bool roundUp = frac[6] >= '5';
        frac.resize(6);
        if (roundUp) {
            std::string all = intPart + frac;
            incrementDigits(all);
            intPart = all.substr(0, all.size() - 6);
            frac = all.substr(all.size() - 6);
        }
    }
    while (frac.size() > 2 && frac.back() == '0')
        frac.pop_back();
    while (frac.size() < 2)
        frac += '0';
    const bool zero = intPart.find_first_not_of('0') == std::string::npos &&
                      frac.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + intPart + "." + frac;
}

} // namespace runtime
