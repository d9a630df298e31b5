#include "FullAirport.h"
#include "StoreTestSupport.h"

#include "store/AirportLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using storetest::crlf;
using storetest::load;

// Every table full (with 39 and with 40 runways for each STAR): read, then
// written back byte for byte.
TEST(Capacity, AFullAirportReadsAndRoundTrips) {
    for (const auto& size : {fullairport::Size{}, fullairport::Size{.runwaysPerStar = 40}}) {
        const std::string file = fullairport::fullAirportFile(size);
        const auto l = load(file);
        ASSERT_TRUE(l->result.ok) << l->result.message;
        const auto& c = l->counters;
        EXPECT_EQ(std::vector<int>({l->store.FixCount, c.SIDRowNext, c.STARRowCount, c.STARCount}),
                  std::vector<int>({700, 601, 600, 40}));
        EXPECT_EQ(l->store.Runways[400].EOP, store::True);
        EXPECT_EQ(l->store.STARRunways(40, size.runwaysPerStar),
                  "S" + std::to_string(size.runwaysPerStar));
        EXPECT_EQ(storetest::write(*l, {fullairport::Icao, fullairport::AirportName,
                                        fullairport::AuthorName, fullairport::DateText}),
                  file);
    }
}

// One row more than a table holds: refused at the line that needs it.
TEST(Capacity, OneRowMoreIsRefused) {
    const struct {
        fullairport::Size size;
        std::string lineText; // what the refused line holds
        std::string reason;
    } cases[] = {
        {{.fixes = 701}, "FIX FX0701 ", "more than 700 fixes."},
        {{.runwayRows = 401}, "RNW R37 ", "more than 400 runway rows."},
        {{.sidRows = 601}, "SID SD0041 ", "more than 600 SID rows."},
        {{.starRows = 601}, "STAR ST0040 ", "more than 600 STAR rows."},
        {{.stars = 41}, "STAR ST0041 ", "more than 40 STARs."},
        {{.stars = 41, .runwaysPerStar = 0}, "STAR ST0041 ", "more than 40 STARs."},
        {{.runwaysPerStar = 41}, "STAR ST0001 ", "more than 40 runways for one STAR."},
    };
    for (const auto& c : cases) {
        const std::string file = fullairport::fullAirportFile(c.size);
        int line = 0;
        store::LogicalLines lines(file);
        for (std::string text; !line && lines.next(text);)
            if (text.find(c.lineText) != std::string::npos)
                line = lines.count();
        const auto l = load(file);
        EXPECT_FALSE(l->result.ok) << c.lineText;
        EXPECT_EQ(l->result.line, line) << c.lineText;
        EXPECT_NE(l->result.message.find(c.reason), std::string::npos) << l->result.message;
        EXPECT_TRUE(storetest::isEmpty(l->store)) << c.lineText;
    }
}

// Rows as read count too, before any conversion, and after a full SID table
// only what applies to its last row still fits.
TEST(Capacity, LinesAfterAFullTable) {
    std::string runway = "RNW R NAVAID END ", sid = "SID A RNW 1";
    for (int i = 1; i <= 399; ++i)
        runway += "FIX W" + std::to_string(i) + " ";
    for (int i = 1; i <= 600; ++i)
        sid += " FIX X";
    ASSERT_TRUE(load(crlf({"RNWS", runway, "ENDRNWS"}))->result.ok);
    const auto overRunways = load(crlf({"RNWS", runway, "RNW S NAVAID X"}));
    EXPECT_EQ(overRunways->result.line, 3);
    EXPECT_NE(overRunways->result.message.find("more than 400 runway rows"), std::string::npos);

    // The comment ends the SID line, so each addition is a logical line of its own.
    for (const char* more : {"SID B RNW 1 FIX Y", "ONHDG 1000", "INTERCEPT 1 TO FIX X"}) {
        const auto over = load(crlf({"SIDS", sid, "// more", more}));
        EXPECT_EQ(over->result.line, 4) << more;
        EXPECT_NE(over->result.message.find("more than 600 SID rows"), std::string::npos);
    }
    const auto last = load(crlf({"SIDS", sid + " FLOAT 5000"}));
    ASSERT_TRUE(last->result.ok);
    EXPECT_EQ(last->store.SIDs[600].Alt, "5000");
}

TEST(Capacity, SIDLinesBeyondTheCounterAreRefused) {
    std::string file = crlf({"SIDS", "SID A RNW 1 FIX X", "// every line of the section counts"});
    for (int i = 0; i < 32765; ++i)
        file += "SIDS\r\n";
    const auto full = load(file);
    ASSERT_TRUE(full->result.ok) << full->result.message;
    EXPECT_EQ(full->counters.SIDCount, 32766);
    const auto over = load(file + "SIDS\r\n");
    EXPECT_FALSE(over->result.ok);
    EXPECT_EQ(over->result.line, 32769);
}

} // namespace
