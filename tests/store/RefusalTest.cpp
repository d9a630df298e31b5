#include "StoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

using storetest::crlf;
using storetest::load;

TEST(LoadData, RefusalMessagesAndWhatIsLeft) {
    store::ProcedureStore s;
    store::ProcedureCounters c;
    s.FixesDefined = store::False;
    const auto unknown =
        store::LoadData(crlf({"// comment", "", "FIXES", "FIX A LATLON N 1 2 W 3 4", "ENDFIXES",
                              "RNWS", "RNW 1 FIX A", "ENDRNWS", "SIDS", "fix A"}),
                        s, c);
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.line, 10);
    EXPECT_EQ(unknown.message,
              "An unknown grammer element (fix) has popped up in line  10 of the airport file.\r\n"
              "This was caused by either an unknown grammer word or by a defective airport "
              "file.\r\n"
              "The program will have to terminate so the file can be corrected.");
    // Nothing of what was read before the refusal stays.
    EXPECT_TRUE(storetest::isEmpty(s));
    EXPECT_EQ(s.FixCount + s.RunwayCount + c.SIDRowNext + c.STARNumber, 0);
    EXPECT_EQ(s.FixesDefined, store::False);

    // A runaway token is quoted short, in the message and the result.
    const auto huge = load(crlf({"FIXES", "FIX A " + std::string(1 << 20, 'Q')}));
    EXPECT_EQ(huge->result.token, std::string(40, 'Q') + "...");
    EXPECT_LT(huge->result.message.size(), 400u);

    EXPECT_EQ(load(crlf({"FIXES", "LATLON N 1 2 W 3 4"}))->result.message,
              "The airport file cannot be read: line  2 has LATLON before the first FIX.\r\n"
              "The file has to be corrected before it can be opened.");
}

// Each row: a broken file, the logical line and token refused, and the
// reason the message has to give.
TEST(LoadData, BrokenFilesAreRefusedWithReasonAndLine) {
    const struct {
        std::string content;
        int line;
        std::string token;
        std::string reason;
    } cases[] = {
        {crlf({"FIXES", "\tFIX A"}), 2, "\tFIX", "unknown grammer element"},
        {crlf({"SIDS", "SID A RNW 1 FIX X 1e3"}), 2, "1e3", "unknown grammer element"},
        {crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4 extra"}), 2, "extra", "unknown grammer element"},
        {crlf({"ID (CF)"}), 1, "ID", "has ID before the first FIX."},
        {crlf({"FIXES", "FIX A COLOCATED SEA 10 1E+99"}), 2, "COLOCATED",
         "has a COLOCATED bearing or distance that is not a number (1E+99)."},
        {crlf({"SIDS", "SID A RNW 1 NOT BEFORE 3"}), 2, "NOT", "does not follow an ONHDG leg."},
        {crlf({"SIDS", "NAVAID X"}), 2, "NAVAID", "has NAVAID before the first SID."},
        {crlf({"SIDS", "SID A 5000"}), 2, "5000", "has 5000 before the first SID leg."},
        {crlf({"SIDS", "SID A FLOAT FIX X"}), 2, "FLOAT", "has FLOAT before the first SID leg."},
        {crlf({"STARS", "FIX A"}), 2, "FIX", "has FIX before the first STAR."},
        {crlf({"STARS", "STAR S 5000 FIX A"}), 2, "5000", "has 5000 before the first STAR leg."},
        {crlf({"RNWS", "FROM A"}), 2, "FROM", "has FROM before the first RNW."},
        {crlf({"RNWS", "RNW 16L FIX"}), 2, "RNW", "ends before the operand of RNW."},
        // Read as they were, these would lend a procedure's runways or legs
        // to another one, or lose them on saving.
        {crlf({"SIDS", "SID A RNW 16L", "SID B RNW 34R FIX X"}), 2, "A", "SID line without legs."},
        {crlf({"STARS", "STAR S0 RNW 9", "STAR S1 FIX A RNW 1"}), 2, "S0",
         "STAR line without legs."},
        {crlf({"SIDS", "SID A FIX X NOT BEFORE 3"}), 2, "NOT", "does not follow an ONHDG leg."},
        {crlf({"SIDS", "SID A ONHDG 5", "SID B RNW 1 NOT BEFORE 3 FIX Y"}), 3, "NOT",
         "does not follow an ONHDG leg."},
        {crlf({"SIDS", "SID A ONHDG 5 NOT AFTER 3"}), 2, "NOT", "has NOT without BEFORE"},
        {crlf({"SIDS", "SID A FIX X RNW 16L"}), 2, "16L", "belongs to no SID name"},
        {crlf({"SIDS", "SID A RNW 1 RNW 2 RNW 3 RNW 4 RNW 5 RNW 6 RNW 7 RNW 8 RNW 9 FIX X"}), 2,
         "9", "more than 8 runways."},
        {crlf({"SIDS", "SID A FIX X SID B FIX Y"}), 2, "B", "has a second SID on one line."},
        {crlf({"RNWS", "RNW 16L FIX A", "RNW 34R FIX B", "RNW 16L FIX C"}), 4, "16L",
         "gives the runway 16L a second time."},
        {crlf({"RNWS", "RNW 16L POINT A"}), 2, "POINT", "where FIX or NAVAID has to come."},
        {crlf({"RNWS", "RNW 16LXX FIX A"}), 2, "16LXX", "longer than the three characters"},
        {crlf({"STARS", "STAR S FIX A RNW 16LX"}), 2, "16LX", "longer than the three characters"},
        {crlf({"FIXES", "FIX Q1 ID a\",b LATLON N 1 2 W 3 4"}), 2, "a\",b", "double quote"},
        {crlf({"FIXES", "FIX Q LATLON N 1 2 W 3 4 COLOCATED SEA 1 2"}), 2, "COLOCATED",
         "both LATLON and COLOCATED."},
        {crlf({"STARS", "ONHDG 500"}), 2, "ONHDG", "has ONHDG outside the SIDS section."},
        {crlf({"SIDS", "SID A FIX X STARS"}), 2, "STARS", "changes the section in the middle"},
        {crlf({"STARS", "STAR A STAR B FIX X"}), 2, "B", "has a second STAR on one line."},
        {crlf({"SIDS", "SID A RNW 1 ONHDG"}), 2, "ONHDG", "ends before the operand of ONHDG."},
        {crlf({"SIDS", "SID"}), 2, "SID", "ends before the operand of SID."},
        {crlf({"FIXES", "FIX A COLOCATED SEA 1E 5"}), 2, "COLOCATED", "not a number (1E)."},
        {crlf({"FIXES", "FIX A COLOCATED SEA - 5"}), 2, "COLOCATED", "not a number (-)."},
        {"\xEF\xBB\xBF" + crlf({"FIXES", "BAD"}), 2, "BAD", "unknown grammer element"},
        // Comments and skipped lines count, continuation lines do not.
        {crlf({"// a", "", "ENDX", "RNWS", "RNW 16L FIX CF FIX A ", "   FROM B ", "        FIX C ",
               "ENDRNWS", "", "SIDS", "SID A RNW 1 FIX X BAD"}),
         9, "BAD", "unknown grammer element"},
    };
    for (const auto& c : cases) {
        const auto l = load(c.content);
        EXPECT_FALSE(l->result.ok) << c.content;
        EXPECT_EQ(l->result.line, c.line) << c.content;
        EXPECT_EQ(l->result.token, c.token) << c.content;
        EXPECT_NE(l->result.message.find(c.reason), std::string::npos) << l->result.message;
    }
}

} // namespace
