#include "EditorScreen.h"
#include "Invariant.h"
#include "StandIns.h"

namespace editortest {
namespace {

class EditorSave : public EditorScreen {
protected:
    EditorSave() {
        menu = &t.app.add<StandInScreen>("InitialLoad");
        m->AuthorName = "Vextrel Examples";
    }
    std::filesystem::path airportFile(const std::string& icao = "KSEA") const {
        return m->DataFolder / (icao + ".txt");
    }
    std::filesystem::path userFixFile() const { return t.programFolder.path() / "UserFixes.txt"; }
    void expectCritical(const std::string& text, int answer,
                        ui::DefaultButton defaultButton = ui::DefaultButton::First) {
        expectQuestion(text, answer, ui::Icon::Critical, defaultButton);
    }
    StandInScreen* menu;
};

TEST_F(EditorSave, SavingAnUnchangedAirportWritesItBackByteForByte) {
    openModify("D", sampleKSEA());
    t.app.dispatch([this] { menu->hide(); });
    user.click(ed->SaveCommand);
    EXPECT_EQ(runtime::readWholeFile(airportFile()), sampleKSEA());
    EXPECT_FALSE(ed->isLoaded());
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->Store.SIDs[1].Name, "");
    EXPECT_EQ(m->Store.FixCount, 0);
    EXPECT_EQ(m->Counters.SIDRowNext, 0);
    EXPECT_EQ(m->Counters.STARRowCount, 0);
    // The user fixes are written, sorted, with the airport's fixes merged in.
    const auto fixes = reference::loadUserFixes(userFixFile());
    EXPECT_NE(fixes.find("SUMMA"), 0);
}

TEST_F(EditorSave, AnIncompleteScreenIsRefusedAndNothingIsWritten) {
    openCreate("E", "");
    expectNotice("The procedure basic name is missing");
    user.click(ed->SaveCommand);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);

    nameProcedure("DEP1", "16L");
    expectNotice("The ICAO is missing.");
    user.click(ed->SaveCommand);
    EXPECT_EQ(focus(), &ed->AptNameText);

    user.typeInto(ed->AptNameText, "K.1");
    expectNotice(
        "The ICAO code K.1 names the airport file.\r\nPlease use letters and digits only.");
    user.click(ed->SaveCommand);
    EXPECT_EQ(focus(), &ed->AptNameText);

    user.replaceText(ed->AptNameText, "KSEA");
    expectNotice("There are no waypoints.");
    user.click(ed->SaveCommand);
    EXPECT_EQ(focus(), &ed->AddNavText);
    EXPECT_TRUE(std::filesystem::is_empty(m->DataFolder));
    EXPECT_FALSE(std::filesystem::exists(userFixFile()));
}

const char* const Overwrite = "There is already a file by the same\r\n"
                              "ICAO code as the one you want to save.\r\n"
                              "Click Yes to overwrite that file.\r\n"
                              "Click No to change your filename.";
const char* const AddSTARs = "This airport does not have any STARs.\r\n"
                             "Do you want to add STARs to KSEA now?";
const char* const AddSIDs = "This airport does not have any SIDs.\r\n"
                            "Do you want to add SIDs to KSEA now?";

TEST_F(EditorSave, ANewAirportAsksBeforeOverwritingAnExistingFile) {
    t.programFolder.write("PMDG/KSEA.txt", "old");
    openCreate("E");
    nameProcedure("DEP1", "16L");
    addNavaid("SEA");
    expectCritical(Overwrite, ui::answers::No, ui::DefaultButton::Second);
    user.click(ed->SaveCommand);
    EXPECT_EQ(focus(), &ed->AptNameText);
    EXPECT_EQ(m->LastAnswer, "7");
    EXPECT_EQ(runtime::readWholeFile(airportFile()), "old");

    expectCritical(Overwrite, ui::answers::Yes, ui::DefaultButton::Second);
    expectCritical(AddSTARs, ui::answers::No);
    user.click(ed->SaveCommand);
    const std::string written = runtime::readWholeFile(airportFile());
    EXPECT_NE(written.find("SID DEP1 RNW 16L NAVAID SEA\r\n"), std::string::npos) << written;
    EXPECT_FALSE(ed->isLoaded());
}

