#include "StoreTestSupport.h"

#include "runtime/TextFiles.h"
#include "store/AirportWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using storetest::crlf;
using storetest::load;

const std::string emptyBody = crlf(
    {"FIXES", "ENDFIXES", "", "RNWS", "ENDRNWS", "", "SIDS", "ENDSIDS", "", "STARS", "ENDSTARS"});

std::string written(store::ProcedureStore& s, const store::FileHeader& header) {
    store::ProcedureCounters c;
    return store::PrintTheSidStarFile(s, c, header);
}

TEST(PrintTheSidStarFile, EmptyAirport) {
    store::ProcedureStore s;
    EXPECT_EQ(
        written(s, {"KSEA", "Seattle Tacoma Intl", "Vextrel Examples", "12/6/2026"}),
        crlf({"//        KSEA - Seattle Tacoma Intl", "//      Terminal Procedures Created by",
              "//             Vextrel Examples", "//  Generated 12/6/2026 by Vextrel V1.0", ""}) +
            emptyBody);
}

TEST(PrintTheSidStarFile, TitleLines) {
    struct Case {
        store::FileHeader header;
        std::string title;
    };
    const Case cases[] = {
        {{"ZZZZ", "", "", "1/2/2027"},
         crlf({"//" + std::string(18, ' ') + "ZZZZ - ", "//  Generated 1/2/2027 by Vextrel V1.0",
               ""})},
        {{"KXYZ", std::string(36, 'N'), "", "d"},
         crlf({"//KXYZ - " + std::string(36, 'N'), "//  Generated d by Vextrel V1.0", ""})},
        {{"KXYZ", std::string(35, 'N'), std::string(42, 'A'), "d"},
         crlf({"//KXYZ - " + std::string(35, 'N'), "//      Terminal Procedures Created by",
               "//" + std::string(42, 'A'), "//  Generated d by Vextrel V1.0", ""})},
        {{"KXYZ", std::string(34, 'N'), std::string(41, 'A'), "d"},
         crlf({"// KXYZ - " + std::string(34, 'N'), "//      Terminal Procedures Created by",
               "// " + std::string(41, 'A'), "//  Generated d by Vextrel V1.0", ""})},
    };
    for (const Case& c : cases) {
        store::ProcedureStore s;
        EXPECT_EQ(written(s, c.header), c.title + emptyBody);
    }
}

// The body between FIXES and ENDSTARS of what the tables in `file` write.
std::string rewritten(const std::string& file) {
    const auto l = load(file);
    EXPECT_TRUE(l->result.ok) << l->result.message;
    const std::string text = storetest::write(*l);
    return text.substr(text.find("FIXES"));
}

TEST(PrintTheSidStarFile, FixLines) {
    store::ProcedureStore s;
    s.Fixes[1] = {"", "ZED", "N", "47", "  36.35", "W", "122", " 18.58 ", "", 0, 0, 0};
    s.Fixes[2] = {"(CF)", "ALPHA", "S", "1", "2", "E", "3", "4", "", 0, 0, 0};
    s.Fixes[3] = {"", "MIKE", "", "", "", "", "", "", "SEA", 10.5f, 160, 0};
    s.Fixes[4] = {"(IF)", "NEG", "", "", "", "", "", "", "SEA", -1.5f, -5, 0};
    s.Fixes[5] = {"", "BIG", "", "", "", "", "", "", "SEA", 0.25f, 12345678, 0};
    s.FixCount = 5;
    const std::string text = written(s, {"ZZZZ", "", "", "d"});
    EXPECT_NE(
        text.find(crlf({"FIXES", "FIX ALPHA ID (CF) LATLON S 1 2 E 3 4",
                        "FIX BIG COLOCATED SEA 1.234568E+07 .25", "FIX MIKE COLOCATED SEA 160 10.5",
                        "FIX NEG ID (IF) COLOCATED SEA -5 -1.5",
                        "FIX ZED LATLON N 47 36.35 W 122 18.58", "ENDFIXES"})),
        std::string::npos)
        << text;
    EXPECT_EQ(s.Fixes[1].Name, "ALPHA");

    const auto back = load(text);
    ASSERT_TRUE(back->result.ok) << back->result.message;
    EXPECT_EQ(back->store.Fixes[4].Heading, -5.0f);
    EXPECT_EQ(back->store.Fixes[4].VORDist, -1.5f);
    EXPECT_EQ(back->store.Fixes[2].Heading, 12345680.0f);
    EXPECT_EQ(back->store.Fixes[2].VORDist, 0.25f);
}

