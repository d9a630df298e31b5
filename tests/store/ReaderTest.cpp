#include "StoreTestSupport.h"

#include "store/ProcedureStore.h"

#include <gtest/gtest.h>

namespace {

using storetest::crlf;
using storetest::load;

TEST(LoadData, FixesSection) {
    const auto l = load(crlf({
        "FIXES",
        "FIX A LATLON N 47 36.35 W 122 18.58",
        "FIX B ID (CF) LATLON S 1 2.5 E 3 4",
        "FIX C COLOCATED SEA 160 10.5",
        "FIX D COLOCATED SEA -5 +1.25E+01",
        "FIX E",
        "ID (IF)",
        "ENDFIXES",
    }));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    const auto& f = l->store.Fixes;
    EXPECT_EQ(l->store.FixCount, 5);
    EXPECT_EQ(l->store.FixesDefined, store::True);
    EXPECT_EQ(f[1].Name, "A");
    EXPECT_EQ(f[1].HemLat, "N");
    EXPECT_EQ(f[1].LatDeg, "47");
    EXPECT_EQ(f[1].LatMin, "36.35");
    EXPECT_EQ(f[1].HemLong, "W");
    EXPECT_EQ(f[1].LongDeg, "122");
    EXPECT_EQ(f[1].LongMin, "18.58");
    EXPECT_EQ(f[2].TypeOfID, "(CF)");
    EXPECT_EQ(f[2].HemLat, "S");
    EXPECT_EQ(f[3].VOR, "SEA");
    EXPECT_EQ(f[3].Heading, 160.0f);
    EXPECT_EQ(f[3].VORDist, 10.5f);
    EXPECT_EQ(f[4].Heading, -5.0f);
    EXPECT_EQ(f[4].VORDist, 12.5f);
    // ID on a line of its own applies to the last fix named.
    EXPECT_EQ(f[5].TypeOfID, "(IF)");
    EXPECT_EQ(f[6].Name, "");
}

// Each row: a file, then what one field of the tables holds afterwards.
TEST(LoadData, DispatchBySection) {
    const std::string fixes = crlf({"FIXES", "FIX CF LATLON N 1 2 W 3 4"});
    struct Case {
        const char* what;
        std::string content;
        std::string (*field)(const store::ProcedureStore&);
        std::string expected;
    };
    const Case cases[] = {
        {"runway end point found among the fixes",
         fixes + crlf({"RNWS", "RNW 16L NAVAID CF 2000 "}),
         [](const store::ProcedureStore& s) { return s.Runways[1].FIX + "|" + s.Runways[1].Alt; },
         "CF|2000"},
        {"runway end point not a fix is a navaid", crlf({"RNWS", "RNW 16L FIX SEA"}),
         [](const store::ProcedureStore& s) { return s.Runways[1].Navaid; }, "SEA"},
        {"FROM point by lookup", fixes + crlf({"RNWS", "RNW 1 FIX X FIX A FROM CF FIX B"}),
         [](const store::ProcedureStore& s) {
             return s.Runways[3].FIX + "|" + s.Runways[3].Navaid;
         },
         "CF|"},
        {"FROM in another section still adds a runway row",
         crlf({"RNWS", "RNW 1 FIX X FIX A", "ENDRNWS", "SIDS", "FROM SEA"}),
         [](const store::ProcedureStore& s) { return s.Runways[3].Navaid + "|" + s.Runways[3].ID; },
         "SEA|1"},
        {"NAVAID and FIX outside a section do nothing", crlf({"NAVAID A FIX B 5000"}),
         [](const store::ProcedureStore& s) {
             return s.Runways[1].ID + s.SIDs[1].Name + s.STARs[1].Name + s.Fixes[1].Name;
         },
         ""},
        {"SID runways, a ninth is dropped",
         crlf({"SIDS", "SID A RNW 1 RNW 2 RNW 3 RNW 4 RNW 5 RNW 6 RNW 7 RNW 8 RNW 9 FIX X"}),
         [](const store::ProcedureStore& s) {
             return s.SIDs[1].RW1 + s.SIDs[1].RW8 + s.SIDs[1].Fix;
         },
         "18X"},
        {"FLOAT and altitude go to the leg completed last",
         crlf({"SIDS", "SID A RNW 1 NAVAID V FLOAT 5000 FIX X"}),
         [](const store::ProcedureStore& s) {
             return s.SIDs[1].VOR + s.SIDs[1].Alt + std::to_string(s.SIDs[1].Float) + s.SIDs[2].Fix;
         },
         "V5000-1X"},
        {"intercept of a navaid", crlf({"SIDS", "SID A RNW 1 INTERCEPT 250 FROM NAVAID SEA"}),
         [](const store::ProcedureStore& s) {
             return s.SIDs[1].InterceptHeading + s.SIDs[1].InterceptToFrom +
                    s.SIDs[1].InterceptNavaid + "|" + s.SIDs[1].InterceptFix;
         },
         "250FROMSEA|"},
        {"ONHDG, NOT BEFORE and a FIX make one row",
         crlf({"SIDS", "SID A RNW 1 ONHDG 1500 NOT BEFORE 3 FIX B 4000"}),
         [](const store::ProcedureStore& s) {
             return s.SIDs[1].OnHeadAlt + s.SIDs[1].OnHeadDist + s.SIDs[1].Fix + s.SIDs[1].Alt +
                    "|" + s.SIDs[2].Name;
         },
         "15003B4000|"},
        {"ONHDG followed directly by a FIX makes two rows",
         crlf({"SIDS", "SID A RNW 1 ONHDG 1500 FIX B"}),
         [](const store::ProcedureStore& s) { return s.SIDs[1].OnHeadAlt + "|" + s.SIDs[2].Fix; },
         "1500|B"},
        {"STAR legs, FLOAT and altitudes",
         crlf({"STARS", "STAR S1 FIX A 12000 NAVAID B FLOAT 5000 RNW 16L RNW 34R"}),
         [](const store::ProcedureStore& s) {
             return s.STARs[1].Fix + s.STARs[1].Alt + s.STARs[2].VOR + s.STARs[2].Alt +
                    std::to_string(s.STARs[2].Float) + s.STARRunways(1, 1) + s.STARRunways(1, 2);
         },
         "A12000B5000-116L34R"},
        {"signed altitudes are numbers", crlf({"STARS", "STAR S FIX A +500 FIX B -.5"}),
         [](const store::ProcedureStore& s) { return s.STARs[1].Alt + s.STARs[2].Alt; }, "+500-.5"},
        {"numbers outside a section are ignored", crlf({"5000", "FIXES", "FIX A 12"}),
         [](const store::ProcedureStore& s) { return s.Fixes[1].Name; }, "A"},
        {"lines starting with o or E are skipped",
         crlf({"SIDS", "old SID A RNW 1 FIX X", "ELSE", "SID B RNW 1 FIX Y"}),
         [](const store::ProcedureStore& s) { return s.SIDs[1].Name + s.SIDs[2].Name; }, "B"},
        {"end keywords end a section when not first on a line", crlf({"STARS", " ENDSTARS FIX A"}),
         [](const store::ProcedureStore& s) { return s.STARs[1].Fix; }, ""},
    };
    for (const Case& c : cases) {
        const auto l = load(c.content);
        ASSERT_TRUE(l->result.ok) << c.what << ": " << l->result.message;
        EXPECT_EQ(c.field(l->store), c.expected) << c.what;
    }
}

TEST(LoadData, SIDCounters) {
    const auto l = load(crlf({
        "SIDS",
        "SID A RNW 1 FIX X FIX Y",
        "SID B RNW 2 NAVAID Z",
        "ENDSIDS",
    }));
    ASSERT_TRUE(l->result.ok);
    EXPECT_EQ(l->counters.SIDCount, 2);
    EXPECT_EQ(l->counters.SIDRowNext, 4);
    EXPECT_EQ(l->store.SIDs[1].EndOfRunway, store::False);
    EXPECT_EQ(l->store.SIDs[2].EndOfRunway, store::True);
    EXPECT_EQ(l->store.SIDs[3].EndOfRunway, store::True);

    EXPECT_EQ(load("")->counters.SIDCount, -1);
    EXPECT_EQ(load("")->counters.SIDRowNext, 0);
    EXPECT_EQ(load("")->counters.STARNumber, 1);
}

TEST(LoadData, ENDSIDSFirstOnALineLeavesTheSectionOpen) {
    const auto l = load(crlf({"SIDS", "SID A RNW 1 FIX X", "ENDSIDS", "", "FIX Y 3000"}));
    ASSERT_TRUE(l->result.ok);
    EXPECT_EQ(l->counters.SIDCount, 2);
    EXPECT_EQ(l->store.SIDs[2].Name, "A");
    EXPECT_EQ(l->store.SIDs[2].Fix, "Y");
    EXPECT_EQ(l->store.SIDs[2].Alt, "3000");
}

TEST(LoadData, STARCounters) {
    const auto l = load(crlf({
        "STARS",
        "STAR S1 FIX A FIX B RNW 16L",
        "STAR S2 NAVAID C RNW 34R RNW 16L",
        "ENDSTARS",
    }));
    ASSERT_TRUE(l->result.ok);
    EXPECT_EQ(l->counters.STARRowCount, 3);
    EXPECT_EQ(l->counters.STARCount, 2);
    EXPECT_EQ(l->counters.STARNumber, 3);
    EXPECT_EQ(l->counters.STARRunwaySlot, 0);
    EXPECT_EQ(l->store.STARs[1].Elements, 2);
    EXPECT_EQ(l->store.STARs[2].Elements, 0);
    EXPECT_EQ(l->store.STARs[3].Elements, 1);
    EXPECT_EQ(l->store.STARRunways(2, 2), "16L");
}

TEST(LoadData, STARLinesWithoutLegs) {
    // The first line without legs changes no counter; a later one counts as
    // a STAR with Elements 0 on the row the next STAR then takes.
    const auto first = load(crlf({"STARS", "STAR S0 RNW 9", "STAR S1 FIX A RNW 1"}));
    ASSERT_TRUE(first.get()->result.ok);
    EXPECT_EQ(first->counters.STARCount, 1);
    EXPECT_EQ(first->counters.STARNumber, 2);
    EXPECT_EQ(first->store.STARRunways(1, 1), "9");
    EXPECT_EQ(first->store.STARRunways(1, 2), "1");

    const auto later = load(crlf({"STARS", "STAR S1 FIX A RNW 1", "STAR S2 RNW 2"}));
    ASSERT_TRUE(later->result.ok);
    EXPECT_EQ(later->counters.STARCount, 2);
    EXPECT_EQ(later->counters.STARNumber, 3);
    EXPECT_EQ(later->counters.STARRowCount, 1);
    EXPECT_EQ(later->store.STARs[2].Name, "S2");
    EXPECT_EQ(later->store.STARs[2].Elements, 0);
}

TEST(LoadData, RunwaysAreConverted) {
    const auto l = load(crlf({
        "FIXES",
        "FIX CF LATLON N 1 2 W 3 4",
        "FIX H LATLON N 1 2 W 3 4",
        "ENDFIXES",
        "RNWS",
        "RNW 16L FIX CF 2000 FIX A 6000 NAVAID B ",
        "   FROM H FIX C ",
        "RNW 34R NAVAID SEA ",
        "ENDRNWS",
    }));
    ASSERT_TRUE(l->result.ok);
    EXPECT_EQ(l->store.RunwayCount, 6);
    const auto& r = l->store.Runways;
    const store::RunwayWaypoint expected[] = {
        {"16L", "A", "", "6000", store::False, store::False},
        {"16L", "", "B", "", store::False, store::False},
        {"16L", "CF", "", "2000", store::False, store::True},
        {"16L", "H", "", "", store::True, store::False},
        {"16L", "C", "", "", store::False, store::False},
        {"16L", "CF", "", "2000", store::False, store::True},
        {"34R", "", "SEA", "", store::False, store::True},
        {},
    };
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(r[i], expected[i - 1]) << "row " << i;
}

TEST(LoadData, EveryLineEndingReadsTheSame) {
    const std::string text = crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4", "ENDFIXES", "SIDS",
                                   "SID S RNW 1 FIX A", " FIX B", "ENDSIDS"});
    const auto reference = load(text);
    for (const char* ending : {"\r", "\n"}) {
        std::string other;
        for (char c : text)
            if (c == '\r')
                other += ending;
            else if (c != '\n')
                other += c;
        const auto l = load(other);
        ASSERT_TRUE(l->result.ok);
        EXPECT_TRUE(storetest::sameTables(l->store, reference->store));
        EXPECT_EQ(l->store.SIDs[2].Fix, "B");
    }
}

