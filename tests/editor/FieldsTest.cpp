// Checks made when a waypoint entry box is left, and the Enter-key chains.
#include "EditorScreen.h"

#include <functional>

namespace editortest {
namespace {

using Box = ui::TextBox editor::ModifyProcedure::*;
using editor::ModifyProcedure;

const std::string OnlyNumbers = "Enter only numbers please.";
const std::string HeadingRange = "Only numbers between 0 and 360 please.";
const std::string Pad23 = std::string(23, ' ');
const std::string Pad25 = std::string(25, ' ');

struct FieldCase {
    const char* name;
    Box box;
    const char* typed;
    std::string message; // "" when the box lets go
    const char* textAfter;
    std::function<void(ModifyProcedure&)> setup = {};
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) {
    return out << c.name;
}

class LeavingABox : public EditorScreen, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(LeavingABox, ChecksTheText) {
    const FieldCase& c = GetParam();
    openCreate("E");
    if (c.setup)
        c.setup(*ed);
    ui::TextBox& box = ed->*c.box;
    user.typeInto(box, c.typed);
    if (!c.message.empty())
        expectNotice(c.message);
    // Somewhere neutral: a box with nothing in it checks nothing.
    user.click(c.box == &ModifyProcedure::FixIDText ? ed->Alt1Text : ed->FixIDText);

