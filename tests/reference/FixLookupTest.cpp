#include "reference/FixLookup.h"

#include <gtest/gtest.h>

using reference::FixTableKind;
using reference::LookUpFix;
using reference::ReferencePosition;
using store::FixRecord;

namespace {

FixRecord coordinateFix(const std::string& name, const char* hemLat, const char* latDeg,
                        const char* latMin, const char* hemLong, const char* longDeg,
                        const char* longMin) {
    FixRecord fix;
    fix.Name = name;
    fix.HemLat = hemLat;
    fix.LatDeg = latDeg;
    fix.LatMin = latMin;
    fix.HemLong = hemLong;
    fix.LongDeg = longDeg;
    fix.LongMin = longMin;
    return fix;
}

FixRecord navaidFix(const std::string& name, const std::string& vor) {
    FixRecord fix;
    fix.Name = name;
    fix.VOR = vor;
    fix.Heading = 160;
    fix.VORDist = 10;
    return fix;
}

// Two navaids named OLM, one in Ecuador and one near Seattle.
class LookUpFixTest : public ::testing::Test {
protected:
    LookUpFixTest()
        : navaids(reference::parseNavaids("\"OLM\",0.163333,-78.060556,400\n"
                                          "\"OLM\",46.971639,-122.901833,113.4\n"
                                          "\"SEA\",47.435,-122.309,116.8\n")) {
        EXPECT_TRUE(
            userFixes.append(coordinateFix("HAROB", "N", "47", "14.60", "W", "123", "2.45")));
        EXPECT_TRUE(userFixes.append(navaidFix("OLM270", "OLM")));
    }

    bool lookUp(const std::string& name, FixTableKind kind = FixTableKind::Fixes) {
        return LookUpFix(name, kind, fixes, fixCount, userFixes, navaids, reference);
    }

    reference::NavaidTable navaids;
    reference::UserFixTable userFixes;
    store::FixTable fixes;
    std::int32_t fixCount = 0;
    ReferencePosition reference{47.45, -122.31};
};

} // namespace

TEST_F(LookUpFixTest, CoordinatesAreSignedDegreesWithEmptyTextsAsZero) {
    const struct {
        FixRecord fix;
        ReferencePosition expected;
    } cases[] = {
        {coordinateFix("NE", "N", "47", "30", "E", "10", "15"), {47.5, 10.25}},
        {coordinateFix("SW", "S", "33", "54.6", "W", "151", "6"), {-33.91, -151.1}},
        {coordinateFix("EMPTY", "N", "", "30", "W", "12", ""), {0.5, -12}},
    };
    int row = 0;
    for (const auto& c : cases)
        fixes[++row] = c.fix;
    fixCount = row;
    for (const auto& c : cases) {
        ASSERT_TRUE(lookUp(c.fix.Name)) << c.fix.Name;
        EXPECT_DOUBLE_EQ(reference.lat, c.expected.lat) << c.fix.Name;
        EXPECT_DOUBLE_EQ(reference.lon, c.expected.lon) << c.fix.Name;
    }
    EXPECT_EQ(fixCount, 3);
}

TEST_F(LookUpFixTest, FixFromANavaidMovesTheReferenceToTheNavaid) {
    fixes[1] = navaidFix("SEA160", "SEA");
    fixCount = 1;
    ASSERT_TRUE(lookUp("SEA160"));
    EXPECT_EQ(reference, (ReferencePosition{47.435f, -122.309f}));

    // The duplicate near the reference is the one taken.
    fixes[2] = navaidFix("OLM090", "OLM");
    fixCount = 2;
    ASSERT_TRUE(lookUp("OLM090"));
    EXPECT_EQ(reference, (ReferencePosition{46.971639f, -122.901833f}));

    // A navaid out of reach leaves the reference where it was; still found.
    fixes[3] = navaidFix("FAR", "OLM");
    fixCount = 3;
    reference = {50, 8};
    EXPECT_TRUE(lookUp("FAR"));
    EXPECT_EQ(reference, (ReferencePosition{50, 8}));
}

