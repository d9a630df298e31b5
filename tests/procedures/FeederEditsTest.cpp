#include "procedures/FeederEdits.h"
#include "procedures/ArcEdits.h"
#include "procedures/EntryRules.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace procedures;
constexpr store::Flag T = store::True;
constexpr store::Flag F = store::False;

store::RunwayWaypoint fix(std::string name, store::Flag from = F, store::Flag eop = F) {
    return {"16L", std::move(name), "", "", from, eop};
}

// The working tables of runway 16L, opened from a saved airport whose first
// feeder is ANVIL COYLA CF16L and whose second is HAROB COYLA CF16L.
struct Work {
    std::unique_ptr<store::ProcedureStore> saved = std::make_unique<store::ProcedureStore>();
    std::unique_ptr<store::ProcedureStore> work = std::make_unique<store::ProcedureStore>();
    std::int16_t feederStart = 0, lastInserted = 0;
    FixRenames renames;
    FeederTables t{work->Runways, work->RunwayCount, work->Fixes,  work->FixCount,
                   "16L",         feederStart,       lastInserted, renames};

    explicit Work(std::vector<store::RunwayWaypoint> rows = {fix("ANVIL", T), fix("COYLA"),
                                                             fix("CF16L", F, T), fix("HAROB", T),
                                                             fix("COYLA"), fix("CF16L", F, T)}) {
        for (const auto& row : rows)
            saved->Runways[++saved->RunwayCount] = row;
        for (const char* name : {"ANVIL", "COYLA", "CF16L", "HAROB"})
            saved->Fixes[++saved->FixCount] = {.TypeOfID = "(CF)",
                                               .Name = name,
                                               .HemLat = "N",
                                               .LatDeg = "47",
                                               .LatMin = "30.81",
                                               .HemLong = "W",
                                               .LongDeg = "122",
                                               .LongMin = "18.57"};
        openFeederWork(t, *saved);
    }
    std::vector<std::string> savedRows() const {
        std::vector<std::string> out;
        for (int i = 1; i <= saved->RunwayCount; ++i) {
            const auto& r = saved->Runways[i];
            out.push_back((r.FROM ? ">" : "") + r.FIX + r.Navaid + (r.EOP ? "." : ""));
        }
        return out;
    }
};

using Rows = std::vector<std::string>;

// Every feeder ends at the runway's final fix, the end of the first, once.
TEST(SaveFeederWork, EveryFeederEndsAtTheFinalFixOnce) {
    const struct {
        const char* what;
        std::function<void(FeederTables&)> edit;
        Rows rows;
        std::string notice;
    } cases[] = {
        {"unchanged", [](FeederTables&) {},
         Rows{">ANVIL", "COYLA", "CF16L.", ">HAROB", "COYLA", "CF16L."}, ""},
        {"final fix removed from the first feeder only",
         [](FeederTables& t) { removeWaypoint(t, 2); },
         Rows{">ANVIL", "COYLA.", ">HAROB", "COYLA."},
         "Every feeder of runway 16L ends at its final fix, COYLA.\r\n"
         "Saving has changed the end of feeder 2."},
        {"a feeder that ends elsewhere",
         [](FeederTables& t) {
             addFeeder(t);
             addWaypoint(t, {"SEA", "", "", {}});
         },
         Rows{">ANVIL", "COYLA", "CF16L.", ">HAROB", "COYLA", "CF16L.", ">SEA", "CF16L."}, ""},
    };
    for (const auto& c : cases) {
        Work w;
        c.edit(w.t);
        std::string notice;
        ASSERT_FALSE(saveFeederWork(w.t, *w.saved, notice)) << c.what;
        EXPECT_EQ(w.savedRows(), c.rows) << c.what;
        EXPECT_EQ(notice, c.notice) << c.what;
    }
}

