#include "EditorScreen.h"
#include "Invariant.h"
#include "StandIns.h"

namespace editortest {
namespace {

class EditorNavigation : public EditorScreen {
protected:
    void expectLayout() { EXPECT_EQ(checkInvariant(*m), ""); }
};

TEST_F(EditorNavigation, ViewNextWithAnEmptyListDoesNothingAtAll) {
    openCreate("E");
    t.app.dispatch([this] {
        ed->DistText.setText("12");
        ed->NextProcedureCommand.setEnabled(true);
    });
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->DistText.text(), "12");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
}

// A STAR being created after "has no STARs to modify" was answered Yes.
class NewSTARs : public EditorNavigation {
protected:
    NewSTARs() {
        expectQuestion("KSEA has no STARs to modify.\r\nDo you wish to add new STARs?",
                       ui::answers::Yes);
        openModify("S", SidOnlyAirport);
        nameProcedure("ARR1", "09");
        addNavaid("SEA");
    }
    void setText(ui::TextBox& box, const std::string& text) {
        t.app.dispatch([&] { box.setText(text); });
    }
};

TEST_F(NewSTARs, ViewNextChecksTheSTAROnScreen) {
    setText(ed->RwText1, "");
    expectNotice("There are no runways designated for this STAR.\r\n"
                 "Please add at least one runway approach.");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(focus(), &ed->RwText1);

    setText(ed->RwText1, "09");
    setText(ed->AptNameText, "");
    expectNotice("There is no ICAO designated for this STAR.");
    user.click(ed->NextProcedureCommand);

    setText(ed->AptNameText, "KSEA");
    setText(ed->ProcedureNameText, "");
    expectNotice("There is no Basic name designated for this STAR.");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);

    setText(ed->ProcedureNameText, "ARR1");
    setText(ed->RwText2, "27");
    EXPECT_EQ(ed->RwText2.foreColor(), ui::colors::Red);
    expectNotice("At least one runway approach procedure\r\nneeds to be designed for this STAR.");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(focus(), &ed->RwText1);
    expectLayout();
}

TEST_F(NewSTARs, ViewNextLeavesNoGapRowAndTheNextSTARFollowsAtOnce) {
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(m->Counters.STARRowCount, 1);
    EXPECT_FALSE(ed->AptNameText.enabled());
    // The list still shows the rows the list commands work on.
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA"}));
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");

    user.click(ed->AddAnotherProcedureCommand);
    nameProcedure("ARR2", "09");
    addNavaid("SEA");
    EXPECT_EQ(m->Store.STARs[2].Name, "ARR2");
    EXPECT_EQ(m->Store.STARs[2].Elements, 1);
    expectLayout();
}

TEST_F(EditorNavigation, AddAnotherStoresRunwaysUnderTheSTAROnScreen) {
    openModify("S", sampleKSEA());
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  4  of  4");
    EXPECT_EQ(focus(), &ed->ProcedureNameText);
    EXPECT_EQ(ed->AptNameText.text(), "KSEA");
    EXPECT_EQ(lines(), std::vector<std::string>{});
    EXPECT_FALSE(ed->RwText2.visible());
    nameProcedure("ARR4", "34R");
    addNavaid("SEA");
    t.app.dispatch([this] { ed->RwText2.setText("16L"); });

    // Viewing the next STAR stores the boxes under STAR 4, the one on
    // screen, and leaves the first STAR's runways alone.
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(m->Store.STARRunways(4, 1), "34R");
    EXPECT_EQ(m->Store.STARRunways(4, 2), "16L");
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(m->Store.STARRunways(1, 2), "34R");
    EXPECT_EQ(ed->ProcedureNameText.text(), "SUMMA1");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  4");
    expectLayout();
}

