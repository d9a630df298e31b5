#include "StoreTestSupport.h"

#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using storetest::crlf;
using storetest::load;

TEST(LoadData, UnknownElementMessage) {
    const auto l = load(crlf({"// comment", "", "FIXES", "fix A LATLON N 1 2 W 3 4"}));
    EXPECT_FALSE(l->result.ok);
    EXPECT_EQ(l->result.line, 4);
    EXPECT_EQ(l->result.token, "fix");
    EXPECT_EQ(l->result.message,
              "An unknown grammer element (fix) has popped up in line  4 of the airport file.\r\n"
              "This was caused by either an unknown grammer word or by a defective airport "
              "file.\r\n"
              "The program will have to terminate so the file can be corrected.");
}

// Each row: a broken file, the logical line and token refused, and the
// reason the message has to give.
TEST(LoadData, BrokenFilesAreRefusedWithReasonAndLine) {
    const std::string runway =
        crlf({"RNWS", "RNW 16L FIX CF 2000 FIX A ", "   FROM B ", "        FIX C ", "ENDRNWS"});
    struct Case {
        std::string content;
        int line;
        std::string token;
        std::string reason;
    };
    const Case cases[] = {
        {crlf({"FIXES", "\tFIX A"}), 2, "\tFIX", "unknown grammer element"},
        {crlf({"SIDS", "SID A RNW 1 FIX X 5."}), 2, "5.", "unknown grammer element"},
        {crlf({"SIDS", "SID A RNW 1 FIX X 1e3"}), 2, "1e3", "unknown grammer element"},
        {crlf({"SIDS", "SID A RNW 1 FIX X 1,000"}), 2, "1,000", "unknown grammer element"},
        {runway + crlf({"", "FIXES", "FIX A LATLON N 1 2 W 3 4 extra"}), 6, "extra",
         "unknown grammer element"},
        {crlf({"FIXES", "LATLON N 1 2 W 3 4"}), 2, "LATLON", "has LATLON before the first FIX."},
        {crlf({"ID (CF)"}), 1, "ID", "has ID before the first FIX."},
        {crlf({"FIXES", "COLOCATED SEA 1 2"}), 2, "COLOCATED", "before the first FIX."},
        {crlf({"FIXES", "FIX A COLOCATED SEA north 10"}), 2, "COLOCATED",
         "has a COLOCATED bearing or distance that is not a number (north)."},
        {crlf({"FIXES", "FIX A COLOCATED SEA 10"}), 2, "COLOCATED",
         "bearing or distance that is not a number ()."},
        {crlf({"FIXES", "FIX A COLOCATED SEA 10 1E+99"}), 2, "COLOCATED", "not a number (1E+99)"},
        {crlf({"SIDS", "SID A RNW 1 FLOAT FIX X"}), 2, "FLOAT",
         "has FLOAT before the first SID leg."},
        {crlf({"SIDS", "SID A RNW 1 5000 FIX X"}), 2, "5000", "has 5000 before the first SID leg."},
        {crlf({"SIDS", "SID A RNW 1 NOT BEFORE 3"}), 2, "NOT", "has NOT before the first SID leg."},
        {crlf({"SIDS", "FIX X"}), 2, "FIX", "has FIX before the first SID."},
        {crlf({"SIDS", " RNW 16L", "NAVAID X"}), 3, "NAVAID", "has NAVAID before the first SID."},
        {crlf({"ONHDG 1000"}), 1, "ONHDG", "has ONHDG before the first SID."},
        {crlf({"INTERCEPT 90 TO FIX A"}), 1, "INTERCEPT", "before the first SID."},
        {crlf({"STARS", "FIX A"}), 2, "FIX", "has FIX before the first STAR."},
        {crlf({"STARS", "STAR S FLOAT"}), 2, "FLOAT", "has FLOAT before the first STAR leg."},
        {crlf({"STARS", "STAR S 5000 FIX A"}), 2, "5000", "has 5000 before the first STAR leg."},
        {crlf({"RNWS", "FIX A"}), 2, "FIX", "has FIX before the first RNW."},
        {crlf({"FROM A"}), 1, "FROM", "has FROM before the first RNW."},
        {crlf({"RNWS", "2000"}), 2, "2000", "has 2000 before the first RNW."},
        {crlf({"FIXES", "FIX"}), 2, "FIX", "ends before the operand of FIX."},
        {crlf({"RNWS", "RNW"}), 2, "RNW", "ends before the operand of RNW."},
        {crlf({"RNWS", "RNW 16L FIX"}), 2, "RNW", "ends before the operand of RNW."},
        {crlf({"SIDS", "SID"}), 2, "SID", "ends before the operand of SID."},
        {crlf({"STARS", "STAR"}), 2, "STAR", "ends before the operand of STAR."},
        // Comments and skipped lines count, continuation lines do not.
        {crlf({"// a", "", "ENDX"}) + runway + crlf({"", "SIDS", "SID A RNW 1 FIX X BAD"}), 9,
         "BAD", "unknown grammer element"},
    };
    for (const Case& c : cases) {
        const auto l = load(c.content);
        EXPECT_FALSE(l->result.ok) << c.content;
        EXPECT_EQ(l->result.line, c.line) << c.content;
        EXPECT_EQ(l->result.token, c.token) << c.content;
        EXPECT_NE(l->result.message.find(c.reason), std::string::npos) << c.content << "\n"
                                                                       << l->result.message;
        EXPECT_TRUE(storetest::isEmpty(l->store)) << c.content;
    }
}

