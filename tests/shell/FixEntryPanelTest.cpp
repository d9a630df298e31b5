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

using P = PanelForm;
using Box = ui::TextBox P::*;
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

const std::string Correct = std::string(25, ' ') + "Please correct.";

// Which check each box makes when it is left; the checks themselves are the
// entry rules'. A refused box keeps the focus with its text selected.
TEST_F(FixPanel, ALeftBoxIsCheckedAndRefusedWithItsTextSelected) {
    struct Case {
        Typed typed;
        std::string message; // "" when the box lets go
        const char* textAfter;
    };
    const Case cases[] = {
        {{{&P::ID, "ab"}}, "", "AB"},
        {{{&P::VOR, "S A"}},
         "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct.",
         "S A"},
        {{{&P::Distance, "1e5"}}, "Enter only numbers please.", "1e5"},
        {{{&P::Heading, "361"}}, "Only numbers between 0 and 360 please.", "361"},
        {{{&P::LatDeg, "91"}},
         "There are no Latitude values greater than 90.\r\n" + Correct.substr(2),
         "91"},
        {{{&P::LongDeg, "181"}},
         "There are no Longitude values greater than 180.\r\n" + Correct.substr(2),
         "181"},
        {{{&P::LatMin, "5"}}, "", "5.00"},
        {{{&P::LatDeg, "90"}, {&P::LatMin, "0.5"}},
         "Latitude degrees is 90. Minutes must be zero.\r\n" + Correct,
         "0.50"},
        {{{&P::LongDeg, "180"}, {&P::LongMin, "1"}},
         "Longitude degrees is 180. Minutes must be zero.\r\n" + Correct,
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
        EXPECT_EQ(box.hasFocus() && box.selLength() == static_cast<int>(box.text().size()),
                  !c.message.empty())
            << box.name();
    }
}

TEST_F(FixPanel, EnterMovesToTheNextBoxOfThePosition) {
    for (const auto& [from, to] : std::vector<std::pair<Box, Box>>{{&P::ID, &P::LatDeg},
                                                                   {&P::LatDeg, &P::LatMin},
                                                                   {&P::LatMin, &P::LongDeg},
                                                                   {&P::LongDeg, &P::LongMin},
                                                                   {&P::VOR, &P::Heading},
                                                                   {&P::Heading, &P::Distance}}) {
        t.user.pressEnter(form.*from);
        EXPECT_TRUE((form.*to).hasFocus()) << (form.*from).name();
    }
}

// A half position is refused with the focus in the box to fill; a whole one
// is a new fix with no empty part and its ID in parentheses, as the file
// keeps it whichever editor it was typed in.
TEST_F(FixPanel, AWholePositionMakesTheNewFix) {
    struct Case {
        Typed typed;
        const char* message;
        Box focus;
        store::FixRecord fix;
    };
    // A fix record: ID, name, latitude, longitude, VOR, distance, heading.
    const Case cases[] = {
        {{{&P::LatMin, "20"}}, "You must supply a Longitude.", &P::LongDeg, {}},
        {{{&P::LongDeg, "122"}}, "You must supply a Latitude.", &P::LatDeg, {}},
        {{{&P::VOR, "SEA"}, {&P::Distance, "12"}},
         "You must supply a heading for the VOR",
         &P::Heading,
         {}},
        {{{&P::VOR, "SEA"}, {&P::Heading, "90"}},
         "You must supply a distance for the VOR",
         &P::Distance,
         {}},
        {{{&P::ID, "CF"}, {&P::LatDeg, "47"}, {&P::LongMin, "5"}},
         nullptr,
         nullptr,
         {"(CF)", "", "N", "47", "0", "W", "0", "5.00", "", 0, 0, store::False}},
        {{{&P::VOR, "SEA"}, {&P::Heading, "90"}, {&P::Distance, "12.5"}},
         nullptr,
         nullptr,
         {"", "", "", "", "", "", "", "", "SEA", 12.5f, 90, store::False}},
    };
    for (const Case& c : cases) {
        form.panel.clear();
        type(c.typed);
        t.user.click(form.Elsewhere);
        if (c.message)
            t.messages.expectNotice(c.message);
        EXPECT_EQ(form.panel.positionComplete(), c.message == nullptr);
        t.messages.verify();
        if (c.message)
            EXPECT_TRUE((form.*c.focus).hasFocus()) << c.message;
        else
            EXPECT_EQ(form.panel.newFix(), c.fix);
    }
}

// A box left as shown keeps the stored value, even one it could not show
// whole; a hemisphere goes with the coordinates it belongs to.
TEST_F(FixPanel, ChangesAreTheBoxesTheUserChanged) {
    const store::FixRecord byRadial{"(CF)", "LONGFIXNAME1", "", "",     "",          "", "",
                                    "",     "SEATL",        12, 112.5f, store::False};
    const store::FixRecord byPosition{"",    "NEWFX", "S", "47", "5.00", "E",
                                      "122", "0",     "",  0,    0,      store::False};
    const auto changed = [this](const store::FixRecord& shown, const Typed& typed) {
        form.panel.show(shown);
        type(typed);
        t.user.click(form.Elsewhere);
        EXPECT_FALSE(form.panel.changes().name);
        return procedures::changedFix(shown, form.panel.changes());
    };
    EXPECT_EQ(changed(byRadial, {}), byRadial);
    EXPECT_EQ(changed(byRadial, {{&P::ID, "XY"}}).TypeOfID, "(XY)");
    store::FixRecord moved = byPosition;
    moved.LatMin = "6.00";
    EXPECT_EQ(changed(byPosition, {{&P::LatMin, "6"}}), moved);
}

} // namespace
} // namespace shelltest