TEST(PrintTheSidStarFile, RunwayLines) {
    const std::string file = crlf({
        "FIXES",
        "FIX H LATLON N 1 2 W 3 4",
        "ENDFIXES",
        "RNWS",
        "RNW 16L NAVAID SEA 2000 FIX A 6000 FIX B NAVAID C FIX D FIX E 5000 FIX F FIX G FIX I FIX "
        "J "
        "FIX K FIX L",
        "   FROM H 3000 FIX M NAVAID N FIX O FIX P 4000 FIX Q",
        "RNW 34R NAVAID X",
        "ENDRNWS",
    });
    EXPECT_EQ(rewritten(file), crlf({
                                   "FIXES",
                                   "FIX H LATLON N 1 2 W 3 4",
                                   "ENDFIXES",
                                   "",
                                   "RNWS",
                                   "RNW 16L NAVAID SEA 2000 FIX A 6000 FIX B NAVAID C FIX D ",
                                   "        FIX E 5000 FIX F FIX G FIX I FIX J ",
                                   "        FIX K FIX L ",
                                   "   FROM H 3000 FIX M NAVAID N FIX O FIX P 4000 ",
                                   "        FIX Q ",
                                   "RNW 34R NAVAID X ",
                                   "ENDRNWS",
                                   "",
                                   "SIDS",
                                   "ENDSIDS",
                                   "",
                                   "STARS",
                                   "ENDSTARS",
                               }));
}

TEST(PrintTheSidStarFile, SIDLines) {
    const std::string file = crlf({
        "SIDS",
        "SID A RNW 1 RNW 2 RNW 3 RNW 4 RNW 5 RNW 6 RNW 7 RNW 8 ONHDG 1000 FIX X",
        "SID B RNW 16R INTERCEPT 250 TO FIX H FIX ARVAD 5000 INTERCEPT 90 FROM NAVAID SEA FLOAT",
        "SID C RNW 1 ONHDG 1500 NOT BEFORE 3 FIX B 4000 ONHDG 700 NOT BEFORE 2 FLOAT 900",
        "ENDSIDS",
    });
    const std::string body = rewritten(file);
    EXPECT_NE(body.find(crlf({
                  "SIDS",
                  "SID A RNW 1 RNW 2 RNW 3 RNW 4 RNW 5 RNW 6 RNW 7 RNW 8 ONHDG 1000 FIX X",
                  "SID B RNW 16R INTERCEPT 250 TO FIX H FIX ARVAD 5000 INTERCEPT 90 FROM NAVAID "
                  "SEA FLOAT",
                  "SID C RNW 1 ONHDG 1500 NOT BEFORE 3 FIX B 4000 ONHDG 700 NOT BEFORE 2 FLOAT 900",
                  "ENDSIDS",
              })),
              std::string::npos)
        << body;
}

TEST(PrintTheSidStarFile, STARLinesAndTheirCounters) {
    const auto l = load(crlf({
        "STARS",
        "STAR SUMMA1 FIX SUMMA 12000 FIX BLAKO 9000 FIX COYLA FLOAT 5000 RNW 16L RNW 34R",
        "STAR HQM3 NAVAID HQM FIX HAROB 10000 RNW 16L",
        "STAR OLM4 NAVAID OLM",
        "ENDSTARS",
    }));
    ASSERT_TRUE(l->result.ok);
    l->counters.STARNumber = 7;
    l->counters.STARRunwaySlot = 5;
    const std::string text = storetest::write(*l);
    EXPECT_NE(text.find(crlf({
                  "STARS",
                  "STAR SUMMA1 FIX SUMMA 12000 FIX BLAKO 9000 FIX COYLA FLOAT 5000 RNW 16L RNW 34R",
                  "STAR HQM3 NAVAID HQM FIX HAROB 10000 RNW 16L",
                  "STAR OLM4 NAVAID OLM",
                  "ENDSTARS",
              })),
              std::string::npos)
        << text;
    EXPECT_EQ(l->counters.STARNumber, 4);
    EXPECT_EQ(l->counters.STARRunwaySlot, 1);
}

