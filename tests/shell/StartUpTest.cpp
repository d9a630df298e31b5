#include "ShellFixture.h"

namespace shelltest {

TEST_F(ShellTest, StartUpReadsSettingsAndReferenceFilesAndExitEnds) {
    startInstalled();
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->FlyFolder, sim.string());
    EXPECT_EQ(m->AuthorName, "Ann Author");
    EXPECT_EQ(m->StepAngle, " 10 ");
    EXPECT_EQ(m->NavaidTable.size(), 3);
    EXPECT_EQ(m->AirportTable.size(), 1);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), 1);
    t.user.click(menu->ExitCommand);
    EXPECT_TRUE(t.app.ended());
    EXPECT_FALSE(menu->visible());
}

TEST_F(ShellTest, TwoLineSettingsFileIsCompletedAndOptionalReferenceFilesMayBeMissing) {
    t.programFolder.write("AllFlyNavaids.txt", Navaids);
    t.programFolder.write("Vextrel.INI", "/sim\r\n\r\n");
    startProgram();
    EXPECT_EQ(fileText("Vextrel.INI"), "/sim\r\n\r\n 10 \r\n");
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->FlyFolder, "/sim");
    EXPECT_EQ(m->AuthorName, "");
    EXPECT_EQ(m->StepAngle, " 10 ");
    EXPECT_EQ(m->NavaidTable.size(), 3);
    EXPECT_EQ(m->AirportTable.size(), 0);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), 0);
}

TEST_F(ShellTest, NoSettingsWithRegistryValueWritesSettingsAndAsksTheName) {
    installReferenceFiles();
    t.programFolder.write("Flenmar.INI", "  /opt/Sim Folder  \r\n");
    startProgram();
    EXPECT_EQ(fileText("Vextrel.INI"),
              shell::storedFolder("/opt/Sim Folder") + "\r\n\r\n 10 \r\n\r\n");
    EXPECT_TRUE(name->visible());
    EXPECT_FALSE(menu->visible());
    EXPECT_EQ(m->FlyFolder, "/opt/Sim Folder");
    // Read here as well, so that names resolve before the next start.
    EXPECT_EQ(m->NavaidTable.size(), 3);

    t.user.typeInto(name->AuthorText, "Bo Writer");
    t.user.click(name->NextCommand);
    EXPECT_EQ(fileText("Vextrel.INI"),
              shell::storedFolder("/opt/Sim Folder") + "\r\nBo Writer\r\n 10 \r\n");
    EXPECT_EQ(m->AuthorName, "Bo Writer");
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(name->isLoaded());
}

TEST_F(ShellTest, MissingNavaidFileEndsWithItsNameAndLeavesTheSettings) {
    installSimulator();
    installReferenceFiles(false);
    expectTermination("I could not find the navaid file " +
                      (folder() / "AllFlyNavaids.txt").string() +
                      ".\r\nThis program can not run without the data files and must now "
                      "terminate.");
    startProgram();
    EXPECT_TRUE(t.app.ended());
    EXPECT_EQ(fileText("Vextrel.INI"), sim.string() + "\r\nAnn Author\r\n 10 \r\n");
}

TEST_F(ShellTest, UnreadableNavaidFileEndsNamingFileAndLineAndLeavesTheSettings) {
    installSimulator();
    installReferenceFiles();
    t.programFolder.write("AllFlyNavaids.txt", "\"OLM\",-1.5,-78.2,0\r\n\"SEA\",nan,-122.3,1\r\n");
    expectTermination("There is a problem with the file " +
                      (folder() / "AllFlyNavaids.txt").string() +
                      ", line 2: not a number: \"nan\" (error 13).\r\nThis program can not run "
                      "without its data files and must now terminate.");
    startProgram();
    EXPECT_TRUE(t.app.ended());
    EXPECT_EQ(fileText("Vextrel.INI"), sim.string() + "\r\nAnn Author\r\n 10 \r\n");
}

// No settings file: the recovery path must not write one when a reference
// file then fails, nor touch the broken file.
TEST_F(ShellTest, UnreadableUserFixFileEndsTheRecoveryPathBeforeAnythingIsWritten) {
    installReferenceFiles();
    t.programFolder.write("Flenmar.INI", "/opt/Sim\r\n");
    const std::string broken =
        std::string(UserFixes) + "\"BAD,\"\",\"47\",\"14\",\"N\",,,\"W\",\"\",0,0\r\n";
    t.programFolder.write("UserFixes.txt", broken);
    expectTermination("There is a problem with the file " + (folder() / "UserFixes.txt").string() +
                      ", line 2: the record ends before its last field (error 62).\r\nThis "
                      "program can not run without its data files and must now terminate.");
    startProgram();
    EXPECT_TRUE(t.app.ended());
    EXPECT_FALSE(runtime::fileExists(folder() / "Vextrel.INI"));
    EXPECT_EQ(fileText("UserFixes.txt"), broken);
}

} // namespace shelltest
