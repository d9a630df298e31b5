#include "procedures/ProcedureEdits.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"
#include "support/TableDifference.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace procedures;

const std::string Airport =
    "FIXES\r\nFIX HAROB LATLON N 47 10.00 W 122 10.00\r\n"
    "FIX ARVAD LATLON N 47 20.00 W 122 20.00\r\nENDFIXES\r\n"
    "RNWS\r\nRNW 09 FIX HAROB 3000 NAVAID SEA \r\nENDRNWS\r\n"
    "SIDS\r\nSID A RNW 09 NAVAID SEA FIX HAROB 5000\r\nSID B RNW 27 NAVAID OLM\r\nENDSIDS\r\n"
    "STARS\r\nSTAR S1 NAVAID SEA FIX HAROB RNW 09\r\nSTAR S2 NAVAID OLM\r\n"
    "STAR S3 FIX ARVAD RNW 27 RNW 09\r\n"
    "STAR S4 NAVAID SEA RNW 01 RNW 02 RNW 03 RNW 04 RNW 05 RNW 06 RNW 07 RNW 08 RNW 09 "
    "RNW 10\r\nENDSTARS\r\n";

struct Airfield {
    std::unique_ptr<store::ProcedureStore> store = std::make_unique<store::ProcedureStore>();
    store::ProcedureCounters counters;
    Airfield() { EXPECT_TRUE(store::LoadData(Airport, *store, counters).ok); }
    ProcedureTables tables() { return {*store, counters}; }
    // The file a refused edit leaves as it was: after what a case builds first.
    std::string before;
    void built() { before = file(); }
    std::string file() {
        store::ProcedureStore copy = *store;
        store::ProcedureCounters c = counters;
        const std::string text = store::PrintTheSidStarFile(copy, c, {});
        return text.substr(text.find("FIXES"));
    }
};

using Edit = std::function<Outcome(Airfield&)>;

