#include "ShellFixture.h"

#include "runtime/TextFiles.h"
#include "shell/Registry.h"

namespace shelltest {

TEST_F(ShellTest, LocatorDoneRemembersTheChosenFolderAndLoadsTheTables) {
    installReferenceFiles();
    const auto chosen = folder() / "Chosen Sim";
    std::filesystem::create_directories(chosen / "PMDG");
    startProgram();
    ASSERT_TRUE(locator->visible());
    locator->Dir1.setPath(folder().string());
    const int entry = [&] {
        for (int i = 0; i < locator->Dir1.ListCount(); ++i)
            if (locator->Dir1.List(i) == chosen.string())
                return i;
        return -99;
    }();
    ASSERT_GE(entry, 0);
    t.user.select(locator->Dir1, entry);
    EXPECT_EQ(m->FlyFolder, chosen.string());
    t.user.click(locator->FindDoneCommand);
    EXPECT_EQ(fileText("Flenmar.INI"), chosen.string() + "\r\n");
    EXPECT_EQ(m->SettingsPath, folder() / "Flenmar.INI");
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(locator->isLoaded());
    EXPECT_EQ(m->NavaidTable.size(), 3);

    // The next start finds the folder through the locator's settings.
    EXPECT_EQ(shell::ReadSimulatorFolder(folder()), chosen.string());
}

TEST_F(ShellTest, LocatorOpenedLaterLooksForOtherDataAndKeepsTheSimulatorFolder) {
    const auto sim = installSimulator();
    installReferenceFiles();
    startProgram();
    t.app.dispatch([&] { locator->show(); });
    EXPECT_EQ(locator->Frame1.caption(), "Find PIC Data");
    EXPECT_EQ(locator->Label1.caption(),
              "I could not find your PIC data. Please locate the data.   Click Done after "
              "you've clicked on PIC data folder.");
    locator->Dir1.setPath(folder().string());
    t.user.select(locator->Dir1, 0);
    t.user.click(locator->FindDoneCommand);
    EXPECT_EQ(m->FlyFolder, sim.string());
    EXPECT_EQ(fileText("Flenmar.INI"), sim.string() + "\r\n");
}

TEST_F(ShellTest, ClosingTheLocatorBringsTheMenuBack) {
    installReferenceFiles();
    startProgram();
    t.user.close(*locator);
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(t.app.ended());
}

} // namespace shelltest
