// Deleting and moving waypoints, a click on a list line, and the clear
// command.
#include "EditorScreen.h"
#include "Invariant.h"

#include "runtime/TextFiles.h"

namespace editortest {
namespace {

using store::False;
using store::True;
using Lines = std::vector<std::string>;

// Two STARs of navaids only: AAA (one row, runway 16L), BBB (two rows, 34R).
const char* const TwoSTARs =
    "FIXES\r\nENDFIXES\r\n\r\nRNWS\r\nENDRNWS\r\n\r\nSIDS\r\nENDSIDS\r\n\r\n"
    "STARS\r\nSTAR AAA NAVAID OLM RNW 16L\r\n"
    "STAR BBB NAVAID SEA NAVAID OLM 8000 RNW 34R\r\nENDSTARS\r\n";

// One SID: an intercept of a navaid's radial, then a navaid with FLOAT.
const char* const InterceptSID = "FIXES\r\nENDFIXES\r\n\r\nRNWS\r\nENDRNWS\r\n\r\nSIDS\r\n"
                                 "SID DEP1 RNW 16L INTERCEPT 250 TO NAVAID SEA NAVAID OLM FLOAT "
                                 "5000\r\nENDSIDS\r\n\r\nSTARS\r\nENDSTARS\r\n";

class WaypointList : public EditorScreen {
protected:
    void deleteLine(int line) {
        user.select(ed->WaypointList, line);
        user.click(ed->DeleteWaypointCommand);
    }
};

TEST_F(WaypointList, DeleteWithNothingSelectedSaysSo) {
    openModify("D", sampleKSEA());
    expectNotice("There is no waypoint selected.");
    t.app.dispatch([this] { ed->DeleteWaypointCommand_Click(); });
    EXPECT_EQ(lines(), (Lines{"ONHDG", "SEA", "SEA160"}));
    EXPECT_EQ(m->Counters.SIDRowNext, 9);
}

TEST_F(WaypointList, DeletingTheLastSIDWaypointMovesTheEnd) {
    openModify("D", sampleKSEA());
    deleteLine(2);
    EXPECT_EQ(lines(), (Lines{"ONHDG", "SEA"}));
    EXPECT_EQ(m->Store.SIDs[2].VOR, "SEA");
    EXPECT_EQ(m->Store.SIDs[2].EndOfRunway, True);
    EXPECT_EQ(m->Store.SIDs[3].Name, "SUMMA1");
    EXPECT_EQ(m->Counters.SIDRowNext, 8);
    EXPECT_EQ(ed->WaypointList.listIndex(), -1);
    EXPECT_FALSE(ed->DeleteWaypointCommand.enabled());
    EXPECT_EQ(checkInvariant(*m), "");
}

// The file keeps a SID's runways on its first row only: deleting that row
// hands them on, or the SID would lose them.
TEST_F(WaypointList, DeletingTheFirstSIDWaypointKeepsItsRunways) {
    openModify("D", sampleKSEA());
    deleteLine(0);
    EXPECT_EQ(lines(), (Lines{"SEA", "SEA160"}));
    const store::SIDWaypoint& first = m->Store.SIDs[1];
    EXPECT_EQ(first.VOR, "SEA");
    EXPECT_EQ((Lines{first.RW1, first.RW2, first.RW3}), (Lines{"16L", "16C", "16R"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(WaypointList, DeletingTheFirstSTARWaypointKeepsTheCount) {
    openModify("S", sampleKSEA());
    deleteLine(0);
    EXPECT_EQ(lines(), (Lines{"BLAKO", "COYLA"}));
    EXPECT_EQ(m->Store.STARs[1].Fix, "BLAKO");
    EXPECT_EQ(m->Store.STARs[1].Elements, 2);
    EXPECT_EQ(m->Store.STARs[3].Name, "HQM3");
    EXPECT_EQ(m->Counters.STARRowCount, 6);
    EXPECT_EQ(checkInvariant(*m), "");
}

// The STAR's only row goes; the next STAR's first row, now in its place,
// keeps its own count. A waypoint added then makes the STAR again where it
// was, in front of the next one, so the runway lists still match.
TEST_F(WaypointList, STARWithoutWaypointsIsMadeAgainInItsPlace) {
    openModify("S", TwoSTARs);
    ASSERT_EQ(lines(), Lines{"OLM"});
    deleteLine(0);
    EXPECT_EQ(m->Store.STARs[1].Name, "BBB");
    EXPECT_EQ(m->Store.STARs[1].Elements, 2);
    EXPECT_EQ(m->Counters.STARRowCount, 2);
    EXPECT_EQ(checkInvariant(*m), "");

    addNavaid("SEA");
    EXPECT_EQ(lines(), Lines{"SEA"});
    EXPECT_EQ(m->Store.STARs[1].Name, "AAA");
    EXPECT_EQ(m->Store.STARs[1].Elements, 1);
    EXPECT_EQ(m->Store.STARs[2].Name, "BBB");
    EXPECT_EQ(m->Store.STARs[2].Elements, 2);
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(m->Store.STARRunways(2, 1), "34R");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(WaypointList, MoveUpSwapsRowsAndKeepsTheSIDEndInPlace) {
    openModify("D", sampleKSEA());
    user.select(ed->WaypointList, 2);
    user.click(ed->MoveUp);
    EXPECT_EQ(lines(), (Lines{"ONHDG", "SEA160", "SEA"}));
    EXPECT_EQ(ed->WaypointList.listIndex(), 1);
    // The list click ran for the moved line.
    EXPECT_EQ(ed->FixNameText.text(), "SEA160");
    const auto& sids = m->Store.SIDs;
    EXPECT_EQ(sids[2].Fix, "SEA160");
    EXPECT_EQ(sids[2].EndOfRunway, False);
    EXPECT_EQ(sids[3].VOR, "SEA");
    EXPECT_EQ(sids[3].EndOfRunway, True);
    EXPECT_EQ(checkInvariant(*m), "");
    // Each move up leaves a dump of the tables before and after.
    const std::string after = runtime::readWholeFile(m->DataFolder / "ZAfterUp.txt");
    EXPECT_NE(after.find("AfterUp"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(m->DataFolder / "ZBeforeUp.txt"));
}

TEST_F(WaypointList, MovingTheFirstSIDRowKeepsTheRunwaysFirst) {
    openModify("D", sampleKSEA());
    user.select(ed->WaypointList, 0);
    user.click(ed->MoveDown);
    EXPECT_EQ(lines(), (Lines{"SEA", "ONHDG", "SEA160"}));
    EXPECT_EQ(m->Store.SIDs[1].VOR, "SEA");
    EXPECT_EQ(m->Store.SIDs[1].RW1, "16L");
    EXPECT_EQ(m->Store.SIDs[2].OnHeadAlt, "1000");
    EXPECT_EQ(m->Store.SIDs[2].RW1, "");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(WaypointList, MovingASTARRowKeepsTheCountOnTheFirstRow) {
    openModify("S", sampleKSEA());
    user.select(ed->WaypointList, 0);
    user.click(ed->MoveDown);
    EXPECT_EQ(lines(), (Lines{"BLAKO", "SUMMA", "COYLA"}));
    EXPECT_EQ(m->Store.STARs[1].Fix, "BLAKO");
    EXPECT_EQ(m->Store.STARs[1].Elements, 3);
    EXPECT_EQ(m->Store.STARs[2].Elements, 0);
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(WaypointList, MovesAtTheEndsChangeNothingButStillDump) {
    openModify("S", sampleKSEA());
    const store::STARTable before = m->Store.STARs;
    user.select(ed->WaypointList, 0);
    user.click(ed->MoveUp);
    user.select(ed->WaypointList, 2);
    user.click(ed->MoveDown);
    EXPECT_EQ(lines(), (Lines{"SUMMA", "BLAKO", "COYLA"}));
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(m->Store.STARs[r], before[r]) << r;
    EXPECT_TRUE(std::filesystem::exists(m->DataFolder / "ZBeforeUp.txt"));
    EXPECT_TRUE(std::filesystem::exists(m->DataFolder / "ZAfterUp.txt"));
}

// The dumps are for debugging: a folder that cannot take them does not
// stop the move.
TEST_F(WaypointList, MoveUpWorksWhereNoDumpCanBeWritten) {
    openModify("S", sampleKSEA());
    m->DataFolder = t.programFolder.path() / "missing" / "PMDG";
    user.select(ed->WaypointList, 1);
    user.click(ed->MoveUp);
    EXPECT_EQ(lines(), (Lines{"BLAKO", "SUMMA", "COYLA"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(WaypointList, ClickShowsTheSIDLegInTheBoxes) {
    openModify("D", InterceptSID);
    ASSERT_EQ(lines(), (Lines{"SEA", "OLM"}));
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->InterceptHeadingText.text(), "250");
    EXPECT_TRUE(ed->InterceptToOption.value());
    EXPECT_EQ(ed->OnHeadAltText.text(), "");
    EXPECT_EQ(ed->AddNavText.text(), "");
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&ed->MoveUp, &ed->MoveDown, &ed->DeleteWaypointCommand,
                                             &ed->ModifyWaypointCommand, &ed->ClearDataCommand})
        EXPECT_TRUE(c->enabled()) << c->name();

    user.select(ed->WaypointList, 1);
    EXPECT_EQ(ed->AddNavText.text(), "OLM");
    EXPECT_EQ(ed->Alt1Text.text(), "5000");
    EXPECT_EQ(ed->FloatAltOption.value(), 1);
    EXPECT_EQ(ed->InterceptHeadingText.text(), "");
}

TEST_F(WaypointList, ClickOnANavaidShowsNoFix) {
    openModify("D", sampleKSEA());
    user.select(ed->WaypointList, 2); // SEA160
    EXPECT_EQ(ed->FixNameText.text(), "SEA160");
    user.select(ed->WaypointList, 1); // SEA, a navaid
    EXPECT_EQ(ed->FixNameText.text(), "");
    EXPECT_EQ(ed->VORFIXText.text(), "");
    // "Modify" then changes the row only, never the fix shown before.
    const store::FixTable fixes = m->Store.Fixes;
    user.click(ed->ModifyWaypointCommand);
    for (int r = 1; r <= m->Store.FixCount; ++r)
        EXPECT_EQ(m->Store.Fixes[r], fixes[r]) << r;
}

TEST_F(WaypointList, ClearEmptiesTheBoxesAndTheSelection) {
    openModify("S", sampleKSEA());
    user.select(ed->WaypointList, 2);
    ASSERT_EQ(ed->FixNameText.text(), "COYLA");
    user.click(ed->ClearDataCommand);
    EXPECT_EQ(ed->WaypointList.listIndex(), -1);
    for (ui::TextBox* box :
         {&ed->AddNavText, &ed->Alt1Text, &ed->FixNameText, &ed->FixIDText, &ed->DDMLatText,
          &ed->DMMLatText, &ed->DDMLongText, &ed->DMMLongText, &ed->VORFIXText, &ed->HeadingText,
          &ed->DistText, &ed->InterceptHeadingText, &ed->OnHeadAltText, &ed->OnHeadDistText})
        EXPECT_EQ(box->text(), "") << box->name();
    EXPECT_FALSE(ed->ModifyWaypointCommand.enabled());
    EXPECT_FALSE(ed->DeleteWaypointCommand.enabled());
    EXPECT_TRUE(ed->AddWaypointCommand.enabled());
    EXPECT_EQ(ed->FloatAltOption.value(), 0);
}

} // namespace
} // namespace editortest
