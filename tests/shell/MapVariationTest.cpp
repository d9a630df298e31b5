// The variation box's text, and the variations kept per airport.
#include "shell/MapPanel.h"

#include <gtest/gtest.h>

TEST(MapVariation, TextsAndTheirValues) {
    const struct {
        const char* text;
        bool ok;
        double east;
    } cases[] = {{"15 E", true, 15}, {"15.5w", true, -15.5}, {"-3", true, -3},   {"0", true, 0},
                 {" 7 ", true, 7},   {"15,5 E", false, 0},   {"-3 W", false, 0}, {"181", false, 0},
                 {"E", false, 0},    {"12 N", false, 0}};
    for (const auto& c : cases) {
        double east = 99;
        EXPECT_EQ(shell::parseVariation(c.text, east), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(east, c.east) << c.text;
        }
    }
    const std::map<std::string, double> kept{{"KSEA", 15.5}, {"RJTT", -7.25}};
    EXPECT_EQ(shell::writeVariations(kept), "KSEA 15.5\r\nRJTT -7.25\r\n");
    EXPECT_EQ(shell::readVariations(shell::writeVariations(kept)), kept);
}
