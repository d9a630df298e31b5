#include "TestData.h"

#include "reference/AirportTable.h"

#include <gtest/gtest.h>

using reference::AirportTable;
using reference::parseAirports;

TEST(AirportTable, FindsTheFirstExactMatch) {
    const AirportTable table = parseAirports("\"KSEA\",\"Seattle, Tacoma\",47.449,-122.309\r\n"
                                             "\"ksea\",\"lower case\",1,2\r\n"
                                             "\"KSEA\",\"second\",3,4\r\n"
                                             "\"KBFI\",\"\",47.53,-122.30\r\n");
    ASSERT_EQ(table.size(), 4);
    const struct {
        const char* icao;
        std::int32_t row;
    } cases[] = {{"KSEA", 1}, {"ksea", 2}, {"KBFI", 4}, {"KSE", 0}, {"KSEA ", 0}, {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(table.findICAO(c.icao), c.row) << c.icao;

    const reference::AirportRecord* seattle = table.findAirport("KSEA");
    ASSERT_NE(seattle, nullptr);
    EXPECT_EQ(*seattle, (reference::AirportRecord{"KSEA", "Seattle, Tacoma", 47.449f, -122.309f}));
    EXPECT_EQ(table.findAirport("EGLL"), nullptr);
    EXPECT_THROW(table[5], std::out_of_range);
}

TEST(AirportTable, BundledFile) {
    const AirportTable table = reference::loadAirports(testdata::bundled("AllFlyAirports.txt"));
    EXPECT_EQ(table.size(), 8596);
    EXPECT_EQ(table.findICAO("AGGH"), 1);
    const reference::AirportRecord* seattle = table.findAirport("KSEA");
    ASSERT_NE(seattle, nullptr);
    EXPECT_NEAR(seattle->AirportLat, 47.45, 0.01);
    EXPECT_NEAR(seattle->AirportLong, -122.31, 0.01);
}