TEST_F(EditorNavigation, AddAnotherRefusesAnIncompleteProcedure) {
    openCreate("E");
    expectNotice("The procedure basic name is missing");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);

    user.typeInto(ed->ProcedureNameText, "DEP1");
    expectNotice("The runway number is missing");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(focus(), &ed->RwText1);

    nameProcedure("DEP1", "16L");
    expectNotice("You must provide at least waypoint first.");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(focus(), &ed->AddNavText);
}

TEST_F(EditorNavigation, AddAnotherInSTARModesRefusesARedRunwayButNotInSIDModes) {
    openModify("S", sampleKSEA());
    t.app.dispatch([this] { ed->RwText3.setText("16C"); });
    expectNotice("At least one runway feeder has not yet been defined.");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(m->Counters.STARCount, 3);
    t.app.dispatch([this] { ed->unload(); });

    openModify("D", sampleKSEA());
    t.app.dispatch([this] { ed->RwText4.setText("16C"); });
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  4  of  4");
    EXPECT_EQ(m->Store.SIDs[1].RW4, "16C");
    EXPECT_EQ(m->ProcedureStart, 9);
}

TEST_F(EditorNavigation, NewSIDsFollowTheLastAndViewNextWrapsToTheFirst) {
    openCreate("E");
    nameProcedure("DEP1", "16L");
    addNavaid("SEA");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  2");
    EXPECT_EQ(ed->ProcedureNameText.text(), "");
    EXPECT_FALSE(ed->AptNameText.enabled());
    nameProcedure("DEP2", "34R");
    addNavaid("SEA");
    addNavaid("OLM");
    expectLayout();

    // "E" checks the SID on screen, then moves on as "D" does.
    t.app.dispatch([this] { ed->NextProcedureCommand.setEnabled(true); });
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  2");
    EXPECT_EQ(ed->ProcedureNameText.text(), "DEP1");
    EXPECT_EQ(ed->RwText1.text(), "16L");
    EXPECT_EQ(m->Store.SIDs[2].RW1, "34R");
    expectLayout();
}

TEST_F(EditorNavigation, ViewNextInNewSIDsChecksTheSIDOnScreen) {
    expectQuestion("KSEA has no SIDs to modify.\r\nDo you wish to add new SIDs?", ui::answers::Yes);
    openModify("D", StarOnlyAirport);
    nameProcedure("DEP1", "09");
    addNavaid("SEA");
    auto set = [this](ui::TextBox& box, const char* text) {
        t.app.dispatch([&] { box.setText(text); });
    };
    set(ed->RwText1, "");
    expectNotice(
        "There is no runway designated for this SID.\r\nPlease add runway approach number.");
    user.click(ed->NextProcedureCommand);
    set(ed->RwText1, "09");
    set(ed->AptNameText, "");
    expectNotice("There is no ICAO designated for this SID.");
    user.click(ed->NextProcedureCommand);
    set(ed->AptNameText, "KSEA");
    set(ed->ProcedureNameText, "");
    expectNotice("There is no Basic name designated for this SID.");
    user.click(ed->NextProcedureCommand);
    set(ed->ProcedureNameText, "DEP1");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA"}));
    expectLayout();
}

TEST_F(EditorNavigation, DeletingAMiddleSIDShowsTheNextUnderTheSameNumber) {
    openModify("D", sampleKSEA());
    user.click(ed->NextProcedureCommand);
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  2");
    EXPECT_EQ(ed->ProcedureNameText.text(), "HAROB2");
    EXPECT_EQ(ed->RwText1.text(), "16R");
    EXPECT_FALSE(ed->RwText3.visible());
    EXPECT_EQ(m->Counters.SIDRowNext, 7);
    expectLayout();

    // The last SID: back to the first.
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
    EXPECT_EQ(ed->ProcedureNameText.text(), "SEA9");
    expectLayout();

    expectQuestion("KSEA has no SIDs to modify.\r\nDo you wish to add new SIDs?", ui::answers::No);
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(m->Counters.SIDRowNext, 0);
    EXPECT_EQ(m->BackToMenu, store::True);
    expectLayout();
}

