#include "TransitionScreen.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace transitionstest;
constexpr store::Flag T = store::True;
constexpr store::Flag F = store::False;

const std::string KnownFix = " is already a defined Fix.\r\nIt will automatically be added if "
                             "you answer 'No' below.\r\nDo you want to add an altitude "
                             "restriction?";
const std::string KnownUserFix = " is already a user defined Fix.\r\nIt will automatically be "
                                 "added if you answer 'No' below.\r\nDo you want to add an "
                                 "altitude restriction?";

// KSEA's runway 16L on screen: ANVIL 6000, ATOME 5000, COYLA 4000, CF16L 2000
// in rows 1-4; its second feeder in rows 5-9; runway 34R in rows 10-12.
class Waypoints : public TransitionScreen {
protected:
    void SetUp() override {
        loadKSEA();
        open("16L");
    }
    void answer(const std::string& prompt, int answer) {
        messages.expect(prompt, ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::First,
                        ui::ProgramTitle, answer);
    }
    const store::FixRecord& workFix(const std::string& name) const {
        for (int i = 1; i <= m->WorkFixCount; ++i)
            if (m->WorkFixes[i].Name == name)
                return m->WorkFixes[i];
        static const store::FixRecord none;
        return none;
    }
};

TEST_F(Waypoints, ANavaidGoesToTheEndOfTheFeederOnScreen) {
    addNavaid("sea", "3000");
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLA", "CF16L", "SEA"}));
    EXPECT_EQ(m->WorkRunways[4], fixRow("16L", "CF16L", "2000"));
    EXPECT_EQ(m->WorkRunways[5], navaidRow("16L", "SEA", "3000", F, T));
    EXPECT_EQ(m->WorkRunways[6], fixRow("16L", "HAROB", "", T));
    EXPECT_EQ(m->WorkRunways[1].FROM, T);
    EXPECT_EQ(m->WorkRunwayCount, 13);
    EXPECT_EQ(m->LastInsertedRow, 5);
    EXPECT_EQ(form.RWAddNavText.text(), "");
    EXPECT_EQ(form.RWAlt1Text.text(), "");
    EXPECT_TRUE(form.RWAddNavText.hasFocus());
}

TEST_F(Waypoints, AddWithAnEntrySelectedOnlyAsks) {
    const std::string question = "You have a current waypoint already selected.\r\n"
                                 "Do you really want to Add a new waypoint?\r\n"
                                 "If yes, the current values will be cleared.";
    user.select(form.RWWaypointList, 1);
    EXPECT_EQ(form.RWFixNameText.text(), "ATOME");
    for (int reply : {ui::answers::No, ui::answers::Yes}) {
        messages.expect(question, ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second,
                        ui::ProgramTitle, reply);
        user.click(form.AddRWWaypointCommand);
        EXPECT_EQ(m->LastAnswer, std::to_string(reply));
        EXPECT_EQ(m->WorkRunwayCount, 12);
        EXPECT_EQ(form.RWWaypointList.listIndex(), reply == ui::answers::No ? 1 : -1);
        EXPECT_EQ(form.RWFixNameText.text(), reply == ui::answers::No ? "ATOME" : "");
        EXPECT_EQ(form.RWAlt1Text.text(), reply == ui::answers::No ? "5000" : "");
        EXPECT_TRUE(form.RWAddNavText.hasFocus());
    }
}

TEST_F(Waypoints, AddRefusesIncompleteInput) {
    struct Case {
        std::function<void()> fill;
        std::string message;
        ui::TextBox* focus;
    };
    const std::vector<Case> cases = {
        {[] {}, "You must supply a Fix or Navaid name.", &form.RWAddNavText},
        {[&] {
             user.typeInto(form.RWFixNameText, "NEWFX");
             user.typeInto(form.RWAddNavText, "SEA");
         },
         "You can only have either a Fix or a Navaid name but not both.", &form.RWAddNavText},
        {[&] {
             user.typeInto(form.RWFixNameText, "NEWFX");
             user.typeInto(form.RWDMMLatText, "20");
         },
         "You must supply a Longitude.", &form.RWDDMLongText},
        {[&] {
             user.typeInto(form.RWFixNameText, "NEWFX");
             user.typeInto(form.RWDDMLongText, "122");
         },
         "You must supply a Latitude.", &form.RWDDMLatText},
        {[&] {
             user.typeInto(form.RWFixNameText, "NEWFX");
             user.typeInto(form.RWVORFIXText, "SEA");
             user.typeInto(form.RWDistText, "12");
         },
         "You must supply a heading for the VOR", &form.RWHeadingText},
        {[&] {
             user.typeInto(form.RWFixNameText, "NEWFX");
             user.typeInto(form.RWVORFIXText, "SEA");
             user.typeInto(form.RWHeadingText, "90");
         },
         "You must supply a distance for the VOR", &form.RWDistText},
    };
    for (const Case& c : cases) {
        c.fill();
        messages.expectNotice(c.message);
        user.click(form.AddRWWaypointCommand);
        EXPECT_TRUE(c.focus->hasFocus()) << c.message;
        EXPECT_EQ(m->WorkRunwayCount, 12) << c.message;
        EXPECT_EQ(m->WorkFixCount, 13) << c.message;
        user.click(form.ClearRWDataCommand);
    }
}

