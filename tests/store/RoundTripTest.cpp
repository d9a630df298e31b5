#include "FullAirport.h"
#include "StoreTestSupport.h"

#include "runtime/TextFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

using storetest::crlf;
using storetest::load;

const std::filesystem::path kseaFile =
    std::filesystem::path(VEXTREL_DATA_DIR) / "sample" / "PMDG" / "KSEA.txt";

TEST(RoundTrip, TheSampleAirportIsWrittenByteForByte) {
    const std::string original = runtime::readWholeFile(kseaFile);
    auto l = std::make_unique<storetest::Loaded>();
    l->result = store::LoadDataFromFile(kseaFile, l->store, l->counters);
    ASSERT_TRUE(l->result.ok) << l->result.message;
    EXPECT_EQ(l->store.FixCount, 13);
    EXPECT_EQ(l->counters.SIDCount, 3);
    EXPECT_EQ(l->counters.STARCount, 3);
    const std::string text =
        storetest::write(*l, {"KSEA", "Seattle Tacoma Intl", "Vextrel Examples", "12/6/2026"});
    EXPECT_EQ(text, original);

    const auto again = load(text);
    ASSERT_TRUE(again->result.ok);
    EXPECT_TRUE(storetest::sameTables(again->store, l->store));
}

TEST(RoundTrip, TheFullAirportIsWrittenByteForByte) {
    const std::string original = fullairport::fullAirportFile();
    const auto l = load(original);
    ASSERT_TRUE(l->result.ok) << l->result.message;
    const std::string text = storetest::write(*l, {fullairport::Icao, fullairport::AirportName,
                                                   fullairport::AuthorName, fullairport::DateText});
    EXPECT_EQ(text, original);
    const auto again = load(text);
    ASSERT_TRUE(again->result.ok);
    EXPECT_TRUE(storetest::sameTables(again->store, l->store));
}

// Rows the layout writes on one line that read back as two: the same legs.
TEST(RoundTrip, RowsThatReadBackSplit) {
    store::ProcedureStore s;
    s.SIDs[1].Name = "A";
    s.SIDs[1].RW1 = "1";
    s.SIDs[1].OnHeadAlt = "1000";
    s.SIDs[1].Fix = "X";
    s.SIDs[1].Alt = "5000";
    s.SIDs[2].Name = "A";
    s.SIDs[2].InterceptHeading = "90";
    s.SIDs[2].InterceptToFrom = "TO";
    s.SIDs[2].InterceptNavaid = "SEA";
    s.SIDs[2].VOR = "SEA";
    store::ProcedureCounters c;
    const auto l = load(store::PrintTheSidStarFile(s, c, {"ZZZZ", "", "", "d"}));
    ASSERT_TRUE(l->result.ok);
    const auto& r = l->store.SIDs;
    EXPECT_EQ(r[1].OnHeadAlt + "|" + r[1].Fix + "|" + r[1].Alt, "1000||");
    EXPECT_EQ(r[2].Fix + "|" + r[2].Alt, "X|5000");
    EXPECT_EQ(r[3].InterceptNavaid + "|" + r[3].VOR, "SEA|");
    EXPECT_EQ(r[4].VOR, "SEA");
    EXPECT_EQ(r[4].EndOfRunway, store::True);
    EXPECT_EQ(l->counters.SIDRowNext, 5);
}

// Whatever a damaged file holds, once read it writes a file that reads back,
// and writing settles after one round.
TEST(RoundTrip, DamagedFilesThatReadWriteFilesThatRead) {
    const std::string original = runtime::readWholeFile(kseaFile);
    const std::string pieces[] = {" ",
                                  "\r\n",
                                  "\r",
                                  "\n",
                                  "FIX ",
                                  "NAVAID ",
                                  "RNW ",
                                  "SID ",
                                  "STAR ",
                                  "FROM ",
                                  "ONHDG 1 ",
                                  "NOT BEFORE ",
                                  "FLOAT ",
                                  "-5",
                                  "7",
                                  "E",
                                  "/",
                                  "\t",
                                  "COLOCATED SEA ",
                                  "LATLON ",
                                  "ID ",
                                  "INTERCEPT 1 TO ",
                                  "RNWS\r\n",
                                  "SIDS\r\n",
                                  "STARS\r\n",
                                  "ENDSIDS\r\n",
                                  "FIXES\r\n",
                                  " 500",
                                  "+",
                                  "."};
    std::mt19937 random(20261206);
    int read = 0;
    for (int round = 0; round < 300; ++round) {
        std::string text = original;
        const int changes = 1 + static_cast<int>(random() % 6);
        for (int k = 0; k < changes; ++k) {
            const std::size_t at = random() % text.size();
            switch (random() % 3) {
            case 0:
                text.erase(at, 1 + random() % 6);
                break;
            case 1:
                text.insert(at, pieces[random() % std::size(pieces)]);
                break;
            default:
                text[at] = pieces[random() % std::size(pieces)][0];
                break;
            }
        }
        const auto first = load(text);
        if (!first->result.ok)
            continue;
        ++read;
        const std::string once = storetest::write(*first);
        const auto second = load(once);
        ASSERT_TRUE(second->result.ok) << "round " << round << "\n"
                                       << text << "\nwrote\n"
                                       << once << "\n"
                                       << second->result.message;
        const std::string twice = storetest::write(*second);
        const auto third = load(twice);
        ASSERT_TRUE(third->result.ok);
        EXPECT_EQ(storetest::write(*third), twice) << "round " << round << "\n" << text;
    }
    EXPECT_GT(read, 40);
}

} // namespace
