#pragma once

#include <string>
#include <string_view>

// The checks of the numeric and coordinate entry boxes that the procedure
// editor, the transition editor and the arc generator share. Each returns
// the message that refuses the text, or "" when it passes; an empty box
// always passes.
namespace ui {
class TextBox;
}

namespace shell {

std::string checkNumber(std::string_view text);
std::string checkHeading(std::string_view text);
std::string checkLatitudeDegrees(std::string_view text);
std::string checkLongitudeDegrees(std::string_view text);

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
// name holding a space or a double quote would be read back as something
// else.
std::string checkName(std::string_view text);

// A refused box: the message, then the focus back with the whole text
// selected, so the next key replaces it.
void refuseBox(ui::TextBox& box, const std::string& message);

// The message of a command that would need a row past a table's capacity.
std::string tableFullMessage(const std::string& table, int limit, const std::string& unit);

// "(CF)" -> "CF"; any text not starting with "(" stays as it is.
std::string StripParentheses(std::string_view text);

} // namespace shell