TEST_F(Waypoints, ANewLatitudeLongitudeFixFillsEmptyPartsWithZero) {
    user.typeInto(form.RWFixNameText, "newfx");
    user.typeInto(form.RwFixIDText, "cf");
    user.typeInto(form.RWDDMLatText, "47");
    user.click(form.RWSLatOption);
    user.typeInto(form.RWDMMLongText, "5");
    user.click(form.RWELongOption);
    user.typeInto(form.RWAlt1Text, "3000");
    user.click(form.AddRWWaypointCommand);

    EXPECT_EQ(m->WorkRunways[5], fixRow("16L", "NEWFX", "3000", F, T));
    store::FixRecord expected;
    expected.Name = "NEWFX";
    expected.TypeOfID = "CF";
    expected.HemLat = "S";
    expected.LatDeg = "47";
    expected.LatMin = "0";
    expected.HemLong = "E";
    expected.LongDeg = "0";
    expected.LongMin = "5.00";
    EXPECT_EQ(m->WorkFixes[14], expected);
    EXPECT_EQ(m->WorkFixCount, 14);
    EXPECT_EQ(m->Store.FixCount, 13);
    EXPECT_EQ(form.RWFixNameText.text(), "");

    user.select(form.RWWaypointList, 4);
    EXPECT_EQ(form.RWDMMLatText.text(), "0");
    EXPECT_EQ(form.RWDDMLongText.text(), "0");
    EXPECT_EQ(form.RwFixIDText.text(), "CF");
    EXPECT_TRUE(form.RWSLatOption.value());
    EXPECT_TRUE(form.RWELongOption.value());
    EXPECT_EQ(form.RWAlt1Text.text(), "3000");
}

TEST_F(Waypoints, ARadialFixKeepsItsNavaidBearingAndDistance) {
    user.typeInto(form.RWFixNameText, "SEA090");
    user.typeInto(form.RwFixIDText, "XX");
    user.typeInto(form.RWVORFIXText, "sea");
    user.typeInto(form.RWHeadingText, "90");
    user.typeInto(form.RWDistText, "12.5");
    user.click(form.AddRWWaypointCommand);
    const store::FixRecord& fix = workFix("SEA090");
    EXPECT_EQ(fix.VOR, "SEA");
    EXPECT_EQ(fix.Heading, 90.0f);
    EXPECT_EQ(fix.VORDist, 12.5f);
    EXPECT_EQ(fix.TypeOfID, "");
    EXPECT_EQ(fix.LatDeg, "");

    user.select(form.RWWaypointList, 4);
    EXPECT_EQ(form.RWVORFIXText.text(), "SEA");
    EXPECT_EQ(form.RWHeadingText.text(), "90");
    EXPECT_EQ(form.RWDistText.text(), "12.5");
}

TEST_F(Waypoints, AKnownFixAnsweredNoIsAddedAtOnceWithoutANewFix) {
    answer("COYLA" + KnownFix, ui::answers::No);
    user.typeInto(form.RWFixNameText, "coyla");
    user.click(form.RWAlt1Text);
    EXPECT_EQ(entries().back(), "COYLA");
    EXPECT_EQ(m->WorkRunways[5], fixRow("16L", "COYLA", "", F, T));
    EXPECT_EQ(m->WorkFixCount, 13);
    EXPECT_TRUE(form.RWFixNameText.hasFocus());

    // A user fix typed as a navaid comes into the working fixes once.
    answer("OLM270" + KnownUserFix, ui::answers::No);
    user.typeInto(form.RWAddNavText, "OLM270");
    user.click(form.RWAlt1Text);
    EXPECT_EQ(entries().back(), "OLM270");
    EXPECT_EQ(m->WorkFixCount, 14);
    EXPECT_EQ(workFix("OLM270").VOR, "OLM");
    EXPECT_TRUE(form.RWAddNavText.hasFocus());
}

