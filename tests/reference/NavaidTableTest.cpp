#include "TestData.h"

#include "reference/NavaidTable.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>

using reference::NavaidRange;
using reference::NavaidTable;
using reference::parseNavaids;

TEST(NavaidTable, MalformedInputIsARuntimeError) {
    const std::pair<const char*, int> cases[] = {
        {"\"A\",1,2,3,\"B\",4,5,6,7", runtime::InputPastEndOfFile},
        {"\"A\",north,2,3", runtime::TypeMismatch},
        {"\"A\",1,2\r\n\"B\",1,2,3", runtime::TypeMismatch}, // records run on by field count
        {"\"A\",1e39,2,3", reference::OverflowError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testdata::errorOf([&] { parseNavaids(c.first); }), c.second) << c.first;
}

// Ranges derived from the rows, whatever groups the file lacks; lower case
// sorts after the capitals.
TEST(NavaidTable, RangesFollowAnySortedFile) {
    const NavaidTable table = parseNavaids("\"1AB\",0,0,0\n\"B\",0,0,0\n\"EA\",0,0,0\n"
                                           "\"EB\",0,0,0\n\"EB\",1,1,1\n\"JX\",0,0,0\n"
                                           "\"KK\",0,0,0\n\"SA\",0,0,0\n");
    const std::array<NavaidRange, 8> expected = {
        {{1, 2}, {3, 2}, {3, 5}, {6, 7}, {8, 7}, {8, 7}, {8, 8}, {9, 8}}};
    EXPECT_EQ(table.NavaidLetterRanges(), expected);
    const std::pair<const char*, std::int32_t> lookups[] = {
        {"1AB", 1}, {"EB", 4}, {"SA", 8}, {"C", 0}, {"EC", 0}, {"Z", 0}, {"", 0}, {"kk", 0}};
    for (const auto& [id, row] : lookups)
        EXPECT_EQ(table.findFirst(id), row) << id;
    const NavaidTable empty = parseNavaids("\r\n");
    for (const NavaidRange& range : empty.NavaidLetterRanges())
        EXPECT_TRUE(range.empty());
}

TEST(NavaidTable, FileOutOfOrderIsSortedKeepingDuplicatesInFileOrder) {
    // SEA rows numbered by their latitude, between identifiers that run backwards.
    std::string content = "\"A,B\",-1,2,3\r\n";
    for (int i = 1; i <= 40; ++i)
        content += "\"SEA\"," + std::to_string(i) + ",0,0\n\"" +
                   std::string(1, char('z' - i % 26)) + std::to_string(99 - i) + "\",0,0,0\r";
    const NavaidTable table = parseNavaids(content);
    ASSERT_EQ(table.size(), 81);
    EXPECT_EQ(table[1], (reference::NavaidRecord{"A,B", -1, 2, 3}));
    for (std::int32_t row = 2; row <= 81; ++row)
        ASSERT_FALSE(runtime::lessOrdinal(table[row].NavaidID, table[row - 1].NavaidID)) << row;
    const std::int32_t first = table.findFirst("SEA");
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(table[first + i - 1].NavaidLat, i);
}