    EXPECT_EQ(box.text(), c.textAfter);
    if (c.message.empty()) {
        EXPECT_NE(focus(), &box);
    } else {
        // Refused: the box has the focus back with its whole text selected,
        // so the next key replaces it.
        EXPECT_EQ(focus(), &box);
        EXPECT_EQ(box.selStart(), 0);
        EXPECT_EQ(box.selLength(), static_cast<int>(box.text().size()));
    }
}

void latitude90(ModifyProcedure& e) {
    e.DDMLatText.setText("90");
}
void longitude180(ModifyProcedure& e) {
    e.DDMLongText.setText("180");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, LeavingABox,
    ::testing::Values(
        FieldCase{"IdUpperCased", &ModifyProcedure::FixIDText, "ab", "", "AB"},
        FieldCase{"VorUpperCased", &ModifyProcedure::VORFIXText, "sea", "", "SEA"},
        FieldCase{"AltitudeNotNumeric", &ModifyProcedure::Alt1Text, "12A", OnlyNumbers, "12A"},
        FieldCase{"AltitudeWithSeparator", &ModifyProcedure::Alt1Text, "1,000", OnlyNumbers,
                  "1,000"},
        FieldCase{"AltitudeNumber", &ModifyProcedure::Alt1Text, "5000", "", "5000"},
        // An exponent would reach the airport file, whose reader refuses it.
        FieldCase{"DistanceExponent", &ModifyProcedure::DistText, "1e5", OnlyNumbers, "1e5"},
        FieldCase{"DistanceDecimal", &ModifyProcedure::DistText, "12.5", "", "12.5"},
        FieldCase{"OnHeadingAltitudeNotNumeric", &ModifyProcedure::OnHeadAltText, "x1", OnlyNumbers,
                  "x1"},
        FieldCase{"HeadingNotNumeric", &ModifyProcedure::HeadingText, "1A", OnlyNumbers, "1A"},
        FieldCase{"Heading360", &ModifyProcedure::HeadingText, "360", "", "360"},
        FieldCase{"Heading361", &ModifyProcedure::HeadingText, "361", HeadingRange, "361"},
        FieldCase{"HeadingNegative", &ModifyProcedure::HeadingText, "-1", HeadingRange, "-1"},
        FieldCase{"LatitudeDegreesNotNumeric", &ModifyProcedure::DDMLatText, "4N", OnlyNumbers,
                  "4N"},
        FieldCase{"LatitudeDegrees90", &ModifyProcedure::DDMLatText, "90", "", "90"},
        FieldCase{"LatitudeDegrees91", &ModifyProcedure::DDMLatText, "91",
                  "There are no Latitude values greater than 90.\r\n" + Pad23 + "Please correct.",
                  "91"},
        FieldCase{"LongitudeDegrees180", &ModifyProcedure::DDMLongText, "180", "", "180"},
        FieldCase{"LongitudeDegrees181", &ModifyProcedure::DDMLongText, "181",
                  "There are no Longitude values greater than 180.\r\n" + Pad23 + "Please correct.",
                  "181"},
        FieldCase{"LongitudeDegreesNotNumeric", &ModifyProcedure::DDMLongText, "1x", OnlyNumbers,
                  "1x"},
        FieldCase{"MinutesWhole", &ModifyProcedure::DMMLatText, "5", "", "5.00"},
        FieldCase{"MinutesOneDecimal", &ModifyProcedure::DMMLongText, "12.5", "", "12.50"},
        FieldCase{"MinutesRoundedInTheSixth", &ModifyProcedure::DMMLatText, "7.1234567", "",
                  "7.123457"},
        FieldCase{"MinutesJustBelow60", &ModifyProcedure::DMMLatText, "59.999999", "", "59.999999"},
        FieldCase{"MinutesNegativePass", &ModifyProcedure::DMMLongText, "-5", "", "-5.00"},
        FieldCase{"Minutes60", &ModifyProcedure::DMMLatText, "60",
                  "Minutes must be less than 60.\r\n" + std::string(12, ' ') + "Please correct.",
                  "60.00"},
        FieldCase{"MinutesNotNumeric", &ModifyProcedure::DMMLongText, "3O", OnlyNumbers, "3O"},
        FieldCase{"LatitudeMinutesZeroAt90", &ModifyProcedure::DMMLatText, "0", "", "0.00",
                  latitude90},
        FieldCase{"LatitudeMinutesAt90", &ModifyProcedure::DMMLatText, "0.5",
                  "Latitude degrees is 90. Minutes must be zero.\r\n" + Pad25 + "Please correct.",
                  "0.50", latitude90},
        FieldCase{"LongitudeMinutesAt180", &ModifyProcedure::DMMLongText, "1",
                  "Longitude degrees is 180. Minutes must be zero.\r\n" + Pad25 + "Please correct.",
                  "1.00", longitude180},
        FieldCase{"OnHeadingDistanceNotNumeric", &ModifyProcedure::OnHeadDistText, "3NM",
                  OnlyNumbers, "3NM"},
        FieldCase{"OnHeadingDistanceWithAltitude", &ModifyProcedure::OnHeadDistText, "3", "", "3",
                  [](ModifyProcedure& e) { e.OnHeadAltText.setText("1500"); }},
        FieldCase{"InterceptNotNumeric", &ModifyProcedure::InterceptHeadingText, "25O", OnlyNumbers,
                  "25O"},
        FieldCase{"InterceptAbove360", &ModifyProcedure::InterceptHeadingText, "400", HeadingRange,
                  "400"},
        FieldCase{"InterceptWithNavaid", &ModifyProcedure::InterceptHeadingText, "250", "", "250",
                  [](ModifyProcedure& e) { e.AddNavText.setText("SEA"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The two "requires" messages send the focus to the box that is missing,
// selecting nothing.
TEST_F(EditorScreen, OnHeadingDistanceWithoutAltitudeAsksForTheAltitude) {
    openCreate("E");
    user.typeInto(ed->OnHeadDistText, "3");
    expectNotice("There must be an ONHDG Altitude if there is an ONHDG Distance.");
    user.click(ed->FixIDText);
    EXPECT_EQ(focus(), &ed->OnHeadAltText);
    EXPECT_EQ(ed->OnHeadDistText.text(), "3");
}

TEST_F(EditorScreen, InterceptWithoutNavaidOrFixAsksForTheNavaid) {
    openCreate("E");
    user.typeInto(ed->InterceptHeadingText, "250");
    expectNotice("Entering an Intercept Heading requires\r\na Fly2 Navaid ID or Fix be entered "
                 "also.");
    user.click(ed->FixIDText);
    EXPECT_EQ(focus(), &ed->AddNavText);
}

TEST_F(EditorScreen, RefusedBoxKeepsTheFocusUntilCorrected) {
    openCreate("E");
    user.typeInto(ed->Alt1Text, "12A");
    expectNotice(OnlyNumbers);
    user.click(ed->FixIDText);
    // The refused text is selected, so typing replaces it.
    user.typeInto(ed->Alt1Text, "1200");
    user.click(ed->FixIDText);
    EXPECT_EQ(ed->Alt1Text.text(), "1200");
    EXPECT_EQ(focus(), &ed->FixIDText);
}

TEST_F(EditorScreen, EnterMovesAlongTheChains) {
    openCreate("E");
    const std::pair<Box, Box> chain[] = {
        {&ModifyProcedure::FixNameText, &ModifyProcedure::FixIDText},
        {&ModifyProcedure::FixIDText, &ModifyProcedure::DDMLatText},
        {&ModifyProcedure::DDMLatText, &ModifyProcedure::DMMLatText},
        {&ModifyProcedure::DMMLatText, &ModifyProcedure::DDMLongText},
        {&ModifyProcedure::DDMLongText, &ModifyProcedure::DMMLongText},
        {&ModifyProcedure::VORFIXText, &ModifyProcedure::HeadingText},
        {&ModifyProcedure::HeadingText, &ModifyProcedure::DistText},
        {&ModifyProcedure::AddNavText, &ModifyProcedure::Alt1Text},
    };
    for (const auto& [from, to] : chain) {
        user.pressEnter(ed->*from);
        EXPECT_EQ(focus(), &(ed->*to)) << (ed->*from).name();
        EXPECT_EQ((ed->*from).text(), "") << "Enter inserts nothing";
    }
    // The chains end: Enter in the last box leaves the focus there.
    user.pressEnter(ed->DMMLongText);
    EXPECT_EQ(focus(), &ed->DMMLongText);
    user.pressEnter(ed->DistText);
    EXPECT_EQ(focus(), &ed->DistText);
}

TEST(Parentheses, StripAndWrap) {
    const std::pair<const char*, const char*> strip[] = {
        {"(AB)", "AB"}, {"AB", "AB"}, {"", ""}, {"(", ""}, {"()", ""}, {"A)", "A)"}};
    for (const auto& [in, out] : strip)
        EXPECT_EQ(ModifyProcedure::StripParentheses(in), out) << in;
    EXPECT_EQ(ModifyProcedure::WrapInParentheses("CF"), "(CF)");
    EXPECT_EQ(ModifyProcedure::StripParentheses(ModifyProcedure::WrapInParentheses("RW")), "RW");
}

} // namespace
} // namespace editortest
