#include "procedures/FixCatalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using procedures::FixCatalogue;

store::FixRecord latLon(const std::string& name) {
    return {"", name, "N", "47", "5.5", "W", "122", "1.25", "", 0, 0, 0};
}

// Each edit either changes the tables completely or not at all.
TEST(FixCatalogue, AppendRenameRedefineOrNothing) {
    auto s = std::make_unique<store::ProcedureStore>();
    std::int32_t count = 0;
    FixCatalogue fixes(s->Fixes, count);
    ASSERT_FALSE(fixes.append(latLon("HAROB")));
    ASSERT_FALSE(fixes.append({"", "SEA090", "", "", "", "", "", "", "SEA", 12, 90, 0}));

    store::FixRecord noLongitude = latLon("X");
    noLongitude.LongDeg = noLongitude.LongMin = "";
    const struct {
        store::FixRecord fix;
        std::string refusal;
    } refusedAppends[] = {
        {latLon("HAROB"), "There is already a fix named HAROB."},
        {latLon("AB C"), "cannot hold spaces or quotes"},
        {latLon("ABCDEFGHIJK"), "at most 10 characters"},
        {latLon(""), "The fix name is missing."},
        {{"", "Y", "N", "", "", "W", "", "", "", 0, 0, 0}, "There is no Latitude data."},
        {noLongitude, "There is no Longitude data."},
    };
    for (const auto& row : refusedAppends) {
        const auto refusal = fixes.append(row.fix);
        ASSERT_TRUE(refusal) << row.fix.Name;
        EXPECT_NE(refusal->message.find(row.refusal), std::string::npos) << refusal->message;
    }
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(s->Fixes[3].Name.empty());

    // A rename reaches every row that names the fix; a taken name changes nothing.
    s->SIDs[1] = {.Name = "A", .Fix = "HAROB"};
    s->SIDs[2] = {.Name = "A", .InterceptFix = "HAROB"};
    s->STARs[1] = {"S", "HAROB", "", "", 0, 1};
    s->Runways[1] = {"16L", "HAROB", "", "", 0, -1};
    const procedures::FixUsers users{&s->SIDs, &s->STARs, &s->Runways};
    const auto taken = fixes.rename(1, "SEA090", users);
    ASSERT_TRUE(taken);
    EXPECT_EQ(s->Fixes[1].Name + s->SIDs[1].Fix, "HAROBHAROB");
    ASSERT_FALSE(fixes.rename(1, "ARVAD", users));
    EXPECT_EQ(s->Fixes[1].Name + s->SIDs[1].Fix + s->SIDs[2].InterceptFix + s->STARs[1].Fix +
                  s->Runways[1].FIX,
              "ARVADARVADARVADARVADARVAD");
    EXPECT_EQ(fixes.find("ARVAD"), 1);
    EXPECT_EQ(fixes.find("HAROB"), 0);

    // A definition without a position is refused; a good one keeps the name.
    EXPECT_TRUE(fixes.redefine(2, noLongitude));
    EXPECT_EQ(s->Fixes[2].VOR, "SEA");
    ASSERT_FALSE(fixes.redefine(2, latLon("OTHER")));
    EXPECT_EQ(s->Fixes[2].Name + s->Fixes[2].VOR + s->Fixes[2].LatDeg, "SEA09047");

    std::int32_t full = store::FixCapacity;
    FixCatalogue fullTable(s->Fixes, full);
    const auto refusal = fullTable.append(latLon("NEW"));
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("table is full"), std::string::npos);
}

} // namespace