TEST_F(EditorNavigation, DeletingASTARMovesTheRunwaysOfTheLaterSTARs) {
    openModify("S", sampleKSEA());
    user.click(ed->NextProcedureCommand);
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  2");
    EXPECT_EQ(ed->ProcedureNameText.text(), "OLM4");
    EXPECT_EQ(lines(), (std::vector<std::string>{"OLM", "CHENY"}));
    EXPECT_EQ(m->Store.STARRunways(2, 1), "16C");
    EXPECT_EQ(m->Store.STARRunways(3, 1), "");
    EXPECT_EQ(ed->RwText1.text(), "16C");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);
    expectLayout();

    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
    EXPECT_EQ(ed->ProcedureNameText.text(), "SUMMA1");
    expectLayout();

    expectQuestion("KSEA has no STARs to modify.\r\nDo you wish to add new STARs?",
                   ui::answers::Yes);
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(m->Counters.STARRowCount, 0);
    EXPECT_EQ(m->EditMode, "T");
    EXPECT_EQ(lines(), std::vector<std::string>{});
    expectLayout();
}

// Written, two neighbouring SIDs of one name would become one.
TEST_F(EditorNavigation, NeighbouringSIDsKeepDifferentNames) {
    openCreate("E");
    nameProcedure("DEP1", "16L");
    addNavaid("SEA");
    user.click(ed->AddAnotherProcedureCommand);
    user.typeInto(ed->ProcedureNameText, "dep1");
    expectNotice("The SID next to this one is also named DEP1.\r\nPlease choose another name.");
    user.click(ed->AddNavText);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);
    EXPECT_EQ(ed->ProcedureNameText.selLength(), 4);
    t.app.dispatch([this] { ed->unload(); });

    const std::string sids = "SIDS\r\n"
                             "SID A RNW 09 NAVAID SEA\r\n"
                             "SID B RNW 09 NAVAID OLM\r\n"
                             "SID A RNW 27 NAVAID HQM\r\n"
                             "ENDSIDS\r\nSTARS\r\nENDSTARS\r\n";
    openModify("D", sids);
    user.click(ed->NextProcedureCommand);
    expectNotice("Deleting this SID would put the two SIDs named A side by side,\r\n"
                 "and the airport file would join them into one SID.");
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(m->Counters.SIDCount, 3);
    EXPECT_EQ(m->Store.SIDs[2].Name, "B");
    expectLayout();
}

// An airport whose tables are full: a new procedure has no room.
TEST_F(EditorNavigation, AddAnotherRefusesWhenTheTableIsFull) {
    std::string stars = "STARS\r\n";
    for (int i = 1; i <= store::STARLimit; ++i)
        stars += "STAR S" + std::to_string(i) + " NAVAID SEA RNW 09\r\n";
    openModify("S",
               SidOnlyAirport.substr(0, SidOnlyAirport.find("STARS")) + stars + "ENDSTARS\r\n");
    expectNotice("The STARs table is full.\r\nIt holds at most 40 STARs.");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(m->Counters.STARCount, 40);
    EXPECT_EQ(ed->ProcedureNameText.text(), "S1");
    t.app.dispatch([this] { ed->unload(); });

    // 300 SIDs of two legs each fill the 600 rows.
    std::string sids = "SIDS\r\n";
    for (int i = 1; i <= store::SIDCapacity / 2; ++i)
        sids += "SID D" + std::to_string(i) + " RNW 09 NAVAID SEA NAVAID OLM\r\n";
    openModify("D", sids + "ENDSIDS\r\nSTARS\r\nENDSTARS\r\n");
    ASSERT_EQ(m->Counters.SIDRowNext, 601);
    expectNotice("The SIDs table is full.\r\nIt holds at most 600 rows.");
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(m->Counters.SIDCount, 300);
    EXPECT_EQ(ed->ProcedureNameText.text(), "D1");
    expectLayout();
}

} // namespace
} // namespace editortest
