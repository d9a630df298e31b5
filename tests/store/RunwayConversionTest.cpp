#include "store/RunwayConversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using store::RunwayWaypoint;
constexpr auto T = store::True;
constexpr auto F = store::False;

store::RunwayTable table(const std::vector<RunwayWaypoint>& rows) {
    store::RunwayTable t;
    for (std::size_t i = 0; i < rows.size(); ++i)
        t[static_cast<int>(i) + 1] = rows[i];
    return t;
}

std::vector<RunwayWaypoint> used(const store::RunwayTable& t) {
    std::vector<RunwayWaypoint> rows;
    for (int i = 1; !t.rowOrEmpty(i).ID.empty(); ++i)
        rows.push_back(t[i]);
    return rows;
}

TEST(ConvertRWArray, EveryBranchEndsInTheEndPoint) {
    struct Case {
        const char* what;
        std::vector<RunwayWaypoint> read;
        std::vector<RunwayWaypoint> converted;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"header only", {{"16L", "CF", "", "2000", F, F}}, {{"16L", "CF", "", "2000", F, T}}},
        {"navaid end point",
         {{"16L", "", "SEA", "", F, F}, {"16L", "A", "", "", F, F}},
         {{"16L", "A", "", "", F, F}, {"16L", "", "SEA", "", F, T}}},
        {"two branches",
         {{"16L", "CF", "", "2000", F, F},
          {"16L", "A", "", "6000", F, F},
          {"16L", "", "B", "", F, F},
          {"16L", "H", "", "", T, F},
          {"16L", "C", "", "", F, F},
          {"34R", "", "X", "", F, F},
          {"34R", "D", "", "", F, F}},
         {{"16L", "A", "", "6000", F, F},
          {"16L", "", "B", "", F, F},
          {"16L", "CF", "", "2000", F, T},
          {"16L", "H", "", "", T, F},
          {"16L", "C", "", "", F, F},
          {"16L", "CF", "", "2000", F, T},
          {"34R", "D", "", "", F, F},
          {"34R", "", "X", "", F, T}}},
        {"a FROM row last in its runway is a branch of its own",
         {{"16L", "CF", "", "", F, F}, {"16L", "A", "", "", F, F}, {"16L", "H", "", "", T, F}},
         {{"16L", "A", "", "", F, F},
          {"16L", "CF", "", "", F, T},
          {"16L", "H", "", "", T, F},
          {"16L", "CF", "", "", F, T}}},
        {"a FROM row right after the header",
         {{"16L", "CF", "", "", F, F}, {"16L", "H", "", "", T, F}, {"16L", "A", "", "", F, F}},
         {{"16L", "H", "", "", T, F}, {"16L", "A", "", "", F, F}, {"16L", "CF", "", "", F, T}}},
    };
    for (const Case& c : cases) {
        store::RunwayTable t = table(c.read);
        EXPECT_TRUE(store::ConvertRWArray(t).ok) << c.what;
        EXPECT_EQ(used(t), c.converted) << c.what;
    }
}

TEST(ConvertRWArray, FillsTheTableToTheLastRow) {
    std::vector<RunwayWaypoint> rows{{"R", "END", "", "", F, F}};
    for (int i = 1; i < store::RunwayCapacity; ++i)
        rows.push_back({"R", "W" + std::to_string(i), "", "", F, F});
    store::RunwayTable t = table(rows);
    ASSERT_TRUE(store::ConvertRWArray(t).ok);
    EXPECT_EQ(t[399].FIX, "W399");
    EXPECT_EQ(t[400].FIX, "END");
    EXPECT_EQ(t[400].EOP, T);
}

TEST(ConvertRWArray, RefusesToGrowPastTheTableAndLeavesItAsItWas) {
    // 400 rows as read; the FROM branch needs one EOP row more.
    std::vector<RunwayWaypoint> rows{{"R", "END", "", "", F, F}};
    for (int i = 1; i < store::RunwayCapacity; ++i)
        rows.push_back({"R", "W" + std::to_string(i), "", "", i == 200 ? T : F, F});
    store::RunwayTable t = table(rows);
    const store::ConversionResult result = store::ConvertRWArray(t);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.inputRow, 400);
    EXPECT_EQ(used(t), rows);
}

} // namespace
