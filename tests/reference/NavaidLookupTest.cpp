#include "TestData.h"

#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using reference::GreatCircleDistance;
using reference::LookUpNavaid;
using reference::NavaidTable;
using reference::parseNavaids;
using reference::ReferencePosition;

namespace {

// The lookup by the fixed row ranges of the standard file: choose the range
// by the first character, scan it for the first equal identifier, then walk
// its duplicates for the first one within 200 NM. The scan's answers are
// gathered in one pass per range, which gives the same first rows.
class FixedRangeOracle {
public:
    explicit FixedRangeOracle(const NavaidTable& table) : table_(table) {
        for (std::size_t g = 0; g < 8; ++g)
            for (std::int32_t row = Ranges[g][0]; row <= Ranges[g][1]; ++row)
                firstInRange_[g].emplace(table[row].NavaidID, row);
    }

    bool lookUp(const std::string& id, ReferencePosition& reference) const {
        const auto& first = firstInRange_[range(id)];
        const auto found = first.find(id);
        if (found == first.end())
            return false;
        std::int32_t row = found->second;
        if (!(reference.lat == 0 && reference.lon == 0)) {
            for (;;) {
                if (GreatCircleDistance(reference.lat, reference.lon, table_[row].NavaidLat,
                                        table_[row].NavaidLong) < 200)
                    break;
                ++row;
                if (row > 63842 || table_[row].NavaidID != table_[row - 1].NavaidID)
                    return false;
            }
        }
        reference = {table_[row].NavaidLat, table_[row].NavaidLong};
        return true;
    }

private:
    static constexpr std::int32_t Ranges[8][2] = {{1, 8917},      {8918, 15919},  {15920, 25020},
                                                  {25021, 30907}, {30908, 38809}, {38810, 49949},
                                                  {49950, 57916}, {57917, 63842}};

    static std::size_t range(const std::string& id) {
        const std::string c = id.substr(0, 1);
        auto below = [&](const char* bound) { return runtime::lessOrdinal(c, bound); };
        if (below("L")) {
            if (below("E"))
                return below("C") ? 0 : 1;
            return below("I") ? 2 : 3;
        }
        if (below("S"))
            return below("N") ? 4 : 5;
        return below("U") ? 6 : 7;
    }

    const NavaidTable& table_;
    std::map<std::string, std::int32_t> firstInRange_[8];
};

} // namespace

TEST(LookUpNavaid, AgreesWithTheFixedRangeLookupOnTheBundledFile) {
    const NavaidTable& table = testdata::bundledNavaids();
    const FixedRangeOracle oracle(table);
    std::set<std::string> ids;
    for (std::int32_t row = 1; row <= table.size(); ++row)
        ids.insert(table[row].NavaidID);
    for (const char* absent : {"", "0", "AAAAAA", "OLM ", "olm", "ZZZZZ", "\xFF"})
        ids.insert(absent);
    ASSERT_TRUE(ids.count("OLM"));

    const ReferencePosition references[] = {
        {0, 0},           // none
        {47.45, -122.31}, // Seattle: the northern OLM
        {-0.14, -78.49},  // Quito: the southern OLM
        {50.03, 8.57},    // Frankfurt
        {-33.95, 151.18}, // Sydney
    };
    int found = 0;
    for (const ReferencePosition& start : references) {
        for (const std::string& id : ids) {
            ReferencePosition actual = start, expected = start;
            const bool got = LookUpNavaid(table, id, actual);
            ASSERT_EQ(got, oracle.lookUp(id, expected)) << id;
            ASSERT_EQ(actual, expected) << id;
            found += got;
        }
    }
    // Every identifier is found without a reference; some near each city.
    EXPECT_GT(found, static_cast<int>(ids.size()) - 7);
}

