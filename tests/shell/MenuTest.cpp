#include "ShellFixture.h"

namespace shelltest {

// The create buttons are taken by the SID and STAR flows.
TEST_F(ShellTest, ModifyListsTheAirportFilesByTypedPrefixAndOpensTheOneClicked) {
    startInstalled();
    t.user.click(menu->ModifySTAR);
    ASSERT_TRUE(pick->visible());
    // The menu waits while the list is open: its buttons take no clicks.
    t.user.click(menu->ModifyDP);
    EXPECT_EQ(m->EditMode, shell::EditMode::ModifySTARs);
    EXPECT_TRUE(pick->PickICAO.hasFocus());
    t.user.typeInto(pick->PickICAO, "k");
    EXPECT_EQ(listed(), (std::vector<std::string>{"KLAX.txt", "KSEA.txt"}));
    t.user.typeInto(pick->PickICAO, "s");
    EXPECT_EQ(listed(), std::vector<std::string>{"KSEA.txt"});
    t.user.typeInto(pick->PickICAO, "x");
    EXPECT_TRUE(listed().empty());
    t.user.replaceText(pick->PickICAO, "\b");
    EXPECT_EQ(pick->FileList.pattern(), "*");

    t.user.select(pick->FileList, 1);
    EXPECT_EQ(editor->opened.back(),
              std::pair(shell::EditMode::ModifySTARs, std::string("KSEA.txt")));
    EXPECT_EQ(m->AirportFileName, "KSEA.txt");
    EXPECT_TRUE(editor->visible());
    EXPECT_FALSE(pick->isLoaded());

    // An editor that declines the file sends the user back to the menu.
    editor->unload();
    editor->declineOnLoad = true;
    t.user.click(menu->ModifySTAR);
    t.user.select(pick->FileList, 0);
    EXPECT_FALSE(editor->isLoaded());
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(pick->isLoaded());
}

// By keyboard: Enter opens the one file the typed code names; among
// several, the arrows walk the list without opening a file, Enter opens.
TEST_F(ShellTest, TheAirportListIsUsedByKeyboard) {
    startInstalled();
    t.user.click(menu->ModifySTAR);
    t.user.typeInto(pick->PickICAO, "k");
    t.user.pressEnter(pick->PickICAO);
    EXPECT_TRUE(pick->FileList.hasFocus());
    t.app.userSelectByKeys(pick->FileList, 1);
    EXPECT_TRUE(editor->opened.empty());
    t.app.userEnter(pick->FileList);
    EXPECT_EQ(m->AirportFileName, "KSEA.txt");
    EXPECT_TRUE(editor->visible());

    editor->unload();
    t.user.click(menu->ModifySTAR);
    t.user.typeInto(pick->PickICAO, "kl");
    t.user.pressEnter(pick->PickICAO);
    EXPECT_EQ(m->AirportFileName, "KLAX.txt");

    // Escape is "Oops! Start Over": back to the menu.
    editor->unload();
    t.user.click(menu->ModifySTAR);
    EXPECT_TRUE(t.app.userShortcut(*pick, "Esc"));
    EXPECT_FALSE(pick->isLoaded());
    EXPECT_TRUE(menu->visible());
}

TEST_F(ShellTest, MissingDataFolderNamesTheSimulatorFolderAndEnds) {
    startInstalled();
    std::filesystem::remove_all(sim / "PMDG");
    expectTermination("I could not find the PMDG 777 data files in " + sim.string() +
                      ".\r\nPlease insure the 777 PMDG folder has been created within the Fly2 "
                      "folder.\r\nThis program can not run without the data files and must now "
                      "terminate.");
    t.user.click(menu->ModifyDP);
    EXPECT_TRUE(t.app.ended());
}

} // namespace shelltest
