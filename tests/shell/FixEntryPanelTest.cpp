// The fix boxes' rules, as both editors get them from the fix-entry panel.
#include "shell/FixEntryPanel.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shelltest {
namespace {

class PanelForm : public ui::Form {
public:
    explicit PanelForm(ui::App& app) : ui::Form(app, "PanelForm") {
        for (ui::OptionButton* option : {&North, &South})
            option->placeIn(LatFrame);
        for (ui::OptionButton* option : {&East, &West})
            option->placeIn(LongFrame);
        panel.setDesignState();
        panel.wire();
    }
    ui::TextBox Name{*this, "Name"}, ID{*this, "ID"}, LatDeg{*this, "LatDeg"},
        LatMin{*this, "LatMin"}, LongDeg{*this, "LongDeg"}, LongMin{*this, "LongMin"},
        VOR{*this, "VOR"}, Heading{*this, "Heading"}, Distance{*this, "Distance"},
        Elsewhere{*this, "Elsewhere"};
    ui::Frame LatFrame{*this, "LatFrame"}, LongFrame{*this, "LongFrame"};
    ui::OptionButton North{*this, "North"}, South{*this, "South"}, East{*this, "East"},
        West{*this, "West"};
    shell::FixEntryPanel panel{{Name, ID, LatDeg, LatMin, North, South, LongDeg, LongMin, East,
                                West, VOR, Heading, Distance}};
};

using Box = ui::TextBox PanelForm::*;
using Typed = std::vector<std::pair<Box, const char*>>;

class FixPanel : public ::testing::Test {
protected:
    FixPanel() { t.user.start(form); }
    void type(const Typed& typed) {
        for (const auto& [box, text] : typed)
            t.user.replaceText(form.*box, text);
    }

