// What leaving an entry box or typing a runway lets through.
#include "EditorScreen.h"

namespace editortest {
namespace {

using editor::ModifyProcedure;
using Box = ui::TextBox ModifyProcedure::*;

const std::string OnlyNumbers = "Enter only numbers please.";
const std::string HeadingRange = "Only numbers between 0 and 360 please.";

struct FieldCase {
    const char* name;
    Box box;
    const char* typed;
    std::string message; // "" when the box lets go
    const char* textAfter;
    Box focus = nullptr; // where a refusal sends the focus; null: the box itself
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) {
    return out << c.name;
}

class LeavingABox : public EditorScreen, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(LeavingABox, ChecksTheText) {
    const FieldCase& c = GetParam();
    openCreate(CreateSIDs);
    ui::TextBox& box = ed->*c.box;
    user.typeInto(box, c.typed);
    if (!c.message.empty())
        expectNotice(c.message);
    // Somewhere neutral: a box with nothing in it checks nothing.
    user.click(ed->FixIDText);
    t.messages.verify();

    EXPECT_EQ(box.text(), c.textAfter);
    if (c.message.empty()) {
        EXPECT_NE(focus(), &box);
    } else if (c.focus) {
        EXPECT_EQ(focus(), &(ed->*c.focus));
    } else {
        // The refused text is selected, so the next key replaces it.
        EXPECT_EQ(focus(), &box);
        EXPECT_EQ(box.selStart(), 0);
        EXPECT_EQ(box.selLength(), static_cast<int>(box.text().size()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, LeavingABox,
    ::testing::Values(
        // A space would split the name into two tokens of the airport file.
        FieldCase{"ProcedureNameWithSpace", &ModifyProcedure::ProcedureNameText, "SUMMA 1",
                  "A name in the airport file cannot hold spaces or quotes.\r\nPlease correct.",
                  "SUMMA 1"},
        FieldCase{"AltitudeNotNumeric", &ModifyProcedure::Alt1Text, "12A", OnlyNumbers, "12A"},
        // The airport file's reader refuses what is not a plain decimal.
        FieldCase{"AltitudeWithSeparator", &ModifyProcedure::Alt1Text, "1,000", OnlyNumbers,
                  "1,000"},
        FieldCase{"InterceptAbove360", &ModifyProcedure::InterceptHeadingText, "400", HeadingRange,
                  "400"},
        FieldCase{"InterceptAlone", &ModifyProcedure::InterceptHeadingText, "250",
                  "Entering an Intercept Heading requires\r\na Fly2 Navaid ID or Fix be entered "
                  "also.",
                  "250", &ModifyProcedure::AddNavText},
        FieldCase{"OnHeadingDistanceAlone", &ModifyProcedure::OnHeadDistText, "3",
                  "There must be an ONHDG Altitude if there is an ONHDG Distance.", "3",
                  &ModifyProcedure::OnHeadAltText}),
    [](const auto& info) { return std::string(info.param.name); });

// Typed as a user types: upper-cased in place, padded on leaving.
TEST_F(EditorScreen, RunwayBoxUpperCasesAndPadsOnLeaving) {
    openCreate(CreateSIDs);
    user.typeInto(ed->RwText1, "9r");
    EXPECT_EQ(ed->RwText1.text(), "9R");
    user.click(ed->ProcedureNameText);
    EXPECT_EQ(ed->RwText1.text(), "09R");
    user.typeInto(ed->RwText2, "7");
    user.click(ed->ProcedureNameText);
    EXPECT_EQ(ed->RwText2.text(), "07");
}

// The hemisphere options open on the airport's own hemispheres, and go back
// to them when the boxes are cleared.
TEST_F(EditorScreen, HemispheresOpenOnTheAirports) {
    const struct {
        const char* icao;
        bool north, east;
    } airports[] = {{"KSEA", true, false}, {"RJTT", true, true}, {"YSSY", false, true}};
    for (const auto& a : airports) {
        openCreate(CreateSTARs, a.icao);
        EXPECT_EQ(ed->NLatOption.value(), a.north) << a.icao;
        EXPECT_EQ(ed->ELongOption.value(), a.east) << a.icao;
        user.click(ed->NLatOption.value() ? ed->SLatOption : ed->NLatOption);
        user.click(ed->ClearDataCommand);
        EXPECT_EQ(ed->NLatOption.value(), a.north) << a.icao;
        user.click(ed->OopsCommand);
    }
}

// A modify mode opens with the focus where the first typing belongs, the
// navaid box; an airport without SIDs whose user adds some is titled for it.
// Only a STAR's runway boxes say they open feeders.
TEST_F(EditorScreen, OpeningFocusAndTitleFollowTheMode) {
    openModify(ModifySTARs, sampleKSEA());
    EXPECT_TRUE(ed->AddNavText.hasFocus());
    EXPECT_EQ(ed->RwText2.toolTip(), "Double-click or F4: the feeders of this runway");
    user.click(ed->OopsCommand);
    expectQuestion("KSEA has no SIDs to modify.\r\nDo you wish to add new SIDs?", ui::answers::Yes);
    openModify(ModifySIDs, StarOnlyAirport);
    EXPECT_EQ(ed->caption(), "Create a Departure Procedure");
    EXPECT_FALSE(ed->AddNavText.hasFocus());
    EXPECT_EQ(ed->RwText2.toolTip(), "");
}

// A new fix far from the airport (the southern hemisphere left set) is
// added only when the user says so.
TEST_F(EditorScreen, AFarNewFixIsAddedOnlyWhenConfirmed) {
    openCreate(CreateSTARs);
    nameProcedure("ARR1", "16L");
    for (const int answer : {ui::answers::No, ui::answers::Yes}) {
        user.typeInto(ed->FixNameText, "FARFX");
        user.typeInto(ed->DDMLatText, "47");
        user.typeInto(ed->DMMLatText, "30");
        user.click(ed->SLatOption);
        user.typeInto(ed->DDMLongText, "122");
        user.typeInto(ed->DMMLongText, "18");
        expectQuestion("The fix FARFX lies 5697 NM from KSEA.\r\n"
                       "Is its hemisphere right? Add it anyway?",
                       answer, ui::Icon::None, ui::DefaultButton::Second);
        user.click(ed->AddWaypointCommand);
        EXPECT_EQ(ed->WaypointList.ListCount(), answer == ui::answers::Yes ? 1 : 0);
        if (answer == ui::answers::No)
            user.click(ed->ClearDataCommand);
    }
}

// A row that intercepts a radial says so in the list; selecting it shows the
// fix the leg flies to.
TEST_F(EditorScreen, AnInterceptRowNamesWhatItIntercepts) {
    openModify(ModifySIDs, sampleKSEA());
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(lines(), (std::vector<std::string>{"INTERCEPT 250 TO HAROB", "ARVAD", "HAROB"}));
    user.select(ed->WaypointList, 0);
    EXPECT_EQ(ed->FixNameText.text(), "HAROB");
    EXPECT_EQ(ed->InterceptHeadingText.text(), "250");
}

} // namespace
} // namespace editortest
