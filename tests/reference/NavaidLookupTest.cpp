#include "reference/NavaidLookup.h"
#include "reference/GreatCircle.h"
#include "reference/NavaidTable.h"

#include <gtest/gtest.h>

using reference::GreatCircleDistance;
using reference::LookUpNavaid;
using reference::NavaidTable;
using reference::ReferencePosition;

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
