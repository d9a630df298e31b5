#include "EditorScreen.h"
#include "Invariant.h"
#include "StandIns.h"

#include "store/AirportReader.h"

namespace editortest {
namespace {

class EditorLifecycle : public EditorScreen {
protected:
    EditorLifecycle() { menu = &t.app.add<StandInScreen>("InitialLoad"); }

    std::vector<std::string> runways() const {
        std::vector<std::string> out;
        for (int k = 1; k <= 8; ++k)
            if (ed->runwayBox(k).visible())
                out.push_back(ed->runwayBox(k).text());
        return out;
    }
    StandInScreen* menu;
};

TEST_F(EditorLifecycle, ModifySTARsShowsTheFirstSTARWithItsRunways) {
    t.app.dispatch([this] { menu->show(); });
    openModify("S", sampleKSEA());
    EXPECT_EQ(ed->caption(), "Modify a Standard Terminal Arrival Procedure");
    EXPECT_FALSE(menu->visible());
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  3");
    EXPECT_EQ(ed->AptNameText.text(), "KSEA");
    EXPECT_TRUE(ed->AptNameText.visible());
    EXPECT_FALSE(ed->AptNameText.enabled());
    EXPECT_FALSE(ed->ProcedureNameText.enabled());
    EXPECT_EQ(ed->ProcedureNameText.text(), "SUMMA1");
    EXPECT_EQ(lines(), (std::vector<std::string>{"SUMMA", "BLAKO", "COYLA"}));
    // Box 3 is revealed, empty, for the next runway.
    EXPECT_EQ(runways(), (std::vector<std::string>{"16L", "34R", ""}));
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
    EXPECT_TRUE(ed->HideInterceptONHDG.visible());
    EXPECT_FALSE(ed->OnHeadAltText.isShowing());
    EXPECT_FALSE(ed->InterceptHeadingText.isShowing());
    EXPECT_EQ(ed->AirportInfoLabel.caption(), "Seattle Tacoma Intl");
    EXPECT_EQ(editortest::checkInvariant(*m), "");
}

TEST_F(EditorLifecycle, ViewNextCyclesThroughTheSTARsAndShowsRunwaysWithoutTransitionInRed) {
    openModify("S", sampleKSEA());
    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  3");
    EXPECT_EQ(ed->ProcedureNameText.text(), "HQM3");
    EXPECT_EQ(lines(), (std::vector<std::string>{"HQM", "HAROB"}));
    EXPECT_EQ(runways(), (std::vector<std::string>{"16L", ""}));

    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  3  of  3");
    EXPECT_EQ(lines(), (std::vector<std::string>{"OLM", "CHENY"}));
    EXPECT_EQ(ed->RwText1.text(), "16C");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);

    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  3");
    EXPECT_EQ(ed->ProcedureNameText.text(), "SUMMA1");
    EXPECT_EQ(m->Counters.STARNumber, 1);
    EXPECT_EQ(editortest::checkInvariant(*m), "");
}

TEST_F(EditorLifecycle, ModifySIDsShowsEachSIDWithItsRunwaysAndLegs) {
    openModify("D", sampleKSEA());
    EXPECT_EQ(ed->caption(), "Modify a Departure Procedure");
    EXPECT_FALSE(ed->HideInterceptONHDG.visible());
    EXPECT_TRUE(ed->OnHeadAltText.isShowing());
    EXPECT_EQ(ed->ProcedureNameText.text(), "SEA9");
    EXPECT_EQ(lines(), (std::vector<std::string>{"ONHDG", "SEA", "SEA160"}));
    EXPECT_EQ(runways(), (std::vector<std::string>{"16L", "16C", "16R", ""}));

    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  2  of  3");
    EXPECT_EQ(lines(), (std::vector<std::string>{"BUCKK", "SUMMA"}));
    EXPECT_EQ(runways(), (std::vector<std::string>{"34L", "34C", "34R", ""}));

    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->ProcedureNameText.text(), "HAROB2");
    // The intercept leg shows the fix it intercepts.
    EXPECT_EQ(lines(), (std::vector<std::string>{"HAROB", "ARVAD", "HAROB"}));
    EXPECT_EQ(runways(), (std::vector<std::string>{"16R", ""}));

    user.click(ed->NextProcedureCommand);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  3");
    EXPECT_EQ(ed->ProcedureNameText.text(), "SEA9");
    EXPECT_EQ(editortest::checkInvariant(*m), "");
}

TEST_F(EditorLifecycle, CreateModesStartWithAnEmptyProcedureOneOfOne) {
    struct Case {
        const char* mode;
        const char* caption;
        bool covered;
    };
    for (const Case c : {Case{"E", "Create a Departure Procedure", false},
                         Case{"T", "Create a Standard Terminal Arrival Procedure", true}}) {
        SCOPED_TRACE(c.mode);
        openCreate(c.mode);
        EXPECT_EQ(ed->caption(), c.caption);
        EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
        EXPECT_TRUE(ed->AptNameText.enabled());
        EXPECT_TRUE(ed->ProcedureNameText.enabled());
        EXPECT_EQ(ed->AptNameText.text(), "KSEA");
        EXPECT_FALSE(ed->NextProcedureCommand.enabled());
        EXPECT_FALSE(ed->DeleteProcedureCommand.enabled());
        EXPECT_EQ(ed->HideInterceptONHDG.visible(), c.covered);
        EXPECT_EQ(ed->WaypointList.ListCount(), 0);
        EXPECT_EQ(m->ProcedureStart, 1);
        t.app.dispatch([this] { ed->unload(); });
    }
}

