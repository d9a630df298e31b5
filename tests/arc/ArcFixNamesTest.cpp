#include "arc/ArcFixNames.h"

#include <gtest/gtest.h>

namespace {

using arc::ArcPoint;
using arc::NamedArcPoint;

store::FixRecord radialFix(std::string name, std::string vor, float distance, float heading) {
    store::FixRecord fix;
    fix.Name = std::move(name);
    fix.VOR = std::move(vor);
    fix.VORDist = distance;
    fix.Heading = heading;
    return fix;
}

struct Names : ::testing::Test {
    store::FixTable fixes;
    int fixCount = 0;
    arc::ArcNaming naming{"ABC", "SEA", 1};

    void add(store::FixRecord fix) { fixes[++fixCount] = std::move(fix); }
    std::vector<NamedArcPoint> name(const std::vector<ArcPoint>& points) {
        return arc::nameArcPoints(points, naming, fixes, fixCount);
    }
};

TEST_F(Names, LabelFollowedByTheCounter) {
    const auto named = name({{90, 12}, {100, 12}, {110, 12}, {120, 12}});
    const std::vector<NamedArcPoint> expected = {{"ABC1", true, 90, 12},
                                                 {"ABC2", true, 100, 12},
                                                 {"ABC3", true, 110, 12},
                                                 {"ABC4", true, 120, 12}};
    EXPECT_EQ(named, expected);
    EXPECT_EQ(naming.counter, 5);
}

TEST_F(Names, PointOnAnExistingFixReusesItAndStillTakesACounterValue) {
    add(radialFix("ARC7", "SEA", 12, 100));
    const auto named = name({{90, 12}, {100, 12}, {110, 12}});
    ASSERT_EQ(named.size(), 3u);
    EXPECT_EQ(named[1], (NamedArcPoint{"ARC7", false, 100, 12}));
    EXPECT_EQ(named[2].fix, "ABC3");
    EXPECT_EQ(naming.counter, 4);
}

TEST_F(Names, AFixOfAnotherNavaidOrDistanceIsNoMatch) {
    add(radialFix("OTHER1", "SEX", 12, 90));
    add(radialFix("OTHER2", "SEA", 13, 90));
    const auto named = name({{90, 12}});
    EXPECT_EQ(named[0], (NamedArcPoint{"ABC1", true, 90, 12}));
}

TEST_F(Names, MatchesOnTheHeadingAsItWouldBeStored) {
    add(radialFix("MYFIX", "SEA", 12, 93.3f));
    const auto named = name({{93.333336f, 12}});
    EXPECT_EQ(named[0], (NamedArcPoint{"MYFIX", false, 93.3f, 12}));
}

TEST_F(Names, TakenNameIsReplacedByTheNextCounterValue) {
    add(radialFix("ABC2", "SEA", 5, 10));
    add(radialFix("ABC3", "SEA", 5, 20));
    const auto named = name({{90, 12}, {100, 12}, {110, 12}});
    ASSERT_EQ(named.size(), 3u);
    EXPECT_EQ(named[0].fix, "ABC1");
    EXPECT_EQ(named[1].fix, "ABC4");
    EXPECT_EQ(named[2].fix, "ABC5");
    EXPECT_EQ(naming.counter, 6);
}

TEST_F(Names, PointsOfTheSameArcSeeEachOther) {
    // A full circle ends where it began: the last point is the first fix.
    const auto named = name({{90, 12}, {270, 12}, {90, 12}});
    ASSERT_EQ(named.size(), 3u);
    EXPECT_EQ(named[2], (NamedArcPoint{"ABC1", false, 90, 12}));
    EXPECT_EQ(naming.counter, 4);
}

} // namespace
