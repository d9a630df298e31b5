#include "TestData.h"

#include "reference/NavaidTable.h"
#include "reference/SingleField.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>

using reference::NavaidRange;
using reference::NavaidTable;
using reference::parseNavaids;
using testdata::errorOf;

TEST(NavaidTable, RecordsBecomeRowsInFileOrder) {
    const NavaidTable table =
        parseNavaids("\"0045E\",0,45,0\r\n ABC ,47.5,-122.25,113.4\n\"A,B\",-1,2,3\r\"ZZZ\",1,2,3");
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(table[1], (reference::NavaidRecord{"0045E", 0, 45, 0}));
    EXPECT_EQ(table[2], (reference::NavaidRecord{"A,B", -1, 2, 3}));
    EXPECT_EQ(table[3], (reference::NavaidRecord{"ABC", 47.5f, -122.25f, 113.4f}));
    EXPECT_EQ(table[4].NavaidID, "ZZZ");
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[5], std::out_of_range);
}

TEST(NavaidTable, MalformedInputIsARuntimeError) {
    const struct {
        const char* content;
        int error;
    } cases[] = {
        {"\"A\",1,2", runtime::InputPastEndOfFile},
        {"\"A\",1,2,3\r\n\"B\"", runtime::InputPastEndOfFile},
        {"\"A\",1,2,3,\"B\",4,5,6,7", runtime::InputPastEndOfFile},
        {"\"A\",north,2,3", runtime::TypeMismatch},
        {"\"A\",1,2\r\n\"B\",1,2,3", runtime::TypeMismatch}, // records run on by field count
        {"\"A\",1e39,2,3", reference::OverflowError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { parseNavaids(c.content); }), c.error) << c.content;
}

TEST(NavaidTable, EmptyInputGivesAnEmptyTable) {
    for (const char* content : {"", "\r\n", "  \n\n"}) {
        const NavaidTable table = parseNavaids(content);
        EXPECT_EQ(table.size(), 0);
        EXPECT_EQ(table.findFirst("ABC"), 0);
        for (const NavaidRange& range : table.NavaidLetterRanges())
            EXPECT_TRUE(range.empty());
    }
}

TEST(NavaidTable, BundledFileHasTheStandardLetterRanges) {
    const NavaidTable& table = testdata::bundledNavaids();
    ASSERT_EQ(table.size(), 63842);
    const std::array<NavaidRange, 8> standard = {{{1, 8917},
                                                  {8918, 15919},
                                                  {15920, 25020},
                                                  {25021, 30907},
                                                  {30908, 38809},
                                                  {38810, 49949},
                                                  {49950, 57916},
                                                  {57917, 63842}}};
    EXPECT_EQ(table.NavaidLetterRanges(), standard);
    EXPECT_EQ(table.rangeFor("0011N"), standard[0]);
    EXPECT_EQ(table.rangeFor(""), standard[0]);
    EXPECT_EQ(table.rangeFor("LAX"), standard[4]);
    EXPECT_EQ(table.rangeFor("\xC0\xCE"), standard[7]);
}

TEST(NavaidTable, RangesFollowAnySortedFile) {
    // No "C"/"D" group, no "U"-and-above group, lower case after capitals.
    const NavaidTable table = parseNavaids("\"1AB\",0,0,0\n\"B\",0,0,0\n\"EA\",0,0,0\n"
                                           "\"EB\",0,0,0\n\"EB\",1,1,1\n\"JX\",0,0,0\n"
                                           "\"KK\",0,0,0\n\"SA\",0,0,0\n");
    const std::array<NavaidRange, 8> expected = {
        {{1, 2}, {3, 2}, {3, 5}, {6, 7}, {8, 7}, {8, 7}, {8, 8}, {9, 8}}};
    EXPECT_EQ(table.NavaidLetterRanges(), expected);
    const struct {
        const char* id;
        std::int32_t row;
    } lookups[] = {{"1AB", 1}, {"B", 2}, {"EA", 3}, {"EB", 4}, {"JX", 6}, {"KK", 7}, {"SA", 8},
                   {"C", 0},   {"E", 0}, {"EC", 0}, {"Z", 0},  {"", 0},   {"kk", 0}, {"KK ", 0}};
    for (const auto& l : lookups)
        EXPECT_EQ(table.findFirst(l.id), l.row) << l.id;
}

TEST(NavaidTable, FileOutOfOrderIsSortedKeepingDuplicatesInFileOrder) {
    // SEA rows numbered by their latitude, between other identifiers that run
    // backwards.
    std::string content;
    for (int i = 1; i <= 40; ++i)
        content += "\"SEA\"," + std::to_string(i) + ",0,0\n\"" +
                   std::string(1, char('z' - i % 26)) + std::to_string(99 - i) + "\",0,0,0\n";
    const NavaidTable table = parseNavaids(content);
    ASSERT_EQ(table.size(), 80);
    for (std::int32_t row = 2; row <= 80; ++row)
        ASSERT_FALSE(runtime::lessOrdinal(table[row].NavaidID, table[row - 1].NavaidID)) << row;
    const std::int32_t first = table.findFirst("SEA");
    ASSERT_NE(first, 0);
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(table[first + i - 1].NavaidLat, i);
    for (std::int32_t row = 1; row <= 80; ++row)
        EXPECT_EQ(table.findFirst(table[row].NavaidID), table[row].NavaidID == "SEA" ? first : row);
}