TEST_F(EditorLifecycle, OpeningAfterAnotherAirportStartsFromEmptyCounters) {
    openModify("S", sampleKSEA());
    user.click(ed->OopsCommand);
    EXPECT_FALSE(ed->isLoaded());
    EXPECT_EQ(m->Store.STARs[1].Name, "");
    EXPECT_EQ(m->TypedICAO, "");

    // The STAR table was emptied; the next new STAR starts at row 1.
    openCreate("T", "KSEA");
    nameProcedure("NEW1", "16L");
    addNavaid("SEA");
    EXPECT_EQ(m->Counters.STARRowCount, 1);
    EXPECT_EQ(m->Store.STARs[1].VOR, "SEA");
    EXPECT_EQ(m->Store.STARs[1].Elements, 1);
    EXPECT_EQ(editortest::checkInvariant(*m), "");
}

TEST_F(EditorLifecycle, AnAirportWithoutSIDsAsksWhetherToAddSome) {
    const std::string noSIDs = "SIDS\r\nENDSIDS\r\nSTARS\r\nENDSTARS\r\n";
    // No: back to the menu through the selection screen.
    expectQuestion("KXYZ has no SIDs to modify.\r\nDo you wish to add new SIDs?", ui::answers::No);
    openModify("D", noSIDs, "KXYZ");
    EXPECT_EQ(m->BackToMenu, store::True);
    EXPECT_EQ(m->LastAnswer, "7");
    t.app.dispatch([this] { ed->unload(); });

    // Yes: a new SID, numbered 1 of 0 as the opening set it. A code shorter
    // than four letters loses only ".txt".
    expectQuestion("K3W has no SIDs to modify.\r\nDo you wish to add new SIDs?", ui::answers::Yes);
    openModify("D", noSIDs, "K3W");
    EXPECT_EQ(m->BackToMenu, store::False);
    EXPECT_EQ(m->LastAnswer, "6");
    EXPECT_EQ(m->EditMode, "E");
    EXPECT_EQ(ed->AptNameText.text(), "K3W");
    EXPECT_TRUE(ed->ProcedureNameText.enabled());
    EXPECT_EQ(ed->ProcedureNameText.text(), "");
    EXPECT_TRUE(ed->RwText1.enabled());
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  0");
}

TEST_F(EditorLifecycle, AnAirportWithoutSTARsAsksWhetherToAddSome) {
    expectQuestion("KSEA has no STARs to modify.\r\nDo you wish to add new STARs?",
                   ui::answers::Yes);
    openModify("S", SidOnlyAirport);
    EXPECT_EQ(m->EditMode, "T");
    EXPECT_EQ(m->Counters.STARCount, 1);
    EXPECT_EQ(ed->SIDCountLabel.caption(), "Procedure  1  of  1");
    EXPECT_TRUE(ed->ProcedureNameText.enabled());
    EXPECT_TRUE(ed->AptNameText.visible());
    EXPECT_TRUE(ed->RwText1.visible());
    EXPECT_EQ(ed->RwText1.text(), "");
}

TEST_F(EditorLifecycle, AnUnreadableAirportFileEndsTheProgramAfterTheReadersMessage) {
    const std::string broken = "FIXES\r\nBOGUS\r\nENDFIXES\r\n";
    store::ProcedureStore s;
    store::ProcedureCounters c;
    const store::ReadResult refused = store::LoadData(broken, s, c);
    ASSERT_FALSE(refused.ok);
    expectNotice(refused.message);
    openModify("S", broken);
    EXPECT_TRUE(t.app.ended());
}

TEST_F(EditorLifecycle, TheICAOAndNameBoxesUpperCaseAndChainOnEnter) {
    openCreate("E", "");
    user.typeInto(ed->AptNameText, "ksea");
    user.pressEnter(ed->AptNameText);
    EXPECT_EQ(focus(), &ed->ProcedureNameText);
    EXPECT_EQ(ed->AptNameText.text(), "KSEA");
    EXPECT_EQ(m->TypedICAO, "KSEA");
    EXPECT_EQ(ed->AirportInfoLabel.caption(), "Seattle Tacoma Intl");
    user.typeInto(ed->ProcedureNameText, "dep1");
    user.pressEnter(ed->ProcedureNameText);
    EXPECT_EQ(focus(), &ed->RwText1);
    EXPECT_EQ(ed->ProcedureNameText.text(), "DEP1");
}

TEST_F(EditorLifecycle, NoChangesJustExitWritesNothingAndShowsTheMenu) {
    openModify("S", sampleKSEA());
    addNavaid("SEA");
    const auto before = runtime::readWholeFile(m->DataFolder / "KSEA.txt");
    user.click(ed->OopsCommand);
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(ed->isLoaded());
    EXPECT_EQ(runtime::readWholeFile(m->DataFolder / "KSEA.txt"), before);
    EXPECT_FALSE(std::filesystem::exists(t.programFolder.path() / "UserFixes.txt"));

    // Closing the window does the same.
    openModify("S", sampleKSEA());
    user.close(*ed);
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(ed->isLoaded());
}

} // namespace
} // namespace editortest
