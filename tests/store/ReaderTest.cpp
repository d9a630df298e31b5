#include "StoreTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using store::False;
using store::True;
using storetest::crlf;
using storetest::load;

template <class Table, class Row> void expectRows(const Table& table, std::vector<Row> rows) {
    rows.push_back({}); // and nothing after them
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(table[static_cast<int>(i) + 1], rows[i]) << "row " << i + 1;
}

TEST(LoadData, FixesAndRunways) {
    const auto l = load(
        crlf({"NAVAID A FIX B 5000", // outside any section: nothing
              "FIXES", "FIX CF ID (CF) LATLON S 1 2.5 E 3 4", "FIX D COLOCATED SEA -5 +1.29E+01",
              "FIX E", "ID (IF)", "RNWS", "RNW 16L NAVAID CF 2000", "RNW 34R FIX SEA"}));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    expectRows(l->store.Fixes, std::vector<store::FixRecord>{
                                   {"(CF)", "CF", "S", "1", "2.5", "E", "3", "4", "", 0, 0, 0},
                                   {"", "D", "", "", "", "", "", "", "SEA", 12.9f, -5, 0},
                                   {"(IF)", "E", "", "", "", "", "", "", "", 0, 0, 0}});
    EXPECT_EQ(l->store.FixCount, 3);
    EXPECT_EQ(l->store.FixesDefined, True);
    // An end point keeps the keyword it was read with, defined fix or not.
    expectRows(l->store.Runways,
               std::vector<store::RunwayWaypoint>{{"16L", "", "CF", "2000", False, True},
                                                  {"34R", "SEA", "", "", False, True}});
}

TEST(LoadData, SIDAndSTARLegs) {
    const auto l = load(
        crlf({"SIDS", "old SID Z RNW 1 FIX X", "ELSE", // lines starting with o or E are skipped
              "SID A RNW 1 RNW 2 RNW 3 RNW 4 RNW 5 RNW 6 RNW 7 RNW 8 "
              "NAVAID V FLOAT +500 FIX X -.5",
              "SID B RNW 1 INTERCEPT 250 FROM NAVAID SEA "
              "ONHDG 1500 NOT BEFORE 3 FIX B 4000 ONHDG 9 FIX C",
              "ENDSIDS", "STARS", "STAR S1 FIX A 12000 NAVAID B FLOAT 5000 RNW 16L RNW 34R",
              "STAR S2 NAVAID C RNW 34R RNW 16L"}));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    store::SIDWaypoint a{.Name = "A", .RW1 = "1", .VOR = "V", .Alt = "+500", .Float = True};
    for (int slot = 2; slot <= 8; ++slot)
        a.runway(slot) = std::to_string(slot);
    expectRows(l->store.SIDs,
               std::vector<store::SIDWaypoint>{
                   a,
                   {.Name = "A", .Fix = "X", .Alt = "-.5", .EndOfRunway = True},
                   {.Name = "B",
                    .RW1 = "1",
                    .InterceptHeading = "250",
                    .InterceptToFrom = "FROM",
                    .InterceptNavaid = "SEA"},
                   {.Name = "B", .Fix = "B", .Alt = "4000", .OnHeadAlt = "1500", .OnHeadDist = "3"},
                   {.Name = "B", .OnHeadAlt = "9"},
                   {.Name = "B", .Fix = "C", .EndOfRunway = True}});
    expectRows(l->store.STARs, std::vector<store::STARWaypoint>{{"S1", "A", "", "12000", False, 2},
                                                                {"S1", "", "B", "5000", True, 0},
                                                                {"S2", "", "C", "", False, 1}});
    EXPECT_EQ(l->store.STARRunways(1, 2) + l->store.STARRunways(2, 2), "34R16L");
    const auto& c = l->counters;
    EXPECT_EQ(std::vector<int>({c.SIDCount, c.SIDRowNext, c.STARRowCount, c.STARCount, c.STARNumber,
                                c.STARRunwaySlot}),
              std::vector<int>({2, 7, 3, 2, 3, 0}));

    EXPECT_EQ(load("")->counters.SIDCount, -1);
    // An end keyword later on a line ends the section.
    EXPECT_EQ(load(crlf({"STARS", " ENDSTARS FIX A"}))->store.STARs[1].Fix, "");
}

// NOT BEFORE reopens the on-heading row; only a FIX or NAVAID, FLOAT or an
// altitude continue it. ENDSIDS first on a line is skipped, so the SID goes on.
TEST(LoadData, NotBeforeWithoutAFollowingFix) {
    const auto l =
        load(crlf({"SIDS", "SID A RNW 1 FIX X ONHDG 1500 NOT BEFORE 3", "SID B RNW 2 FIX Y",
                   "SID C RNW 3 ONHDG 1 NOT BEFORE 2 FLOAT 5000 FIX Z",
                   "SID D RNW 4 ONHDG 1 NOT BEFORE 2 ONHDG 3 NOT BEFORE 4 INTERCEPT 90 TO FIX X",
                   "ENDSIDS", "", "FIX Y 3000"}));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    std::string rows; // Name RW1 Fix Alt Float OnHeadAlt/OnHeadDist InterceptFix EndOfRunway
    for (int i = 1; i <= 10; ++i) {
        const auto& w = l->store.SIDs[i];
        rows += w.Name + w.RW1 + w.Fix + w.Alt + (w.Float ? "F" : "") + w.OnHeadAlt + "/" +
                w.OnHeadDist + w.InterceptFix + (w.EndOfRunway ? "." : "") + " ";
    }
    EXPECT_EQ(rows, "A1X/ A1500/3. B2Y/. C35000F1/2 CZ/. D41/2 D3/4 D/X. DY3000/. / ");
    EXPECT_EQ(l->counters.SIDCount, 5);
}

// CR LF, CR and LF each end a line, and a line with no line end is still read.
TEST(LoadData, EveryLineEndingReadsTheSame) {
    const std::string text =
        crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4", "SIDS", "SID S RNW 1 FIX A", "SID T RNW 2"}) +
        " FIX B";
    const auto reference = load(text);
    ASSERT_TRUE(reference->result.ok);
    EXPECT_EQ(reference->store.SIDs[2].Name + reference->store.SIDs[2].Fix, "TB");
    EXPECT_EQ(reference->store.SIDs[2].EndOfRunway, True);
    for (const char* ending : {"\r", "\n"}) {
        std::string other;
        for (char c : text)
            if (c == '\r')
                other += ending;
            else if (c != '\n')
                other += c;
        EXPECT_TRUE(storetest::sameTables(load(other)->store, reference->store));
    }

    // KTST.txt mixes all three, and is read over the tables of another airport.
    store::ProcedureStore s;
    store::ProcedureCounters c;
    s.Fixes[5].Name = s.SIDs[3].Name = "OLD";
    c.STARCount = 9;
    const auto result = store::LoadDataFromFile(
        std::filesystem::path(VEXTREL_TEST_DATA_DIR) / "store" / "KTST.txt", s, c);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(s.FixCount, 2);
    EXPECT_EQ(s.Fixes[5].Name + s.SIDs[3].Name, "");
    EXPECT_EQ(c.STARCount, 0);
    EXPECT_EQ(s.Runways[3].FROM, True);
    EXPECT_EQ(s.Runways[4].Navaid, "OLM");
    EXPECT_EQ(s.Runways[5].FIX + std::to_string(s.Runways[5].EOP), "CF-1");
    EXPECT_EQ(s.SIDs[1].OnHeadDist + s.SIDs[1].Fix + s.SIDs[1].Alt, "3SEA1606000");
}

} // namespace
