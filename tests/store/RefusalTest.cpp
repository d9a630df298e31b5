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
        {crlf({"SIDS", "SID A RNW 1 NOT BEFORE 3"}), 2, "NOT", "has NOT before the first SID leg."},
        {crlf({"SIDS", " RNW 16L", "NAVAID X"}), 3, "NAVAID", "has NAVAID before the first SID."},
        {crlf({"STARS", "FIX A"}), 2, "FIX", "has FIX before the first STAR."},
        {crlf({"STARS", "STAR S 5000 FIX A"}), 2, "5000", "has 5000 before the first STAR leg."},
        {crlf({"FROM A"}), 1, "FROM", "has FROM before the first RNW."},
        {crlf({"RNWS", "RNW 16L FIX"}), 2, "RNW", "ends before the operand of RNW."},
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
