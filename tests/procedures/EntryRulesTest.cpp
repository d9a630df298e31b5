#include "procedures/EntryRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Numbers = "Enter only numbers please.";
const std::string Heading = "Only numbers between 0 and 360 please.";

std::string pleaseCorrect(const std::string& first, int blanks) {
    return first + "\r\n" + std::string(static_cast<std::size_t>(blanks), ' ') + "Please correct.";
}

template <procedures::MinutesCheck (*check)(std::string_view, std::string_view)>
std::string minutes(std::string_view text, std::string_view degrees) {
    const procedures::MinutesCheck result = check(text, degrees);
    return result.text + "|" + result.message;
}
constexpr auto latitudeMinutes = minutes<procedures::checkLatitudeMinutes>;
constexpr auto longitudeMinutes = minutes<procedures::checkLongitudeMinutes>;

const std::string NoSpaces =
    "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct.";

std::string runway(std::string_view text) {
    return procedures::isRunwayDesignator(text) ? "runway" : "";
}

// An arc of up to 36 points.
std::string arcLabel(std::string_view text) {
    return procedures::checkArcLabel(text, 36);
}

} // namespace

// Each row: the check, its box's text (and the degrees beside a minutes
// box), and the outcome: the refusal, or for a minutes box "rewritten|refusal".
TEST(EntryRules, RefusalsAndRewrites) {
    using Check = std::string (*)(std::string_view);
    using Minutes = std::string (*)(std::string_view, std::string_view);
    const struct {
        Check check;
        Minutes minutes;
        std::string text, degrees, expected;
    } rows[] = {
        {procedures::checkName, nullptr, "OLM270", "", ""},
        {procedures::checkName, nullptr, "OLM\"270", "", NoSpaces},
        {procedures::checkName, nullptr, "OLM 270", "", NoSpaces},
        {procedures::checkName, nullptr, "OLM\t270", "", NoSpaces},
        {procedures::checkName, nullptr, "OLM\x7F", "", NoSpaces},
        {procedures::checkName, nullptr,
         "\xC3\x84"
         "BC",
         "", ""},
        {arcLabel, nullptr, "SEA", "", ""},
        {arcLabel, nullptr, "AB C", "", NoSpaces},
        {arcLabel, nullptr, "ABCDEFGH", "", ""},
        {arcLabel, nullptr, "ABCDEFGHI", "",
         pleaseCorrect("The arc's fix names would be longer "
                       "than 10 characters.",
                       12)},
        {runway, nullptr, "16L", "", "runway"},
        {runway, nullptr, "0", "", "runway"},
        {runway, nullptr, "36r", "", "runway"},
        {runway, nullptr, "37", "", ""},
        {runway, nullptr, "1 L", "", ""},
        {runway, nullptr, " 1", "", ""},
        {runway, nullptr, "+1", "", ""},
        {runway, nullptr, "1.5", "", ""},
        {runway, nullptr, "L", "", ""},
        {runway, nullptr, "16X", "", ""},
        {procedures::checkAltitude, nullptr, "6000", "", ""},
        {procedures::checkAltitude, nullptr, "-.5", "", ""},
        {procedures::checkAltitude, nullptr, "6,000", "", Numbers},
        {procedures::checkAltitude, nullptr, "FL60", "", Numbers},
        {procedures::checkAltitude, nullptr, "6000ft", "", Numbers},
        {procedures::checkAltitude, nullptr, " 6000", "", Numbers},
        {procedures::checkNumber, nullptr, "", "", ""},
        {procedures::checkNumber, nullptr, " -2.5 ", "", ""},
        {procedures::checkNumber, nullptr, "12A", "", Numbers},
        {procedures::checkNumber, nullptr, "1E3", "", Numbers},
        {procedures::checkHeading, nullptr, "360", "", ""},
        {procedures::checkHeading, nullptr, "361", "", Heading},
        {procedures::checkHeading, nullptr, "-1", "", Heading},
        {procedures::checkHeading, nullptr, "N", "", Numbers},
        {procedures::checkLatitudeDegrees, nullptr, "90", "", ""},
        {procedures::checkLatitudeDegrees, nullptr, "-95", "", ""},
        {procedures::checkLatitudeDegrees, nullptr, "91", "",
         pleaseCorrect("There are no Latitude values greater than 90.", 23)},
        {procedures::checkLongitudeDegrees, nullptr, "180", "", ""},
        {procedures::checkLongitudeDegrees, nullptr, "181", "",
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
        {procedures::StripParentheses, nullptr, "(AB)", "", "AB"},
        {procedures::StripParentheses, nullptr, "AB", "", "AB"},
        {procedures::StripParentheses, nullptr, "(", "", ""},
    };
    for (const auto& row : rows) {
        const std::string got =
            row.check ? row.check(row.text) : row.minutes(row.text, row.degrees);
        EXPECT_EQ(got, row.expected)
            << '"' << row.text << "\" with degrees \"" << row.degrees << '"';
    }
}
