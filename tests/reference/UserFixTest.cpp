#include "TestData.h"

#include "reference/UserFixFile.h"
#include "reference/UserFixTable.h"
#include "runtime/TextFiles.h"

#include <gtest/gtest.h>
#include <vector>

using reference::UserFixTable;
using store::FixRecord;

namespace {

FixRecord named(const std::string& name, const std::string& typeOfID = "") {
    return {.TypeOfID = typeOfID, .Name = name};
}

UserFixTable tableOf(const std::vector<FixRecord>& fixes) {
    UserFixTable table;
    for (const FixRecord& fix : fixes)
        EXPECT_TRUE(table.append(fix));
    return table;
}

// Name and TypeOfID of every row, a space after each.
std::string names(const UserFixTable& table) {
    std::string out;
    for (const FixRecord& fix : table.rows())
        out += fix.Name + fix.TypeOfID + " ";
    return out;
}

} // namespace

TEST(UserFixFile, BundledFileIsWrittenBackByteForByteAndNoRowsAsAnEmptyFile) {
    const auto file = testdata::bundled("UserFixes.txt");
    const UserFixTable table = reference::loadUserFixes(file);
    EXPECT_EQ(table.UserFixCount(), 3);
    const auto copy = std::filesystem::temp_directory_path() / "vextrel-reference-UserFixes.txt";
    reference::SaveFixes(table, copy);
    EXPECT_EQ(runtime::readWholeFile(copy), runtime::readWholeFile(file));
    reference::SaveFixes(UserFixTable{}, copy);
    EXPECT_EQ(runtime::readWholeFile(copy), "");
    std::filesystem::remove(copy);
}

// Coordinate texts come back exactly as read; arc points and unnamed rows
// are left out.
TEST(UserFixFile, TextsRoundTripExactly) {
    const std::string text =
        "\"ODD\",\"\",\"07\",\"14.600\",\"N\",\" 5\",\"0.0\",\"W\",\"\",0,0\r\n"
        "\"HALF\",\"(H,F)\",\"12\",,\"S\",,,\"\",\"\",0,0\r\n"
        "\"SEA160\",\"\",,,\"\",,,\"\",\"SEA\",160.25,.5\r\n";
    UserFixTable table = reference::parseUserFixes(text);
    ASSERT_EQ(table.UserFixCount(), 3);
    EXPECT_EQ(table[1].LongDeg + "|" + table[2].TypeOfID + "|" + table[2].LatMin, " 5|(H,F)|");
    EXPECT_EQ(table[3].Heading, 160.25f);
    FixRecord arc = named("D160L");
    arc.IsArcPoint = store::True;
    ASSERT_TRUE(table.append(arc) && table.append(named("")));
    EXPECT_EQ(reference::formatUserFixes(table), text);
}

TEST(UserFixFile, MoreRecordsThanTheCountHoldsAreRefused) {
    std::string content;
    for (int i = 0; i <= UserFixTable::capacity; ++i)
        content += "F,,,,,,,,,0,0\n";
    EXPECT_EQ(testdata::errorOf([&] { reference::parseUserFixes(content); }),
              reference::OverflowError);
    content.resize(content.size() - 14);
    EXPECT_EQ(reference::parseUserFixes(content).UserFixCount(), UserFixTable::capacity);
}

// The error names the file and the physical line where the failing record
// began; a stray quote shifts the fields, so that is where the damage shows.
TEST(UserFixFile, UnreadableFileIsReportedWithItsPathAndLine) {
    const std::string good =
        "\"HAROB\",\"\",\"47\",\"14.60\",\"N\",\"123\",\"2.45\",\"W\",\"\",0,0\r\n";
    const std::string longName(60, 'Q');
    const struct {
        std::string content;
        int number;
        int line;
        std::string detail;
    } cases[] = {
        {good + "\"BAD,\"\",\"47\",\"14.60\",\"N\",\"123\",\"2.45\",\"W\",\"\",0,0\r\n",
         runtime::InputPastEndOfFile, 2, "the record ends before its last field"},
        {good.substr(0, good.size() - 2) + "\n" + good.substr(0, good.size() - 1) +
             "\"X\",,,,,,,,,nan,0\r\n",
         runtime::TypeMismatch, 3, "not a number: \"nan\""},
        {good + "\"X\",,,,,,,,,0," + longName + "\r\n", runtime::TypeMismatch, 2,
         "not a number: \"" + longName.substr(0, 40) + "...\""},
        {"\"X\",,,,,,,,,1e39,0", reference::OverflowError, 1, "a number beyond single precision"},
    };
    const auto file = std::filesystem::temp_directory_path() / "vextrel-reference-Broken.txt";
    for (const auto& c : cases) {
        runtime::writeFileReplacing(file, c.content);
        try {
            reference::loadUserFixes(file);
            ADD_FAILURE() << c.content;
        } catch (const runtime::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.content;
            EXPECT_EQ(e.file(), file);
            EXPECT_EQ(e.line(), c.line) << c.content;
            EXPECT_EQ(e.detail(), c.detail);
        }
    }
    std::filesystem::remove(file);
}

TEST(SortUserFixArray, OrdinalAndStable) {
    UserFixTable table =
        tableOf({named("abc"), named("ABC", "1"), named("\xC0"), named("B"), named("1ZZ"),
                 named("ABC", "2"), named("Abc"), named(""), named("ABC", "3")});
    reference::SortUserFixArray(table);
    EXPECT_EQ(names(table), " 1ZZ ABC1 ABC2 ABC3 Abc B abc \xC0 ");
}

TEST(CombineFixes, AppendsNewNamesOnceThenSortsAndCallsBack) {
    UserFixTable userFixes = tableOf({named("HAROB", "user"), named("ZULU")});
    store::FixTable fixes;
    fixes[1] = named("MIKE", "1");
    fixes[2] = named("HAROB", "airport");
    fixes[3] = named("MIKE", "2");
    fixes[4] = named("");
    fixes[5] = named("ALFA");
    fixes[6] = named("BEYOND"); // past the count
    int calls = 0;
    std::string seen;
    auto refill = [&] { ++calls, seen = names(userFixes); };
    EXPECT_EQ(reference::CombineFixes(fixes, 5, userFixes, refill), 2);
    EXPECT_EQ(names(userFixes), "ALFA HAROBuser MIKE1 ZULU ");
    EXPECT_EQ(seen, names(userFixes));
    // Everything known now: nothing appended, no call back.
    EXPECT_EQ(reference::CombineFixes(fixes, 5, userFixes, refill), 0);
    EXPECT_EQ(calls, 1);
    // A count beyond the table stops at its last row.
    fixes[store::FixTable::capacity] = named("LAST");
    EXPECT_EQ(reference::CombineFixes(fixes, 100000, userFixes), 2);
}
