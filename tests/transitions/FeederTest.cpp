#include "TransitionScreen.h"

#include "store/AirportWriter.h"

#include <gtest/gtest.h>

namespace {

using namespace transitionstest;
constexpr store::Flag T = store::True;
constexpr store::Flag F = store::False;

// Runways 09, 16L (two feeders, the first as read without FROM) and 34R.
class Feeders : public TransitionScreen {
protected:
    Feeders() {
        setRunways({fixRow("09", "ALPHA"), fixRow("09", "ENDA", "", F, T),
                    fixRow("16L", "ANVIL", "6000"), fixRow("16L", "ATOME"),
                    fixRow("16L", "CF16L", "2000", F, T), fixRow("16L", "HAROB", "", T),
                    fixRow("16L", "ARVAD", "7000"), fixRow("16L", "CF16L", "2000", F, T),
                    fixRow("34R", "BAKMN"), fixRow("34R", "CF34R", "", F, T)});
        std::vector<store::FixRecord> fixes;
        for (const char* name :
             {"ALPHA", "ENDA", "ANVIL", "ATOME", "CF16L", "HAROB", "ARVAD", "BAKMN", "CF34R"})
            fixes.push_back(latLonFix(name, "47", "30.00", "122", "18.45"));
        setFixes(fixes);
    }
    std::string counter() const { return form.FeederNumbers.caption(); }
};

TEST_F(Feeders, OpenListsTheFirstFeederOfARunwayBetweenOthers) {
    open("16L");
    EXPECT_EQ(form.caption(), "Modify a Runway Intermediate Fix Procedure");
    EXPECT_EQ(form.Frame3.caption(), "KSEA");
    EXPECT_EQ(form.Label8.caption(), "16L");
    EXPECT_EQ(form.RWSaveCommand.caption(), "Save Rw 16L  Feeder");
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "CF16L"}));
    // Two feeders, though only the second has a FROM row.
    EXPECT_EQ(counter(), "Feeder  1 of  2");
    EXPECT_EQ(m->FeederStart, 3);
    EXPECT_EQ(m->WorkRunwayCount, 10);
    EXPECT_EQ(m->WorkFixCount, 9);
    EXPECT_TRUE(form.ViewNextFeederCommand.enabled());
}

TEST_F(Feeders, ARunwayWithoutRowsGetsTheRowAfterTheLastGroup) {
    open("16C");
    EXPECT_EQ(m->WorkRunways[11].ID, "16C");
    EXPECT_EQ(m->WorkRunwayCount, 10);
    EXPECT_EQ(m->FeederStart, 11);
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(counter(), "Feeder  1 of  1");
}

TEST_F(Feeders, AnEmptyTableStartsAtRowOneAndCreateModeCannotViewFeeders) {
    setRunways({});
    m->EditMode = "T";
    open("16C");
    EXPECT_EQ(form.caption(), "Add a Runway Intermediate Fix Procedure");
    EXPECT_FALSE(form.ViewNextFeederCommand.enabled());
    EXPECT_EQ(m->WorkRunways[1].ID, "16C");
    EXPECT_EQ(m->WorkRunwayCount, 0);
    addNavaid("SEA");
    EXPECT_EQ(workRows(), (std::vector{navaidRow("16C", "SEA", "", T, T)}));
}

TEST_F(Feeders, ARunwayPastTheSixthGroupIsFound) {
    std::vector<store::RunwayWaypoint> rows;
    for (const char* id : {"01", "02", "03", "04", "05", "06", "07", "08"})
        rows.push_back(navaidRow(id, "SEA", "", T, T));
    rows.push_back(navaidRow("08", "OLM", "", T, T));
    setRunways(rows);
    open("08");
    EXPECT_EQ(m->FeederStart, 8);
    EXPECT_EQ(entries(), (std::vector<std::string>{"SEA"}));
    EXPECT_EQ(counter(), "Feeder  1 of  2");
}

TEST_F(Feeders, ViewNextWrapsToTheFirstAndStaysOnASingleFeeder) {
    open("16L");
    user.typeInto(form.RWAddNavText, "SEA");
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"HAROB", "ARVAD", "CF16L"}));
    EXPECT_EQ(counter(), "Feeder  2 of  2");
    EXPECT_EQ(form.RWAddNavText.text(), "");
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "CF16L"}));
    EXPECT_EQ(counter(), "Feeder  1 of  2");

    user.click(form.RWOopsCommand);
    open("09");
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ALPHA", "ENDA"}));
    EXPECT_EQ(counter(), "Feeder  1 of  1");
}