// Records the layout cannot carry are written so that they read back, or
// left out when there is nothing to carry.
TEST(PrintTheSidStarFile, RecordsTheLayoutCannotCarry) {
    store::ProcedureStore s;
    store::SIDWaypoint sid;
    sid.Name = "NORWY";
    sid.Fix = "X";
    s.SIDs[1] = sid; // RW1 empty: no RNW
    sid = {};
    sid.Name = "EMPTY"; // no leg at all: the SID is left out
    sid.RW1 = "9";
    sid.Alt = "100";
    s.SIDs[2] = sid;
    sid = {};
    sid.Name = "PART";
    sid.RW1 = "1";
    sid.InterceptHeading = "250"; // no TO/FROM: the intercept is left out
    sid.InterceptFix = "H";
    sid.Alt = "FL100"; // not an altitude the reader takes
    s.SIDs[3] = sid;
    sid = {};
    sid.Name = "PART";
    sid.VOR = "SEA";
    sid.Alt = " 5000 ";
    s.SIDs[4] = sid;
    sid = {};
    sid.Name = "LAST";
    sid.RW1 = "2";
    sid.OnHeadAlt = "1500";
    sid.OnHeadDist = "3";
    s.SIDs[5] = sid;

    s.STARs[1] = {"S1", "", "", "5000", store::True, 2}; // a row without waypoint
    s.STARs[2] = {"S1", "A", "", "", store::False, 0};
    s.STARs[3] = {"S2", "", "", "", store::False, 1}; // no legs: left out, number used
    s.STARs[4] = {"S3", "", "B", "-100", store::False, 1};
    s.STARs[5] = {"S4", "C", "", "", store::False, 0}; // no count: a line without legs left it
    s.STARRunways(1, 1) = "1";
    s.STARRunways(2, 1) = "2";
    s.STARRunways(3, 1) = "3";
    s.STARRunways(4, 1) = "4";

    s.Runways[1] = {"16L", "A", "", "", store::False, store::False};
    s.Runways[2] = {"16L", "", "", "700", store::False, store::False}; // no point
    s.Runways[3] = {"16L", "", "", "", store::True, store::False};     // FROM nowhere
    s.Runways[4] = {"16L", "B", "", "", store::False, store::False};
    s.Runways[5] = {"16L", "CF", "", "2000", store::False, store::True};
    s.Runways[6] = {"34R", "C", "", "", store::False, store::False}; // no end point

    const std::string text = written(s, {"ZZZZ", "", "", "d"});
    EXPECT_NE(text.find(crlf({"RNWS", "RNW 16L FIX CF 2000 FIX A FIX B ", "ENDRNWS", "", "SIDS",
                              "SID NORWY FIX X", "SID PART RNW 1 NAVAID SEA 5000",
                              "SID LAST RNW 2 ONHDG 1500 NOT BEFORE 3", "ENDSIDS", "", "STARS",
                              "STAR S1 FIX A RNW 1", "STAR S3 NAVAID B -100 RNW 3",
                              "STAR S4 FIX C RNW 4", "ENDSTARS"})),
              std::string::npos)
        << text;
    const auto back = load(text);
    ASSERT_TRUE(back->result.ok) << back->result.message;
    EXPECT_EQ(back->store.SIDs[3].Name, "LAST");
    EXPECT_EQ(back->store.SIDs[3].OnHeadDist, "3");
    EXPECT_EQ(back->store.SIDs[3].EndOfRunway, store::True);
    EXPECT_EQ(back->store.SIDs[4].Name, "");
}

TEST(PrintTheSidStarFile, IsNotLimitedTo250Lines) {
    store::ProcedureStore s;
    for (int i = 1; i <= 600; ++i)
        s.SIDs[i] = [&] {
            store::SIDWaypoint w;
            w.Name = "S" + std::to_string(i);
            w.RW1 = "1";
            w.Fix = "X";
            return w;
        }();
    const std::string text = written(s, {"ZZZZ", "", "", "d"});
    EXPECT_NE(text.find("\r\nSID S600 RNW 1 FIX X\r\nENDSIDS\r\n"), std::string::npos);
}

TEST(WriteAirportFile, ReplacesTheFile) {
    const auto folder = std::filesystem::temp_directory_path() / "vextrel-store-writer";
    std::filesystem::create_directories(folder);
    const auto file = folder / "KSEA.txt";
    store::writeAirportFile(file, "old");
    store::writeAirportFile(file, "FIXES\r\nENDFIXES\r\n");
    EXPECT_EQ(runtime::readWholeFile(file), "FIXES\r\nENDFIXES\r\n");
    std::filesystem::remove_all(folder);
}

} // namespace