TEST(LoadData, AProcedureLineAtTheEndOfTheFileIsRead) {
    const auto l = load("SIDS\r\nSID A RNW 1 FIX X\r\nSID B RNW 2\r\n FIX Y");
    ASSERT_TRUE(l->result.ok);
    EXPECT_EQ(l->store.SIDs[2].Name, "B");
    EXPECT_EQ(l->store.SIDs[2].Fix, "Y");
    EXPECT_EQ(l->store.SIDs[2].EndOfRunway, store::True);
}

// NOT BEFORE reopens the on-heading row; only a FIX or NAVAID, FLOAT or an
// altitude continue it.
TEST(LoadData, NotBeforeWithoutAFollowingFix) {
    const auto l = load(crlf({
        "SIDS",
        "SID A RNW 1 FIX X ONHDG 1500 NOT BEFORE 3",
        "SID B RNW 2 FIX Y",
        "SID C RNW 3 ONHDG 1 NOT BEFORE 2 FLOAT 5000 FIX Z",
        "SID D RNW 4 ONHDG 1 NOT BEFORE 2 ONHDG 3 NOT BEFORE 4 INTERCEPT 90 TO FIX X",
    }));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    const auto& s = l->store.SIDs;
    EXPECT_EQ(s[2].Name, "A");
    EXPECT_EQ(s[2].OnHeadAlt, "1500");
    EXPECT_EQ(s[2].OnHeadDist, "3");
    EXPECT_EQ(s[2].EndOfRunway, store::True);
    EXPECT_EQ(s[3].Name, "B");
    EXPECT_EQ(s[3].RW1, "2");
    EXPECT_EQ(s[3].Fix, "Y");
    EXPECT_EQ(s[2].RW1, "");

    EXPECT_EQ(s[4].Name, "C");
    EXPECT_EQ(s[4].Float, store::True);
    EXPECT_EQ(s[4].Alt, "5000");
    EXPECT_EQ(s[4].Fix, "");
    EXPECT_EQ(s[5].Fix, "Z");
    EXPECT_EQ(s[5].Alt, "");

    EXPECT_EQ(s[6].OnHeadAlt, "1");
    EXPECT_EQ(s[6].OnHeadDist, "2");
    EXPECT_EQ(s[7].OnHeadAlt, "3");
    EXPECT_EQ(s[7].OnHeadDist, "4");
    EXPECT_EQ(s[8].InterceptFix, "X");
    EXPECT_EQ(s[8].OnHeadAlt, "");
    EXPECT_EQ(l->counters.SIDRowNext, 9);
}

