#include "ShellFixture.h"

#include "shell/Registry.h"

namespace shelltest {

TEST_F(ShellTest, NoSettingsAndNoRegistryValueOpensTheLocatorWhoseDoneRemembersTheFolder) {
    installReferenceFiles();
    const auto chosen = folder() / "Chosen Sim";
    std::filesystem::create_directories(chosen / "PMDG");
    startProgram();
    EXPECT_FALSE(menu->visible());
    ASSERT_TRUE(locator->visible());
    EXPECT_EQ(m->LocatorMode, "F");
    EXPECT_EQ(locator->Frame1.caption(), "Find Fly II");
    EXPECT_EQ(m->NavaidTable.size(), 0);
    EXPECT_FALSE(runtime::fileExists(folder() / "Vextrel.INI"));

    locator->Dir1.setPath(folder().string());
    ASSERT_EQ(locator->Dir1.List(0), chosen.string());
    t.user.select(locator->Dir1, 0);
    EXPECT_EQ(m->FlyFolder, chosen.string());
    t.user.click(locator->FindDoneCommand);
    EXPECT_EQ(fileText("Flenmar.INI"), shell::storedFolder(chosen.string()) + "\r\n");
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(locator->isLoaded());
    EXPECT_EQ(m->NavaidTable.size(), 3);
    // The next start finds the folder through the locator's settings.
    EXPECT_EQ(shell::ReadSimulatorFolder(folder()), shell::storedFolder(chosen.string()));
}

TEST_F(ShellTest, LocatorDoneWithoutAClickTakesTheFolderTheListShows) {
    installReferenceFiles();
    startProgram();
    ASSERT_TRUE(locator->visible());
    const std::string shown = locator->Dir1.path();
    ASSERT_FALSE(shown.empty());
    t.user.click(locator->FindDoneCommand);
    EXPECT_EQ(m->FlyFolder, shown);
    EXPECT_EQ(fileText("Flenmar.INI"), shell::storedFolder(shown) + "\r\n");
}

TEST_F(ShellTest, LocatorOpenedLaterLooksForOtherDataAndKeepsTheSimulatorFolder) {
    startInstalled();
    t.app.dispatch([&] { locator->show(); });
    EXPECT_EQ(locator->Frame1.caption(), "Find PIC Data");
    EXPECT_EQ(locator->Label1.caption(),
              "I could not find your PIC data. Please locate the data.   Click Done after "
              "you've clicked on PIC data folder.");
    locator->Dir1.setPath(folder().string());
    t.user.select(locator->Dir1, 0);
    t.user.click(locator->FindDoneCommand);
    EXPECT_EQ(m->FlyFolder, sim.string());
    EXPECT_EQ(fileText("Flenmar.INI"), shell::storedFolder(sim.string()) + "\r\n");
}

} // namespace shelltest
