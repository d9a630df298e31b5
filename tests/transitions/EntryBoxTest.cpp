#include "TransitionScreen.h"

#include <gtest/gtest.h>

namespace {

using namespace transitionstest;

class EntryBoxes : public TransitionScreen {
protected:
    void SetUp() override { open("16C"); }
};

TEST_F(EntryBoxes, ARefusedBoxKeepsTheFocusWithItsWholeTextSelected) {
    const std::string onlyNumbers = "Enter only numbers please.";
    struct Case {
        ui::TextBox* box;
        ui::TextBox* degrees; // set first, when the check looks at it
        const char* degreesText;
        const char* typed;
        const char* shown;
        std::string message;
    };
    const std::vector<Case> cases = {
        {&form.RWAlt1Text, nullptr, "", "12A", "12A", onlyNumbers},
        {&form.RWDistText, nullptr, "", "1.2.3", "1.2.3", onlyNumbers},
        {&form.RWHeadingText, nullptr, "", "361", "361", "Only numbers between 0 and 360 please."},
        {&form.RWHeadingText, nullptr, "", "-1", "-1", "Only numbers between 0 and 360 please."},
        {&form.RWDDMLongText, nullptr, "", "181", "181",
         "There are no Longitude values greater than 180.\r\n                       Please "
         "correct."},
        {&form.RWDMMLatText, &form.RWDDMLatText, "47", "60", "60.00",
         "Minutes must be less than 60.\r\n            Please correct."},
        {&form.RWDMMLatText, &form.RWDDMLatText, "90", "0.5", "0.50",
         "Latitude degrees is 90. Minutes must be zero.\r\n                         Please "
         "correct."},
        {&form.RWDMMLongText, &form.RWDDMLongText, "180", "1", "1.00",
         "Longitude degrees is 180. Minutes must be zero.\r\n                         Please "
         "correct."},
    };
    for (const Case& c : cases) {
        if (c.degrees != nullptr)
            c.degrees->setText(c.degreesText);
        user.typeInto(*c.box, c.typed);
        messages.expectNotice(c.message);
        user.click(form.AddRWWaypointCommand);
        EXPECT_TRUE(c.box->hasFocus()) << c.typed;
        EXPECT_EQ(c.box->text(), c.shown);
        EXPECT_EQ(c.box->selStart(), 0);
        EXPECT_EQ(c.box->selLength(), static_cast<int>(c.box->text().size()));
        user.pressKey(8);
        user.click(form.ClearRWDataCommand);
    }
    EXPECT_EQ(m->WorkRunwayCount, 0);
}

TEST_F(EntryBoxes, LatitudeDegreesAreCheckedWhileTyping) {
    messages.expectNotice("There are no Latitude values greater than 90.\r\n"
                          "                       Please correct.");
    user.typeInto(form.RWDDMLatText, "91");
    EXPECT_TRUE(messages.shown().size() == 1);
    EXPECT_EQ(form.RWDDMLatText.selLength(), 2);
    user.pressKey('4');
    EXPECT_EQ(form.RWDDMLatText.text(), "4");
}

TEST_F(EntryBoxes, GoodValuesPassAndAreTidied) {
    user.typeInto(form.RwFixIDText, "cf");
    user.typeInto(form.RWVORFIXText, "sea");
    user.typeInto(form.RWHeadingText, "360");
    user.typeInto(form.RWDDMLatText, "90");
    user.typeInto(form.RWDMMLatText, "0");
    user.typeInto(form.RWDMMLongText, "59.999999");
    user.click(form.RWAlt1Text);
    EXPECT_EQ(form.RwFixIDText.text(), "CF");
    EXPECT_EQ(form.RWVORFIXText.text(), "SEA");
    EXPECT_EQ(form.RWDMMLatText.text(), "0.00");
    EXPECT_EQ(form.RWDMMLongText.text(), "59.999999");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EntryBoxes, EnterMovesAlongTheChain) {
    const std::vector<std::pair<ui::TextBox*, ui::TextBox*>> chain = {
        {&form.RWAddNavText, &form.RWAlt1Text},    {&form.RWFixNameText, &form.RwFixIDText},
        {&form.RwFixIDText, &form.RWDDMLatText},   {&form.RWDDMLatText, &form.RWDMMLatText},
        {&form.RWDMMLatText, &form.RWDDMLongText}, {&form.RWDDMLongText, &form.RWDMMLongText},
        {&form.RWVORFIXText, &form.RWHeadingText}, {&form.RWHeadingText, &form.RWDistText},
    };
    for (const auto& [from, to] : chain) {
        user.pressEnter(*from);
        EXPECT_TRUE(to->hasFocus()) << from->name();
        EXPECT_EQ(from->text(), "");
    }
}

} // namespace
