#include "TransitionScreen.h"

#include "store/AirportWriter.h"

namespace {

using namespace transitionstest;
constexpr store::Flag T = store::True;
constexpr store::Flag F = store::False;

// Runways 09, 16L (two feeders, the first as read: without FROM) and 34R.
class Feeders : public TransitionScreen {
protected:
    Feeders() {
        setRunways({navaidRow("09", "SEA"), navaidRow("09", "OLM", "", F, T),
                    navaidRow("16L", "SEA", "6000"), navaidRow("16L", "OLM"),
                    navaidRow("16L", "HQM", "2000", F, T), navaidRow("16L", "BTG", "", T),
                    navaidRow("16L", "HQM", "2000", F, T), navaidRow("34R", "SEA"),
                    navaidRow("34R", "OLM", "", F, T)});
    }
    std::string counter() const { return form.FeederNumbers.caption(); }
    const std::vector<std::string> first16L = {"SEA", "OLM", "HQM"};
};

TEST_F(Feeders, OpenCountsTheFeedersAndViewNextWraps) {
    open("16L");
    EXPECT_EQ(entries(), first16L);
    // Two feeders, though only the second has a FROM row.
    EXPECT_EQ(counter(), "Feeder  1 of  2");
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(entries(), (std::vector<std::string>{"BTG", "HQM"}));
    EXPECT_EQ(counter(), "Feeder  2 of  2");
    user.click(form.ViewNextFeederCommand);
    EXPECT_EQ(entries(), first16L);
}

TEST_F(Feeders, CreateModeOnAnEmptyTableStartsAtRowOne) {
    setRunways({});
    m->EditMode = shell::EditMode::CreateSTARs;
    open("16C");
    EXPECT_EQ(form.caption(), "Add a Runway Intermediate Fix Procedure");
    EXPECT_FALSE(form.ViewNextFeederCommand.enabled());
    addNavaid("SEA");
    EXPECT_EQ(workRows(), (std::vector{navaidRow("16C", "SEA", "", T, T)}));
}

TEST_F(Feeders, ARunwayPastTheSixthGroupIsFound) {
    std::vector<store::RunwayWaypoint> groups;
    for (const char* id : {"01", "02", "03", "04", "05", "06", "07", "08", "08"})
        groups.push_back(navaidRow(id, "SEA", "", T, T));
    setRunways(groups);
    open("08");
    EXPECT_EQ(m->FeederStart, 8);
    EXPECT_EQ(counter(), "Feeder  1 of  2");
}

TEST_F(Feeders, DeletedFeedersLeaveNoTraceAndSaveReturnsToTheEditor) {
    open("34R");
    user.click(form.DeleteFeederCommand);
    EXPECT_EQ(m->WorkRunwayCount, 7);
    EXPECT_EQ(m->WorkRunways[8], store::RunwayWaypoint{});
    answerDiscard("34R", ui::answers::Yes);
    user.click(form.RWOopsCommand);

    open("16L", 3);
    user.click(form.ViewNextFeederCommand);
    user.click(form.DeleteFeederCommand);
    EXPECT_EQ(entries(), first16L);
    EXPECT_EQ(counter(), "Feeder  1 of  1");
    user.click(form.RWSaveCommand);
    EXPECT_EQ(rows(m->Store.Runways, 9),
              (std::vector{navaidRow("09", "SEA"), navaidRow("09", "OLM", "", F, T),
                           navaidRow("16L", "SEA", "6000", T), navaidRow("16L", "OLM"),
                           navaidRow("16L", "HQM", "2000", F, T), navaidRow("34R", "SEA"),
                           navaidRow("34R", "OLM", "", F, T), store::RunwayWaypoint{},
                           store::RunwayWaypoint{}}));
    EXPECT_EQ(m->Store.RunwayCount, 7);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(editor.AddNavText.hasFocus());
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(editor.RwText[k].foreColor(), k == 2 ? ui::colors::ButtonText : ui::colors::Red);
}

// Leaving without saving asks when the feeders differ from what the screen
// opened with: No stays with the work, Yes discards it. Work undone by hand
// is no work, and nothing is asked.
TEST_F(Feeders, OopsAndTheCloseBoxAskBeforeDiscardingTheWork) {
    const auto leave = [this](bool closeBox) {
        if (closeBox)
            user.close(form);
        else
            user.click(form.RWOopsCommand);
    };
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        open("16L", 2);
        addNavaid("SEA");
        // An unknown name in the navaid box is not looked up on the way out.
        if (closeBox)
            user.typeInto(form.RWAddNavText, "ZZQX");
        answerDiscard("16L", ui::answers::No);
        leave(closeBox);
        EXPECT_TRUE(form.visible());
        EXPECT_EQ(entries().size(), 4u);

        answerDiscard("16L", ui::answers::Yes);
        leave(closeBox);
        EXPECT_EQ(m->Store.RunwayCount, 9);
        EXPECT_EQ(m->WorkRunwayCount + m->WorkFixCount, 0);
        EXPECT_EQ(m->UseWorkFixes, F);
        EXPECT_FALSE(form.isLoaded());
        EXPECT_TRUE(editor.visible());
        EXPECT_EQ(editor.RwText[1].foreColor(), ui::colors::Red);

        open("16L", 2);
        for (const char* alt : {"5000", "6000"}) {
            user.select(form.RWWaypointList, 0);
            user.replaceText(form.RWAlt1Text, alt);
            user.click(form.ModifyRWWaypointCommand);
            EXPECT_EQ(m->WorkRunways[3].Alt, alt);
        }
        leave(closeBox);
        EXPECT_FALSE(form.isLoaded());
    }
}

