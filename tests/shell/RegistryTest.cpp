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
