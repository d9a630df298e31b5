#include "Invariant.h"

#include "runtime/TextFiles.h"
#include "store/AirportReader.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

shell::Module1 loadKSEA() {
    shell::Module1 m;
    const std::string text =
        runtime::readWholeFile(std::filesystem::path(VEXTREL_DATA_DIR) / "sample/PMDG/KSEA.txt");
    EXPECT_TRUE(store::LoadData(text, m.Store, m.Counters).ok);
    return m;
}

TEST(Invariant, HoldsForAFileAsRead) {
    EXPECT_EQ(editortest::checkInvariant(loadKSEA()), "");
}

TEST(Invariant, HoldsForEmptyTables) {
    shell::Module1 m;
    EXPECT_EQ(editortest::checkInvariant(m), "");
    m.Counters.SIDRowNext = 1;
    EXPECT_EQ(editortest::checkInvariant(m), "");
}

struct Breakage {
    const char* name;
    std::function<void(shell::Module1&)> apply;
    const char* expected; // a part of the description
};

class InvariantBreakage : public ::testing::TestWithParam<Breakage> {};

TEST_P(InvariantBreakage, IsDescribed) {
    shell::Module1 m = loadKSEA();
    GetParam().apply(m);
    const std::string why = editortest::checkInvariant(m);
    EXPECT_NE(why.find(GetParam().expected), std::string::npos) << why;
}

// KSEA as read: SIDs SEA9 rows 1-3 (ONHDG, SEA, SEA160), SUMMA1 rows 4-5,
// HAROB2 rows 6-8; STARs SUMMA1 rows 1-3, HQM3 rows 4-5, OLM4 rows 6-7.
INSTANTIATE_TEST_SUITE_P(
    Cases, InvariantBreakage,
    ::testing::Values(
        Breakage{"GapInSTARs", [](auto& m) { m.Store.STARs[4] = {}; }, "not empty after"},
        Breakage{"ElementsTooSmall", [](auto& m) { m.Store.STARs[1].Elements = 2; },
                 "has Elements 0"},
        Breakage{"ElementsTooLarge", [](auto& m) { m.Store.STARs[6].Elements = 3; },
                 "counts 3 rows"},
        Breakage{"ElementsOnLaterRow", [](auto& m) { m.Store.STARs[2].Elements = 1; },
                 "not its first row"},
        Breakage{"STARRowCountOff", [](auto& m) { m.Counters.STARRowCount = 8; },
                 "STARRowCount is 8"},
        Breakage{"STARRowWithoutWaypoint", [](auto& m) { m.Store.STARs[5].Fix.clear(); },
                 "exactly one of Fix and VOR"},
        Breakage{"SIDWithoutEnd", [](auto& m) { m.Store.SIDs[8].EndOfRunway = store::False; },
                 "without an EndOfRunway"},
        Breakage{"SIDEndsTwice", [](auto& m) { m.Store.SIDs[1].EndOfRunway = store::True; },
                 "would merge"},
        Breakage{"SIDRowNextOff", [](auto& m) { m.Counters.SIDRowNext = 10; }, "SIDRowNext is 10"},
        Breakage{"SameNameSIDsAdjacent",
                 [](auto& m) {
                     for (int r = 4; r <= 5; ++r)
                         m.Store.SIDs[r].Name = "SEA9";
                 },
                 "would merge"},
        Breakage{"SIDRowWithoutLeg",
                 [](auto& m) {
                     auto& r = m.Store.SIDs[8];
                     r.Fix.clear();
                     r.VOR.clear();
                 },
                 "holds no leg"},
        Breakage{"FixRenamedInFixesOnly",
                 [](auto& m) {
                     const int row = store::SearchForFix(m.Store.Fixes, "CHENY");
                     m.Store.Fixes[row].Name = "CHEN2";
                 },
                 "does not define"},
        Breakage{"FixCountOff", [](auto& m) { m.Store.FixCount -= 1; }, "named past FixCount"},
        Breakage{"RunwayAfterGapLost",
                 [](auto& m) {
                     m.Store.STARRunways(1, 3) = "34L";
                     m.Store.STARRunways(1, 2) = "";
                 },
                 "has a gap"},
        Breakage{"RunwaysOfAVanishedSTAR", [](auto& m) { m.Store.STARRunways(4, 1) = "16L"; },
                 "does not exist"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
