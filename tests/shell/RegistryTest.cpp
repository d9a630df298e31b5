#include "shell/Registry.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using shell::CRegistry_Manipulation;
using shell::ReadRegistryString;

TEST(Registry, SimulatorPathComesFromTheLocatorSettings) {
    support::TempFolder folder;
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "");
    folder.write("Flenmar.INI", "");
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "");
    folder.write("Flenmar.INI", "   /games/fly  \r\nsecond line\r\n");
    EXPECT_EQ(shell::ReadSimulatorFolder(folder.path()), "/games/fly");
    // Other keys and values have their default.
    EXPECT_EQ(ReadRegistryString(folder.path(), "Terminal Reality", "Fly! II", "other", "dflt"),
              "dflt");
    EXPECT_EQ(ReadRegistryString(folder.path(), "Microsoft\\Microsoft Games\\Flight Simulator",
                                 "7.0", "path", ""),
              "");
    EXPECT_EQ(ReadRegistryString(folder.path(), "Terminal Reality", "Fly! II", "*", "x"), "x");
}

TEST(Registry, AppNameIsTrimmedAndDefaultsToTheProduct) {
    CRegistry_Manipulation registry(".");
    registry.setAppName("  Terminal Reality ");
    EXPECT_EQ(registry.AppName(), "Terminal Reality");
    registry.setAppName("");
    EXPECT_EQ(registry.AppName(), "Vextrel");
    std::int32_t root = 0;
    EXPECT_EQ(registry.GetKey(root, "Fly! II", "path", "none"), "none");
    EXPECT_EQ(static_cast<std::uint32_t>(root), 0x80000002u);
}