TEST_F(Waypoints, AKnownFixWithAnAltitudeKeepsItsDefinition) {
    const store::FixRecord coyla = workFix("COYLA");
    const store::FixRecord last = m->WorkFixes[13];
    answer("COYLA" + KnownUserFix, ui::answers::Yes);
    user.typeInto(form.RWAddNavText, "COYLA");
    user.click(form.RWHeadingText);
    EXPECT_TRUE(form.RWAlt1Text.hasFocus());
    EXPECT_EQ(form.RWFixNameText.text(), "COYLA");
    EXPECT_EQ(form.RWAddNavText.text(), "");
    EXPECT_FALSE(form.RWFixNameText.enabled());
    EXPECT_FALSE(form.RWDDMLatText.enabled());
    EXPECT_FALSE(form.RWHeadingText.enabled());

    // Coordinates typed for the known fix are ignored.
    form.RWDDMLatText.setText("10");
    form.RWDDMLongText.setText("10");
    user.typeInto(form.RWAlt1Text, "5000");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(m->WorkRunways[5], fixRow("16L", "COYLA", "5000", F, T));
    EXPECT_EQ(workFix("COYLA"), coyla);
    EXPECT_EQ(m->WorkFixes[13], last);
    EXPECT_EQ(m->WorkFixCount, 13);
    EXPECT_TRUE(form.RWFixNameText.enabled());
}

TEST_F(Waypoints, AnUnknownNavaidBecomesTheNameOfANewFix) {
    messages.expectNotice("The Navaid ZZQX is not in the Fly2 or user database.\r\n"
                          "You will have to create a user defined fix.");
    user.typeInto(form.RWAddNavText, "zzqx");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(form.RWFixNameText.text(), "ZZQX");
    EXPECT_EQ(form.RWAddNavText.text(), "");
    EXPECT_TRUE(form.RWDDMLatText.hasFocus());
    EXPECT_EQ(m->WorkRunwayCount, 12);
}

TEST_F(Waypoints, MovesSwapRowsAndKeepTheFeederFlags) {
    const auto before = workRows();
    user.select(form.RWWaypointList, 3);
    user.click(form.RWMoveDown);
    user.select(form.RWWaypointList, 0);
    user.click(form.RWMoveUp);
    EXPECT_EQ(workRows(), before);

    user.select(form.RWWaypointList, 2);
    user.click(form.RWMoveDown);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "CF16L", "COYLA"}));
    EXPECT_EQ(form.RWWaypointList.listIndex(), 3);
    EXPECT_EQ(form.RWFixNameText.text(), "COYLA");
    EXPECT_EQ(form.RWAlt1Text.text(), "4000");
    EXPECT_EQ(m->WorkRunways[3], fixRow("16L", "CF16L", "2000"));
    EXPECT_EQ(m->WorkRunways[4], fixRow("16L", "COYLA", "4000", F, T));
    EXPECT_EQ(m->WorkRunways[1].FROM, T);

    user.click(form.RWMoveUp);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLA", "CF16L"}));
    EXPECT_EQ(m->WorkRunways[4].EOP, T);
    EXPECT_EQ(m->WorkRunways[3].EOP, F);
}

TEST_F(Waypoints, SelectShowsWhatTheRowHolds) {
    addNavaid("SEA", "0");
    user.select(form.RWWaypointList, 4);
    EXPECT_EQ(form.RWAddNavText.text(), "SEA");
    EXPECT_EQ(form.RWAlt1Text.text(), "");
    EXPECT_EQ(form.RWFixNameText.text(), "");
    EXPECT_TRUE(form.ModifyRWWaypointCommand.enabled());
    EXPECT_TRUE(form.DeleteRWWaypointCommand.enabled());

    // A fix row whose fix is not defined shows no fix at all.
    m->WorkRunways[2].FIX = "GHOST";
    form.RWWaypointList.setList(2, "GHOST");
    user.select(form.RWWaypointList, 2);
    EXPECT_EQ(form.RWAddNavText.text(), "");
    EXPECT_EQ(form.RWFixNameText.text(), "");
    EXPECT_EQ(form.RWAlt1Text.text(), "4000");
    EXPECT_EQ(form.RwFixIndex, 0);
}