TEST_F(Feeders, DeletingTheFeederAtTheEndOfTheTableRemovesOnlyItsRows) {
    open("34R");
    const auto before = workRows();
    user.click(form.DeleteFeederCommand);
    EXPECT_EQ(workRows(), std::vector(before.begin(), before.begin() + 8));
    EXPECT_EQ(m->WorkRunways[9], store::RunwayWaypoint{});
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(counter(), "Feeder  1 of  1");
    // Nothing left to delete or view.
    user.click(form.DeleteFeederCommand);
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(m->WorkRunwayCount, 8);
}

TEST_F(Feeders, DeletingASecondFeederReturnsToTheFirstAndSavesNoTraceOfIt) {
    open("16L", 3);
    user.click(form.ViewNextFeederCommand);
    user.click(form.DeleteFeederCommand);
    EXPECT_EQ(m->FeederStart, 3);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ANVIL", "ATOME", "CF16L"}));
    EXPECT_EQ(counter(), "Feeder  1 of  1");

    user.click(form.RWSaveCommand);
    EXPECT_EQ(storeRows(), (std::vector{fixRow("09", "ALPHA"), fixRow("09", "ENDA", "", F, T),
                                        fixRow("16L", "ANVIL", "6000", T), fixRow("16L", "ATOME"),
                                        fixRow("16L", "CF16L", "2000", F, T),
                                        fixRow("34R", "BAKMN"), fixRow("34R", "CF34R", "", F, T)}));
    EXPECT_EQ(m->Store.RunwayCount, 7);
    for (int i = 8; i <= 11; ++i)
        EXPECT_EQ(m->Store.Runways[i], store::RunwayWaypoint{});
}

TEST_F(Feeders, SavingAnEmptyFeederSavesNothing) {
    open("16C");
    const auto before = storeRows();
    messages.expectNotice("There are no waypoints to save");
    user.click(form.RWSaveCommand);
    EXPECT_EQ(storeRows(), before);
    EXPECT_TRUE(form.visible());
}

TEST_F(Feeders, AddAnotherFeederGoesToTheEndOfTheGroupAndTwiceChangesNothing) {
    open("16L");
    user.click(form.AddFeederProcedureCommand);
    const auto afterFirst = workRows();
    EXPECT_EQ(counter(), "Feeder  3 of  3");
    user.click(form.AddFeederProcedureCommand);
    EXPECT_EQ(workRows(), afterFirst);
    EXPECT_EQ(counter(), "Feeder  3 of  3");
    EXPECT_TRUE(form.RWAddNavText.hasFocus());

    addNavaid("SEA");
    addNavaid("OLM", "5000");
    EXPECT_EQ(m->WorkRunways[9], navaidRow("16L", "SEA", "", T, F));
    EXPECT_EQ(m->WorkRunways[10], navaidRow("16L", "OLM", "5000", F, T));
    EXPECT_EQ(m->WorkRunways[11].ID, "34R");
    EXPECT_EQ(m->WorkRunwayCount, 12);
}

TEST_F(Feeders, SaveCopiesTheWorkBackAndReturnsToTheEditor) {
    open("16L", 3);
    addNavaid("SEA");
    user.click(form.RWSaveCommand);
    EXPECT_EQ(storeRows(), workRows());
    EXPECT_EQ(m->Store.RunwayCount, 11);
    EXPECT_EQ(m->Store.Runways[6], navaidRow("16L", "SEA", "", F, T));
    EXPECT_EQ(m->Store.Runways[5].EOP, F);
    EXPECT_EQ(m->Store.FixCount, 9);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_TRUE(editor.AddNavText.hasFocus());
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(editor.runwayBoxes()[k - 1]->foreColor(),
                  k == 3 ? ui::colors::ButtonText : ui::colors::Red)
            << k;
}

class Leaving : public Feeders, public ::testing::WithParamInterface<bool> {};

