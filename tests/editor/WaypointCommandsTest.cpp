// "Add To Waypoint List" and "Modify": the rows, fixes and list lines they
// make, and every refusal.
#include "EditorScreen.h"
#include "Invariant.h"

namespace editortest {
namespace {

using store::False;
using store::True;

class AddWaypoint : public EditorScreen {
protected:
    void SetUp() override {
        openCreate("E");
        nameProcedure("TEST1", "16L");
    }
};

TEST_F(AddWaypoint, FirstSIDWaypointGoesIntoRowOne) {
    addNavaid("SEA");
    const store::SIDWaypoint& row = m->Store.SIDs[1];
    EXPECT_EQ(row.Name, "TEST1");
    EXPECT_EQ(row.VOR, "SEA");
    EXPECT_EQ(row.RW1, "16L");
    EXPECT_EQ(row.EndOfRunway, True);
    EXPECT_EQ(m->Counters.SIDRowNext, 2);
    EXPECT_EQ(lines(), std::vector<std::string>{"SEA"});
    EXPECT_EQ(focus(), &ed->AddNavText);
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(AddWaypoint, EachKindOfSIDLeg) {
    user.typeInto(ed->OnHeadAltText, "1500");
    user.typeInto(ed->OnHeadDistText, "3");
    addNavaid("SEA");
    // A radial and distance fix, with an ID.
    user.typeInto(ed->FixNameText, "SEA05");
    user.typeInto(ed->FixIDText, "ab");
    user.typeInto(ed->VORFIXText, "sea");
    user.typeInto(ed->HeadingText, "45");
    user.typeInto(ed->DistText, "12.5");
    user.typeInto(ed->Alt1Text, "6000");
    user.click(ed->FloatAltOption);
    user.click(ed->AddWaypointCommand);
    // An intercept of a fix the user-fix table knows.
    expectQuestion(
        "OLM270 is already a defined Navaid or Fix.\r\nIt will automatically be added if "
        "you answer 'No' below.\r\nDo you want to add an altitude restriction or "
        "intercept?",
        ui::answers::Yes);
    user.typeInto(ed->FixNameText, "OLM270");
    // Leaving the box asks the question, whose answer sends the focus to
    // the altitude box: the click that left it is not delivered.
    user.click(ed->InterceptToOption);
    EXPECT_EQ(focus(), &ed->Alt1Text);
    user.typeInto(ed->InterceptHeadingText, "250");
    user.click(ed->InterceptToOption);
    user.click(ed->AddWaypointCommand);

    const auto& sids = m->Store.SIDs;
    EXPECT_EQ(sids[1].OnHeadAlt, "1500");
    EXPECT_EQ(sids[1].OnHeadDist, "3");
    EXPECT_EQ(sids[1].VOR, "SEA");
    EXPECT_EQ(sids[2].Fix, "SEA05");
    EXPECT_EQ(sids[2].Alt, "6000");
    EXPECT_EQ(sids[2].Float, True);
    EXPECT_EQ(sids[3].InterceptHeading, "250");
    EXPECT_EQ(sids[3].InterceptToFrom, "TO");
    EXPECT_EQ(sids[3].InterceptFix, "OLM270");
    EXPECT_EQ(sids[3].Fix, "");
    EXPECT_EQ(sids[3].VOR, "");
    EXPECT_EQ(
        (std::vector<store::Flag>{sids[1].EndOfRunway, sids[2].EndOfRunway, sids[3].EndOfRunway}),
        (std::vector<store::Flag>{False, False, True}));
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA", "SEA05", "OLM270"}));

    // SEA05 is new: a fix from the navaid, ID in parentheses; OLM270 was
    // copied from the user fixes by the lookup and is not made twice.
    ASSERT_EQ(m->Store.FixCount, 2);
    const store::FixRecord& sea05 = m->Store.Fixes[1];
    EXPECT_EQ(sea05.Name, "SEA05");
    EXPECT_EQ(sea05.TypeOfID, "(AB)");
    EXPECT_EQ(sea05.VOR, "SEA");
    EXPECT_EQ(sea05.Heading, 45.0f);
    EXPECT_EQ(sea05.VORDist, 12.5f);
    EXPECT_EQ(sea05.LatDeg, "");
    EXPECT_EQ(m->Store.Fixes[2].Name, "OLM270");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(AddWaypoint, LatLongFixWithOneBoxOfAPairGetsZero) {
    user.typeInto(ed->FixNameText, "MYFIX");
    user.typeInto(ed->DDMLatText, "47");
    user.typeInto(ed->DMMLongText, "30");
    user.click(ed->SLatOption);
    user.click(ed->AddWaypointCommand);
    ASSERT_EQ(m->Store.FixCount, 1);
    const store::FixRecord& fix = m->Store.Fixes[1];
    EXPECT_EQ(fix.Name, "MYFIX");
    EXPECT_EQ(fix.HemLat, "S");
    EXPECT_EQ(fix.LatDeg, "47");
    EXPECT_EQ(fix.LatMin, "0");
    EXPECT_EQ(fix.HemLong, "W");
    EXPECT_EQ(fix.LongDeg, "0");
    EXPECT_EQ(fix.LongMin, "30.00");
    EXPECT_EQ(fix.VOR, "");
    EXPECT_EQ(m->Store.SIDs[1].Fix, "MYFIX");
    EXPECT_EQ(lines(), std::vector<std::string>{"MYFIX"});
    // The clear command ran: the boxes are ready for the next waypoint.
    EXPECT_EQ(ed->FixNameText.text(), "");
    EXPECT_EQ(ed->DDMLatText.text(), "");
    EXPECT_EQ(checkInvariant(*m), "");
}

// Once a loose end: the on-heading altitude without its distance changes
// nothing about how a new fix is added.
TEST_F(AddWaypoint, UserFixWithOnHeadingAltitudeOnlyIsAddedLikeAnyOther) {
    user.typeInto(ed->OnHeadAltText, "2000");
    addLatLongFix("ONFIX", "47", "10", "122", "20");
    EXPECT_EQ(lines(), std::vector<std::string>{"ONFIX"});
    EXPECT_EQ(m->Store.SIDs[1].OnHeadAlt, "2000");
    EXPECT_EQ(m->Store.SIDs[1].OnHeadDist, "");
    EXPECT_EQ(m->Store.SIDs[1].Fix, "ONFIX");
    EXPECT_EQ(store::SearchForFix(m->Store.Fixes, "ONFIX"), 1);
    EXPECT_NE(m->UserFixTable.find("ONFIX"), 0);
    EXPECT_EQ(checkInvariant(*m), "");
}

struct Refusal {
    const char* name;
    std::function<void(EditorScreen&, editor::ModifyProcedure&)> fill;
    std::string message;
    ui::TextBox editor::ModifyProcedure::*focus;
};

class AddRefusal : public EditorScreen, public ::testing::WithParamInterface<Refusal> {};

TEST_P(AddRefusal, ShowsTheMessageAndAddsNothing) {
    openCreate("E");
    GetParam().fill(*this, *ed);
    const int fixes = m->Store.FixCount;
    const int users = m->UserFixTable.UserFixCount();
    expectNotice(GetParam().message);
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(focus(), &(ed->*GetParam().focus));
    EXPECT_EQ(ed->WaypointList.ListCount(), 0);
    EXPECT_TRUE(m->Store.SIDs[1].Name.empty());
    EXPECT_EQ(m->Store.FixCount, fixes);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), users);
}

void named(EditorScreen&, editor::ModifyProcedure& e) {
    e.ProcedureNameText.setText("TEST1");
    e.RwText1.setText("16L");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AddRefusal,
    ::testing::Values(
        Refusal{"NoName", [](auto&, auto& e) { e.AddNavText.setText("SEA"); },
                "The basic name is missing.", &editor::ModifyProcedure::ProcedureNameText},
        Refusal{"NoRunway",
                [](auto&, auto& e) {
                    e.ProcedureNameText.setText("TEST1");
                    e.AddNavText.setText("SEA");
                },
                "The runway number is missing.", &editor::ModifyProcedure::RwText1},
        Refusal{"NoWaypoint", named, "There is no Fix or Fly2 Nav ID.",
                &editor::ModifyProcedure::AddNavText},
        Refusal{"RadialWithoutDistance",
                [](auto& s, auto& e) {
                    named(s, e);
                    e.FixNameText.setText("NEWFX");
                    e.VORFIXText.setText("SEA");
                    e.HeadingText.setText("90");
                },
                "The User defined VOR is missing data.", &editor::ModifyProcedure::VORFIXText},
        Refusal{"NoLatitude",
                [](auto& s, auto& e) {
                    named(s, e);
                    e.FixNameText.setText("NEWFX");
                    e.DDMLongText.setText("122");
                },
                "There is no Latitude data.", &editor::ModifyProcedure::DDMLatText},
        Refusal{"NoLongitude",
                [](auto& s, auto& e) {
                    named(s, e);
                    e.FixNameText.setText("NEWFX");
                    e.DMMLatText.setText("5.00");
                },
                "There is no Longitude data.", &editor::ModifyProcedure::DDMLongText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AddWaypoint, WithALineSelectedAsksBeforeWritingOver) {
    addNavaid("SEA");
    addNavaid("OLM");
    const std::string question = "You have a waypoint already selected.\r\nDo you really want to "
                                 "write over this waypoint?\r\nIf yes, the older values will be "
                                 "erase.";
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->AddNavText.text(), "SEA");
    t.messages.expect(question, ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second,
                      ui::ProgramTitle, ui::answers::No);
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(m->LastAnswer, "7");
    EXPECT_EQ(ed->WaypointList.listIndex(), 0);
    EXPECT_EQ(ed->AddNavText.text(), "SEA");

    t.messages.expect(question, ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second,
                      ui::ProgramTitle, ui::answers::Yes);
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(m->LastAnswer, "6");
    EXPECT_EQ(ed->WaypointList.listIndex(), -1);
    EXPECT_EQ(ed->AddNavText.text(), "");
    // Nothing was added either time.
    EXPECT_EQ(m->Counters.SIDRowNext, 3);
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA", "OLM"}));
}

TEST_F(EditorScreen, STARInsertionWithoutNavaidOrFixWritesNothing) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    expectNotice("The waypoint Navaid or Fix is missing.");
    bool added = true;
    t.app.dispatch([&] { added = ed->AddSTARWaypoint(); });
    EXPECT_FALSE(added);
    EXPECT_EQ(focus(), &ed->AddNavText);
    EXPECT_EQ(m->Counters.STARRowCount, 0);
    EXPECT_TRUE(m->Store.STARs[1].Name.empty());
}

TEST_F(EditorScreen, FirstSTARWaypointCountsOneAndStoresTheRunways) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    addNavaid("OLM");
    EXPECT_EQ(m->Store.STARs[1].Elements, 1);
    EXPECT_EQ(m->Store.STARs[1].VOR, "OLM");
    EXPECT_EQ(m->Counters.STARRowCount, 1);
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");
    EXPECT_EQ(checkInvariant(*m), "");
}

// Renaming a STAR while it grows keeps it one STAR under the new name
// (before, the new row started a STAR of its own that the count of the
// first row still claimed).
TEST_F(EditorScreen, STARRenamedWhileGrowingStaysOneSTAR) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    addNavaid("OLM");
    user.replaceText(ed->ProcedureNameText, "ARR2");
    addNavaid("SEA");
    const auto& stars = m->Store.STARs;
    EXPECT_EQ(stars[1].Name, "ARR2");
    EXPECT_EQ(stars[2].Name, "ARR2");
    EXPECT_EQ(stars[1].Elements, 2);
    EXPECT_EQ(stars[2].Elements, 0);
    EXPECT_EQ(m->ProcedureStart, 1);
    EXPECT_EQ(lines(), (std::vector<std::string>{"OLM", "SEA"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

// Full tables refuse, naming the limit, and nothing changes.
TEST_F(AddWaypoint, FullSIDTableRefuses) {
    for (int r = 1; r <= store::SIDCapacity; ++r) {
        m->Store.SIDs[r].Name = "TEST1";
        m->Store.SIDs[r].VOR = "SEA";
    }
    m->Store.SIDs[1].RW1 = "16L";
    m->Store.SIDs[store::SIDCapacity].EndOfRunway = True;
    m->Counters.SIDRowNext = store::SIDCapacity + 1;
    t.app.dispatch([this] { ed->LoadWaypointList(); });
    ASSERT_EQ(ed->WaypointList.ListCount(), store::SIDCapacity);
    const store::SIDTable before = m->Store.SIDs;
    expectNotice("The SIDs table is full.\r\nIt holds at most 600 rows.");
    addNavaid("OLM");
    EXPECT_EQ(m->Counters.SIDRowNext, store::SIDCapacity + 1);
    EXPECT_EQ(ed->WaypointList.ListCount(), store::SIDCapacity);
    for (int r = 1; r <= store::SIDCapacity; ++r)
        ASSERT_EQ(m->Store.SIDs[r], before[r]) << r;
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(AddWaypoint, FullFixTableRefusesANewFix) {
    for (int r = 1; r <= store::FixCapacity; ++r) {
        m->Store.Fixes[r].Name = "F" + std::to_string(r);
        m->Store.Fixes[r].VOR = "SEA";
    }
    m->Store.FixCount = store::FixCapacity;
    expectNotice("The Fixes table is full.\r\nIt holds at most 700 fixes.");
    addLatLongFix("NEWFX", "47", "1", "122", "2");
    EXPECT_EQ(m->Store.FixCount, store::FixCapacity);
    EXPECT_EQ(m->Counters.SIDRowNext, 0);
    EXPECT_EQ(ed->WaypointList.ListCount(), 0);
    EXPECT_EQ(m->UserFixTable.find("NEWFX"), 0);
    // A navaid still fits.
    user.click(ed->ClearDataCommand);
    addNavaid("SEA");
    EXPECT_EQ(ed->WaypointList.ListCount(), 1);
}

TEST_F(EditorScreen, FullSTARTableRefuses) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    for (int r = 1; r <= store::STARCapacity; ++r) {
        m->Store.STARs[r].Name = "S" + std::to_string(r);
        m->Store.STARs[r].VOR = "OLM";
        m->Store.STARs[r].Elements = 1;
    }
    m->Counters.STARRowCount = store::STARCapacity;
    m->ProcedureStart = store::STARCapacity + 1;
    expectNotice("The STARs table is full.\r\nIt holds at most 600 rows.");
    addNavaid("SEA");
    EXPECT_EQ(m->Counters.STARRowCount, store::STARCapacity);
    EXPECT_EQ(ed->WaypointList.ListCount(), 0);
}

// A user fix picked again after its first definition keeps that one: the
// second add finds it in the airport's fixes and makes no second row.
TEST_F(AddWaypoint, SameNewFixTwiceMakesOneFixAndOneUserFix) {
    addLatLongFix("TWICE", "47", "1", "122", "2");
    const int users = m->UserFixTable.UserFixCount();
    expectQuestion("TWICE is already a defined Navaid or Fix.\r\nIt will automatically be added if "
                   "you answer 'No' below.\r\nDo you want to add an altitude restriction or "
                   "intercept?",
                   ui::answers::Yes);
    user.typeInto(ed->FixNameText, "TWICE");
    user.click(ed->AddWaypointCommand); // the question took the focus away
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(m->Store.FixCount, 1);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), users);
    EXPECT_EQ(lines(), (std::vector<std::string>{"TWICE", "TWICE"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

class ModifyWaypoint : public EditorScreen {};

// A renamed fix is renamed wherever it is used, so the file still defines
// every fix it names.
TEST_F(ModifyWaypoint, RenamedFixIsRenamedEverywhere) {
    openModify("S", sampleKSEA());
    ASSERT_EQ(lines(), (std::vector<std::string>{"SUMMA", "BLAKO", "COYLA"}));
    user.select(ed->WaypointList, 2);
    EXPECT_EQ(ed->FixNameText.text(), "COYLA");
    EXPECT_EQ(ed->DDMLatText.text(), "47");
    EXPECT_EQ(ed->DMMLatText.text(), "30.81");
    EXPECT_TRUE(ed->NLatOption.value());
    EXPECT_TRUE(ed->WLongOption.value());
    user.replaceText(ed->FixNameText, "COYLX");
    user.replaceText(ed->DMMLatText, "30.9");
    user.click(ed->ModifyWaypointCommand);

    EXPECT_EQ(store::SearchForFix(m->Store.Fixes, "COYLA"), 0);
    const int row = store::SearchForFix(m->Store.Fixes, "COYLX");
    ASSERT_NE(row, 0);
    EXPECT_EQ(m->Store.Fixes[row].LatMin, "30.90");
    EXPECT_EQ(m->Store.STARs[3].Fix, "COYLX");
    int runwayRows = 0;
    for (int r = 1; !m->Store.Runways[r].ID.empty(); ++r) {
        EXPECT_NE(m->Store.Runways[r].FIX, "COYLA");
        runwayRows += m->Store.Runways[r].FIX == "COYLX";
    }
    EXPECT_GT(runwayRows, 0);
    EXPECT_EQ(lines(), (std::vector<std::string>{"SUMMA", "BLAKO", "COYLX"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(ModifyWaypoint, RenamedFixIsRenamedInTheSIDsToo) {
    openModify("S", sampleKSEA());
    user.select(ed->WaypointList, 0); // SUMMA, also the end of SID SUMMA1
    user.replaceText(ed->FixNameText, "SUMMX");
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(m->Store.STARs[1].Fix, "SUMMX");
    EXPECT_EQ(m->Store.SIDs[5].Fix, "SUMMX");
    EXPECT_EQ(lines()[0], "SUMMX");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(ModifyWaypoint, StarAltitudeAndFloatFollowTheBoxes) {
    openModify("S", sampleKSEA());
    user.select(ed->WaypointList, 2); // COYLA FLOAT 5000
    EXPECT_EQ(ed->Alt1Text.text(), "5000");
    EXPECT_EQ(ed->FloatAltOption.value(), 1);
    user.replaceText(ed->Alt1Text, "\b");
    user.click(ed->FloatAltOption);
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(m->Store.STARs[3].Alt, "");
    EXPECT_EQ(m->Store.STARs[3].Float, False);
    EXPECT_EQ(lines()[2], "COYLA");
}

TEST_F(ModifyWaypoint, FixWithoutLatitudeIsRefusedUnchanged) {
    openModify("S", sampleKSEA());
    user.select(ed->WaypointList, 1); // BLAKO
    const store::FixRecord before = m->Store.Fixes[store::SearchForFix(m->Store.Fixes, "BLAKO")];
    ed->DDMLatText.setText("");
    ed->DMMLatText.setText("");
    expectNotice("There is no Latitude data.");
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(focus(), &ed->DDMLatText);
    EXPECT_EQ(m->Store.Fixes[store::SearchForFix(m->Store.Fixes, "BLAKO")], before);
}

TEST_F(ModifyWaypoint, SIDRowKeepsWhatEmptyBoxesLeave) {
    openModify("D", sampleKSEA());
    // SEA9: ONHDG 1000, NAVAID SEA, FIX SEA160 6000.
    ASSERT_EQ(lines(), (std::vector<std::string>{"ONHDG", "SEA", "SEA160"}));
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->OnHeadAltText.text(), "1000");
    user.replaceText(ed->OnHeadAltText, "1200");
    user.typeInto(ed->OnHeadDistText, "2");
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(m->Store.SIDs[1].OnHeadAlt, "1200");
    EXPECT_EQ(m->Store.SIDs[1].OnHeadDist, "2");
    EXPECT_EQ(m->Store.SIDs[1].Alt, "");

    // A fix given from a navaid: the box shows the bearing as the box
    // holds it, and an unchanged box keeps the stored value.
    user.select(ed->WaypointList, 2);
    EXPECT_EQ(ed->VORFIXText.text(), "SEA");
    EXPECT_EQ(ed->HeadingText.text(), "160");
    EXPECT_EQ(ed->DistText.text(), "10");
    user.replaceText(ed->DistText, "11.5");
    user.click(ed->ModifyWaypointCommand);
    const store::FixRecord& fix = m->Store.Fixes[store::SearchForFix(m->Store.Fixes, "SEA160")];
    EXPECT_EQ(fix.VORDist, 11.5f);
    EXPECT_EQ(fix.Heading, 160.0f);
    EXPECT_EQ(m->Store.SIDs[3].Alt, "6000");
    EXPECT_EQ(checkInvariant(*m), "");
}

TEST_F(ModifyWaypoint, BearingTheBoxCannotHoldIsKept) {
    openModify("D", "FIXES\r\nFIX SEA12 COLOCATED SEA 123.4 10.25\r\nENDFIXES\r\n\r\nRNWS\r\n"
                    "ENDRNWS\r\n\r\nSIDS\r\nSID DEP1 RNW 16L FIX SEA12\r\nENDSIDS\r\n\r\n"
                    "STARS\r\nENDSTARS\r\n");
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->HeadingText.text(), "123");
    EXPECT_EQ(ed->DistText.text(), "10.25");
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(m->Store.Fixes[1].Heading, 123.4f);
    EXPECT_EQ(m->Store.Fixes[1].VORDist, 10.25f);
}

TEST_F(AddWaypoint, ModifyStoresTheIDWithoutParentheses) {
    user.typeInto(ed->FixNameText, "IDFIX");
    user.typeInto(ed->FixIDText, "cf");
    user.typeInto(ed->DDMLatText, "47");
    user.typeInto(ed->DDMLongText, "122");
    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(m->Store.Fixes[1].TypeOfID, "(CF)");
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->FixIDText.text(), "CF");
    user.click(ed->ModifyWaypointCommand);
    EXPECT_EQ(m->Store.Fixes[1].TypeOfID, "CF");
    EXPECT_EQ(m->Store.Fixes[1].Name, "IDFIX");
}

} // namespace
} // namespace editortest