TEST_F(EditorSave, SIDsWithoutSTARsOfferToAddSTARsFirst) {
    openCreate("E");
    nameProcedure("DEP1", "16L");
    addNavaid("SEA");
    expectCritical(AddSTARs, ui::answers::Yes);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(std::filesystem::exists(airportFile()));
    EXPECT_EQ(m->EditMode, "T");
    EXPECT_EQ(ed->caption(), "Create a Standard Terminal Arrival Procedure");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
    EXPECT_TRUE(ed->HideInterceptONHDG.visible());
    EXPECT_FALSE(ed->DeleteProcedureCommand.enabled());
    EXPECT_EQ(ed->AptNameText.text(), "KSEA");
    EXPECT_EQ(ed->ProcedureNameText.text(), "");
    EXPECT_EQ(m->Store.SIDs[1].RW1, "16L");
    EXPECT_EQ(checkInvariant(*m), "");

    nameProcedure("ARR1", "34R");
    addNavaid("SEA");
    EXPECT_EQ(m->Store.STARs[1].Name, "ARR1");
    user.click(ed->SaveCommand);
    const std::string written = runtime::readWholeFile(airportFile());
    EXPECT_NE(written.find("SID DEP1 RNW 16L NAVAID SEA\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("STAR ARR1 NAVAID SEA RNW 34R\r\n"), std::string::npos) << written;
}

TEST_F(EditorSave, STARsWithoutSIDsOfferToAddSIDsFirst) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    addNavaid("SEA");
    expectCritical(AddSIDs, ui::answers::Yes);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(std::filesystem::exists(airportFile()));
    EXPECT_EQ(m->EditMode, "E");
    EXPECT_EQ(ed->caption(), "Create a Departure Procedure");
    EXPECT_FALSE(ed->HideInterceptONHDG.visible());
    EXPECT_TRUE(ed->OnHeadAltText.isShowing());
    EXPECT_EQ(m->ProcedureStart, 1);
    EXPECT_EQ(m->Store.STARRunways(1, 1), "16L");

    nameProcedure("DEP1", "34R");
    addNavaid("SEA");
    EXPECT_EQ(m->Store.SIDs[1].Name, "DEP1");
    EXPECT_EQ(checkInvariant(*m), "");
    user.click(ed->SaveCommand);
    const std::string written = runtime::readWholeFile(airportFile());
    EXPECT_NE(written.find("SID DEP1 RNW 34R NAVAID SEA\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("STAR ARR1 NAVAID SEA RNW 16L\r\n"), std::string::npos) << written;
}

TEST_F(EditorSave, AFailedWriteLeavesBothFilesAsTheyWere) {
    openModify("S", sampleKSEA());
    addNavaid("OLM");
    // The user-fix file cannot be replaced: it is a folder.
    std::filesystem::create_directory(userFixFile());
    t.messages.expect("A fatal error ( 75) has crept into the file save process.\r\n"
                      "The airport file and the user fixes were left as they were.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      "Program termination happens now.", ui::answers::OK);
    user.click(ed->SaveCommand);
    EXPECT_TRUE(t.app.ended());
    EXPECT_EQ(runtime::readWholeFile(airportFile()), sampleKSEA());
}

TEST_F(EditorSave, AMissingDataFolderEndsTheProgramWithoutWriting) {
    openCreate("T");
    nameProcedure("ARR1", "16L");
    addNavaid("SEA");
    std::filesystem::remove_all(m->DataFolder);
    expectCritical(AddSIDs, ui::answers::No);
    t.messages.expect("I could not find the data files.\r\n"
                      "Please insure the 777 is loaded in it's default location within Fly2.\r\n"
                      "This program can not run without the data files and must now terminate.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      "Program termination.", ui::answers::OK);
    user.click(ed->SaveCommand);
    EXPECT_TRUE(t.app.ended());
    EXPECT_FALSE(std::filesystem::exists(userFixFile()));
}

// The question names the airport on screen, not the last code typed.
TEST_F(EditorSave, TheQuestionsNameTheAirportOnScreen) {
    m->TypedICAO = "KXXX";
    openModify("S", StarOnlyAirport);
    expectCritical(AddSIDs, ui::answers::No);
    user.click(ed->SaveCommand);
    EXPECT_TRUE(std::filesystem::exists(airportFile()));
}

} // namespace
} // namespace editortest
