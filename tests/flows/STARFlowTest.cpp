#include "FlowFixture.h"

namespace flows {
namespace {

std::string replaceSection(std::string text, const std::string& from, const std::string& to,
                           const std::string& lines) {
    const auto begin = text.find(from + "\r\n") + from.size() + 2;
    const auto end = text.find(to + "\r\n");
    return text.replace(begin, end - begin, lines);
}

TEST_F(Flow, TheSTARsOfAnAirportAreAddedDeletedReorderedAndSaved) {
    runtime::writeFileReplacing(airportFile("KSEA"),
                                runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt")));
    user.click(menu->ModifySTAR);
    pickAirport("K", "KSEA");
    ASSERT_TRUE(ed->visible());
    EXPECT_EQ(ed->ProcedureNameText.text(), "SUMMA1");
    expectLayout();

    // A new STAR after the last, its waypoints entered and reordered.
    user.click(ed->AddAnotherProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  4  of  4");
    user.typeInto(ed->ProcedureNameText, "new1");
    user.typeInto(ed->RwText1, "34r");
    addNavaid("sea", "8000");
    addNavaid("olm");
    user.select(ed->WaypointList, 1);
    user.click(ed->MoveUp);
    expectLayout();
    EXPECT_EQ(lines(), (std::vector<std::string>{"OLM", "SEA"}));

    // Back to the first STAR, which gets a third runway.
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  4");
    user.typeInto(ed->RwText3, "16r");
    EXPECT_EQ(ed->RwText3.foreColor(), ui::colors::Red);
    user.click(ed->NextProcedureCommand);
    expectLayout();

    // HQM3 goes.
    EXPECT_EQ(ed->ProcedureNameText.text(), "HQM3");
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->ProcedureNameText.text(), "OLM4");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  3");
    expectLayout();

    // The save lists what the checker finds: two runways without transitions.
    t.messages.expectNotice("KSEA.txt is saved. The checks found:\r\n"
                            "warning: STAR SUMMA1 uses runway 16R, which has no transition\r\n"
                            "warning: STAR OLM4 uses runway 16C, which has no transition");
    user.click(ed->SaveCommand);
    EXPECT_TRUE(menu->visible());
    const std::string expected = replaceSection(
        runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt")), "STARS", "ENDSTARS",
        "STAR SUMMA1 FIX SUMMA 12000 FIX BLAKO 9000 FIX COYLA FLOAT 5000 RNW 16L RNW "
        "34R RNW 16R\r\n"
        "STAR OLM4 NAVAID OLM FIX CHENY 8000 RNW 16C\r\n"
        "STAR NEW1 NAVAID OLM NAVAID SEA 8000 RNW 34R\r\n");
    EXPECT_EQ(runtime::readWholeFile(airportFile("KSEA")), expected);

    // Reopened, the STARs are as left.
    user.click(menu->ModifySTAR);
    pickAirport("KSEA", "KSEA");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  3");
    EXPECT_EQ(ed->RwText3.text(), "16R");
    EXPECT_EQ(ed->RwText3.foreColor(), ui::colors::Red);
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->ProcedureNameText.text(), "NEW1");
    EXPECT_EQ(lines(), (std::vector<std::string>{"OLM", "SEA"}));
    EXPECT_EQ(ed->RwText1.text(), "34R");
    expectLayout();
}

TEST_F(Flow, SavingTheSTARsOfAnAirportWithoutSIDsGoesOnToItsSIDs) {
    user.click(menu->CreateSTAR);
    user.typeInto(ed->AptNameText, "kbfi");
    user.pressEnter(ed->AptNameText);
    user.typeInto(ed->ProcedureNameText, "arr1");
    user.pressEnter(ed->ProcedureNameText);
    user.typeInto(ed->RwText1, "13R");
    addNavaid("sea");

    t.messages.expect(
        "This airport does not have any SIDs.\r\nDo you want to add SIDs to KBFI now?",
        ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::First, ui::ProgramTitle,
        ui::answers::Yes);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(std::filesystem::exists(airportFile("KBFI")));
    EXPECT_EQ(ed->caption(), "Create a Departure Procedure");
    expectLayout();

    user.typeInto(ed->ProcedureNameText, "dep1");
    user.typeInto(ed->RwText1, "13r");
    addNavaid("olm");
    t.messages.expectNotice("KBFI.txt is saved. The checks found:\r\n"
                            "warning: STAR ARR1 uses runway 13R, which has no transition");
    user.click(ed->SaveCommand);
    EXPECT_EQ(runtime::readWholeFile(airportFile("KBFI")),
              "//     KBFI - Boeing Field King Co Intl\r\n"
              "//      Terminal Procedures Created by\r\n"
              "//             Vextrel Examples\r\n"
              "//  Generated 12/6/2026 by Vextrel V1.0\r\n"
              "\r\n"
              "FIXES\r\nENDFIXES\r\n\r\n"
              "RNWS\r\nENDRNWS\r\n\r\n"
              "SIDS\r\nSID DEP1 RNW 13R NAVAID OLM\r\nENDSIDS\r\n\r\n"
              "STARS\r\nSTAR ARR1 NAVAID SEA RNW 13R\r\nENDSTARS\r\n");

    user.click(menu->ModifySTAR);
    pickAirport("KBFI", "KBFI");
    EXPECT_EQ(ed->ProcedureNameText.text(), "ARR1");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);
    expectLayout();
}

} // namespace
} // namespace flows
