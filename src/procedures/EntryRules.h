#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The rules every box and every edit holds its text to. Each check returns
// the message that refuses the text, or "" when it passes; an empty text
// passes unless a rule says otherwise.
namespace procedures {

// Fix names are at most this long: the fix-name boxes hold ten characters,
// and a name the box cannot show whole would be cut by the next edit.
constexpr std::size_t FixNameLength = 10;

std::string checkNumber(std::string_view text);
std::string checkHeading(std::string_view text);
std::string checkLatitudeDegrees(std::string_view text);
std::string checkLongitudeDegrees(std::string_view text);

// An altitude restriction, as the reader takes it back: a plain decimal
// number ("6000", "-.5"); "6,000", "FL60" and "6000ft" are refused.
std::string checkAltitude(std::string_view text);

// A minutes box: its text rewritten in the minutes format (when numeric),
// and the refusal, if any, of that rewritten value given the degrees box
// beside it.
struct MinutesCheck {
    std::string text;
    std::string message;
};
MinutesCheck checkLatitudeMinutes(std::string_view minutes, std::string_view degrees);
MinutesCheck checkLongitudeMinutes(std::string_view minutes, std::string_view degrees);

// Names, identifiers and ID texts become single tokens of the airport file,
// where a space separates tokens, and quoted texts of the user-fix file: a
// blank, a control character or a double quote would be read back as
// something else.
std::string checkName(std::string_view text);

// A runway designator as the runway boxes take it: 0-36 written as a plain
// number (one or two digits), then optionally L, C or R with nothing between.
bool isRunwayDesignator(std::string_view text);

// The label of a DME arc's fixes: a name, short enough that the label and
// the largest point number still make a fix name of at most FixNameLength.
std::string checkArcLabel(std::string_view label, int largestPointNumber);

// The message of a command that would need a row past a table's capacity.
std::string tableFullMessage(const std::string& table, int limit, const std::string& unit);

// "(CF)" -> "CF"; any text not starting with "(" stays as it is.
std::string StripParentheses(std::string_view text);

} // namespace procedures
