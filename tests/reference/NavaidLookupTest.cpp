#include "TestData.h"

#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
#include "reference/NavaidTable.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using reference::GreatCircleDistance;
using reference::LookUpNavaid;
using reference::NavaidTable;
using reference::ReferencePosition;

namespace {

// The row ranges of the letter groups of the standard file, fixed.
constexpr reference::NavaidRange Ranges[8] = {{1, 8917},      {8918, 15919},  {15920, 25020},
                                              {25021, 30907}, {30908, 38809}, {38810, 49949},
                                              {49950, 57916}, {57917, 63842}};

} // namespace

// The lookup by the fixed ranges: choose the range by the first character,
// scan it for the first equal identifier, then walk its duplicates for the
// first one within 200 NM. The scans' answers are gathered in one pass.
TEST(LookUpNavaid, AgreesWithTheFixedRangeLookupOnTheBundledFile) {
    const NavaidTable table = reference::loadNavaids(testdata::bundled("AllFlyNavaids.txt"));
    ASSERT_EQ(table.size(), 63842);
    EXPECT_EQ(table.NavaidLetterRanges(), std::to_array(Ranges));
    std::map<std::string, std::int32_t> firstInRange[8];
    for (std::size_t g = 0; g < 8; ++g)
        for (std::int32_t row = Ranges[g].first; row <= Ranges[g].last; ++row)
            firstInRange[g].emplace(table[row].NavaidID, row);
    auto fixedRangeLookUp = [&](const std::string& id, ReferencePosition& reference) {
        std::size_t group = 0;
        for (const char* start : {"C", "E", "I", "L", "N", "S", "U"})
            group += !runtime::lessOrdinal(id.substr(0, 1), start);
        const auto found = firstInRange[group].find(id);
        if (found == firstInRange[group].end())
            return false;
        std::int32_t row = found->second;
        while (reference.isSet() &&
               GreatCircleDistance(reference.lat, reference.lon, table[row].NavaidLat,
                                   table[row].NavaidLong) >= 200)
            if (++row > 63842 || table[row].NavaidID != id)
                return false;
        reference = {table[row].NavaidLat, table[row].NavaidLong};
        return true;
    };

    std::set<std::string> ids = {"", "0", "AAAAAA", "OLM ", "olm", "ZZZZZ", "\xFF"};
    for (std::int32_t row = 1; row <= table.size(); ++row)
        ids.insert(table[row].NavaidID);
    // None, then Seattle (the northern OLM), Quito (the southern), Frankfurt, Sydney.
    const ReferencePosition references[] = {
        {0, 0}, {47.45, -122.31}, {-0.14, -78.49}, {50.03, 8.57}, {-33.95, 151.18}};
    int found = 0;
    for (const ReferencePosition& start : references) {
        for (const std::string& id : ids) {
            ReferencePosition actual = start, expected = start;
            const bool got = LookUpNavaid(table, id, actual);
            ASSERT_EQ(got, fixedRangeLookUp(id, expected)) << id;
            ASSERT_EQ(actual, expected) << id;
            found += got;
        }
    }
    // Every identifier is found without a reference; some near each city.
    EXPECT_GT(found, static_cast<int>(ids.size()) - 7);
}

TEST(LookUpNavaid, FirstDuplicateWithin200WinsAndExactly200IsRejected) {
    // From a reference near 0, 10: X at exactly 200 NM, then 198, then 180.6,
    // the last rows of the table.
    const NavaidTable table = reference::parseNavaids(
        "\"W\",0,10,0\n\"X\",3.3333333,10,1\n\"X\",3.3,10,2\n\"X\",3.01,10,3\n");
    // The latitude on meridian 10 exactly 200 NM from the first X, by bisection.
    double far = -3.4, near = 3.3333333, at200 = 0;
    for (int i = 0; i < 200; ++i) {
        at200 = (far + near) / 2;
        const float d = GreatCircleDistance(at200, 10, 3.3333333f, 10);
        if (d == 200.0f)
            break;
        (d > 200 ? far : near) = at200;
    }
    ASSERT_EQ(GreatCircleDistance(at200, 10, 3.3333333f, 10), 200.0f);

    ReferencePosition reference{at200, 10};
    ASSERT_TRUE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{3.3f, 10})) << "row 3, not the nearer row 4";

    reference = {at200 + 1e-5, 10}; // a hair closer, the first row is within 200 NM
    ASSERT_TRUE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{3.3333333f, 10}));

    reference = {-1, 10}; // all 200 NM or more away: not found, reference unchanged
    EXPECT_FALSE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{-1, 10}));
}
