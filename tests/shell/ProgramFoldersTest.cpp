#include "shell/ProgramFolders.h"
#include "ShellFixture.h"

namespace shelltest {

namespace fs = std::filesystem;
using namespace std::string_literals;

// An installed program: reference files in share/, the user's files in
// config/ and data/, nothing beside the program in bin/.
class InstalledTest : public ShellTest {
protected:
    InstalledTest() {
        t.app.setFolders(shell::chooseFolders(
            folder() / "bin", {folder() / "share", folder() / "config", folder() / "data"}));
        t.programFolder.write("share/AllFlyNavaids.txt", Navaids);
        t.programFolder.write("share/AllFlyAirports.txt", Airports);
        t.programFolder.write("share/UserFixes.txt", UserFixes);
    }
};

TEST_F(InstalledTest, ProgramFolderWithTheNavaidFileKeepsEverything) {
    const ui::Folders installed = t.app.folders();
    EXPECT_EQ(installed.reference, folder() / "share");
    EXPECT_EQ(installed.settings, folder() / "config");
    EXPECT_EQ(installed.userData, folder() / "data");

    const ui::Folders portable = shell::chooseFolders(folder() / "share", {"/r", "/s", "/u"});
    EXPECT_EQ(portable.reference, folder() / "share");
    EXPECT_EQ(portable.settings, folder() / "share");
    EXPECT_EQ(portable.userData, folder() / "share");
}

TEST_F(InstalledTest, FirstStartCopiesTheBundledUserFixesAndKeepsSettingsInTheConfigFolder) {
    t.programFolder.write("config/Vextrel.INI", "/sim\r\n");
    startProgram();
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(fileText("config/Vextrel.INI"), "/sim\r\n\r\n 10 \r\n");
    EXPECT_EQ(fileText("data/UserFixes.txt"), UserFixes);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), 1);
    EXPECT_EQ(m->NavaidTable.size(), 3);
    EXPECT_FALSE(fs::exists(folder() / "bin"));
}

TEST_F(InstalledTest, TheUsersOwnFixesAreNeverReplaced) {
    t.programFolder.write("data/UserFixes.txt", "");
    shell::placeUserFiles(t.app.folders());
    EXPECT_EQ(fileText("data/UserFixes.txt"), "");
}

TEST_F(InstalledTest, MissingNavaidFileIsNamedWhereItWasLookedFor) {
    fs::remove(folder() / "share/AllFlyNavaids.txt");
    t.programFolder.write("config/Vextrel.INI", "/sim\r\nAnn\r\n 10 \r\n");
    expectTermination("I could not find the navaid file " +
                      (folder() / "share" / "AllFlyNavaids.txt").string() +
                      ".\r\nThis program can not run without the data files and must now "
                      "terminate.");
    startProgram();
    EXPECT_TRUE(t.app.ended());
}

TEST_F(InstalledTest, SimulatorFolderOnTheCommandLineIsUsedAndStoredWhenThereAreNoSettings) {
    fs::create_directories(sim);
    menu->startWith(sim, false);
    startProgram();
    EXPECT_EQ(fileText("config/Vextrel.INI"),
              shell::storedFolder(sim.string()) + "\r\n\r\n 10 \r\n\r\n");
    EXPECT_TRUE(name->visible());
}

TEST_F(InstalledTest, SimulatorFolderOnTheCommandLineLeavesExistingSettingsAlone) {
    fs::create_directories(sim);
    t.programFolder.write("config/Vextrel.INI", "/other\r\nAnn\r\n 10 \r\n");
    menu->startWith(sim, false);
    startProgram();
    EXPECT_EQ(m->FlyFolder, sim.string());
    EXPECT_EQ(fileText("config/Vextrel.INI"), "/other\r\nAnn\r\n 10 \r\n");
}

TEST_F(InstalledTest, AirportFileOnTheCommandLineOpensTheEditorOnIt) {
    t.programFolder.write("config/Vextrel.INI", "/other\r\nAnn\r\n 10 \r\n");
    const auto file = t.programFolder.write("elsewhere/KSEA.txt", "FIXES\r\nENDFIXES\r\n");
    menu->startWith(file, true);
    startProgram();
    ASSERT_EQ(editor->opened.size(), 1u);
    EXPECT_EQ(editor->opened[0], std::make_pair(shell::EditMode::ModifySTARs, "KSEA.txt"s));
    EXPECT_EQ(m->DataFolder, folder() / "elsewhere");
}

} // namespace shelltest
