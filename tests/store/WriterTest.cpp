#include "StoreTestSupport.h"

#include "runtime/TextFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string_view>
#include <vector>

namespace {

using storetest::crlf;
using storetest::load;

const std::filesystem::path kseaFile =
    std::filesystem::path(VEXTREL_DATA_DIR) / "sample" / "PMDG" / "KSEA.txt";

// The sample airport written back to the byte: CheckCommand.SampleWritesBackByteForByte.

TEST(PrintTheSidStarFile, TitleLinesWithoutAuthorAndTooLongToCentre) {
    const std::string body = crlf({"FIXES", "ENDFIXES", "", "RNWS", "ENDRNWS", "", "SIDS",
                                   "ENDSIDS", "", "STARS", "ENDSTARS"});
    const std::pair<store::FileHeader, std::string> cases[] = {
        {{"ZZZZ", "", "", "1/2/2027"},
         crlf({"//" + std::string(18, ' ') + "ZZZZ - ", "//  Generated 1/2/2027 by Vextrel V1.0"})},
        {{"KXYZ", std::string(35, 'N'), std::string(42, 'A'), "d"},
         crlf({"//KXYZ - " + std::string(35, 'N'), "//      Terminal Procedures Created by",
               "//" + std::string(42, 'A'), "//  Generated d by Vextrel V1.0"})},
    };
    for (const auto& [header, title] : cases) {
        store::ProcedureStore s;
        store::ProcedureCounters c;
        EXPECT_EQ(store::PrintTheSidStarFile(s, c, header), title + "\r\n" + body);
    }
}

TEST(PrintTheSidStarFile, RunwayLinesContinueAfterSixWaypoints) {
    const auto l = load(crlf(
        {"FIXES", "FIX H LATLON N 1 2 W 3 4", "RNWS",
         "RNW 16L NAVAID SEA 2000 FIX A 6000 FIX B NAVAID C FIX D FIX E 5000 FIX F FIX G FIX I "
         "FIX J FIX K FIX L",
         "   FROM H 3000 FIX M NAVAID N FIX O FIX P 4000 FIX Q", "RNW 34R NAVAID X"}));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    EXPECT_NE(storetest::write(*l).find(
                  crlf({"RNWS", "RNW 16L NAVAID SEA 2000 FIX A 6000 FIX B NAVAID C FIX D ",
                        "        FIX E 5000 FIX F FIX G FIX I FIX J ", "        FIX K FIX L ",
                        "   FROM H 3000 FIX M NAVAID N FIX O FIX P 4000 ", "        FIX Q ",
                        "RNW 34R NAVAID X ", "ENDRNWS"})),
              std::string::npos);
}

// Fixes are written sorted by name. Records the layout cannot carry are
// written so that they read back, or left out when there is nothing to carry.
TEST(PrintTheSidStarFile, TablesBuiltInMemoryReadBack) {
    store::ProcedureStore s;
    s.Fixes[1] = {"", "ZED", "N", "47", "  36.35", "W", "122", " 18.58 ", "", 0, 0, 0};
    s.Fixes[2] = {"(IF)", "NEG", "", "", "", "", "", "", "SEA", -1.5f, -5, 0};
    s.Fixes[3] = {"", "BIG", "", "", "", "", "", "", "SEA", 0.25f, 12345678, 0};
    s.FixCount = 3;

    s.Runways[1] = {"16L", "A", "", "", store::False, store::False};
    s.Runways[2] = {"16L", "", "", "700", store::False, store::False}; // no point
    s.Runways[3] = {"16L", "", "", "", store::True, store::False};     // FROM nowhere
    s.Runways[4] = {"16L", "B", "", "", store::False, store::False};
    s.Runways[5] = {"16L", "CF", "", "2000", store::False, store::True};
    s.Runways[6] = {"34R", "C", "", "", store::False, store::False}; // no end point

    s.SIDs[1] = {.Name = "NORWY", .Fix = "X"};
    s.SIDs[2] = {.Name = "EMPTY", .RW1 = "9", .Alt = "100"}; // no leg: left out
    // No TO/FROM for the intercept, nor an altitude the reader takes.
    s.SIDs[3] = {
        .Name = "PART", .RW1 = "1", .Alt = "FL100", .InterceptHeading = "250", .InterceptFix = "H"};
    s.SIDs[4] = {.Name = "PART", .VOR = "SEA", .Alt = " 5000 "};
    s.SIDs[5] = {.Name = "LAST", .RW1 = "2", .OnHeadAlt = "1500", .OnHeadDist = "3"};
    // Two legs on one row each, read back as two rows each.
    s.SIDs[6] = {.Name = "A", .RW1 = "1", .Fix = "X", .Alt = "5000", .OnHeadAlt = "1000"};
    s.SIDs[7] = {.Name = "A",
                 .VOR = "SEA",
                 .InterceptHeading = "90",
                 .InterceptToFrom = "TO",
                 .InterceptNavaid = "SEA"};

    s.STARs[1] = {"S1", "", "", "5000", store::True, 2}; // a row without waypoint
    s.STARs[2] = {"S1", "A", "", "", store::False, 0};
    s.STARs[3] = {"S2", "", "", "", store::False, 1}; // no legs: left out, number used
    s.STARs[4] = {"S3", "", "B", "-100", store::False, 1};
    s.STARs[5] = {"S4", "C", "", "", store::False, 0}; // no count: a line without legs left it
    for (int star = 1; star <= 4; ++star)
        s.STARRunways(star, 1) = std::to_string(star);

    store::ProcedureCounters c{0, 0, 0, 0, 7, 5};
    const std::string text = store::PrintTheSidStarFile(s, c, {"ZZZZ", "", "", "d"});
    const std::string body =
        crlf({"FIXES",
              "FIX BIG COLOCATED SEA 1.234568E+07 .25",
              "FIX NEG ID (IF) COLOCATED SEA -5 -1.5",
              "FIX ZED LATLON N 47 36.35 W 122 18.58",
              "ENDFIXES",
              "",
              "RNWS",
              "RNW 16L FIX CF 2000 FIX A FIX B ",
              "ENDRNWS",
              "",
              "SIDS",
              "SID NORWY FIX X",
              "SID PART RNW 1 NAVAID SEA 5000",
              "SID LAST RNW 2 ONHDG 1500 NOT BEFORE 3",
              "SID A RNW 1 ONHDG 1000 FIX X 5000 INTERCEPT 90 TO NAVAID SEA NAVAID SEA",
              "ENDSIDS",
              "",
              "STARS",
              "STAR S1 FIX A RNW 1",
              "STAR S3 NAVAID B -100 RNW 3",
              "STAR S4 FIX C RNW 4",
              "ENDSTARS"});
    EXPECT_TRUE(text.ends_with(body)) << text;
    EXPECT_EQ(c.STARNumber, 5); // past the last STAR, whatever it was before
    EXPECT_EQ(c.STARRunwaySlot, 1);

    const auto back = load(text);
    ASSERT_TRUE(back->result.ok) << back->result.message;
    EXPECT_EQ(back->store.Fixes[1].Heading, 12345680.0f);
    EXPECT_EQ(back->store.Fixes[2].Heading, -5.0f);
    EXPECT_EQ(back->store.Fixes[2].VORDist, -1.5f);
    std::string rows; // Name OnHeadAlt/OnHeadDist Fix Alt InterceptNavaid VOR EndOfRunway
    for (int i = 1; i <= 8; ++i) {
        const auto& w = back->store.SIDs[i];
        rows += w.Name + w.OnHeadAlt + "/" + w.OnHeadDist + w.Fix + w.Alt + w.InterceptNavaid +
                w.VOR + (w.EndOfRunway ? "." : "") + " ";
    }
    EXPECT_EQ(rows, "NORWY/X. PART/5000SEA. LAST1500/3. A1000/ A/X5000 A/SEA A/SEA. / ");
}

// Files as they are found in the wild: each is written so that it reads back
// as the same tables, and the line that used to be lost is there.
TEST(RoundTrip, FilesKeptWhole) {
    const std::pair<std::string, std::string> cases[] = {
        // Two SIDs of one name for different runways stay two SIDs.
        {crlf(
             {"SIDS", "SID MONTN2 RNW 16L FIX A 5000", "SID MONTN2 RNW 34R NAVAID SEA FIX A 6000"}),
         crlf({"SID MONTN2 RNW 16L FIX A 5000", "SID MONTN2 RNW 34R NAVAID SEA FIX A 6000"})},
        // A point of the simulator's database, absent from FIXES, stays a FIX.
        {crlf({"RNWS", "RNW 16L FIX RW16L FIX A", "RNW 34R NAVAID SEA"}),
         crlf({"RNW 16L FIX RW16L FIX A ", "RNW 34R NAVAID SEA "})},
        // A FROM point defined further down the file is a fix when read back too.
        {crlf({"RNWS", "RNW 16L FIX A FIX B", "   FROM C FIX D", "ENDRNWS", "FIXES",
               "FIX C LATLON N 1 2 W 3 4"}),
         crlf({"RNW 16L FIX A FIX B ", "   FROM C FIX D "})},
        {crlf({"RNWS", "RNW 34R FIX A FIX B", "   FROM C", "ENDRNWS", "FIXES",
               "FIX C LATLON N 1 2 W 3 4"}),
         crlf({"RNW 34R FIX A FIX B ", "   FROM C "})},
        {"\xEF\xBB\xBF" + crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4"}),
         crlf({"FIXES", "FIX A LATLON N 1 2 W 3 4"})},
    };
    for (const auto& [content, kept] : cases) {
        const auto first = load(content);
        ASSERT_TRUE(first->result.ok) << first->result.message;
        const std::string text = storetest::write(*first);
        EXPECT_NE(text.find(kept), std::string::npos) << text;
        const auto back = load(text);
        EXPECT_TRUE(storetest::sameTables(back->store, first->store)) << text;
    }
    EXPECT_EQ(load(cases[2].first)->store.Runways[3].FIX, "C");
    EXPECT_EQ(load(cases[3].first)->store.Runways[3].FIX, "C"); // the last row read
}

// Whatever a damaged file holds, once read it writes a file that reads back
// as the same tables, and writing settles after one round.
TEST(RoundTrip, DamagedFilesThatReadWriteFilesThatRead) {
    const std::string original = runtime::readWholeFile(kseaFile);
    const std::string_view joined = " |\r\n|\r|\n|FIX |NAVAID |RNW |SID |STAR |FROM |ONHDG 1 |NOT "
                                    "BEFORE |FLOAT |-5|7|E|/|\t|COLOCATED SEA |LATLON |ID |"
                                    "INTERCEPT 1 TO |RNWS\r\n|SIDS\r\n|STARS\r\n|ENDSIDS\r\n|"
                                    "FIXES\r\n| 500|+|.";
    std::vector<std::string> pieces;
    for (std::size_t from = 0, to = 0; to != joined.npos; from = to + 1)
        pieces.emplace_back(joined.substr(from, (to = joined.find('|', from)) - from));
    std::mt19937 random(20261206);
    int read = 0;
    for (int round = 0; round < 300; ++round) {
        std::string text = original;
        for (int k = 0, changes = 1 + static_cast<int>(random() % 6); k < changes; ++k) {
            const std::size_t at = random() % text.size();
            const auto kind = random() % 3;
            if (kind == 0)
                text.erase(at, 1 + random() % 6);
            else if (kind == 1)
                text.insert(at, pieces[random() % pieces.size()]);
            else
                text[at] = pieces[random() % pieces.size()][0];
        }
        const auto first = load(text);
        if (!first->result.ok)
            continue;
        ++read;
        const std::string written = storetest::write(*first);
        const auto second = load(written);
        ASSERT_TRUE(second->result.ok) << "round " << round << "\n" << text;
        EXPECT_TRUE(storetest::sameTables(second->store, first->store)) << "round " << round << "\n"
                                                                        << text;
        EXPECT_EQ(storetest::write(*second), written) << "round " << round << "\n" << text;
    }
    EXPECT_GT(read, 40);
}

} // namespace
