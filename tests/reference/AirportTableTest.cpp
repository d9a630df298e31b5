#include "TestData.h"

#include "reference/AirportTable.h"

#include <gtest/gtest.h>

TEST(AirportTable, FindsTheFirstExactMatch) {
    const auto table = reference::parseAirports("\"KSEA\",\"Seattle, Tacoma\",47.449,-122.309\r\n"
                                                "\"ksea\",\"lower case\",1,2\r\n\"KSEA\",,3,4\r\n");
    for (const auto& [icao, row] : {std::pair{"KSEA", 1}, {"ksea", 2}, {"KSEA ", 0}, {"", 0}})
        EXPECT_EQ(table.findICAO(icao), row) << icao;
    ASSERT_NE(table.findAirport("KSEA"), nullptr);
    EXPECT_EQ(*table.findAirport("KSEA"),
              (reference::AirportRecord{"KSEA", "Seattle, Tacoma", 47.449f, -122.309f}));
    EXPECT_EQ(table.findAirport("KSE"), nullptr);

    const auto bundled = reference::loadAirports(testdata::bundled("AllFlyAirports.txt"));
    EXPECT_EQ(bundled.size(), 8596);
    ASSERT_NE(bundled.findAirport("KSEA"), nullptr);
    EXPECT_EQ(bundled.findAirport("KSEA")->AirportName, "Seattle Tacoma Intl");
}
