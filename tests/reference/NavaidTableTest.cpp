#include "TestData.h"

#include "reference/NavaidTable.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

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

// A file is read a block at a time: records out of the usual layout, and
// records across a block's edge, come out as from the whole text; errors
// still name the file and the record's line. Neighbours that agree in their
// first eight bytes are put in order too.
TEST(NavaidTable, FileReadInBlocksAsTheWholeText) {
    std::string content = "\xEF\xBB\xBF\"LONGNAME2\",1,2,3\n\"LONGNAME12\",1,2,3\r\n";
    for (int i = 0; i < 9000; ++i) {
        content += "\"N" + std::to_string(10000 + i) + "\"," + std::to_string(i) + ".25,-1.5,0\r\n";
        if (i == 7000)
            content += " \"N17000X\" , 1 ,2,3\r\n";
    }
    const auto file = std::filesystem::temp_directory_path() / "vextrel-reference-Navaids.txt";
    runtime::writeFileReplacing(file, content);
    const NavaidTable table = reference::loadNavaids(file);
    ASSERT_EQ(table.size(), 9003);
    EXPECT_EQ(table[1].NavaidID, "LONGNAME12");
    EXPECT_EQ(table[7004], (reference::NavaidRecord{"N17000X", 1, 2, 3}));
    const NavaidTable whole = parseNavaids(content);
    for (std::int32_t row = 1; row <= 9003; ++row)
        ASSERT_EQ(table[row], whole[row]) << row;

    runtime::writeFileReplacing(file, content + "\"BAD\",1,x,3\r\n");
    try {
        reference::loadNavaids(file);
        ADD_FAILURE();
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::TypeMismatch);
        EXPECT_EQ(e.file(), file);
        EXPECT_EQ(e.line(), 9004);
    }
    std::filesystem::remove(file);
}