TEST(LoadData, ClearsTheTablesItFillsAndKeepsNothingOld) {
    store::ProcedureStore s;
    store::ProcedureCounters c;
    s.Fixes[5].Name = "OLD";
    s.SIDs[3].Name = "OLD";
    c.STARCount = 9;
    ASSERT_TRUE(store::LoadData(crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4"}), s, c).ok);
    EXPECT_EQ(s.Fixes[5].Name, "");
    EXPECT_EQ(s.SIDs[3].Name, "");
    EXPECT_EQ(c.STARCount, 0);
}

TEST(ProcedureStore, ClearArraysLeavesTheCounters) {
    const auto l =
        load(crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4", "RNWS", "RNW 1 FIX A", "ENDRNWS", "SIDS",
                   "SID S RNW 1 FIX A", "ENDSIDS", "STARS", "STAR T FIX A RNW 1"}));
    ASSERT_TRUE(l->result.ok);
    store::ClearArrays(l->store);
    EXPECT_TRUE(storetest::isEmpty(l->store));
    EXPECT_EQ(l->store.FixCount, 1);
    EXPECT_EQ(l->store.RunwayCount, 1);
    EXPECT_EQ(l->counters.STARRowCount, 1);
    EXPECT_EQ(l->counters.SIDRowNext, 2);
}

} // namespace
