#include "shell/Registry.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

TEST(Registry, SimulatorPathComesTrimmedFromTheLocatorSettingsAndOtherValuesDefault) {
    support::TempFolder folder;
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "");
    folder.write("Flenmar.INI", "");
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "");
    folder.write("Flenmar.INI", "   /games/fly  \r\nsecond line\r\n");
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "/games/fly");
    for (const char* key : {"other", "*"})
        EXPECT_EQ(shell::ReadRegistryString(folder.path(), "Terminal Reality", "Fly! II", key, "x"),
                  "x");
    EXPECT_EQ(shell::ReadRegistryString(
                  folder.path(), "Microsoft\\Microsoft Games\\Flight Simulator", "7.0", "path", ""),
              "");
}

TEST(Registry, AppNameIsTrimmedAndDefaultsToTheProduct) {
    shell::CRegistry_Manipulation registry(".");
    registry.setAppName("  Terminal Reality ");
    EXPECT_EQ(registry.AppName(), "Terminal Reality");
    registry.setAppName("");
    EXPECT_EQ(registry.AppName(), "Vextrel");
    std::int32_t root = 0;
    EXPECT_EQ(registry.GetKey(root, "Fly! II", "path", "none"), "none");
    EXPECT_EQ(static_cast<std::uint32_t>(root), 0x80000002u);
}

#ifdef _WIN32
#include "ShellFixture.h"

#include <cstdlib>

// Run by registry-wine.sh, once after `reg add` set the simulator's key and
// once after it was deleted.
namespace shelltest {
TEST_F(ShellTest, DISABLED_StartUpTakesTheSimulatorFolderFromTheRegistry) {
    const char* expected = std::getenv("VEXTREL_TEST_REGISTRY_FOLDER");
    ASSERT_NE(expected, nullptr);
    installReferenceFiles();
    startProgram();
    if (std::string(expected) == "none") {
        EXPECT_TRUE(locator->visible());
        EXPECT_FALSE(name->visible());
        return;
    }
    EXPECT_FALSE(locator->visible());
    EXPECT_TRUE(name->visible());
    EXPECT_EQ(m->FlyFolder, expected);
    EXPECT_EQ(fileText("Vextrel.INI"), shell::storedFolder(expected) + "\r\n\r\n 10 \r\n\r\n");
}
} // namespace shelltest
#endif
