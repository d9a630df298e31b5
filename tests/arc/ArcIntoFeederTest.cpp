// The arc generator together with the real transition editor: Create ARC,
// the points at the end of the feeder with its flags, and the save.
#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "shell/Module1.h"
#include "support/TestApp.h"
#include "transitions/RunwayForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

store::RunwayWaypoint row(std::string id, std::string fix, std::string navaid, std::string alt,
                          store::Flag from, store::Flag eop) {
    return {std::move(id), std::move(fix), std::move(navaid), std::move(alt), from, eop};
}

struct ArcIntoFeeder : ::testing::Test {
    support::TestApp t;
    std::unique_ptr<shell::Module1> m = std::make_unique<shell::Module1>();
    transitions::RunwayForm& runwayForm = t.app.add<transitions::RunwayForm>(*m);
    arc::AddARC& arcForm = t.app.add<arc::AddARC>(*m);
    arc::FindWaypointForm& search = t.app.add<arc::FindWaypointForm>(*m);

    ArcIntoFeeder() {
        m->NavaidTable = reference::NavaidTable({{"SEA", 47.435361f, -122.309611f, 116.8f}});
        m->EditMode = "S";
        m->Store.Runways[1] = row("16C", "", "SEA", "", store::True, store::False);
        m->Store.Runways[2] = row("16C", "", "OLM", "", store::False, store::True);
        m->Store.Runways[3] = row("34R", "", "SEA", "", store::True, store::True);
        m->Store.RunwayCount = 3;
    }
    void open(const std::string& runway) {
        m->TransitionRunway = runway;
        t.user.start(runwayForm);
    }
};

TEST_F(ArcIntoFeeder, PointsEndTheFeederAndAreSavedWithIt) {
    open("16C");
    t.user.click(runwayForm.AddArcCommand);
    ASSERT_TRUE(arcForm.visible());

    t.user.click(arcForm.SelectNavaidCommand);
    t.user.typeInto(search.SearchText, "sea");
    t.user.click(search.SearchCommand);
    t.user.click(search.AddWaypoint);
    t.user.typeInto(arcForm.ArcStartText, "90");
    t.user.typeInto(arcForm.ArcEndText, "120");
    t.user.typeInto(arcForm.ArcRadiusText, "12");
    t.user.typeInto(arcForm.ArcAltText, "6000");
    t.user.click(arcForm.RightOption);
    t.user.click(arcForm.TurnInOptionYes);
    t.user.click(arcForm.TransferCommand);
    ASSERT_FALSE(arcForm.isLoaded());

    ASSERT_EQ(runwayForm.RWWaypointList.ListCount(), 7);
    EXPECT_EQ(runwayForm.RWWaypointList.List(6), "SEA5");
    t.user.click(runwayForm.RWSaveCommand);

    const store::RunwayTable& rows = m->Store.Runways;
    ASSERT_EQ(m->Store.RunwayCount, 8);
    EXPECT_EQ(rows[1], row("16C", "", "SEA", "", store::True, store::False));
    EXPECT_EQ(rows[3], row("16C", "SEA1", "", "6000", store::False, store::False));
    EXPECT_EQ(rows[7], row("16C", "SEA5", "", "6000", store::False, store::True));
    EXPECT_EQ(rows[8], row("34R", "", "SEA", "", store::True, store::True));
    ASSERT_EQ(m->Store.FixCount, 5);
    EXPECT_EQ(m->Store.Fixes[5].Name, "SEA5");
    EXPECT_EQ(m->Store.Fixes[5].VOR, "SEA");
    EXPECT_EQ(m->Store.Fixes[5].VORDist, 10.0f);
    EXPECT_EQ(m->Store.Fixes[5].Heading, 120.0f);
    EXPECT_EQ(m->Store.Fixes[5].IsArcPoint, store::True);
}

TEST_F(ArcIntoFeeder, CreateArcWithAnEmptyListSaysSoAndOpensNothing) {
    open("16L");
    t.messages.expectNotice("There must be at least one waypoint entered into\r\n"
                            "the List of Waypoint box before an ARC can be created.");
    t.user.click(runwayForm.AddArcCommand);
    t.messages.verify();
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_TRUE(runwayForm.RWAddNavText.hasFocus());
}

} // namespace