// A two-waypoint feeder starts with FROM like any other, or the airport
// file would join it to the feeder before it.
TEST_F(Feeders, AddedFeedersReadBackAsWritten) {
    open("16L");
    user.click(form.AddFeederProcedureCommand);
    user.click(form.AddFeederProcedureCommand); // twice changes nothing
    EXPECT_EQ(counter(), "Feeder  3 of  3");
    addNavaid("SEA");
    addNavaid("HQM", "2000");
    EXPECT_EQ(m->WorkRunways[8], navaidRow("16L", "SEA", "", T, F));
    EXPECT_EQ(m->WorkRunways[9], navaidRow("16L", "HQM", "2000", F, T));
    EXPECT_EQ(m->WorkRunways[10].ID, "34R");
    user.click(form.RWSaveCommand);

    const std::string file =
        store::PrintTheSidStarFile(m->Store, m->Counters, {"KSEA", "", "", "1/2/2027"});
    auto again = std::make_unique<shell::Module1>();
    ASSERT_TRUE(store::LoadData(file, again->Store, again->Counters).ok);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(again->Store.Runways[i], m->Store.Runways[i]) << i;
}

TEST_F(Feeders, FullTablesRefuseAndChangeNothing) {
    std::vector<store::RunwayWaypoint> full(store::RunwayCapacity, navaidRow("09", "SEA"));
    full.back().EOP = T;
    setRunways(full);
    open("09");
    messages.expectNotice("The runway transition table is full.\r\nIt holds at most 400 rows.");
    addNavaid("OLM", "3000");
    EXPECT_EQ(workRows(), full);
    EXPECT_EQ(form.RWAlt1Text.text(), "3000");
    user.click(form.RWOopsCommand);

    setRunways({navaidRow("09", "SEA", "", F, T)});
    for (int i = 1; i <= store::FixCapacity; ++i)
        m->Store.Fixes[i] = {.Name = "F" + std::to_string(i), .VOR = "SEA", .VORDist = 1};
    m->Store.FixCount = store::FixCapacity;
    m->Store.FixesDefined = T;
    open("09");
    user.typeInto(form.RWFixNameText, "NEWFX");
    user.typeInto(form.RWDDMLatText, "47");
    user.typeInto(form.RWDDMLongText, "122");
    messages.expectNotice("The fix table is full.\r\nIt holds at most 700 fixes.");
    user.click(form.AddRWWaypointCommand);
    EXPECT_EQ(m->WorkRunwayCount, 1);
    EXPECT_EQ(m->WorkFixCount, 700);
    // A fix already known still goes in.
    user.click(form.ClearRWDataCommand);
    answerKnownFix("F700", false, ui::answers::No);
    user.typeInto(form.RWFixNameText, "F700");
    user.tab();
    EXPECT_EQ(entries(), (std::vector<std::string>{"SEA", "F700"}));
}

} // namespace
