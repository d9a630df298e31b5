#include "store/RunwayConversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using store::RunwayWaypoint;
using Rows = std::vector<RunwayWaypoint>;
constexpr auto T = store::True;
constexpr auto F = store::False;

store::RunwayTable table(const Rows& rows) {
    store::RunwayTable t;
    for (std::size_t i = 0; i < rows.size(); ++i)
        t[static_cast<int>(i) + 1] = rows[i];
    return t;
}

Rows used(const store::RunwayTable& t) {
    Rows rows;
    for (int i = 1; !t.rowOrEmpty(i).ID.empty(); ++i)
        rows.push_back(t[i]);
    return rows;
}

// Read: the end point first, then waypoints, FROM rows starting a branch.
// Converted: every branch ends in an EOP row repeating the end point.
TEST(ConvertRWArray, EveryBranchEndsInTheEndPoint) {
    const std::pair<Rows, Rows> cases[] = {
        {{{"16L", "CF", "", "2000", F, F}}, {{"16L", "CF", "", "2000", F, T}}},
        {{{"16L", "CF", "", "2000", F, F},
          {"16L", "", "B", "", F, F},
          {"16L", "H", "", "", T, F},
          {"16L", "C", "", "", F, F},
          {"34R", "", "X", "", F, F},
          {"34R", "D", "", "", F, F}},
         {{"16L", "", "B", "", F, F},
          {"16L", "CF", "", "2000", F, T},
          {"16L", "H", "", "", T, F},
          {"16L", "C", "", "", F, F},
          {"16L", "CF", "", "2000", F, T},
          {"34R", "D", "", "", F, F},
          {"34R", "", "X", "", F, T}}},
        // A FROM row last in its runway, or right after the header.
        {{{"16L", "CF", "", "", F, F}, {"16L", "A", "", "", F, F}, {"16L", "H", "", "", T, F}},
         {{"16L", "A", "", "", F, F},
          {"16L", "CF", "", "", F, T},
          {"16L", "H", "", "", T, F},
          {"16L", "CF", "", "", F, T}}},
        {{{"16L", "CF", "", "", F, F}, {"16L", "H", "", "", T, F}, {"16L", "A", "", "", F, F}},
         {{"16L", "H", "", "", T, F}, {"16L", "A", "", "", F, F}, {"16L", "CF", "", "", F, T}}},
    };
    for (const auto& [read, converted] : cases) {
        store::RunwayTable t = table(read);
        EXPECT_TRUE(store::ConvertRWArray(t).ok);
        EXPECT_EQ(used(t), converted);
    }
}

TEST(ConvertRWArray, RefusesToGrowPastTheTableAndLeavesItAsItWas) {
    // 400 rows as read; the FROM branch needs one EOP row more.
    Rows rows{{"R", "END", "", "", F, F}};
    for (int i = 1; i < store::RunwayCapacity; ++i)
        rows.push_back({"R", "W" + std::to_string(i), "", "", i == 200 ? T : F, F});
    store::RunwayTable t = table(rows);
    const store::ConversionResult result = store::ConvertRWArray(t);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.inputRow, 400);
    EXPECT_EQ(used(t), rows);
}

} // namespace
