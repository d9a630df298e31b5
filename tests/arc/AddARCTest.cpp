#include "ArcScreenFixture.h"

#include "procedures/EntryRules.h"

namespace {

using arctest::ArcScreens;
using arctest::entries;

struct ArcCase {
    ArcScreens::Arc arc;
    std::vector<std::pair<float, float>> points; // heading as stored, distance
};

class ArcTransfer : public ArcScreens, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ArcTransfer, PointsEndTheFeederAsNewRadialFixes) {
    const ArcCase& c = GetParam();
    makeArc(c.arc);
    EXPECT_FALSE(arcForm.isLoaded());
    const int n = static_cast<int>(c.points.size());
    std::vector<std::string> list = {"SEA", "OLM"};
    ASSERT_EQ(m->WorkFixCount, n) << c.arc.start << "-" << c.arc.end;
    for (int i = 1; i <= n; ++i) {
        list.push_back("SEA" + std::to_string(i));
        const auto [heading, distance] = c.points[static_cast<std::size_t>(i - 1)];
        const store::FixRecord expected{.Name = list.back(),
                                        .VOR = "SEA",
                                        .VORDist = distance,
                                        .Heading = heading,
                                        .IsArcPoint = store::True};
        EXPECT_EQ(m->WorkFixes[i], expected) << c.arc.start << "-" << c.arc.end << " point " << i;
        EXPECT_EQ(m->WorkRunways[2 + i].FIX, list.back());
    }
    EXPECT_EQ(entries(editor.RWWaypointList), list);
    // The next runway's rows moved on behind the arc.
    EXPECT_EQ(m->WorkRunways[3 + n].ID, "34R");
    EXPECT_EQ(m->ArcCounter, n + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcTransfer,
    ::testing::Values(ArcCase{{"90", "120", "12"}, {{90, 12}, {100, 12}, {110, 12}, {120, 12}}},
                      ArcCase{{"350", "10", "12"}, {{350, 12}, {360, 12}, {10, 12}}},
                      ArcCase{{"10", "350", "12", 'L'}, {{10, 12}, {0, 12}, {350, 12}}},
                      ArcCase{{"90", "120", "12", 'R', "7"},
                              {{90, 12}, {97.5f, 12}, {105, 12}, {112.5f, 12}, {120, 12}}},
                      // The turn-in point: 2 NM inside the last one, on the same radial.
                      ArcCase{{"90", "120", "12", 'R', "10", true},
                              {{90, 12}, {100, 12}, {110, 12}, {120, 12}, {120, 10}}},
                      // A sweep smaller than the step is one step.
                      ArcCase{{"90", "95", "12"}, {{90, 12}, {95, 12}}},
                      ArcCase{{"340", "0", "12"}, {{340, 12}, {350, 12}, {360, 12}}},
                      // Steps that do not add up still end on the end radial.
                      ArcCase{{"90", "100", "12", 'R', "3"},
                              {{90, 12}, {93.3f, 12}, {96.7f, 12}, {100, 12}}}));

// Transfer refused: the message, the focus where it points, nothing added.
struct Refusal {
    ArcScreens::Arc arc;
    const char* message;
    const char* focus = "TransferCommand";
    int runwayRows = 3;
    int fixes = 0;
    bool navaid = true;
};

class TransferRefused : public ArcScreens, public ::testing::WithParamInterface<Refusal> {};

TEST_P(TransferRefused, SaysWhyAndAddsNothing) {
    const Refusal& c = GetParam();
    fill(c.runwayRows, c.fixes);
    openArc();
    if (c.navaid)
        chooseNavaid("SEA");
    fillIn(c.arc);
    t.messages.expectNotice(c.message);
    t.user.click(arcForm.TransferCommand);
    t.messages.verify();
    ASSERT_NE(t.app.focusOwner(), nullptr);
    EXPECT_EQ(t.app.focusOwner()->name(), c.focus) << c.message;
    EXPECT_TRUE(arcForm.visible());
    EXPECT_EQ(editor.RWWaypointList.ListCount(), 2);
    EXPECT_EQ(m->WorkRunwayCount, c.runwayRows);
    EXPECT_EQ(m->WorkFixCount, c.fixes);
    EXPECT_EQ(m->ArcCounter, 1);
}

const char* const NoStep = "The Step Angle must be greater than 0.\r\nPlease Correct.";
const char* const BelowZero = "An Arc radial cannot be less than 0.\r\nPlease Correct.";
const char* const NoSweep =
    "The Arc starting and ending radials are the same.\r\nThere is no Arc to create.";
const char* const NoRows =
    "There is no room for this ARC: the runway table holds 400 rows.\r\nNothing has been added.";

INSTANTIATE_TEST_SUITE_P(
    Checks, TransferRefused,
    ::testing::Values(
        Refusal{.arc = {"90", "120", "12"},
                .message = "You have not selected a Navaid.\r\n                  Please Correct.",
                .focus = "ArcStartText",
                .navaid = false},
        Refusal{{"\b", "120", "12"},
                "You have not typed in the Arc starting radial.\r\n           Please Complete.",
                "ArcStartText"},
        Refusal{{"90", "\b", "12"},
                "You have not typed in the Arc ending radial.\r\n          Please Complete.",
                "ArcEndText"},
        Refusal{{"90", "120", "\b"},
                "You have not typed in the Arc radius.\r\n        Please Complete.",
                "ArcRadiusText"},
        Refusal{{"90", "120", "12", 0},
                "You have not selected a turn direction.\r\n                  Please Correct."},
        Refusal{{"90", "120", "12", 'R', "0"}, NoStep, "StepAngleText"},
        Refusal{{"90", "120", "12", 'L', "-5"}, NoStep, "StepAngleText"},
        Refusal{{"-10", "120", "12"}, BelowZero, "ArcStartText"},
        Refusal{{"90", "-5", "12"}, BelowZero, "ArcEndText"},
        Refusal{{"90", "90", "12", 'L'}, NoSweep, "ArcEndText"},
        Refusal{{"0", "360", "12", 'L'}, NoSweep, "ArcEndText"},
        Refusal{{"360", "0", "12", 'R'}, NoSweep, "ArcEndText"},
        Refusal{{"90", "120", "2", 'R', "10", true},
                "The Arc radius must be more than 2 for a Turn-in.\r\nPlease Correct.",
                "ArcRadiusText"},
        Refusal{{"90", "120", "1" + std::string(40, '0')},
                "The Arc radius is too large.\r\nPlease Correct.",
                "ArcRadiusText"},
        // Four points: three rows or three new fixes left.
        Refusal{.arc = {"90", "120", "12"}, .message = NoRows, .runwayRows = 397},
        Refusal{.arc = {"90", "120", "12"},
                .message = "There is no room for this ARC: the fix table holds 700 fixes."
                           "\r\nNothing has been added.",
                .fixes = 697},
        // A step too small for any table is counted, not walked.
        Refusal{{"0", "350", "12", 'R', "0.00000000001"}, NoRows}));

TEST_F(ArcScreens, ArcFillingBothTablesExactlyReusesAKnownFixAndSkipsATakenName) {
    fill(396, 695);
    m->Store.Fixes[696] = {.Name = "SEA2", .VOR = "OLM", .VORDist = 5};
    m->Store.Fixes[697] = {.Name = "KNOWN", .VOR = "SEA", .VORDist = 12, .Heading = 110};
    m->Store.FixCount = 697;
    makeArc({"90", "120", "12"});
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_EQ(m->WorkRunwayCount, 400);
    EXPECT_EQ(m->WorkFixCount, 700);
    EXPECT_EQ(entries(editor.RWWaypointList),
              (std::vector<std::string>{"SEA", "OLM", "SEA1", "SEA3", "KNOWN", "SEA5"}));
}

// The label and altitude follow the rules of every name and altitude box.
TEST_F(ArcScreens, LeavingABoxWithABadValueKeepsTheFocusThere) {
    const std::vector<std::tuple<ui::TextBox*, const char*, std::string>> cases = {
        {&arcForm.ArcStartText, "400",
         "This value must be less than or equal to 360.\r\n                       Please correct."},
        {&arcForm.ArcRadiusText, "12nm", "Enter only numbers please."},
        {&arcForm.StepAngleText, "\b", "There must be a Step Angle."},
        {&arcForm.ArcEndText, "-10", ""},
        {&arcForm.ArcText, "AB C", procedures::checkName(" ")},
        {&arcForm.ArcText, "ABCDEFGHIJ", procedures::checkArcLabel("ABCDEFGHIJ", 1)},
        {&arcForm.ArcAltText, "6,000", "Enter only numbers please."},
    };
    openArc();
    chooseNavaid("SEA");
    for (const auto& [box, typed, message] : cases) {
        const std::string before = box->text();
        t.user.replaceText(*box, typed);
        if (!message.empty())
            t.messages.expectNotice(message);
        ui::TextBox& other = box == &arcForm.ArcAltText ? arcForm.ArcStartText : arcForm.ArcAltText;
        t.user.click(other);
        t.messages.verify();
        EXPECT_TRUE(!message.empty() ? box->selLength() == static_cast<int>(box->text().size()) &&
                                           box->hasFocus()
                                     : other.hasFocus())
            << typed;
        t.user.replaceText(*box, before.empty() ? "10" : before);
    }
}

// They work on its tables: a later transfer would go to another runway.
TEST_F(ArcScreens, ArcAndSearchCloseWithTheTransitionEditor) {
    openArc();
    t.user.click(arcForm.SelectNavaidCommand);
    ASSERT_TRUE(search.isLoaded());
    t.user.click(editor.RWOopsCommand);
    EXPECT_FALSE(arcForm.isLoaded() || search.isLoaded());
    EXPECT_EQ(m->ArcCounter, 1);
}

TEST_F(ArcScreens, CreateArcWithAnEmptyListSaysSoAndOpensNothing) {
    m->TransitionRunway = "16L";
    t.messages.expectNotice("There must be at least one waypoint entered into\r\n"
                            "the List of Waypoint box before an ARC can be created.");
    openArc();
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_TRUE(editor.RWAddNavText.hasFocus());
}

} // namespace
