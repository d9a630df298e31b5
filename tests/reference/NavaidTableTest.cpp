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

// Rows are sorted stably, and the letter ranges derived from them whatever
// groups the file lacks; lower case sorts after the capitals.
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
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(table[1 + i].NavaidLat, i);
    const std::array<NavaidRange, 8> expected = {
        {{1, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 41}, {42, 81}}};
    EXPECT_EQ(table.NavaidLetterRanges(), expected);
    const std::pair<const char*, std::int32_t> lookups[] = {
        {"A,B", 1}, {"SEA", 2}, {"C", 0}, {"SE", 0}, {"", 0}, {"sea", 0}, {"a74", 42}};
    for (const auto& [id, row] : lookups)
        EXPECT_EQ(table.findFirst(id), row) << id;
}