TEST(SaveFeederWork, AFullTableRefusesAndChangesNothing) {
    std::vector<store::RunwayWaypoint> rows(store::RunwayCapacity - 4, {"09", "", "SEA", "", T, T});
    for (const auto& row :
         {fix("ANVIL", T), fix("CF16L", F, T), fix("HAROB", T), fix("COYLA", F, T)})
        rows.push_back(row);
    Work w(rows);
    ASSERT_EQ(w.t.entries(), 2);
    std::string notice;
    const Outcome refusal = saveFeederWork(w.t, *w.saved, notice);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, tableFullMessage("runway transition", 400, "rows"));
    EXPECT_EQ(w.saved->Runways[400].FIX, "COYLA");
    EXPECT_EQ(w.work->RunwayCount, 400);
}

TEST(AddWaypoint, RefusedInputChangesNothing) {
    const store::FixRecord noPosition{};
    const struct {
        NewWaypoint waypoint;
        std::string message;
        Field field;
    } cases[] = {
        {{"", "NEWFX", "", noPosition}, "There is no Latitude data.", Field::LatitudeDegrees},
        {{"", "NEW FX", "", noPosition}, checkName("NEW FX"), Field::FixName},
        {{"SEA", "", "6,000", {}}, "Enter only numbers please.", Field::Altitude},
        {{"SEA", "", "FL60", {}}, "Enter only numbers please.", Field::Altitude},
        {{"", "", "", {}}, "You must supply a Fix or Navaid name.", Field::Navaid},
    };
    for (const auto& c : cases) {
        Work w;
        const Outcome refusal = addWaypoint(w.t, c.waypoint);
        ASSERT_TRUE(refusal) << c.message;
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(w.work->RunwayCount + w.work->FixCount, 6 + 4) << c.message;
    }
    // A known fix keeps its definition, a new one is added with zeros.
    Work w;
    ASSERT_FALSE(addWaypoint(w.t, {"", "COYLA", "4000", {.LatDeg = "1", .LongDeg = "2"}}));
    ASSERT_FALSE(addWaypoint(w.t, {"", "NEWFX", "", {.LatDeg = "47", .LongMin = "5"}}));
    EXPECT_EQ(w.work->Fixes[2].LatDeg, "47");
    EXPECT_EQ(w.work->Fixes[5].LatMin + w.work->Fixes[5].LongDeg, "00");
    EXPECT_EQ(w.work->Runways[4], (store::RunwayWaypoint{"16L", "COYLA", "", "4000", F, F}));
    EXPECT_EQ(w.work->Runways[5], fix("NEWFX", F, T));
}

// Modify writes only what the user changed: a stored value the boxes
// cannot show whole stays as it was.
TEST(ModifyWaypoint, UntouchedBoxesKeepTheStoredValue) {
    Work w;
    store::FixRecord& coyla = w.work->Fixes[2];
    coyla = {
        .TypeOfID = "(CF)", .Name = "COYLA", .VOR = "SEATL", .VORDist = 12.25f, .Heading = 112.5f};
    const store::FixRecord before = coyla;
    ASSERT_FALSE(modifyWaypoint(w.t, 1, {.fix = FixChanges{}, .alt = "4500"}));
    EXPECT_EQ(coyla, before);
    EXPECT_EQ(w.work->Runways[2].Alt, "4500");

    ASSERT_FALSE(modifyWaypoint(w.t, 1, {.fix = FixChanges{.name = "COYLB", .heading = 90}}));
    EXPECT_EQ(coyla.Name, "COYLB");
    EXPECT_EQ(coyla.Heading, 90);
    EXPECT_EQ(coyla.VOR + coyla.TypeOfID, "SEATL(CF)");
    EXPECT_EQ(w.work->Runways[5].FIX, "COYLB");
    EXPECT_EQ(w.renames, (FixRenames{{"COYLA", "COYLB"}}));

    // Refused: a taken name, no position once the VOR is gone, a long name.
    const store::FixRecord now = coyla;
    for (const FixChanges& bad :
         {FixChanges{.name = "ANVIL"}, FixChanges{.vor = ""}, FixChanges{.name = "TOOLONGNAME"}}) {
        EXPECT_TRUE(modifyWaypoint(w.t, 1, {.fix = bad, .alt = "1"}));
        EXPECT_EQ(coyla, now);
        EXPECT_EQ(w.work->Runways[2].Alt, "");
    }
}