TEST(LoadData, OtherRefusalsName) {
    const auto l = load(crlf({"// a", "// b", "// c", "// d", "// e", "// f", "// g", "// h",
                              "// i", "// j", "// k", "FIXES", "LATLON N 1 2 W 3 4"}));
    EXPECT_EQ(l->result.message, "The airport file cannot be read: line  13 has LATLON before "
                                 "the first FIX.\r\n"
                                 "The file has to be corrected before it can be opened.");
}

TEST(LoadData, ARefusalLoadsNothing) {
    store::ProcedureStore s;
    store::ProcedureCounters c;
    s.FixesDefined = store::False;
    const auto result =
        store::LoadData(crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4", "ENDFIXES", "RNWS",
                              "RNW 1 FIX A", "ENDRNWS", "SIDS", "SID S RNW 1 FIX A", "ENDSIDS",
                              "STARS", "STAR T FIX A RNW 1", "STAR U FIX B RNW 1 bad"}),
                        s, c);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, 12);
    EXPECT_TRUE(storetest::isEmpty(s));
    EXPECT_EQ(s.FixCount, 0);
    EXPECT_EQ(s.RunwayCount, 0);
    EXPECT_EQ(s.FixesDefined, store::False);
    EXPECT_EQ(c.STARRowCount, 0);
    EXPECT_EQ(c.SIDRowNext, 0);
    EXPECT_EQ(c.STARCount, 0);
    EXPECT_EQ(c.STARNumber, 0);
}

TEST(LoadData, SIDLinesBeyondTheCounterAreRefused) {
    std::string file = crlf({"SIDS", "SID A RNW 1 FIX X", "// every FLOAT line counts as a SID"});
    for (int i = 0; i < 32765; ++i)
        file += "FLOAT\r\n";
    const auto full = load(file);
    ASSERT_TRUE(full->result.ok) << full->result.message;
    EXPECT_EQ(full->counters.SIDCount, 32766);
    const auto over = load(file + "FLOAT\r\n");
    EXPECT_FALSE(over->result.ok);
    EXPECT_EQ(over->result.line, 32769);
}

TEST(LoadDataFromFile, ReadsAFileWithMixedLineEnds) {
    store::ProcedureStore s;
    store::ProcedureCounters c;
    const auto result = store::LoadDataFromFile(
        std::filesystem::path(VEXTREL_TEST_DATA_DIR) / "store" / "KTST.txt", s, c);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(s.FixCount, 2);
    EXPECT_EQ(s.Fixes[2].VOR, "SEA");
    EXPECT_EQ(s.Runways[2].EOP, store::True);
    EXPECT_EQ(s.Runways[3].FROM, store::True);
    EXPECT_EQ(s.Runways[4].Navaid, "OLM");
    EXPECT_EQ(s.Runways[5].FIX, "CF");
    EXPECT_EQ(s.Runways[5].EOP, store::True);
    // The last line has no line end and continues the SID above it.
    EXPECT_EQ(s.SIDs[1].OnHeadDist, "3");
    EXPECT_EQ(s.SIDs[1].Fix, "SEA160");
    EXPECT_EQ(s.SIDs[1].Alt, "6000");
    EXPECT_EQ(c.SIDRowNext, 2);
}

TEST(LoadDataFromFile, AMissingFileIsARuntimeError) {
    store::ProcedureStore s;
    store::ProcedureCounters c;
    try {
        store::LoadDataFromFile(std::filesystem::path(VEXTREL_TEST_DATA_DIR) / "store" / "NONE.txt",
                                s, c);
        FAIL() << "no error";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::FileNotFound);
    }
}

} // namespace
