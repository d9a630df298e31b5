#include "ShellFixture.h"

namespace shelltest {

class MenuTest : public ShellTest {
protected:
    void SetUp() override {
        sim = installSimulator();
        installReferenceFiles();
        startProgram();
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int i = 0; i < pick->FileList.ListCount(); ++i)
            names.push_back(pick->FileList.List(i));
        return names;
    }
    std::filesystem::path sim;
};

TEST_F(MenuTest, NewAirportButtonsOpenTheEditorInCreateMode) {
    t.user.click(menu->CreateDP);
    EXPECT_EQ(editor->opened, std::vector<std::string>{"E create "});
    EXPECT_EQ(m->DataFolder, sim / "PMDG");
    EXPECT_EQ(editor->AptNameText.text(), "");
    editor->unload();
    t.user.click(menu->CreateSTAR);
    EXPECT_EQ(editor->opened.back(), "T create ");
}

TEST_F(MenuTest, ModifyListsTheAirportFilesAndNarrowsByTypedPrefix) {
    t.user.click(menu->ModifySTAR);
    ASSERT_TRUE(pick->visible());
    EXPECT_EQ(m->EditMode, "S");
    EXPECT_TRUE(m->IsModify);
    EXPECT_EQ(pick->caption(), "Airport Select");
    EXPECT_EQ(listed(), (std::vector<std::string>{"KLAX.txt", "KSEA.txt"}));
    t.user.typeInto(pick->PickICAO, "ks");
    EXPECT_EQ(pick->FileList.pattern(), "ks*");
    EXPECT_EQ(listed(), std::vector<std::string>{"KSEA.txt"});
    t.user.typeInto(pick->PickICAO, "x");
    EXPECT_TRUE(listed().empty());
    t.user.replaceText(pick->PickICAO, "\b");
    EXPECT_EQ(pick->FileList.pattern(), "*");
    EXPECT_EQ(listed().size(), 2u);
}

TEST_F(MenuTest, ClickingAFileOpensTheEditorOnIt) {
    t.user.click(menu->ModifyDP);
    t.user.typeInto(pick->PickICAO, "K");
    t.user.select(pick->FileList, 1);
    EXPECT_EQ(editor->opened, std::vector<std::string>{"D modify KSEA.txt"});
    EXPECT_EQ(m->AirportFileName, "KSEA.txt");
    EXPECT_TRUE(editor->visible());
    EXPECT_FALSE(pick->isLoaded());
}

TEST_F(MenuTest, EditorThatDeclinesSendsTheUserBackToTheMenu) {
    editor->declineOnLoad = true;
    t.user.click(menu->ModifySTAR);
    t.user.select(pick->FileList, 0);
    EXPECT_FALSE(editor->isLoaded());
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(pick->isLoaded());
}

TEST_F(MenuTest, OopsReturnsToTheMenuAndKeepsTheMode) {
    t.user.click(menu->ModifySTAR);
    t.user.click(pick->DoneCommand);
    EXPECT_FALSE(pick->isLoaded());
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->EditMode, "S");
    t.user.click(menu->ModifyDP);
    EXPECT_EQ(m->EditMode, "D");
    EXPECT_TRUE(pick->visible());
}

TEST_F(MenuTest, MissingDataFolderNamesTheSimulatorFolderAndEnds) {
    std::filesystem::remove_all(sim / "PMDG");
    t.messages.expect("I could not find the PMDG 777 data files in " + sim.string() +
                          ".\r\nPlease insure the 777 PMDG folder has been created within the "
                          "Fly2 folder.\r\nThis program can not run without the data files and "
                          "must now terminate.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      "Program termination.", ui::answers::OK);
    t.user.click(menu->ModifyDP);
    EXPECT_TRUE(t.app.ended());
}

} // namespace shelltest
