// Names typed into the editor resolved against the reference tables: the
// airport, the navaid box and the fix-name box.
#include "EditorScreen.h"
#include "Invariant.h"

namespace editortest {
namespace {

using Lines = std::vector<std::string>;

const std::string AddAtOnce = "It will automatically be added if you answer 'No' below.\r\n"
                              "Do you want to add an altitude restriction or intercept?";
const std::string OLM270UserFix = "OLM270 is already a user defined Fix.\r\n" + AddAtOnce;

TEST_F(EditorScreen, AirportCodeGivesNameAndReferencePosition) {
    openCreate("E", "");
    user.typeInto(ed->AptNameText, "kpdx");
    user.click(ed->ProcedureNameText);
    EXPECT_EQ(ed->AptNameText.text(), "KPDX");
    EXPECT_EQ(m->TypedICAO, "KPDX");
    EXPECT_EQ(ed->AirportInfoLabel.caption(), "PORTLAND INTL");
    EXPECT_EQ(m->Reference, (reference::ReferencePosition{45.588839f, -122.597259f}));

    user.replaceText(ed->AptNameText, "ZZZZ");
    user.click(ed->ProcedureNameText);
    EXPECT_EQ(ed->AirportInfoLabel.caption(), "Unknown Airport");
    EXPECT_FALSE(m->Reference.isSet());
}

TEST_F(EditorScreen, NavaidIsTakenNearTheAirport) {
    openCreate("E");
    // PAE is both near Seattle and in Thailand.
    user.typeInto(ed->AddNavText, "pae");
    user.click(ed->Alt1Text);
    EXPECT_EQ(ed->AddNavText.text(), "PAE");
    EXPECT_NEAR(m->Reference.lat, 47.919833, 1e-4);
    EXPECT_EQ(ed->FixNameText.text(), "");
}

TEST_F(EditorScreen, UnknownNavaidBecomesANewFixName) {
    openCreate("E");
    expectNotice("The Navaid QQQ is not in the Fly2 or user database.\r\nYou will have to create a "
                 "user defined fix.");
    user.typeInto(ed->AddNavText, "qqq");
    user.click(ed->Alt1Text);
    EXPECT_EQ(ed->FixNameText.text(), "QQQ");
    EXPECT_EQ(ed->AddNavText.text(), "");
    EXPECT_EQ(focus(), &ed->DDMLatText);
}

class KnownFix : public EditorScreen {
protected:
    void SetUp() override {
        openCreate("E");
        nameProcedure("TEST1", "16L");
    }
};

// "Yes": the fix waits for a restriction; its own boxes are locked, since
// it keeps its definition.
TEST_F(KnownFix, InTheNavaidBoxWithARestriction) {
    expectQuestion(OLM270UserFix, ui::answers::Yes);
    user.typeInto(ed->AddNavText, "OLM270");
    user.click(ed->Alt1Text);
    EXPECT_EQ(focus(), &ed->Alt1Text);
    EXPECT_EQ(ed->FixNameText.text(), "OLM270");
    EXPECT_EQ(ed->AddNavText.text(), "");
    EXPECT_EQ(ed->FixIsKnown, store::True);
    for (ui::TextBox* box : {&ed->FixNameText, &ed->DDMLatText, &ed->DMMLatText, &ed->DDMLongText,
                             &ed->DMMLongText, &ed->VORFIXText, &ed->HeadingText, &ed->DistText})
        EXPECT_FALSE(box->enabled()) << box->name();
    EXPECT_EQ(m->Store.FixesDefined, store::True);

    user.typeInto(ed->Alt1Text, "7000");
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(lines(), Lines{"OLM270"});
    EXPECT_EQ(m->Store.SIDs[1].Fix, "OLM270");
    EXPECT_EQ(m->Store.SIDs[1].Alt, "7000");
    // The lookup copied the user fix into the airport's fixes, once.
    EXPECT_EQ(m->Store.FixCount, 1);
    EXPECT_EQ(m->Store.Fixes[1].VOR, "OLM");
    EXPECT_TRUE(ed->FixNameText.enabled());
    EXPECT_EQ(ed->FixIsKnown, store::False);
    EXPECT_EQ(checkInvariant(*m), "");
}

// "No": the waypoint is added at once.
TEST_F(KnownFix, InTheNavaidBoxAddedAtOnce) {
    expectQuestion(OLM270UserFix, ui::answers::No);
    user.typeInto(ed->AddNavText, "OLM270");
    user.click(ed->Alt1Text);
    EXPECT_EQ(lines(), Lines{"OLM270"});
    EXPECT_EQ(m->Store.SIDs[1].Fix, "OLM270");
    EXPECT_EQ(m->Counters.SIDRowNext, 2);
    EXPECT_EQ(ed->AddNavText.text(), "");
    EXPECT_EQ(ed->FixNameText.text(), "");
    EXPECT_EQ(focus(), &ed->FixNameText);
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(EditorScreen, KnownFixInTheFixNameBoxOfASTARIsAddedAtOnce) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    expectQuestion("OLM270 is already a defined Navaid or Fix.\r\n" + AddAtOnce, ui::answers::No);
    user.typeInto(ed->FixNameText, "olm270");
    user.click(ed->Alt1Text);
    EXPECT_EQ(lines(), Lines{"OLM270"});
    EXPECT_EQ(m->Store.STARs[1].Fix, "OLM270");
    EXPECT_EQ(m->Store.STARs[1].Elements, 1);
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(checkInvariant(*m), "");
}

// The add at once makes the same checks as the add command: a row without
// a procedure name would end the table early.
TEST_F(EditorScreen, KnownFixIsNotAddedAtOnceWithoutAProcedureName) {
    openCreate("E");
    expectQuestion(OLM270UserFix, ui::answers::No);
    expectNotice("The basic name is missing.");
    user.typeInto(ed->AddNavText, "OLM270");
    user.click(ed->Alt1Text);
    EXPECT_EQ(ed->WaypointList.ListCount(), 0);
    EXPECT_EQ(m->Counters.SIDRowNext, 0);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);
    // The fix stays in its box for the add command.
    EXPECT_EQ(ed->FixNameText.text(), "OLM270");
}

TEST_F(KnownFix, NavaidNameInTheFixBoxAsksNothing) {
    user.typeInto(ed->FixNameText, "olm");
    user.click(ed->FixIDText);
    EXPECT_EQ(ed->FixNameText.text(), "OLM");
    EXPECT_EQ(ed->FixIsKnown, store::False);
    EXPECT_EQ(m->Store.FixesDefined, store::True);
}

TEST_F(KnownFix, InTheFixNameBoxWithARestriction) {
    expectQuestion("OLM270 is already a defined Navaid or Fix.\r\n" + AddAtOnce, ui::answers::Yes);
    user.typeInto(ed->FixNameText, "OLM270");
    user.click(ed->FixIDText);
    EXPECT_EQ(focus(), &ed->Alt1Text);
    EXPECT_EQ(ed->FixIsKnown, store::True);
    EXPECT_EQ(ed->WaypointList.ListCount(), 0);
}

} // namespace
} // namespace editortest
