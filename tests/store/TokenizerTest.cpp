#include "store/AirportLines.h"
#include "store/AirportReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GetToken, SplitsOnSpacesOnlyAndStopsAfterTheToken) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"   RNW    16L   ", {"RNW", "16L"}},
        {"     ", {}},
        {"A\tB C", {"A\tB", "C"}},
        {"NOT BEFORE 3FIX B", {"NOT", "BEFORE", "3FIX", "B"}},
    };
    for (const auto& [line, expected] : cases) {
        std::vector<std::string> tokens;
        std::size_t pos = 1;
        for (std::string t = store::GetToken(line, pos); !t.empty(); t = store::GetToken(line, pos))
            tokens.push_back(t);
        EXPECT_EQ(tokens, expected) << line;
    }
    std::size_t pos = 1;
    EXPECT_EQ(store::GetToken("  FIX ANVIL", pos), "FIX");
    EXPECT_EQ(pos, 6u);
    pos = 99;
    EXPECT_EQ(store::GetToken("  FIX ANVIL", pos), "");
}

TEST(LogicalLines, JoinsProcedureLinesWithTheirContinuations) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"A\r\nB\rC\nD\r\n\r\nE", {"A", "B", "C", "D", "", "E"}},
        {"RNW 16L FIX X \r\n   FROM Y FIX Z \r\n        FIX W \r\nENDRNWS\r\n",
         {"RNW 16L FIX X    FROM Y FIX Z         FIX W ", "ENDRNWS"}},
        // Only "RNW ", "ENDR", "SID ", "ENDS", "STAR " and "/" stop a procedure line.
        {"SID A\r\nFIX B\r\n\r\nSIDS\r\n", {"SID AFIX BSIDS"}},
        {"SID A\r\nRNW 1\r\nENDRNWS\r\nSID B\r\nENDSIDS\r\nSTAR C\r\n// x\r\n FROM D",
         {"SID A", "RNW 1", "ENDRNWS", "SID B", "ENDSIDS", "STAR C", "// x", " FROM D"}},
        {"STARS\r\n FIX A\r\n", {"STARS", " FIX A"}},
        // The line held back when the file ends is still read, joined if need be.
        {"SID A\r\nSID B", {"SID A", "SID B"}},
        {"SID A\r\nSID B\r\n FIX C", {"SID A", "SID B FIX C"}},
    };
    for (const auto& [content, expected] : cases) {
        store::LogicalLines lines(content);
        std::vector<std::string> got;
        for (std::string line; lines.next(line);)
            got.push_back(line);
        EXPECT_EQ(got, expected) << content;
        EXPECT_EQ(lines.count(), static_cast<int>(expected.size())) << content;
    }
}

} // namespace
