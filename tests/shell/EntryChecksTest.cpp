#include "shell/EntryChecks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Numbers = "Enter only numbers please.";
const std::string Heading = "Only numbers between 0 and 360 please.";

std::string pleaseCorrect(const std::string& first, int blanks) {
    return first + "\r\n" + std::string(static_cast<std::size_t>(blanks), ' ') + "Please correct.";
}

template <shell::MinutesCheck (*check)(std::string_view, std::string_view)>
std::string minutes(std::string_view text, std::string_view degrees) {
    const shell::MinutesCheck result = check(text, degrees);
    return result.text + "|" + result.message;
}
constexpr auto latitudeMinutes = minutes<shell::checkLatitudeMinutes>;
constexpr auto longitudeMinutes = minutes<shell::checkLongitudeMinutes>;

} // namespace

// Each row: the check, its box's text (and the degrees beside a minutes
// box), and the outcome: the refusal, or for a minutes box "rewritten|refusal".
TEST(EntryChecks, RefusalsAndRewrites) {
    using Check = std::string (*)(std::string_view);
    using Minutes = std::string (*)(std::string_view, std::string_view);
    const struct {
        Check check;
        Minutes minutes;
        std::string text, degrees, expected;
    } rows[] = {
        {shell::checkName, nullptr, "OLM270", "", ""},
        {shell::checkName, nullptr, "OLM\"270", "",
         "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct."},
        {shell::checkName, nullptr, "OLM 270", "",
         "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct."},
        {shell::checkNumber, nullptr, "", "", ""},
        {shell::checkNumber, nullptr, " -2.5 ", "", ""},
        {shell::checkNumber, nullptr, "12A", "", Numbers},
        {shell::checkNumber, nullptr, "1E3", "", Numbers},
        {shell::checkHeading, nullptr, "360", "", ""},
        {shell::checkHeading, nullptr, "361", "", Heading},
        {shell::checkHeading, nullptr, "-1", "", Heading},
        {shell::checkHeading, nullptr, "N", "", Numbers},
        {shell::checkLatitudeDegrees, nullptr, "90", "", ""},
        {shell::checkLatitudeDegrees, nullptr, "-95", "", ""},
        {shell::checkLatitudeDegrees, nullptr, "91", "",
         pleaseCorrect("There are no Latitude values greater than 90.", 23)},
        {shell::checkLongitudeDegrees, nullptr, "180", "", ""},
        {shell::checkLongitudeDegrees, nullptr, "181", "",
         pleaseCorrect("There are no Longitude values greater than 180.", 23)},
        {nullptr, latitudeMinutes, "", "", "|"},
        {nullptr, latitudeMinutes, "5", "", "5.00|"},
        {nullptr, latitudeMinutes, "59.999999", "", "59.999999|"},
        // Rounded to 60.00: the text that stays in the box is what is refused.
        {nullptr, latitudeMinutes, "59.9999999", "",
         "60.00|" + pleaseCorrect("Minutes must be less than 60.", 12)},
        {nullptr, latitudeMinutes, "3O", "", "3O|" + Numbers},
        {nullptr, latitudeMinutes, "0.0000001", "90", "0.00|"},
        {nullptr, latitudeMinutes, "0.5", "90",
         "0.50|" + pleaseCorrect("Latitude degrees is 90. Minutes must be zero.", 25)},
        {nullptr, longitudeMinutes, "1", "180",
         "1.00|" + pleaseCorrect("Longitude degrees is 180. Minutes must be zero.", 25)},
        {nullptr, longitudeMinutes, "1", "179", "1.00|"},
        {shell::StripParentheses, nullptr, "(AB)", "", "AB"},
        {shell::StripParentheses, nullptr, "AB", "", "AB"},
        {shell::StripParentheses, nullptr, "(", "", ""},
    };
    for (const auto& row : rows) {
        const std::string got =
            row.check ? row.check(row.text) : row.minutes(row.text, row.degrees);
        EXPECT_EQ(got, row.expected)
            << '"' << row.text << "\" with degrees \"" << row.degrees << '"';
    }
}