TEST_F(LookUpFixTest, UserFixIsCopiedIntoTheRowAfterTheLastInUse) {
    fixes[1] = coordinateFix("A", "N", "1", "0", "E", "1", "0");
    fixes[2] = coordinateFix("B", "N", "2", "0", "E", "2", "0");
    fixCount = 2;
    ASSERT_TRUE(lookUp("HAROB"));
    EXPECT_EQ(fixes[3], userFixes[1]);
    EXPECT_EQ(fixCount, 3);
    EXPECT_DOUBLE_EQ(reference.lat, 47 + 14.6 / 60);
    EXPECT_DOUBLE_EQ(reference.lon, -(123 + 2.45 / 60));

    // Found in Fixes the next time, not copied again; the next fix goes below.
    ASSERT_TRUE(lookUp("HAROB"));
    EXPECT_EQ(fixCount, 3);
    EXPECT_EQ(
        reference::appendFix(fixes, fixCount, coordinateFix("NEXT", "N", "", "", "E", "", "")), 4);
    EXPECT_EQ(fixCount, 4);
}

TEST_F(LookUpFixTest, UserFixFromANavaidMovesTheReferenceToTheNavaid) {
    ASSERT_TRUE(lookUp("OLM270"));
    EXPECT_EQ(fixes[1].VOR, "OLM");
    EXPECT_EQ(fixCount, 1);
    EXPECT_EQ(reference, (ReferencePosition{46.971639f, -122.901833f}));
}

TEST_F(LookUpFixTest, NotFoundChangesNothing) {
    fixes[1] = coordinateFix("A", "N", "1", "0", "E", "1", "0");
    fixCount = 1;
    for (const char* name : {"", "harob", "HAROB ", "NOWHERE"}) {
        EXPECT_FALSE(lookUp(name)) << name;
        EXPECT_FALSE(lookUp(name, FixTableKind::WorkFixes)) << name;
    }
    EXPECT_EQ(fixCount, 1);
    EXPECT_TRUE(fixes[2].Name.empty());
    EXPECT_EQ(reference, (ReferencePosition{47.45, -122.31}));
}

TEST_F(LookUpFixTest, UserFixIntoAFullTableIsRefused) {
    for (int row = 1; row <= store::FixTable::capacity; ++row)
        fixes[row] = coordinateFix("F" + std::to_string(row), "N", "1", "0", "E", "1", "0");
    fixCount = store::FixTable::capacity;
    const store::FixTable before = fixes;
    EXPECT_FALSE(lookUp("HAROB"));
    EXPECT_EQ(fixCount, store::FixTable::capacity);
    EXPECT_EQ(reference, (ReferencePosition{47.45, -122.31}));
    for (int row = 1; row <= store::FixTable::capacity; ++row)
        ASSERT_EQ(fixes[row], before[row]);
    EXPECT_TRUE(lookUp("F700")); // what is there is still found
}

TEST_F(LookUpFixTest, FixesAreSearchedWholeButWorkFixesEndAtTheFirstUnnamedRow) {
    fixes[1] = coordinateFix("A", "N", "1", "0", "E", "1", "0");
    fixes[3] = coordinateFix("GAP", "N", "3", "0", "E", "3", "0");
    fixCount = 3;
    EXPECT_TRUE(lookUp("GAP", FixTableKind::Fixes));
    EXPECT_EQ(reference, (ReferencePosition{3, 3}));

    std::int16_t workFixCount = 3;
    EXPECT_FALSE(LookUpFix("GAP", FixTableKind::WorkFixes, fixes, workFixCount, userFixes, navaids,
                           reference));
    // A user fix goes into the gap.
    ASSERT_TRUE(LookUpFix("HAROB", FixTableKind::WorkFixes, fixes, workFixCount, userFixes, navaids,
                          reference));
    EXPECT_EQ(fixes[2].Name, "HAROB");
    EXPECT_EQ(workFixCount, 4);
}

TEST_F(LookUpFixTest, WorkFixesModeStopsTheUserSearchAtAnUnnamedUserFix) {
    userFixes.clear();
    ASSERT_TRUE(userFixes.append(FixRecord{}));
    ASSERT_TRUE(userFixes.append(coordinateFix("HIDDEN", "N", "1", "0", "E", "1", "0")));
    EXPECT_FALSE(lookUp("HIDDEN", FixTableKind::WorkFixes));
    EXPECT_TRUE(lookUp("HIDDEN", FixTableKind::Fixes));
}
