#include "store/AirportLines.h"
#include "store/AirportReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    std::size_t pos = 1;
    for (std::string token = store::GetToken(line, pos); !token.empty();
         token = store::GetToken(line, pos))
        out.push_back(token);
    return out;
}

TEST(GetToken, SplitsOnSpacesOnly) {
    struct Case {
        std::string line;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"FIX ANVIL LATLON", {"FIX", "ANVIL", "LATLON"}},
        {"   RNW    16L   ", {"RNW", "16L"}},
        {"", {}},
        {"     ", {}},
        {"\tFIX A", {"\tFIX", "A"}},
        {"A\tB C", {"A\tB", "C"}},
        {"NOT BEFORE 3FIX B", {"NOT", "BEFORE", "3FIX", "B"}},
        {"x", {"x"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tokens(c.line), c.expected) << "line: " << c.line;
}

TEST(GetToken, LeavesThePositionOnTheSpaceAfterTheToken) {
    const std::string line = "  FIX ANVIL";
    std::size_t pos = 1;
    EXPECT_EQ(store::GetToken(line, pos), "FIX");
    EXPECT_EQ(pos, 6u);
    EXPECT_EQ(store::GetToken(line, pos), "ANVIL");
    EXPECT_EQ(pos, 12u);
    EXPECT_EQ(store::GetToken(line, pos), "");
    EXPECT_EQ(store::GetToken(line, pos), "");
    std::size_t beyond = 99;
    EXPECT_EQ(store::GetToken(line, beyond), "");
}

std::vector<std::string> logicalLines(const std::string& content, int* count = nullptr) {
    store::LogicalLines lines(content);
    std::vector<std::string> out;
    std::string line;
    while (lines.next(line))
        out.push_back(line);
    if (count)
        *count = lines.count();
    return out;
}

TEST(LogicalLines, JoinsProcedureLinesWithTheirContinuations) {
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"every line ending", "A\r\nB\rC\nD\r\n", {"A", "B", "C", "D"}},
        {"empty lines stay", "A\r\n\r\nB", {"A", "", "B"}},
        {"runway with continuations",
         "RNW 16L FIX X \r\n   FROM Y FIX Z \r\n        FIX W \r\nENDRNWS\r\n",
         {"RNW 16L FIX X    FROM Y FIX Z         FIX W ", "ENDRNWS"}},
        {"continuations are appended as they are", "SID A\r\nFIX B\r\n", {"SID AFIX B"}},
        {"a section keyword without a space is no stop",
         "RNW 1 FIX A\r\nSIDS\r\n",
         {"RNW 1 FIX ASIDS"}},
        {"RNW stops", "SID A\r\nRNW 1 FIX B\r\n", {"SID A", "RNW 1 FIX B"}},
        {"ENDR stops", "RNW 1 FIX B\r\nENDRNWS\r\n", {"RNW 1 FIX B", "ENDRNWS"}},
        {"SID stops", "SID A\r\nSID B\r\n", {"SID A", "SID B"}},
        {"ENDS stops", "STAR A\r\nENDSTARS\r\n", {"STAR A", "ENDSTARS"}},
        {"STAR stops", "STAR A\r\nSTAR B\r\n", {"STAR A", "STAR B"}},
        {"a comment stops",
         "RNW 1 FIX B\r\n// note\r\n   FROM C\r\n",
         {"RNW 1 FIX B", "// note", "   FROM C"}},
        {"empty lines are continuations", "SID A\r\n\r\n FIX B\r\n", {"SID A FIX B"}},
        {"STAR needs its space", "STARS\r\n FIX A\r\n", {"STARS", " FIX A"}},
        {"the held line at the end is kept", "SID A\r\nSID B", {"SID A", "SID B"}},
        {"joining stops at the end", "SID A\r\n FIX B", {"SID A FIX B"}},
        {"a held line is joined in turn",
         "SID A\r\nSID B\r\n FIX C\r\nENDSIDS",
         {"SID A", "SID B FIX C", "ENDSIDS"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(logicalLines(c.content), c.expected) << c.what;
}

TEST(LogicalLines, CountsLogicalLinesNotContinuations) {
    int count = 0;
    logicalLines("// a\r\n\r\nRNW 1 FIX A\r\n   FROM B\r\n        FIX C\r\nENDRNWS\r\n", &count);
    EXPECT_EQ(count, 4);
}

} // namespace