TEST(LookUpNavaid, DuplicatedOLMFollowsTheReference) {
    const NavaidTable& table = testdata::bundledNavaids();
    ReferencePosition none;
    ASSERT_TRUE(LookUpNavaid(table, "OLM", none));
    EXPECT_EQ(none, (ReferencePosition{0.163333f, -78.060556f}));

    ReferencePosition seattle{47.45, -122.31};
    ASSERT_TRUE(LookUpNavaid(table, "OLM", seattle));
    EXPECT_EQ(seattle, (ReferencePosition{46.971639f, -122.901833f}));

    ReferencePosition frankfurt{50.03, 8.57};
    EXPECT_FALSE(LookUpNavaid(table, "OLM", frankfurt));
    EXPECT_EQ(frankfurt, (ReferencePosition{50.03, 8.57}));
}

namespace {

// The reference latitude on the meridian `lon` from which a navaid at
// (navLat, lon) is exactly `distance` away, found by bisection.
double latitudeAtDistance(float navLat, double lon, float distance) {
    double far = navLat - 2 * distance / 60.0, near = navLat;
    for (int i = 0; i < 200; ++i) {
        const double mid = (far + near) / 2;
        const float d = GreatCircleDistance(mid, lon, navLat, static_cast<float>(lon));
        if (d == distance)
            return mid;
        (d > distance ? far : near) = mid;
    }
    ADD_FAILURE() << "no latitude at exactly " << distance;
    return far;
}

} // namespace

TEST(LookUpNavaid, FirstDuplicateWithin200WinsAndExactly200IsRejected) {
    // From a reference near 0, 10: X at exactly 200 NM, then 198, then 180.6.
    const NavaidTable table = parseNavaids("\"W\",0,10,0\n\"X\",3.3333333,10,1\n"
                                           "\"X\",3.3,10,2\n\"X\",3.01,10,3\n\"Y\",0,10,0\n");
    ReferencePosition at200{latitudeAtDistance(3.3333333f, 10, 200), 10};
    ASSERT_EQ(GreatCircleDistance(at200.lat, at200.lon, 3.3333333f, 10), 200.0f);

    ReferencePosition reference = at200;
    ASSERT_TRUE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{3.3f, 10})) << "row 3, not the nearer row 4";

    // A hair closer, the first row is within 200 NM.
    reference = {at200.lat + 1e-5, 10};
    ASSERT_TRUE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{3.3333333f, 10}));

    // All of them 200 NM or more away: not found, reference unchanged.
    reference = {-1, 10};
    EXPECT_FALSE(LookUpNavaid(table, "X", reference));
    EXPECT_EQ(reference, (ReferencePosition{-1, 10}));
}

TEST(LookUpNavaid, ExactIdentifiersOnly) {
    const NavaidTable table = parseNavaids(
        "\"007\",1,1,0\n\"0AB\",2,2,0\n\" SEA\",3,3,0\n\"SEA\",4,4,0\n\"sea\",5,5,0\n");
    const struct {
        const char* id;
        bool found;
        float lat;
    } cases[] = {{"007", true, 1},  {"0AB", true, 2},   {"SEA", true, 4}, {"sea", true, 5},
                 {" SEA", true, 3}, {"SEA ", false, 0}, {"00", false, 0}, {"", false, 0}};
    for (const auto& c : cases) {
        ReferencePosition reference;
        EXPECT_EQ(LookUpNavaid(table, c.id, reference), c.found) << c.id;
        EXPECT_EQ(reference.lat, c.found ? c.lat : 0) << c.id;
    }
}

TEST(LookUpNavaid, WalkEndsAtTheLastRowOfTheTable) {
    const NavaidTable table = parseNavaids("\"A\",0,0,0\n\"Z\",40,0,0\n\"Z\",45,0,0\n");
    ReferencePosition reference{0, 1};
    EXPECT_FALSE(LookUpNavaid(table, "Z", reference));
    reference = {45, 1};
    EXPECT_TRUE(LookUpNavaid(table, "Z", reference));
    EXPECT_EQ(reference, (ReferencePosition{45, 0}));
}
