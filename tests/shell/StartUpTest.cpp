#include "ShellFixture.h"

#include "runtime/TextFiles.h"

namespace shelltest {

std::string ShellTest::fileText(const std::string& file) const {
    return runtime::readWholeFile(folder() / file);
}

TEST_F(ShellTest, StartUpReadsSettingsAndReferenceFiles) {
    const auto sim = installSimulator();
    installReferenceFiles();
    startProgram();
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->FlyFolder, sim.string());
    EXPECT_EQ(m->AuthorName, "Ann Author");
    EXPECT_EQ(m->StepAngle, " 10 ");
    EXPECT_EQ(m->NavaidTable.size(), 3);
    EXPECT_EQ(m->AirportTable.size(), 1);
    EXPECT_EQ(m->UserFixTable.UserFixCount(), 1);
    EXPECT_EQ(menu->caption(), "Vextrel");
    EXPECT_EQ(menu->Label1.caption(), "   -- New Airport  --  Start with");
    EXPECT_EQ(menu->Label2.caption(), "-- Old Airport --     Modify/Add");
}

TEST_F(ShellTest, OptionalReferenceFilesMayBeMissing) {
    installSimulator();
    t.programFolder.write("AllFlyNavaids.txt", Navaids);
    startProgram();
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->UserFixTable.UserFixCount(), 0);
    EXPECT_EQ(m->AirportTable.size(), 0);
}

TEST_F(ShellTest, TwoLineSettingsFileIsCompletedAndReadAgain) {
    installReferenceFiles();
    t.programFolder.write("Vextrel.INI", "/sim\r\n\r\n");
    startProgram();
    EXPECT_EQ(fileText("Vextrel.INI"), "/sim\r\n\r\n 10 \r\n");
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(m->AuthorName, "");
    EXPECT_EQ(m->StepAngle, " 10 ");
    EXPECT_EQ(m->NavaidTable.size(), 3);
}

TEST_F(ShellTest, NoSettingsAndNoRegistryValueOpensTheLocator) {
    installReferenceFiles();
    startProgram();
    EXPECT_FALSE(menu->visible());
    EXPECT_TRUE(locator->visible());
    EXPECT_EQ(m->LocatorMode, "F");
    EXPECT_EQ(locator->Frame1.caption(), "Find Fly II");
    EXPECT_EQ(m->NavaidTable.size(), 0);
    EXPECT_FALSE(runtime::fileExists(folder() / "Vextrel.INI"));
}

TEST_F(ShellTest, NoSettingsWithRegistryValueWritesSettingsAndAsksTheName) {
    installReferenceFiles();
    t.programFolder.write("Flenmar.INI", "  /opt/Sim Folder  \r\n");
    startProgram();
    EXPECT_EQ(fileText("Vextrel.INI"), "/opt/Sim Folder\r\n\r\n 10 \r\n\r\n");
    EXPECT_TRUE(name->visible());
    EXPECT_FALSE(menu->visible());
    EXPECT_EQ(m->FlyFolder, "/opt/Sim Folder");
    // Read here as well, so that names resolve before the next start.
    EXPECT_EQ(m->NavaidTable.size(), 3);

    t.user.typeInto(name->AuthorText, "Bo Writer");
    t.user.click(name->NextCommand);
    EXPECT_EQ(fileText("Vextrel.INI"), "/opt/Sim Folder\r\nBo Writer\r\n 10 \r\n");
    EXPECT_EQ(m->AuthorName, "Bo Writer");
    EXPECT_TRUE(menu->visible());
    EXPECT_FALSE(name->isLoaded());
}

TEST_F(ShellTest, AuthorScreenWithNothingTypedWritesAnEmptyName) {
    installReferenceFiles();
    t.programFolder.write("Flenmar.INI", "/sim\r\n");
    startProgram();
    t.user.click(name->NextCommand);
    EXPECT_EQ(fileText("Vextrel.INI"), "/sim\r\n\r\n 10 \r\n");
    EXPECT_EQ(m->AuthorName, "");
}

TEST_F(ShellTest, MissingNavaidFileEndsWithItsName) {
    installSimulator();
    installReferenceFiles(false);
    t.messages.expect("I could not find the navaid file " +
                          (folder() / "AllFlyNavaids.txt").string() +
                          ".\r\nThis program can not run without the data files and must now "
                          "terminate.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      "Program termination.", ui::answers::OK);
    startProgram();
    EXPECT_TRUE(t.app.ended());
    // The settings file is left as it was.
    EXPECT_EQ(fileText("Vextrel.INI"), (folder() / "sim").string() + "\r\nAnn Author\r\n 10 \r\n");
}

TEST_F(ShellTest, BrokenNavaidFileEndsWithTheUnexpectedErrorMessage) {
    installSimulator();
    installReferenceFiles();
    t.programFolder.write("AllFlyNavaids.txt", "\"SEA\",47.4,-122.3\r\n");
    t.messages.expect("There was an unexpected error (62).\r\nPlease report to author that an "
                      "unknown error occured.\r\nThis program can not run with this fatal error "
                      "and must now terminate.",
                      ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                      "Program termination.", ui::answers::OK);
    startProgram();
    EXPECT_TRUE(t.app.ended());
}

TEST_F(ShellTest, ExitEndsTheProgram) {
    installSimulator();
    installReferenceFiles();
    startProgram();
    t.user.click(menu->ExitCommand);
    EXPECT_TRUE(t.app.ended());
    EXPECT_FALSE(menu->visible());
}

} // namespace shelltest
