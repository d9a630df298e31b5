#include "TestData.h"

#include "reference/SingleField.h"
#include "reference/UserFixFile.h"
#include "reference/UserFixTable.h"
#include "runtime/TextFiles.h"

#include <gtest/gtest.h>
#include <vector>

using reference::UserFixTable;
using store::FixRecord;
using testdata::errorOf;

namespace {

FixRecord named(const std::string& name, const std::string& typeOfID = "") {
    FixRecord fix;
    fix.Name = name;
    fix.TypeOfID = typeOfID;
    return fix;
}

FixRecord coordinateFix(const std::string& name) {
    FixRecord fix = named(name);
    fix.HemLat = "N";
    fix.LatDeg = "47";
    fix.LatMin = "14.60";
    fix.HemLong = "W";
    fix.LongDeg = "123";
    fix.LongMin = "2.45";
    return fix;
}

UserFixTable tableOf(const std::vector<FixRecord>& fixes) {
    UserFixTable table;
    for (const FixRecord& fix : fixes)
        EXPECT_TRUE(table.append(fix));
    return table;
}

std::vector<std::string> namesOf(const UserFixTable& table) {
    std::vector<std::string> names;
    for (const FixRecord& fix : table.rows())
        names.push_back(fix.Name + fix.TypeOfID);
    return names;
}

} // namespace

TEST(UserFixFile, FieldsInFileOrder) {
    const UserFixTable table = reference::parseUserFixes(
        "\"HAROB\",\"(FIX)\",\"47\",\"14.60\",\"N\",\"123\",\"2.45\",\"W\",\"\",0,0\r\n"
        "\"OLM270\",\"\",,,\"\",,,\"\",\"OLM\",270,12.5\r\n");
    ASSERT_EQ(table.UserFixCount(), 2);
    FixRecord harob = coordinateFix("HAROB");
    harob.TypeOfID = "(FIX)";
    EXPECT_EQ(table[1], harob);
    FixRecord olm = named("OLM270");
    olm.VOR = "OLM";
    olm.Heading = 270;
    olm.VORDist = 12.5f;
    EXPECT_EQ(table[2], olm);
    EXPECT_THROW(table[3], std::out_of_range);
}

TEST(UserFixFile, MoreRecordsThanTheCountHoldsAreRefused) {
    std::string content;
    for (int i = 0; i <= UserFixTable::capacity; ++i)
        content += "F,,,,,,,,,0,0\n";
    EXPECT_EQ(errorOf([&] { reference::parseUserFixes(content); }), reference::OverflowError);
    content.resize(content.size() - 14);
    EXPECT_EQ(reference::parseUserFixes(content).UserFixCount(), UserFixTable::capacity);
}

TEST(UserFixFile, BundledFileIsWrittenBackByteForByte) {
    const auto file = testdata::bundled("UserFixes.txt");
    const UserFixTable table = reference::loadUserFixes(file);
    EXPECT_EQ(table.UserFixCount(), 3);
    testdata::TempFolder folder;
    const auto copy = folder.path() / "UserFixes.txt";
    reference::SaveFixes(table, copy);
    EXPECT_EQ(runtime::readWholeFile(copy), runtime::readWholeFile(file));
}

TEST(UserFixFile, CoordinateTextsRoundTripExactly) {
    FixRecord odd = coordinateFix("ODD");
    odd.LatDeg = "07";
    odd.LatMin = "14.600";
    odd.LongDeg = " 5";
    odd.LongMin = "0.0";
    FixRecord half = named("HALF", "(H,F)");
    half.LatDeg = "12"; // minutes left empty
    half.HemLat = "S";
    FixRecord navaid = named("SEA160");
    navaid.VOR = "SEA";
    navaid.Heading = 160.25f;
    navaid.VORDist = 0.5f;
    const UserFixTable table = tableOf({odd, half, navaid});
    EXPECT_EQ(reference::formatUserFixes(table),
              "\"ODD\",\"\",\"07\",\"14.600\",\"N\",\" 5\",\"0.0\",\"W\",\"\",0,0\r\n"
              "\"HALF\",\"(H,F)\",\"12\",,\"S\",,,\"\",\"\",0,0\r\n"
              "\"SEA160\",\"\",,,\"\",,,\"\",\"SEA\",160.25,.5\r\n");
    const UserFixTable again = reference::parseUserFixes(reference::formatUserFixes(table));
    ASSERT_EQ(again.UserFixCount(), 3);
    EXPECT_EQ(again[1], odd);
    EXPECT_EQ(again[2], half);
    EXPECT_EQ(again[3], navaid);
}

