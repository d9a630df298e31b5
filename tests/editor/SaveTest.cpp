// Save All Procedures: what is written, the offer to go on with the other
// kind of procedure, and failed writes.
#include "EditorScreen.h"
#include "Invariant.h"

#include <functional>

namespace editortest {
namespace {

class EditorSave : public EditorScreen {
protected:
    EditorSave() { menu = &t.app.add<StandInScreen>("InitialLoad"); }
    std::filesystem::path airportFile() const { return m->DataFolder / "KSEA.txt"; }
    std::filesystem::path userFixFile() const { return t.programFolder.path() / "UserFixes.txt"; }
    void expectCritical(const std::string& text, int answer) {
        expectQuestion(text, answer, ui::Icon::Critical);
    }
    StandInScreen* menu;
};

const char* const AddSIDs = "This airport does not have any SIDs.\r\n"
                            "Do you want to add SIDs to KSEA now?";

// An airport is written back byte for byte to the file it came from, also
// one opened under a longer name: the box keeps four characters, and that
// code's own file is another airport's.
TEST_F(EditorSave, AnUnchangedAirportIsWrittenBackByteForByteToItsOwnFile) {
    m->AuthorName = "Vextrel Examples";
    for (const std::string opened : {"KSEA", "KSEA - Copy", "KSEA2019", "KSEA_old"}) {
        SCOPED_TRACE(opened);
        t.programFolder.write("PMDG/KSEA.txt", "the real KSEA");
        openModify(ModifySIDs, sampleKSEA(), opened);
        expectNotice(opened + ".txt is saved. The checks found:\r\n"
                              "warning: STAR OLM4 uses runway 16C, which has no transition");
        user.click(ed->SaveCommand);
        EXPECT_EQ(runtime::readWholeFile(m->DataFolder / (opened + ".txt")), sampleKSEA());
        if (opened != "KSEA") {
            EXPECT_EQ(runtime::readWholeFile(airportFile()), "the real KSEA");
        }
        EXPECT_FALSE(ed->isLoaded());
        EXPECT_TRUE(menu->visible());
        // The airport's fixes were merged into the user fixes written.
        EXPECT_NE(reference::loadUserFixes(userFixFile()).find("SUMMA"), 0);
    }
}

// SIDs of an airport without STARs: Yes goes on with a first STAR and
// writes nothing yet; the next save writes both.
TEST_F(EditorSave, ANewAirportMayGoOnWithSTARsBeforeItIsWritten) {
    openCreate(CreateSIDs);
    nameProcedure("DEP1", "16L");
    addNavaid("SEA");
    expectCritical("This airport does not have any STARs.\r\n"
                   "Do you want to add STARs to KSEA now?",
                   ui::answers::Yes);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(std::filesystem::exists(airportFile()));
    EXPECT_EQ(m->EditMode, CreateSTARs);
    EXPECT_EQ(ed->caption(), "Create a Standard Terminal Arrival Procedure");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
    EXPECT_EQ(ed->AptNameText.text(), "KSEA");

    nameProcedure("ARR1", "34R");
    addNavaid("SEA");
    EXPECT_EQ(checkInvariant(*m), "");
    expectNotice("KSEA.txt is saved. The checks found:\r\n"
                 "warning: STAR ARR1 uses runway 34R, which has no transition");
    user.click(ed->SaveCommand);
    const std::string written = runtime::readWholeFile(airportFile());
    EXPECT_NE(written.find("SID DEP1 RNW 16L NAVAID SEA\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("STAR ARR1 NAVAID SEA RNW 34R\r\n"), std::string::npos) << written;
}

// The question names the airport on screen, not the last code typed.
TEST_F(EditorSave, TheQuestionNamesTheAirportOnScreen) {
    m->TypedICAO = "KXXX";
    openModify(ModifySTARs, StarOnlyAirport);
    expectCritical(AddSIDs, ui::answers::No);
    user.click(ed->SaveCommand);
    EXPECT_NE(runtime::readWholeFile(airportFile()).find("STAR ARR2"), std::string::npos);
}

struct FailedSave {
    const char* name;
    // Breaks a write, and mends it again.
    std::function<void(const std::filesystem::path&userFixes, const std::filesystem::path&data)>
        breakIt, mendIt;
    const char* failedFile; // below the program folder
    const char* reason;
};

std::ostream& operator<<(std::ostream& out, const FailedSave& c) {
    return out << c.name;
}

class SaveFailing : public EditorSave, public ::testing::WithParamInterface<FailedSave> {};

// A save that cannot write says which file and why, leaves both files as
// they were (the airport file is put back when the user fixes fail after
// it) and keeps every edit on screen, so the same Save works once the cause
// is gone.
TEST_P(SaveFailing, NamesTheFileKeepsTheEditsAndSavesOnceMended) {
    const FailedSave& c = GetParam();
    t.programFolder.write("UserFixes.txt", "old");
    openModify(ModifySTARs, StarOnlyAirport);
    user.typeInto(ed->RwText1, "09");
    addNavaid("OLM");
    c.breakIt(userFixFile(), m->DataFolder);
    const std::string before = files();
    const auto shownLines = lines();
    const store::STARWaypoint added = m->Store.STARs[3];
    expectCritical(AddSIDs, ui::answers::No);
    t.messages.expect("The procedures were not saved.\r\n" +
                          (t.programFolder.path() / c.failedFile).make_preferred().string() +
                          " could not be written: " + c.reason +
                          ".\r\nThe airport file and the user fixes were left as they "
                          "were.\r\nYour changes are still here: remove the cause and save again.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      ui::ProgramTitle, ui::answers::OK);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(t.app.ended());
    EXPECT_TRUE(ed->visible());
    EXPECT_EQ(files(), before);
    EXPECT_EQ(lines(), shownLines);
    EXPECT_EQ(m->Store.STARs[3].VOR, added.VOR);
    EXPECT_EQ(checkInvariant(*m), "");

    c.mendIt(userFixFile(), m->DataFolder);
    expectCritical(AddSIDs, ui::answers::No);
    user.click(ed->SaveCommand);
    EXPECT_FALSE(ed->isLoaded());
    EXPECT_NE(runtime::readWholeFile(airportFile()).find("NAVAID OLM"), std::string::npos);
    EXPECT_NE(runtime::readWholeFile(userFixFile()), "old");
}

void putBackTheAirport(const std::filesystem::path& data) {
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);
    runtime::writeFileReplacing(data / "KSEA.txt", StarOnlyAirport);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailing,
    ::testing::Values(FailedSave{
                          "UserFixes",
                          [](auto& userFixes, auto&) {
                              std::filesystem::remove(userFixes);
                              std::filesystem::create_directories(userFixes / "in the way");
                          },
                          [](auto& userFixes, auto&) { std::filesystem::remove_all(userFixes); },
                          "UserFixes.txt", "the file or its folder cannot be written"},
                      // A folder that takes no file, as a read-only one would.
                      FailedSave{"DataFolderIsAFile",
                                 [](auto&, auto& data) {
                                     std::filesystem::remove_all(data);
                                     runtime::writeFileReplacing(data, "no folder");
                                 },
                                 [](auto&, auto& data) { putBackTheAirport(data); },
                                 "PMDG/KSEA.txt", "its folder is missing"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace editortest
