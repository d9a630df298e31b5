#include "procedures/EntryRules.h"

#include "runtime/Numbers.h"

namespace procedures {

namespace {

const std::string OnlyNumbers = "Enter only numbers please.";

std::string pleaseCorrect(const std::string& first, int blanks) {
    return first + "\r\n" + std::string(static_cast<std::size_t>(blanks), ' ') + "Please correct.";
}

std::string checkDegrees(std::string_view text, double limit, const char* tooLarge) {
    if (text.empty())
        return {};
    if (!runtime::isNumeric(text))
        return OnlyNumbers;
    if (runtime::val(text) > limit)
        return pleaseCorrect(tooLarge, 23);
    return {};
}

MinutesCheck checkMinutes(std::string_view minutes, std::string_view degrees, double limit,
                          const char* atLimit) {
    if (minutes.empty())
        return {};
    if (!runtime::isNumeric(minutes))
        return {std::string(minutes), OnlyNumbers};
    // The rewritten text is what stays in the box, so it is what is held
    // against the limits: 59.9999999 becomes "60.00" and is refused.
    MinutesCheck result{runtime::formatMinutes(runtime::val(minutes)), {}};
    const double value = runtime::val(result.text);
    if (runtime::val(degrees) == limit && value > 0)
        result.message = pleaseCorrect(atLimit, 25);
    else if (value >= 60)
        result.message = pleaseCorrect("Minutes must be less than 60.", 12);
    return result;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string tableFullMessage(const std::string& table, int limit, const std::string& unit) {
    return "The " + table + " table is full.\r\nIt holds at most" + runtime::printedNumber(limit) +
           " " + unit + ".";
}

std::string checkName(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Blanks and control characters split or break a line of the file;
        // the user-fix file has no escape for a quote.
        if (byte <= ' ' || byte == 0x7F || c == '"')
            return "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct.";
    }
    return {};
}

std::string checkNumber(std::string_view text) {
    return text.empty() || runtime::isNumeric(text) ? std::string() : OnlyNumbers;
}

std::string checkAltitude(std::string_view text) {
    // The spaces isNumeric allows around a number would be written too.
    const bool padded = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    return text.empty() || (!padded && runtime::isNumeric(text)) ? std::string() : OnlyNumbers;
}

std::string checkHeading(std::string_view text) {
    if (text.empty())
        return {};
    if (!runtime::isNumeric(text))
        return OnlyNumbers;
    const double value = runtime::val(text);
    if (value < 0 || value > 360)
        return "Only numbers between 0 and 360 please.";
    return {};
}

std::string checkLatitudeDegrees(std::string_view text) {
    return checkDegrees(text, 90, "There are no Latitude values greater than 90.");
}

std::string checkLongitudeDegrees(std::string_view text) {
    return checkDegrees(text, 180, "There are no Longitude values greater than 180.");
}

MinutesCheck checkLatitudeMinutes(std::string_view minutes, std::string_view degrees) {
    return checkMinutes(minutes, degrees, 90, "Latitude degrees is 90. Minutes must be zero.");
}

MinutesCheck checkLongitudeMinutes(std::string_view minutes, std::string_view degrees) {
    return checkMinutes(minutes, degrees, 180, "Longitude degrees is 180. Minutes must be zero.");
}

bool isRunwayDesignator(std::string_view text) {
    if (!text.empty()) {
        const char side = text.back();
        if (side == 'L' || side == 'C' || side == 'R' || side == 'l' || side == 'c' || side == 'r')
            text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 2 || !isDigit(text[0]) || !isDigit(text.back()))
        return false;
    const int number = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    return number <= 36;
}

std::string checkArcLabel(std::string_view label, int largestPointNumber) {
    if (std::string refusal = checkName(label); !refusal.empty())
        return refusal;
    const std::size_t digits =
        std::to_string(largestPointNumber < 1 ? 1 : largestPointNumber).size();
    if (label.size() + digits > FixNameLength)
        return pleaseCorrect("The arc's fix names would be longer than" +
                                 runtime::printedNumber(static_cast<int>(FixNameLength)) +
                                 " characters.",
                             12);
    return {};
}

std::string StripParentheses(std::string_view text) {
    if (text.empty() || text.front() != '(')
        return std::string(text);
    if (text.size() < 2)
        return {};
    return std::string(text.substr(1, text.size() - 2));
}

} // namespace procedures