TEST(SaveFixes, LeavesOutArcPointsAndUnnamedRows) {
    FixRecord arc = named("D160L");
    arc.IsArcPoint = store::True;
    const UserFixTable table = tableOf({named("A"), arc, named(""), named("B")});
    EXPECT_EQ(reference::formatUserFixes(table), "\"A\",\"\",,,\"\",,,\"\",\"\",0,0\r\n"
                                                 "\"B\",\"\",,,\"\",,,\"\",\"\",0,0\r\n");
    EXPECT_EQ(table.UserFixCount(), 4);
}

TEST(SaveFixes, NoRowsReplacesTheFileWithAnEmptyOne) {
    testdata::TempFolder folder;
    const auto file = folder.path() / "UserFixes.txt";
    runtime::writeFileReplacing(file, "\"OLD\",\"\",,,\"\",,,\"\",\"\",0,0\r\n");
    reference::SaveFixes(UserFixTable{}, file);
    EXPECT_EQ(runtime::readWholeFile(file), "");
}

TEST(SortUserFixArray, OrdinalAndStable) {
    UserFixTable table =
        tableOf({named("abc"), named("ABC", "1"), named("\xC0"), named("B"), named("1ZZ"),
                 named("ABC", "2"), named("Abc"), named(""), named("ABC", "3")});
    reference::SortUserFixArray(table);
    const std::vector<std::string> expected = {"",    "1ZZ", "ABC1", "ABC2", "ABC3",
                                               "Abc", "B",   "abc",  "\xC0"};
    EXPECT_EQ(namesOf(table), expected);

    for (const auto& few : {std::vector<FixRecord>{}, std::vector<FixRecord>{named("Z", "1")}}) {
        UserFixTable small = tableOf(few);
        reference::SortUserFixArray(small);
        EXPECT_EQ(namesOf(small), namesOf(tableOf(few)));
    }
}

TEST(CombineFixes, AppendsNewNamesOnceThenSortsAndCallsBack) {
    UserFixTable userFixes = tableOf({named("HAROB", "user"), named("ZULU")});
    store::FixTable fixes;
    FixRecord arc = named("D160L", "arc");
    arc.IsArcPoint = store::True;
    fixes[1] = named("MIKE", "1");
    fixes[2] = named("HAROB", "airport");
    fixes[3] = arc;
    fixes[4] = named("MIKE", "2");
    fixes[5] = named("");
    fixes[6] = named("ALFA");
    fixes[7] = named("BEYOND"); // past the count

    int calls = 0;
    std::vector<std::string> seenByCallback;
    const int appended = reference::CombineFixes(fixes, 6, userFixes, [&] {
        ++calls;
        seenByCallback = namesOf(userFixes);
    });
    EXPECT_EQ(appended, 3);
    EXPECT_EQ(calls, 1);
    const std::vector<std::string> expected = {"ALFA", "D160Larc", "HAROBuser", "MIKE1", "ZULU"};
    EXPECT_EQ(namesOf(userFixes), expected);
    EXPECT_EQ(seenByCallback, expected);
    EXPECT_EQ(userFixes[2].IsArcPoint, store::True);

    // Everything known now: nothing appended, no call back.
    EXPECT_EQ(reference::CombineFixes(fixes, 6, userFixes, [&] { ++calls; }), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(userFixes.UserFixCount(), 5);
}

TEST(CombineFixes, CountBeyondTheFixTableStopsAtItsLastRow) {
    UserFixTable userFixes;
    store::FixTable fixes;
    fixes[store::FixTable::capacity] = named("LAST");
    EXPECT_EQ(reference::CombineFixes(fixes, 100000, userFixes), 1);
    EXPECT_EQ(namesOf(userFixes), std::vector<std::string>{"LAST"});
}
