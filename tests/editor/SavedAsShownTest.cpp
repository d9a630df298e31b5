// What Save All Procedures writes is what the screen showed: the name in the
// box, the values Modify was not asked to change, and an airport whose last
// procedure of a kind was deleted.
#include "EditorScreen.h"
#include "Invariant.h"

#include "store/AirportReader.h"

namespace editortest {
namespace {

const char* const NoSIDs = "This airport does not have any SIDs.\r\n"
                           "Do you want to add SIDs to KSEA now?";
const char* const NoSTARs = "This airport does not have any STARs.\r\n"
                            "Do you want to add STARs to KSEA now?";

class SavedAsShown : public EditorScreen {
protected:
    SavedAsShown() { t.app.add<StandInScreen>("InitialLoad"); }
    std::string saved() const { return runtime::readWholeFile(m->DataFolder / "KSEA.txt"); }
    // The question asked on the way, and the checker's finding listed after.
    void save(const char* question = nullptr, const char* finding = nullptr) {
        if (question)
            expectQuestion(question, ui::answers::No, ui::Icon::Critical);
        if (finding)
            expectNotice(std::string("KSEA.txt is saved. The checks found:\r\nwarning: ") +
                         finding);
        user.click(ed->SaveCommand);
        EXPECT_FALSE(ed->isLoaded());
    }
};

struct Rename {
    shell::EditMode mode;
    const std::string* airport; // none for a new airport
    const char* runway;
    const char* question;
    const char* line; // written with the name given last
    const char* finding;
};

void PrintTo(const Rename& c, std::ostream* out) {
    *out << static_cast<int>(c.mode);
}

// Add Another needs the runway of the STAR on screen.
const std::string STARWithRunway =
    "FIXES\r\nFIX ALPHA LATLON N 47 10.00 W 122 10.00\r\nENDFIXES\r\n"
    "RNWS\r\nRNW 09 FIX ALPHA 3000 NAVAID SEA \r\nENDRNWS\r\nSIDS\r\nENDSIDS\r\n"
    "STARS\r\nSTAR ARR2 FIX ALPHA NAVAID SEA RNW 09\r\nENDSTARS\r\n";

class RenamedAfterTheLastWaypoint : public SavedAsShown,
                                    public ::testing::WithParamInterface<Rename> {};

TEST_P(RenamedAfterTheLastWaypoint, IsSavedWithTheNameShown) {
    const Rename& c = GetParam();
    const shell::EditMode mode = c.mode;
    if (c.airport) {
        openModify(mode, *c.airport);
        // A new procedure beside those of the file: its name box is open.
        user.click(ed->AddAnotherProcedureCommand);
    } else {
        openCreate(mode);
    }
    nameProcedure("OLD1", c.runway);
    addNavaid("OLM");
    user.replaceText(ed->ProcedureNameText, "NEW1");
    save(c.question, c.finding);
    EXPECT_NE(saved().find(c.line), std::string::npos) << saved();
    EXPECT_EQ(saved().find("OLD1"), std::string::npos) << saved();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RenamedAfterTheLastWaypoint,
    ::testing::Values(
        Rename{CreateSIDs, nullptr, "16L", NoSTARs, "SID NEW1 RNW 16L NAVAID OLM\r\n", nullptr},
        Rename{CreateSTARs, nullptr, "16L", NoSIDs, "STAR NEW1 NAVAID OLM RNW 16L\r\n",
               "STAR NEW1 uses runway 16L, which has no transition"},
        Rename{ModifySIDs, &SidOnlyAirport, "16L", NoSTARs, "SID NEW1 RNW 16L NAVAID OLM\r\n",
               "the transition to runway 09 is used by no STAR"},
        Rename{ModifySTARs, &STARWithRunway, "09", NoSIDs, "STAR NEW1 NAVAID OLM RNW 09\r\n",
               nullptr}),
    [](const auto& info) { return std::to_string(static_cast<int>(info.param.mode)); });

// A fix stored as "ID (IF)" and values longer than their boxes: Modify with
// nothing changed writes them back as they were.
TEST_F(SavedAsShown, ModifyWithNothingChangedKeepsTheFileToTheByte) {
    openModify(ModifySIDs, "FIXES\r\nFIX HAROB ID (IF) LATLON N 47 10.123456789 W 122 10.00\r\n"
                           "FIX SEA090 COLOCATED SEA 90.25 10.125\r\nENDFIXES\r\n"
                           "RNWS\r\nENDRNWS\r\nSIDS\r\n"
                           "SID DEP1 RNW 09 FIX HAROB 12500.5 FIX SEA090 FLOAT 7000\r\nENDSIDS\r\n"
                           "STARS\r\nSTAR ARR1 NAVAID SEA RNW 09\r\nENDSTARS\r\n");
    const char* noTransition = "STAR ARR1 uses runway 09, which has no transition";
    save(nullptr, noTransition);
    const std::string before = saved();
    openModify(ModifySIDs, before);
    for (int line : {0, 1}) {
        user.select(ed->WaypointList, line);
        user.click(ed->ModifyWaypointCommand);
    }
    save(nullptr, noTransition);
    EXPECT_EQ(saved(), before);
}

// The last STAR deleted, the airport is saved with an empty STAR section
// that reads back.
TEST_F(SavedAsShown, TheLastProcedureDeletedIsSavedWithoutIt) {
    openModify(ModifySTARs, "FIXES\r\nENDFIXES\r\nRNWS\r\nENDRNWS\r\n"
                            "SIDS\r\nSID DEP1 RNW 09 NAVAID SEA\r\nENDSIDS\r\n"
                            "STARS\r\nSTAR ARR1 NAVAID SEA RNW 09\r\nENDSTARS\r\n");
    expectNotice("The last STAR is deleted.\r\n"
                 "Save All Procedures writes the airport without STARs.");
    user.click(ed->DeleteProcedureCommand);
    EXPECT_EQ(ed->ProcedureNameText.text(), "");
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  0  of  0");
    save();
    const std::string written = saved();
    EXPECT_NE(written.find("SID DEP1 RNW 09 NAVAID SEA\r\nENDSIDS\r\n\r\nSTARS\r\nENDSTARS\r\n"),
              std::string::npos)
        << written;
    auto read = std::make_unique<store::ProcedureStore>();
    store::ProcedureCounters counters;
    ASSERT_TRUE(store::LoadData(written, *read, counters).ok);
    EXPECT_EQ(counters.STARRowCount, 0);
    EXPECT_EQ(counters.SIDRowNext, 2);
}

} // namespace
} // namespace editortest
