#include "FlowFixture.h"

namespace flows {
namespace {

const char* const NoSTARs = "This airport does not have any STARs.\r\n"
                            "Do you want to add STARs to KBFI now?";

// Every kind of SID leg: an on-heading leg with a not-before distance, a
// navaid, a latitude/longitude fix, a radial/distance fix and an intercept.
const char* const ExpectedKBFI =
    "//     KBFI - Boeing Field King Co Intl\r\n"
    "//      Terminal Procedures Created by\r\n"
    "//             Vextrel Examples\r\n"
    "//  Generated 12/6/2026 by Vextrel V1.0\r\n"
    "\r\n"
    "FIXES\r\n"
    "FIX BFIA ID (IA) LATLON N 47 30.50 W 122 18.20\r\n"
    "FIX SEA090 COLOCATED SEA 90 10\r\n"
    "ENDFIXES\r\n"
    "\r\n"
    "RNWS\r\n"
    "ENDRNWS\r\n"
    "\r\n"
    "SIDS\r\n"
    "SID BFI1 RNW 13R RNW 31L ONHDG 1500 NOT BEFORE 3 NAVAID SEA 5000 FIX BFIA FIX SEA090 FLOAT "
    "7000 INTERCEPT 250 TO NAVAID OLM 9000\r\n"
    "ENDSIDS\r\n"
    "\r\n"
    "STARS\r\n"
    "ENDSTARS\r\n";

TEST_F(Flow, TheSIDsOfANewAirportAreSavedAndReadBackToTheByte) {
    ASSERT_TRUE(menu->visible());
    user.click(menu->CreateDP);
    ASSERT_TRUE(ed->visible());
    EXPECT_FALSE(menu->visible());
    EXPECT_EQ(ed->AptNameText.text(), "");

    user.typeInto(ed->AptNameText, "kbfi");
    user.pressEnter(ed->AptNameText);
    EXPECT_EQ(ed->AirportInfoLabel.caption(), "Boeing Field King Co Intl");
    user.typeInto(ed->ProcedureNameText, "bfi1");
    user.pressEnter(ed->ProcedureNameText);
    user.typeInto(ed->RwText1, "13r");
    user.typeInto(ed->RwText2, "31L");

    // On heading to 1500, not before 3 miles, then to the navaid SEA.
    user.typeInto(ed->OnHeadAltText, "1500");
    user.typeInto(ed->OnHeadDistText, "3");
    addNavaid("sea", "5000");
    // A new fix by latitude and longitude.
    user.typeInto(ed->FixNameText, "bfia");
    user.typeInto(ed->FixIDText, "ia");
    user.typeInto(ed->DDMLatText, "47");
    user.typeInto(ed->DMMLatText, "30.5");
    user.typeInto(ed->DDMLongText, "122");
    user.typeInto(ed->DMMLongText, "18.2");
    user.click(ed->AddWaypointCommand);
    expectLayout();
    // A new fix by radial and distance from SEA, with a floating altitude.
    user.typeInto(ed->FixNameText, "sea090");
    user.typeInto(ed->VORFIXText, "sea");
    user.typeInto(ed->HeadingText, "90");
    user.typeInto(ed->DistText, "10");
    user.typeInto(ed->Alt1Text, "7000");
    user.click(ed->FloatAltOption);
    user.click(ed->AddWaypointCommand);
    expectLayout();
    // An intercept of a radial to OLM.
    user.typeInto(ed->AddNavText, "olm");
    user.typeInto(ed->InterceptHeadingText, "250");
    user.click(ed->InterceptToOption);
    user.typeInto(ed->Alt1Text, "9000");
    user.click(ed->AddWaypointCommand);
    expectLayout();
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA", "BFIA", "SEA090", "INTERCEPT 250 TO OLM"}));

    t.messages.expect(NoSTARs, ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::First,
                      ui::ProgramTitle, ui::answers::No);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(ed->isLoaded());
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(runtime::readWholeFile(airportFile("KBFI")), ExpectedKBFI);
    EXPECT_NE(reference::loadUserFixes(t.programFolder.path() / "UserFixes.txt").find("BFIA"), 0);

    // Reopened to modify, the SID is on screen as built; saved again, the
    // file is the same to the byte.
    user.click(menu->ModifyDP);
    pickAirport("KB", "KBFI");
    ASSERT_TRUE(ed->visible());
    EXPECT_EQ(ed->caption(), "Modify a Departure Procedure");
    EXPECT_EQ(ed->ProcedureNameText.text(), "BFI1");
    EXPECT_EQ(ed->RwText1.text(), "13R");
    EXPECT_EQ(ed->RwText2.text(), "31L");
    EXPECT_EQ(lines(), (std::vector<std::string>{"SEA", "BFIA", "SEA090", "INTERCEPT 250 TO OLM"}));
    expectLayout();
    t.messages.expect(NoSTARs, ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::First,
                      ui::ProgramTitle, ui::answers::No);
    user.click(ed->SaveCommand);
    EXPECT_EQ(runtime::readWholeFile(airportFile("KBFI")), ExpectedKBFI);
}

} // namespace
} // namespace flows