TEST_P(Leaving, WithoutSavingDiscardsTheWorkAndShowsTheEditor) {
    open("16L", 2);
    const auto before = storeRows();
    addNavaid("SEA");
    if (GetParam()) {
        user.click(form.RWOopsCommand);
    } else {
        // An unknown name in the navaid box is not looked up on the way out.
        user.typeInto(form.RWAddNavText, "ZZQX");
        user.close(form);
    }
    EXPECT_EQ(storeRows(), before);
    EXPECT_EQ(m->WorkRunwayCount, 0);
    EXPECT_EQ(m->WorkFixCount, 0);
    EXPECT_EQ(m->WorkRunways[1], store::RunwayWaypoint{});
    EXPECT_EQ(m->UseWorkFixes, F);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ(editor.RwText2.foreColor(), ui::colors::Red);
}

INSTANTIATE_TEST_SUITE_P(OopsOrCloseBox, Leaving, ::testing::Bool());

TEST_F(Feeders, CreateArcNeedsAWaypointInTheList) {
    open("16C");
    messages.expectNotice("There must be at least one waypoint entered into\r\n"
                          "the List of Waypoint box before an ARC can be created.");
    user.click(form.AddArcCommand);
    EXPECT_EQ(arc.opened, 0);
    EXPECT_TRUE(form.RWAddNavText.hasFocus());
    addNavaid("SEA");
    user.click(form.AddArcCommand);
    EXPECT_EQ(arc.opened, 1);
}

// A two-waypoint feeder starts with FROM like any other, so the airport file
// keeps it apart from the feeder before it.
TEST_F(Feeders, EveryFeederReadsBackAsWritten) {
    open("16L");
    user.click(form.AddFeederProcedureCommand);
    addNavaid("SEA");
    user.typeInto(form.RWFixNameText, "CF16L");
    messages.expect("CF16L is already a defined Fix.\r\nIt will automatically be added if you "
                    "answer 'No' below.\r\nDo you want to add an altitude restriction?",
                    ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::First, ui::ProgramTitle,
                    ui::answers::Yes);
    user.typeInto(form.RWAlt1Text, "2000");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(m->WorkRunways[10], fixRow("16L", "CF16L", "2000", F, T));
    user.click(form.RWSaveCommand);
    const std::string file =
        store::PrintTheSidStarFile(m->Store, m->Counters, {"KSEA", "", "", "1/2/2027"});
    auto again = std::make_unique<shell::Module1>();
    ASSERT_TRUE(store::LoadData(file, again->Store, again->Counters).ok);
    for (int i = 1; i <= 13; ++i)
        EXPECT_EQ(again->Store.Runways[i], m->Store.Runways[i]) << i;
}

TEST_F(Feeders, AFullRunwayTableRefusesAnotherWaypoint) {
    std::vector<store::RunwayWaypoint> rows(store::RunwayCapacity, navaidRow("09", "SEA"));
    rows.back().EOP = T;
    setRunways(rows);
    open("09");
    const auto before = workRows();
    messages.expectNotice("The runway transition table is full.\r\nIt holds at most 400 rows.");
    addNavaid("OLM", "3000");
    EXPECT_EQ(workRows(), before);
    EXPECT_EQ(form.RWWaypointList.ListCount(), 400);
    EXPECT_EQ(form.RWAlt1Text.text(), "3000");
}

TEST_F(Feeders, AFullFixTableRefusesANewFix) {
    std::vector<store::FixRecord> fixes;
    for (int i = 1; i <= store::FixCapacity; ++i)
        fixes.push_back(latLonFix("F" + std::to_string(i), "47", "1", "122", "1"));
    setFixes(fixes);
    open("09");
    user.typeInto(form.RWFixNameText, "NEWFX");
    user.typeInto(form.RWDDMLatText, "47");
    user.typeInto(form.RWDDMLongText, "122");
    messages.expectNotice("The fix table is full.\r\nIt holds at most 700 fixes.");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(m->WorkRunwayCount, 10);
    EXPECT_EQ(m->WorkFixCount, 700);
    EXPECT_EQ(entries(), (std::vector<std::string>{"ALPHA", "ENDA"}));
    // A fix already known still goes in.
    user.click(form.ClearRWDataCommand);
    messages.expect("F7 is already a defined Fix.\r\nIt will automatically be added if you "
                    "answer 'No' below.\r\nDo you want to add an altitude restriction?",
                    ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::First, ui::ProgramTitle,
                    ui::answers::No);
    user.typeInto(form.RWFixNameText, "F7");
    user.tab();
    EXPECT_EQ(entries(), (std::vector<std::string>{"ALPHA", "ENDA", "F7"}));
}

} // namespace