    support::TestApp t;
    PanelForm& form = t.app.add<PanelForm>();
};

const std::string OnlyNumbers = "Enter only numbers please.";
const std::string HeadingRange = "Only numbers between 0 and 360 please.";
const std::string Correct23 = "\r\n" + std::string(23, ' ') + "Please correct.";
const std::string Correct25 = "\r\n" + std::string(25, ' ') + "Please correct.";

// Typed into the last box, which is then left.
TEST_F(FixPanel, ALeftBoxIsCheckedAndRefusedWithItsTextSelected) {
    struct Case {
        Typed typed;
        std::string message; // "" when the box lets go
        const char* textAfter;
    };
    const Case cases[] = {
        {{{&PanelForm::ID, "ab"}}, "", "AB"},
        {{{&PanelForm::VOR, "sea"}}, "", "SEA"},
        {{{&PanelForm::VOR, "S A"}},
         "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct.",
         "S A"},
        {{{&PanelForm::Distance, "1e5"}}, OnlyNumbers, "1e5"},
        {{{&PanelForm::Distance, "1.2.3"}}, OnlyNumbers, "1.2.3"},
        {{{&PanelForm::Heading, "360"}}, "", "360"},
        {{{&PanelForm::Heading, "361"}}, HeadingRange, "361"},
        {{{&PanelForm::Heading, "-1"}}, HeadingRange, "-1"},
        {{{&PanelForm::LatDeg, "91"}},
         "There are no Latitude values greater than 90." + Correct23,
         "91"},
        {{{&PanelForm::LongDeg, "181"}},
         "There are no Longitude values greater than 180." + Correct23,
         "181"},
        {{{&PanelForm::LatMin, "5"}}, "", "5.00"},
        {{{&PanelForm::LongMin, "7.1234567"}}, "", "7.123457"},
        {{{&PanelForm::LatMin, "59.999999"}}, "", "59.999999"},
        {{{&PanelForm::LatMin, "60"}},
         "Minutes must be less than 60.\r\n" + std::string(12, ' ') + "Please correct.",
         "60.00"},
        {{{&PanelForm::LatDeg, "90"}, {&PanelForm::LatMin, "0.5"}},
         "Latitude degrees is 90. Minutes must be zero." + Correct25,
         "0.50"},
        {{{&PanelForm::LongDeg, "180"}, {&PanelForm::LongMin, "1"}},
         "Longitude degrees is 180. Minutes must be zero." + Correct25,
         "1.00"},
    };
    for (const Case& c : cases) {
        form.panel.clear();
        type(c.typed);
        ui::TextBox& box = form.*c.typed.back().first;
        if (!c.message.empty())
            t.messages.expectNotice(c.message);
        t.user.click(form.Elsewhere);
        t.messages.verify();
        EXPECT_EQ(box.text(), c.textAfter) << box.name();
        EXPECT_EQ(box.hasFocus(), !c.message.empty()) << box.name();
        if (!c.message.empty())
            EXPECT_EQ(box.selLength(), static_cast<int>(box.text().size())) << box.name();
    }
}

TEST_F(FixPanel, EnterMovesToTheNextBoxOfThePosition) {
    const std::pair<Box, Box> chain[] = {
        {&PanelForm::ID, &PanelForm::LatDeg},      {&PanelForm::LatDeg, &PanelForm::LatMin},
        {&PanelForm::LatMin, &PanelForm::LongDeg}, {&PanelForm::LongDeg, &PanelForm::LongMin},
        {&PanelForm::VOR, &PanelForm::Heading},    {&PanelForm::Heading, &PanelForm::Distance}};
    for (const auto& [from, to] : chain) {
        t.user.pressEnter(form.*from);
        EXPECT_TRUE((form.*to).hasFocus()) << (form.*from).name();
    }
}

TEST_F(FixPanel, AHalfPositionIsRefusedWithTheFocusInTheBoxToFill) {
    struct Case {
        Typed typed;
        std::string message;
        Box focus;
    };
    const Case cases[] = {
        {{{&PanelForm::LatMin, "20"}}, "You must supply a Longitude.", &PanelForm::LongDeg},
        {{{&PanelForm::LongDeg, "122"}}, "You must supply a Latitude.", &PanelForm::LatDeg},
        {{{&PanelForm::VOR, "SEA"}, {&PanelForm::Distance, "12"}},
         "You must supply a heading for the VOR",
         &PanelForm::Heading},
        {{{&PanelForm::VOR, "SEA"}, {&PanelForm::Heading, "90"}},
         "You must supply a distance for the VOR",
         &PanelForm::Distance},
        {{{&PanelForm::LatDeg, "47"}, {&PanelForm::LongMin, "5"}}, "", nullptr},
    };
    for (const Case& c : cases) {
        form.panel.clear();
        type(c.typed);
        if (!c.message.empty())
            t.messages.expectNotice(c.message);
        EXPECT_EQ(form.panel.positionComplete(), c.message.empty()) << c.message;
        t.messages.verify();
        if (c.focus)
            EXPECT_TRUE((form.*c.focus).hasFocus()) << c.message;
    }
}

// The file keeps an ID in parentheses whichever editor it was typed in; a
// whole position has no empty part, a half one is left to the catalogue.
TEST_F(FixPanel, TheBoxesMakeTheDefinitionOfANewFix) {
    struct Case {
        Typed typed;
        store::FixRecord fix;
    };
    const Case cases[] = {
        {{{&PanelForm::ID, "CF"}, {&PanelForm::LatDeg, "47"}, {&PanelForm::LongMin, "5"}},
         {.TypeOfID = "(CF)",
          .HemLat = "N",
          .LatDeg = "47",
          .LatMin = "0",
          .HemLong = "W",
          .LongDeg = "0",
          .LongMin = "5.00"}},
        {{{&PanelForm::LatDeg, "47"}}, {.HemLat = "N", .LatDeg = "47", .HemLong = "W"}},
        {{{&PanelForm::VOR, "SEA"}, {&PanelForm::Heading, "90"}, {&PanelForm::Distance, "12.5"}},
         {.VOR = "SEA", .VORDist = 12.5f, .Heading = 90}},
    };
    for (const Case& c : cases) {
        form.panel.clear();
        type(c.typed);
        t.user.click(form.Elsewhere);
        EXPECT_EQ(form.panel.newFix(), c.fix) << c.typed.size();
    }
}

// What a box cannot show whole stays as stored while the box is left as
// shown; a hemisphere goes with the coordinates it belongs to.
TEST_F(FixPanel, ChangesAreTheBoxesTheUserChanged) {
    const store::FixRecord byRadial{.TypeOfID = "(CF)",
                                    .Name = "LONGFIXNAME1",
                                    .VOR = "SEATL",
                                    .VORDist = 12,
                                    .Heading = 112.5f};
    const store::FixRecord byPosition{.Name = "NEWFX",
                                      .HemLat = "S",
                                      .LatDeg = "47",
                                      .LatMin = "5.00",
                                      .HemLong = "E",
                                      .LongDeg = "122",
                                      .LongMin = "0"};
    struct Case {
        store::FixRecord shown;
        Typed typed;
        store::FixRecord after;
    };
    store::FixRecord renamedID = byRadial;
    renamedID.TypeOfID = "(XY)";
    store::FixRecord moved = byPosition;
    moved.LatMin = "6.00";
    const Case cases[] = {
        {byRadial, {}, byRadial},
        {byRadial, {{&PanelForm::ID, "XY"}}, renamedID},
        {byPosition, {}, byPosition},
        {byPosition, {{&PanelForm::LatMin, "6"}}, moved},
    };
    for (const Case& c : cases) {
        form.panel.show(c.shown);
        type(c.typed);
        t.user.click(form.Elsewhere);
        const procedures::FixChanges changes = form.panel.changes();
        EXPECT_EQ(procedures::changedFix(c.shown, changes), c.after) << c.typed.size();
        EXPECT_FALSE(changes.name);
    }
}

} // namespace
} // namespace shelltest
