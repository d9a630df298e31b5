#include "TransitionScreen.h"

#include "transitions/FieldChecks.h"
#include "transitions/RunwayRows.h"

#include <gtest/gtest.h>

namespace {

using namespace transitions;
using transitionstest::fixRow;
using transitionstest::navaidRow;
constexpr store::Flag T = store::True;

// Runway 16L as the reader leaves it (the first feeder without FROM), then
// 34R, then a row past the count that no walk may see.
struct AsRead : ::testing::Test {
    store::RunwayTable rows;
    std::int16_t count = 0;
    AsRead() {
        for (const auto& row :
             {fixRow("16L", "ANVIL"), fixRow("16L", "ATOME"), fixRow("16L", "CF16L", "2000", 0, T),
              fixRow("16L", "HAROB", "", T), navaidRow("16L", "SEA"),
              fixRow("16L", "CF16L", "2000", 0, T), fixRow("16L", "SEA160", "", T, T),
              fixRow("34R", "BAKMN"), fixRow("34R", "CF34R", "", 0, T)})
            rows[++count] = row;
        rows[count + 1].ID = "16C";
    }
};

TEST_F(AsRead, FeedersEndAfterTheirEndPointOrBeforeAFromRow) {
    EXPECT_EQ(findRunwayGroup(rows, count, "16L"), 1);
    EXPECT_EQ(findRunwayGroup(rows, count, "34R"), 8);
    EXPECT_EQ(findRunwayGroup(rows, count, "16C"), 0);
    EXPECT_EQ(feederLength(rows, count, 1), 3);
    EXPECT_EQ(feederLength(rows, count, 4), 3);
    EXPECT_EQ(feederLength(rows, count, 7), 1);
    EXPECT_EQ(feederLength(rows, count, 8), 2);
    EXPECT_EQ(feederLength(rows, count, 10), 0);
    // The first feeder, read without FROM, counts too.
    EXPECT_EQ(countFeeders(rows, count, 1), 3);
    EXPECT_EQ(countFeeders(rows, count, 8), 1);
    EXPECT_EQ(countFeeders(rows, count, 0), 0);
}

TEST_F(AsRead, InsertAndRemoveKeepTheRowsAfterThemInOrder) {
    insertRow(rows, count, 4, navaidRow("16L", "OLM"));
    EXPECT_EQ(count, 10);
    EXPECT_EQ(rows[4].Navaid, "OLM");
    EXPECT_EQ(rows[5].FIX, "HAROB");
    EXPECT_EQ(rows[10].FIX, "CF34R");

    removeRows(rows, count, 4, 4);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(rows[4].FIX, "SEA160");
    EXPECT_EQ(rows[6].FIX, "CF34R");
    for (int i = 7; i <= 10; ++i)
        EXPECT_EQ(rows[i], store::RunwayWaypoint{}) << i;
}

TEST(FeederFlags, FromOnTheFirstRowAndEndOnTheLastWhateverTheLength) {
    for (int n = 1; n <= 3; ++n) {
        store::RunwayTable rows;
        for (int i = 1; i <= 5; ++i)
            rows[i] = fixRow("09", "F" + std::to_string(i), "", T, T);
        setFeederFlags(rows, 2, n);
        for (int i = 2; i < 2 + n; ++i) {
            EXPECT_EQ(rows[i].FROM, i == 2 ? T : store::False) << n << " " << i;
            EXPECT_EQ(rows[i].EOP, i == 1 + n ? T : store::False) << n << " " << i;
        }
        EXPECT_EQ(rows[1].FROM, T);
        EXPECT_EQ(rows[2 + n].EOP, T);
    }
}

TEST(SearchForRWFix, FindsEveryRowUpToTheFirstUnnamedOne) {
    store::FixTable fixes;
    for (int i = 1; i <= store::FixCapacity; ++i)
        fixes[i].Name = "F" + std::to_string(i);
    EXPECT_EQ(SearchForRWFix(fixes, "F1"), 1);
    EXPECT_EQ(SearchForRWFix(fixes, "F700"), 700);
    EXPECT_EQ(SearchForRWFix(fixes, "F701"), 0);
    fixes[3].Name.clear();
    EXPECT_EQ(SearchForRWFix(fixes, "F4"), 0);
    EXPECT_EQ(SearchForRWFix(fixes, ""), 0);
}

TEST(FieldChecks, RefuseWithTheMessagesOfTheBoxes) {
    const std::string onlyNumbers = "Enter only numbers please.";
    const std::string latTooLarge = "There are no Latitude values greater than 90.\r\n"
                                    "                       Please correct.";
    const std::string longTooLarge = "There are no Longitude values greater than 180.\r\n"
                                     "                       Please correct.";
    const std::string range = "Only numbers between 0 and 360 please.";
    struct Case {
        std::string (*check)(std::string_view);
        const char* text;
        std::string message;
    };
    for (const Case& c : std::initializer_list<Case>{
             {checkNumber, "", ""},
             {checkNumber, "12A", onlyNumbers},
             {checkNumber, "1e5", onlyNumbers},
             {checkNumber, "4500", ""},
             {checkHeading, "360", ""},
             {checkHeading, "361", range},
             {checkHeading, "-1", range},
             {checkHeading, "x", onlyNumbers},
             {checkLatitudeDegrees, "90", ""},
             {checkLatitudeDegrees, "91", latTooLarge},
             {checkLatitudeDegrees, "-", onlyNumbers},
             {checkLongitudeDegrees, "180", ""},
             {checkLongitudeDegrees, "181", longTooLarge},
         })
        EXPECT_EQ(c.check(c.text), c.message) << c.text;
}

TEST(FieldChecks, StripParentheses) {
    EXPECT_EQ(StripParentheses("(AB)"), "AB");
    EXPECT_EQ(StripParentheses("AB"), "AB");
    EXPECT_EQ(StripParentheses("("), "");
    EXPECT_EQ(StripParentheses(""), "");
}

} // namespace