TEST_F(Waypoints, DeleteRemovesTheSelectedEntrysOwnRow) {
    // The button stays enabled when another feeder empties the list.
    user.select(form.RWWaypointList, 0);
    user.click(form.ViewNextFeederCommand);
    messages.expectNotice("There is no waypoint selected.");
    user.click(form.DeleteRWWaypointCommand);
    user.click(form.ViewNextFeederCommand);

    addNavaid("SEA", "3000");
    addNavaid("SEA", "5000");
    user.select(form.RWWaypointList, 5);
    user.click(form.DeleteRWWaypointCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLA", "CF16L", "SEA"}));
    EXPECT_EQ(m->WorkRunways[5], navaidRow("16L", "SEA", "3000", F, T));
    EXPECT_EQ(m->WorkRunways[6], fixRow("16L", "HAROB", "", T));
    EXPECT_EQ(m->WorkRunwayCount, 13);
    EXPECT_EQ(form.RWWaypointList.listIndex(), -1);
    EXPECT_FALSE(form.ModifyRWWaypointCommand.enabled());
}

TEST_F(Waypoints, DeletingEveryWaypointOfAFeederLeavesTheFirstFeederOnScreen) {
    user.click(form.ViewNextFeederCommand);
    for (int i = 0; i < 5; ++i) {
        user.select(form.RWWaypointList, 0);
        user.click(form.DeleteRWWaypointCommand);
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLA", "CF16L"}));
    EXPECT_EQ(form.FeederNumbers.caption(), "Feeder  1 of  1");
    EXPECT_EQ(m->WorkRunwayCount, 7);
    EXPECT_EQ(m->WorkRunways[5].ID, "34R");
}

TEST_F(Waypoints, ModifyChangesTheRowAndItsOwnFix) {
    addNavaid("SEA");
    user.select(form.RWWaypointList, 4);
    user.replaceText(form.RWAddNavText, "OLM");
    user.typeInto(form.RWAlt1Text, "9000");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(m->WorkRunways[5], navaidRow("16L", "OLM", "9000", F, T));
    EXPECT_EQ(entries().back(), "OLM");

    user.select(form.RWWaypointList, 0);
    user.replaceText(form.RWDMMLatText, "40");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(workFix("ANVIL").LatMin, "40.00");
    EXPECT_EQ(workFix("ANVIL").LatDeg, "47");

    // The fix boxes of a navaid entry write no fix.
    const auto fixes = m->WorkFixes;
    user.select(form.RWWaypointList, 4);
    form.RWAddNavText.setText("");
    user.typeInto(form.RWFixNameText, "NEWFX");
    user.typeInto(form.RWDDMLatText, "47");
    user.typeInto(form.RWDDMLongText, "122");
    user.replaceText(form.RWAlt1Text, "8000");
    user.click(form.ModifyRWWaypointCommand);
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(m->WorkFixes[i], fixes[i]) << i;
    EXPECT_EQ(m->WorkRunways[5], navaidRow("16L", "OLM", "8000", F, T));
}

TEST_F(Waypoints, ARenamedFixCarriesItsNameEverywhere) {
    m->ProcedureStart = 1;
    for (const char* line : {"SUMMA", "BLAKO", "COYLA"})
        editor.WaypointList.AddItem(line);
    user.select(form.RWWaypointList, 0);
    // Known or not, a name edited for Modify is not offered as a new waypoint.
    messages.expectNotice("There is already a fix named ATOME.");
    user.replaceText(form.RWFixNameText, "ATOME");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_TRUE(form.RWFixNameText.hasFocus());
    EXPECT_EQ(workFix("ANVIL").Name, "ANVIL");

    user.select(form.RWWaypointList, 2);
    user.replaceText(form.RWFixNameText, "COYLB");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "COYLB", "CF16L"}));
    EXPECT_EQ(m->WorkRunways[3].FIX, "COYLB");
    EXPECT_EQ(m->WorkRunways[8].FIX, "COYLB");
    EXPECT_EQ(workFix("COYLB").LatMin, "30.81");
    EXPECT_EQ(workFix("COYLA").Name, "");
    // The STARs take the new name with the save, not before.
    EXPECT_EQ(m->Store.STARs[3].Fix, "COYLA");
    user.click(form.RWSaveCommand);
    EXPECT_EQ(m->Store.STARs[3].Fix, "COYLB");
    EXPECT_EQ(editor.WaypointList.List(2), "COYLB");
    EXPECT_EQ(m->Store.Runways[8].FIX, "COYLB");
}

TEST_F(Waypoints, ModifyKeepsABearingTheBoxCannotShowWhole) {
    store::FixRecord arcPoint;
    arcPoint.Name = "SEA1";
    arcPoint.VOR = "SEA";
    arcPoint.Heading = 112.5f;
    arcPoint.VORDist = 12;
    arcPoint.IsArcPoint = T;
    m->Store.Fixes[14] = arcPoint;
    m->Store.FixCount = 14;
    m->Store.Runways[2].FIX = "SEA1";
    user.click(form.RWOopsCommand);
    open("16L");
    user.select(form.RWWaypointList, 1);
    EXPECT_EQ(form.RWHeadingText.text(), "112");
    user.replaceText(form.RWAlt1Text, "4500");
    user.click(form.ModifyRWWaypointCommand);
    EXPECT_EQ(workFix("SEA1"), arcPoint);
    EXPECT_EQ(m->WorkRunways[2].Alt, "4500");
}

} // namespace
