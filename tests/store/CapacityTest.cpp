#include "FullAirport.h"
#include "StoreTestSupport.h"

#include "store/AirportLines.h"

#include <gtest/gtest.h>

namespace {

using storetest::crlf;
using storetest::load;

// The logical line of `content` that holds `text`.
int lineHolding(const std::string& content, const std::string& text) {
    store::LogicalLines lines(content);
    std::string line;
    while (lines.next(line))
        if (line.find(text) != std::string::npos)
            return lines.count();
    return 0;
}

TEST(Capacity, AFullAirportReadsAndRoundTrips) {
    const std::string file = fullairport::fullAirportFile();
    const auto l = load(file);
    ASSERT_TRUE(l->result.ok) << l->result.message;
    EXPECT_EQ(l->store.FixCount, 700);
    EXPECT_EQ(l->store.Fixes[700].Name, "FX0700");
    EXPECT_FALSE(l->store.Runways[400].ID.empty());
    EXPECT_EQ(l->store.Runways[400].EOP, store::True);
    EXPECT_EQ(l->counters.SIDRowNext, 601);
    EXPECT_EQ(l->store.SIDs[600].EndOfRunway, store::True);
    EXPECT_EQ(l->counters.STARRowCount, 600);
    EXPECT_EQ(l->counters.STARCount, 40);
    EXPECT_EQ(l->counters.STARNumber, 41);
    EXPECT_EQ(l->store.STARRunways(40, 39), "S0039");

    const std::string text = storetest::write(*l, {fullairport::Icao, fullairport::AirportName,
                                                   fullairport::AuthorName, fullairport::DateText});
    EXPECT_EQ(text, file);
    EXPECT_EQ(l->counters.STARNumber, 41);
}

TEST(Capacity, FortyRunwaysForOneSTARFit) {
    fullairport::Size size;
    size.runwaysPerStar = 40;
    const auto l = load(fullairport::fullAirportFile(size));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    EXPECT_EQ(l->store.STARRunways(40, 40), "S0040");
    const std::string text = storetest::write(*l);
    EXPECT_NE(text.find("RNW S0039 RNW S0040\r\nENDSTARS"), std::string::npos);
}

// One row more than a table holds: refused at the line that needs it.
TEST(Capacity, OneRowMoreIsRefused) {
    struct Case {
        const char* what;
        fullairport::Size size;
        std::string lineText; // what the refused line holds
        std::string reason;
    };
    auto with = [](auto change) {
        fullairport::Size size;
        change(size);
        return size;
    };
    const Case cases[] = {
        {"fixes", with([](auto& s) { s.fixes = 701; }), "FIX FX0701 ", "more than 700 fixes."},
        {"converted runway rows", with([](auto& s) { s.runwayRows = 401; }), "RNW R0037 ",
         "more than 400 runway rows."},
        {"SID rows", with([](auto& s) { s.sidRows = 601; }), "SID SD0041 ",
         "more than 600 SID rows."},
        {"STAR rows", with([](auto& s) { s.starRows = 601; }), "STAR ST0040 ",
         "more than 600 STAR rows."},
        {"STARs", with([](auto& s) { s.stars = 41; }), "STAR ST0041 ", "more than 40 STARs."},
        {"STARs without runways", with([](auto& s) {
             s.stars = 41;
             s.runwaysPerStar = 0;
         }),
         "STAR ST0041 ", "more than 40 STARs."},
        {"runways of a STAR", with([](auto& s) { s.runwaysPerStar = 41; }), "STAR ST0001 ",
         "more than 40 runways for one STAR."},
    };
    for (const Case& c : cases) {
        const std::string file = fullairport::fullAirportFile(c.size);
        const auto l = load(file);
        EXPECT_FALSE(l->result.ok) << c.what;
        EXPECT_EQ(l->result.line, lineHolding(file, c.lineText)) << c.what;
        EXPECT_NE(l->result.message.find(c.reason), std::string::npos)
            << c.what << ": " << l->result.message;
        EXPECT_TRUE(storetest::isEmpty(l->store)) << c.what;
    }
}

TEST(Capacity, RunwayRowsAsReadAreLimitedToo) {
    std::string runway = "RNW R NAVAID END ";
    for (int i = 1; i <= 399; ++i)
        runway += "FIX W" + std::to_string(i) + " ";
    const auto full = load(crlf({"RNWS", runway, "ENDRNWS"}));
    ASSERT_TRUE(full->result.ok) << full->result.message;
    EXPECT_EQ(full->store.RunwayCount, 400);
    EXPECT_EQ(full->store.Runways[400].Navaid, "END");

    const auto over = load(crlf({"RNWS", runway, "RNW S NAVAID X", "ENDRNWS"}));
    EXPECT_FALSE(over->result.ok);
    EXPECT_EQ(over->result.line, 3);
    EXPECT_EQ(over->result.token, "RNW");
}

TEST(Capacity, ASIDLineAfterAFullTableIsRefused) {
    std::string sid = "SID A RNW 1";
    for (int i = 1; i <= 600; ++i)
        sid += " FIX X";
    const auto full = load(crlf({"SIDS", sid, "ENDSIDS"}));
    ASSERT_TRUE(full->result.ok);
    // The comment ends the SID line, so each addition is a logical line of its own.
    for (const char* more : {"SID B RNW 1", "RNW 2", "ONHDG 1000", "INTERCEPT 1 TO FIX X"}) {
        const auto over = load(crlf({"SIDS", sid, "// more", more}));
        EXPECT_FALSE(over->result.ok) << more;
        EXPECT_EQ(over->result.line, 4) << more;
        EXPECT_NE(over->result.message.find("more than 600 SID rows"), std::string::npos);
    }
    // What applies to the last row still fits.
    const auto last = load(crlf({"SIDS", sid, "// more", "FLOAT 5000"}));
    EXPECT_TRUE(last->result.ok);
    EXPECT_EQ(last->store.SIDs[600].Alt, "5000");
}

} // namespace