TEST(FeederWaypoints, MovesAndRemovalsKeepTheFlags) {
    Work w;
    ASSERT_FALSE(moveWaypoint(w.t, 2, -1));
    EXPECT_EQ(w.work->Runways[2], fix("CF16L"));
    EXPECT_EQ(w.work->Runways[3], fix("COYLA", F, T));
    EXPECT_TRUE(moveWaypoint(w.t, 2, 1));
    ASSERT_FALSE(removeWaypoint(w.t, 0));
    EXPECT_EQ(w.work->Runways[1], fix("CF16L", T));
    EXPECT_EQ(w.t.entries(), 2);
    EXPECT_FALSE(showNextFeeder(w.t));
    EXPECT_EQ(w.feederStart, 3);
    removeFeeder(w.t);
    EXPECT_EQ(w.work->RunwayCount, 2);
    EXPECT_EQ(w.feederStart, 1);
}

struct ArcWork : Work {
    ArcWork() : Work({fix("ANVIL", T, T)}) {}
    ArcRequest arc(std::string label, std::string alt = "", ArcCentre centre = {"SEA"}) {
        return {{.start = 90, .end = 110, .radius = 12, .step = 10}, centre, label, alt};
    }
};

TEST(AddArc, LabelsAndAltitudesFollowTheEntryRules) {
    const struct {
        std::string label, alt;
        Field field;
    } refused[] = {
        {"AB C", "", Field::ArcLabel},       {"AB\"C", "", Field::ArcLabel},
        {"ABCDEFGHIJ", "", Field::ArcLabel}, {"SEA", "6,000", Field::ArcAltitude},
        {"SEA", "FL60", Field::ArcAltitude}, {"SEA", "6000ft", Field::ArcAltitude},
    };
    for (const auto& c : refused) {
        ArcWork w;
        std::int16_t counter = 1;
        const Outcome refusal = addArc(w.t, w.arc(c.label, c.alt), counter);
        ASSERT_TRUE(refusal) << c.label << c.alt;
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(w.work->RunwayCount + w.work->FixCount + counter, 1 + 4 + 1);
    }
    // Nine letters and a two-digit number are too many: counted on the
    // largest number the arc uses.
    ArcWork w;
    std::int16_t counter = 9;
    EXPECT_TRUE(addArc(w.t, w.arc("ABCDEFGHI"), counter));
    EXPECT_EQ(counter, 9);
    counter = 7;
    EXPECT_FALSE(addArc(w.t, w.arc("ABCDEFGHI", "6000"), counter));
    EXPECT_EQ(w.work->Fixes[w.work->FixCount].Name, "ABCDEFGHI9");
    EXPECT_EQ(w.work->Runways[4].Alt, "6000");
}

// A second navaid of the same identifier gets its own fixes, placed from its
// own position.
TEST(AddArc, ASecondCentreOfTheSameIdentifierGetsItsOwnFixes) {
    ArcWork w;
    std::int16_t counter = 1;
    ASSERT_FALSE(addArc(w.t, w.arc("ABC", "", {"ABC", 47.45, -122.3}), counter));
    ASSERT_FALSE(addArc(w.t, w.arc("ABC", "", {"ABC", -33.5, 151.25, false}), counter));
    ASSERT_EQ(w.work->FixCount, 4 + 6);
    EXPECT_EQ(w.work->Fixes[5].VOR, "ABC");
    const store::FixRecord& far = w.work->Fixes[8];
    EXPECT_EQ(far.Name, "ABC4");
    EXPECT_EQ(far.VOR, "");
    // 12 NM east of 33 30 S along a great circle, which bends north.
    EXPECT_EQ(far.HemLat + far.LatDeg + " " + far.LatMin.substr(0, 4), "S33 29.9");
    EXPECT_EQ(far.HemLong + far.LongDeg + " " + far.LongMin.substr(0, 3), "E151 29.");
    // Again around the second: its own fixes are reused.
    ASSERT_FALSE(addArc(w.t, w.arc("ABC", "", {"ABC", -33.5, 151.25, false}), counter));
    EXPECT_EQ(w.work->FixCount, 10);
    EXPECT_EQ(w.work->Runways[w.work->RunwayCount].FIX, "ABC6");
}

} // namespace
