// Cases where the editor chose the behaviour that keeps the airport file
// whole: STAR numbering and rows, user fixes, renamed fixes, red runways.
#include "EditorScreen.h"
#include "Invariant.h"

namespace editortest {
namespace {

using Lines = std::vector<std::string>;

// Viewing the next STAR while creating STARs leaves no empty row: the
// writer would drop every STAR after a gap.
TEST_F(EditorScreen, ViewNextWhileCreatingSTARsLeavesNoGapRow) {
    expectQuestion("KSEA has no STARs to modify.\r\nDo you wish to add new STARs?",
                   ui::answers::Yes);
    openModify(ModifySTARs, SidOnlyAirport);
    nameProcedure("ARR1", "09");
    addNavaid("SEA");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(lines(), Lines{"SEA"});

    user.click(ed->AddAnotherProcedureCommand);
    nameProcedure("ARR2", "09");
    addNavaid("OLM");
    EXPECT_EQ(m->Store.STARs[2].Name, "ARR2");
    EXPECT_EQ(checkInvariant(*m), "");
}

// After Add Another the STAR on screen is the new one: its runway boxes are
// stored under it, never over another STAR's runways.
TEST_F(EditorScreen, AddAnotherSTARKeepsItsOwnRunways) {
    openModify(ModifySTARs, sampleKSEA());
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  4  of  4");
    nameProcedure("ARR4", "34R");
    addNavaid("SEA");
    setText(ed->RwText2, "16L");
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ((Lines{m->Store.STARRunways(4, 1), m->Store.STARRunways(4, 2)}),
              (Lines{"34R", "16L"}));
    EXPECT_EQ((Lines{m->Store.STARRunways(1, 1), m->Store.STARRunways(1, 2)}),
              (Lines{"16L", "34R"}));
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  4");
    EXPECT_EQ(checkInvariant(*m), "");
}

// A STAR renamed while it grows stays one STAR under the new name.
TEST_F(EditorScreen, STARRenamedWhileGrowingStaysOneSTAR) {
    openCreate(CreateSTARs);
    nameProcedure("ARR1", "16L");
    addNavaid("OLM");
    user.replaceText(ed->ProcedureNameText, "ARR2");
    addNavaid("SEA");
    const auto& stars = m->Store.STARs;
    EXPECT_EQ((Lines{stars[1].Name, stars[2].Name}), (Lines{"ARR2", "ARR2"}));
    EXPECT_EQ(stars[1].Elements, 2);
    EXPECT_EQ(lines(), (Lines{"OLM", "SEA"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

// A fix added while the on-heading altitude is filled and its distance
// empty is added like any other: list line, fix row and user fix. A navaid
// waypoint passes an empty name, which makes no blank user fix.
TEST_F(EditorScreen, UserFixesAreAddedLikeAnyOtherAndNeverBlank) {
    openCreate(CreateSIDs);
    nameProcedure("TEST1", "16L");
    const int before = m->UserFixTable.UserFixCount();
    user.typeInto(ed->OnHeadAltText, "2000");
    addLatLongFix("ONFIX", "47", "10", "122", "20");
    // Stored as the file reads it back: the on-heading leg, then the fix.
    EXPECT_EQ(lines(), (Lines{"ONHDG", "ONFIX"}));
    EXPECT_EQ(store::SearchForFix(m->Store.Fixes, "ONFIX"), 1);
    EXPECT_NE(m->UserFixTable.find("ONFIX"), 0);
    EXPECT_EQ(checkInvariant(*m), "");

    addNavaid("SEA");
    t.app.dispatch([this] { ed->AddUserFix(""); });
    EXPECT_EQ(m->UserFixTable.UserFixCount(), before + 1);
    EXPECT_EQ(m->UserFixTable.find(""), 0);
}

// A fix picked from the user's own is added at the next click: the name
// box, left for the Add button, does not ask again whether to use it.
TEST_F(EditorScreen, APickedFixIsAddedAtTheNextClick) {
    openModify(ModifySTARs, sampleKSEA());
    for (const std::string name : {"HAROB", "BUCKK"}) {
        user.doubleClick(ed->FixNameText);
        int entry = 0;
        while (picker->UserFixList.List(entry) != name)
            ++entry;
        user.select(picker->UserFixList, entry);
        user.click(picker->UseFixCommand);
        // The editor's window gives the focus back to the name box.
        user.click(ed->FixNameText);
        user.click(ed->AddWaypointCommand);
    }
    EXPECT_EQ(lines(), (Lines{"SUMMA", "BLAKO", "COYLA", "HAROB", "BUCKK"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

// A STAR runway without a transition is red however it gets into its box,
// typed or drawn for the STAR shown.
TEST_F(EditorScreen, STARRunwayWithoutTransitionIsRed) {
    openModify(ModifySTARs, sampleKSEA());
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  3");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->RwText1.text(), "16C");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);
    t.app.dispatch([this] { ed->unload(); });

    // Only 09 has a transition: 9 is red until leaving pads it.
    openModify(ModifySTARs, StarOnlyAirport);
    user.typeInto(ed->RwText1, "9");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);
    user.click(ed->AddNavText);
    EXPECT_EQ(ed->RwText1.text(), "09");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
}

} // namespace
} // namespace editortest