struct Case {
    const char* name;
    Edit edit;
    std::string refusal; // "" when the edit is made
    Field field = Field::None;
    const char* inFile = ""; // a line the written file then holds
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const ProcedureAt SidA{1, 2}, SidB{3, 1}, Star1{1, 2}, Star2{3, 1}, Star4{5, 1};

Leg navaid(const std::string& id) {
    Leg leg;
    leg.navaid = id;
    return leg;
}

Leg onHeading(Leg leg, const std::string& dist, const std::string& intercept = "") {
    leg.onHeadAlt = "1500";
    leg.onHeadDist = dist;
    leg.interceptHeading = intercept;
    return leg;
}

Leg intercept(Leg leg) {
    leg.interceptHeading = "250";
    return leg;
}

Leg toFix(const std::string& name) {
    Leg leg;
    leg.fix = name;
    return leg;
}

// SID B with legs added after its navaid OLM; the legs it then has.
ProcedureAt grownB(Airfield& a, std::initializer_list<Leg> legs) {
    for (const Leg& leg : legs)
        addSIDLeg(a.tables(), {3, sidLegsAt(a.store->SIDs, 3)}, "B", {"27"}, leg);
    a.built();
    return {3, sidLegsAt(a.store->SIDs, 3)};
}

LegChange altitude(const std::string& alt) {
    LegChange change;
    change.alt = alt;
    return change;
}

const Case Cases[] = {
    // A runway as the reader takes it back, or refused.
    {"SIDRunwayWithSpace", [](Airfield& a) { return setSIDRunways(a.tables(), SidA, {"1 L"}); },
     "Incorrect Runway Number", Field::Runway},
    {"STARRunwayWithSpace",
     [](Airfield& a) {
         return setSTARRunways(a.tables(), Star1, {"09", "1 L"});
     },
     "Incorrect Runway Number", Field::Runway},
    {"STARRunwayTwice",
     [](Airfield& a) {
         return setSTARRunways(a.tables(), Star1, {"09", "9"});
     },
     "Runway 09 is given twice.", Field::Runway},
    {"SIDRunwayLowerCase", [](Airfield& a) { return setSIDRunways(a.tables(), SidA, {"16l"}); }, "",
     Field::None, "SID A RNW 16L NAVAID SEA"},
    // The runways no box shows stay after those the boxes give.
    {"STARRunwaysPastTheBoxesKept",
     [](Airfield& a) {
         return setSTARRunways(a.tables(), Star4, {"01", "", "03", "04", "05", "06", "07", "08"});
     },
     "", Field::None, "RNW 07 RNW 08 RNW 09 RNW 10\r\n"},
    // The STARs after a deleted one keep their runways, also after one
    // that has none.
    {"RemoveSTARBeforeOneWithoutRunways", [](Airfield& a) { return removeSTAR(a.tables(), Star1); },
     "", Field::None, "STAR S3 FIX ARVAD RNW 27 RNW 09\r\n"},
    {"RemoveSTARWithoutRunways", [](Airfield& a) { return removeSTAR(a.tables(), Star2); }, "",
     Field::None, "STAR S3 FIX ARVAD RNW 27 RNW 09\r\n"},
    // A SID that lost its legs stands in front of B: it may not take B's name.
    {"EmptiedSIDNamedAsTheNext",
     [](Airfield& a) {
         removeSIDLeg(a.tables(), SidA, 0);
         removeSIDLeg(a.tables(), {1, 1}, 0);
         a.built();
         return renameSID(a.tables(), {1, 0}, "B");
     },
     "The SID next to this one is also named B.\r\nPlease choose another name.",
     Field::ProcedureName},
    // Its only leg deleted, a SID between two of one name would join them.
    {"OnlyLegBetweenSIDsOfOneName",
     [](Airfield& a) {
         addSIDLeg(a.tables(), {4, 0}, "A", {"09"}, navaid("HQM"));
         a.built();
         return removeSIDLeg(a.tables(), SidB, 0);
     },
     "join them into one SID", Field::None},
    {"SIDNamedWithATab", [](Airfield& a) { return renameSID(a.tables(), SidA, "A\t1"); },
     "cannot hold", Field::ProcedureName},
    {"STARNamedWithASpace", [](Airfield& a) { return renameSTAR(a.tables(), Star1, "S 1"); },
     "spaces", Field::ProcedureName},
    {"LegToAFixWithATab",
     [](Airfield& a) {
         Leg leg;
         leg.fix = "X\tY";
         return addSIDLeg(a.tables(), SidB, "B", {"27"}, leg);
     },
     "cannot hold", Field::FixName},
    // The file carries an intercept heading only with what it intercepts.
    {"InterceptOnADirectLeg",
     [](Airfield& a) {
         LegChange change;
         change.interceptHeading = "250";
         return changeSIDLeg(a.tables(), SidA, 1, change);
     },
     "no intercept", Field::InterceptHeading},
    {"InterceptLegAdded",
     [](Airfield& a) {
         Leg leg = navaid("OLM");
         leg.interceptHeading = "250";
         return addSIDLeg(a.tables(), SidB, "B", {"27"}, leg);
     },
     "", Field::None, "SID B RNW 27 NAVAID OLM INTERCEPT 250 FROM NAVAID OLM\r\n"},
    {"STARLegWithoutNavaid",
     [](Airfield& a) { return addSTARLeg(a.tables(), Star1, "S1", {"09"}, Leg{}); },
     "The waypoint Navaid or Fix is missing.", Field::Navaid},
    {"LegToAnUndefinedFix",
     [](Airfield& a) {
         Leg leg;
         leg.fix = "NOFIX";
         return addSTARLeg(a.tables(), Star1, "S1", {"09"}, leg);
     },
     "The fix NOFIX is not defined.", Field::FixName},
    // A new STAR in front of others gets runways of its own.
    {"STARMadeInFront",
     [](Airfield& a) {
         return addSTARLeg(a.tables(), {1, 0}, "S0", {"16R"}, navaid("HQM"));
     },
     "", Field::None, "STAR S0 NAVAID HQM RNW 16R\r\nSTAR S1 NAVAID SEA FIX HAROB RNW 09\r\n"},
    // A renamed fix is renamed wherever it is used; a taken name is refused.
    {"FixRenamedOntoAnother",
     [](Airfield& a) { return changeFix(*a.store, 1, "ARVAD", a.store->Fixes[1]); },
     "There is already a fix named ARVAD.", Field::FixName},
    {"FixRenamed", [](Airfield& a) { return changeFix(*a.store, 1, "HAROX", a.store->Fixes[1]); },
     "", Field::None, "SID A RNW 09 NAVAID SEA FIX HAROX 5000\r\n"},
    // A SID keeps its runways on its first row and its end on its last; a
    // STAR its count on its first.
    {"FirstSIDLegRemoved", [](Airfield& a) { return removeSIDLeg(a.tables(), SidA, 0); }, "",
     Field::None, "SID A RNW 09 FIX HAROB 5000\r\nSID B"},
    {"LastSIDLegRemoved", [](Airfield& a) { return removeSIDLeg(a.tables(), SidA, 1); }, "",
     Field::None, "SID A RNW 09 NAVAID SEA\r\nSID B"},
    {"FirstSTARLegRemoved", [](Airfield& a) { return removeSTARLeg(a.tables(), Star1, 0); }, "",
     Field::None, "STAR S1 FIX HAROB RNW 09\r\nSTAR S2"},
    // An on-heading leg is stored in the rows the file gives back: one with
    // its not-before distance and the point it flies to, two without.
    {"OnHeadingWithDistanceToANavaid",
     [](Airfield& a) {
         Leg leg = onHeading(navaid("SEA"), "3");
         leg.alt = "5000";
         return addSIDLeg(a.tables(), SidB, "B", {"27"}, leg);
     },
     "", Field::None, "NAVAID OLM ONHDG 1500 NOT BEFORE 3 NAVAID SEA 5000\r\n"},
    {"OnHeadingWithoutDistanceToAFix",
     [](Airfield& a) {
         return addSIDLeg(a.tables(), SidB, "B", {"27"}, onHeading(toFix("HAROB"), ""));
     },
     "", Field::None, "NAVAID OLM ONHDG 1500 FIX HAROB\r\n"},
    {"OnHeadingWithDistanceToAnIntercept",
     [](Airfield& a) {
         return addSIDLeg(a.tables(), SidB, "B", {"27"}, onHeading(navaid("SEA"), "3", "250"));
     },
     "", Field::None, "ONHDG 1500 NOT BEFORE 3 INTERCEPT 250 FROM NAVAID SEA\r\n"},
    {"NavaidAfterAnOnHeadingDistanceJoinsIt",
     [](Airfield& a) {
         grownB(a, {onHeading({}, "3")});
         return addSIDLeg(a.tables(), {3, 2}, "B", {"27"}, navaid("SEA"));
     },
     "", Field::None, "NAVAID OLM ONHDG 1500 NOT BEFORE 3 NAVAID SEA\r\n"},
    // No edit leaves such an on-heading leg straight before a fix or navaid
    // that the file would read into it.
    {"LegBetweenDistanceAndNavaidRemoved",
     [](Airfield& a) {
         const ProcedureAt b =
             grownB(a, {onHeading({}, "3"), intercept(navaid("SEA")), navaid("HQM")});
         return removeSIDLeg(a.tables(), b, b.legs - 2);
     },
     "read the two as one leg", Field::OnHeadingDistance},
    {"DistanceMovedBeforeANavaid",
     [](Airfield& a) { return moveSIDLegDown(a.tables(), grownB(a, {onHeading({}, "3")}), 0); },
     "read the two as one leg", Field::OnHeadingDistance},
    {"DistanceGivenToOnHeadingBeforeAFix",
     [](Airfield& a) {
         const ProcedureAt b = grownB(a, {onHeading(toFix("HAROB"), "")});
         LegChange change;
         change.onHeadDist = "3";
         return changeSIDLeg(a.tables(), b, 1, change);
     },
     "read the two as one leg", Field::OnHeadingDistance},
    // Modify changes the leg and its fix together or not at all.
    {"SIDLegKeptWhenItsFixChangeIsRefused",
     [](Airfield& a) {
         const FixChange fix{1, "ARVAD", a.store->Fixes[1]};
         return changeSIDLeg(a.tables(), SidA, 1, altitude("7000"), &fix);
     },
     "There is already a fix named ARVAD.", Field::FixName},
    {"STARLegKeptWhenItsFixChangeIsRefused",
     [](Airfield& a) {
         const FixChange fix{1, "ARVAD", a.store->Fixes[1]};
         return changeSTARLeg(a.tables(), Star1, 1, altitude("7000"), &fix);
     },
     "There is already a fix named ARVAD.", Field::FixName},
    {"SIDLegAndFixChanged",
     [](Airfield& a) {
         const FixChange fix{1, "HAROX", a.store->Fixes[1]};
         return changeSIDLeg(a.tables(), SidA, 1, altitude("7000"), &fix);
     },
     "", Field::None, "SID A RNW 09 NAVAID SEA FIX HAROX 7000\r\n"},
};

class ProcedureEdits : public ::testing::TestWithParam<Case> {};

TEST_P(ProcedureEdits, RefuseWithNothingChangedOrWriteWhatReadsBack) {
    const Case& c = GetParam();
    Airfield a;
    a.built();
    const Outcome outcome = c.edit(a);
    const std::string after = a.file();
    if (!c.refusal.empty()) {
        ASSERT_TRUE(outcome);
        EXPECT_NE(outcome->message.find(c.refusal), std::string::npos) << outcome->message;
        EXPECT_EQ(outcome->field, c.field);
        EXPECT_EQ(after, a.before);
        return;
    }
    ASSERT_FALSE(outcome) << outcome->message;
    EXPECT_NE(after.find(c.inFile), std::string::npos) << after;
    // Read back, the tables are the ones edited (the writer sorts the fixes
    // of what it writes).
    auto written = std::make_unique<store::ProcedureStore>(*a.store);
    store::ProcedureCounters writtenCounters = a.counters;
    const std::string text = store::PrintTheSidStarFile(*written, writtenCounters, {});
    auto read = std::make_unique<store::ProcedureStore>();
    store::ProcedureCounters counters;
    ASSERT_TRUE(store::LoadData(text, *read, counters).ok) << text;
    EXPECT_EQ(tablecheck::tableDifference(*written, *read), "") << text;
}

// A new procedure is counted from the tables, one after those in use.
TEST(ProcedureCount, ANewProcedureIsNumberedAfterThoseInTheTables) {
    Airfield a;
    a.counters.SIDCount = 7;
    int number = 0;
    ASSERT_FALSE(beginSID(a.tables(), number));
    EXPECT_EQ(number, 3);
    EXPECT_EQ(a.counters.SIDCount, 3);
    ASSERT_FALSE(beginSTAR(a.tables(), number));
    EXPECT_EQ(number, 5);
    EXPECT_EQ(a.counters.STARCount, 5);
    clearTables(a.tables());
    ASSERT_FALSE(beginSTAR(a.tables(), number));
    EXPECT_EQ(number, 1);
    EXPECT_EQ(a.counters.STARRowCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Edits, ProcedureEdits, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
