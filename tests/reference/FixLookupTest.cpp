#include "reference/FixLookup.h"

#include <gtest/gtest.h>

using reference::FixTableKind;
using reference::ReferencePosition;
using store::FixRecord;

namespace {

// A fix at lat degrees 6 minutes south, lon degrees (minutes left empty)
// west, or given from a navaid.
FixRecord fix(const std::string& name, const char* lat, const char* lon, const char* vor = "") {
    return {"", name, "S", lat, "6", "W", lon, "", vor, 10, 160, 0};
}

// Two navaids named OLM, one in Ecuador and one near Seattle; the reference
// at Seattle.
class LookUpFix : public ::testing::Test {
protected:
    LookUpFix()
        : navaids(reference::parseNavaids("\"OLM\",0.163333,-78.060556,400\n"
                                          "\"OLM\",46.971639,-122.901833,113.4\n")) {
        EXPECT_TRUE(userFixes.append(fix("HAROB", "47", "123")));
        EXPECT_TRUE(userFixes.append(fix("OLM270", "", "", "OLM")));
    }

    bool lookUp(const std::string& name, FixTableKind kind = FixTableKind::Fixes) {
        return reference::LookUpFix(name, kind, fixes, fixCount, userFixes, navaids, position);
    }

    reference::NavaidTable navaids;
    reference::UserFixTable userFixes;
    store::FixTable fixes;
    std::int32_t fixCount = 0;
    ReferencePosition position{47.45, -122.31};
};

const ReferencePosition seattleOLM{46.971639f, -122.901833f};

} // namespace

// The reference moves to the fix's coordinates (south and west negative,
// empty texts 0), or to its navaid when that is near enough.
TEST_F(LookUpFix, UserFixIsCopiedIntoTheRowAfterTheLastInUseUntilTheTableIsFull) {
    fixes[1] = fix("A", "1", "1");
    fixCount = 1;
    ASSERT_TRUE(lookUp("HAROB"));
    EXPECT_EQ(fixes[2], userFixes[1]);
    EXPECT_EQ(fixCount, 2);
    EXPECT_EQ(position, (ReferencePosition{-47.1, -123}));
    ASSERT_TRUE(lookUp("HAROB")); // found in Fixes now, not copied again
    EXPECT_EQ(fixCount, 2);
    ASSERT_TRUE(lookUp("OLM270")); // no OLM within 200 NM: the reference stays
    EXPECT_EQ(fixes[3].VOR, "OLM");
    EXPECT_EQ(position, (ReferencePosition{-47.1, -123}));
    position = {47.45, -122.31};
    ASSERT_TRUE(lookUp("OLM270"));
    EXPECT_EQ(position, seattleOLM);

    // Not found, or no row left for the user fix: nothing changes.
    for (int row = 4; row <= store::FixTable::capacity; ++row)
        fixes[row] = fix("F" + std::to_string(row), "1", "1");
    fixCount = store::FixTable::capacity;
    const store::FixTable before = fixes;
    ASSERT_TRUE(userFixes.append(fix("LATE", "1", "1")));
    for (const char* name : {"", "harob", "HAROB ", "NOWHERE", "LATE"})
        EXPECT_FALSE(lookUp(name)) << name;
    EXPECT_EQ(fixCount, store::FixTable::capacity);
    EXPECT_EQ(position, seattleOLM);
    for (int row = 1; row <= store::FixTable::capacity; ++row)
        ASSERT_EQ(fixes[row], before[row]);
    EXPECT_TRUE(lookUp("F700")); // what is there is still found
}

// WorkFixes, and the user fixes searched for them, end at the first unnamed row.
TEST_F(LookUpFix, WorkFixesEndAtTheFirstUnnamedRow) {
    fixes[1] = fix("A", "1", "1");
    fixes[3] = fix("GAP", "3", "3");
    std::int16_t workFixCount = 3;
    auto lookUpWork = [&](const char* name) {
        return reference::LookUpFix(name, FixTableKind::WorkFixes, fixes, workFixCount, userFixes,
                                    navaids, position);
    };
    EXPECT_TRUE(lookUp("GAP"));
    EXPECT_FALSE(lookUpWork("GAP"));
    ASSERT_TRUE(userFixes.append(FixRecord{}) && userFixes.append(fix("HIDDEN", "1", "1")));
    EXPECT_FALSE(lookUpWork("HIDDEN"));
    ASSERT_TRUE(lookUpWork("HAROB")); // into the gap
    EXPECT_EQ(fixes[2].Name + std::to_string(workFixCount), "HAROB4");
}
