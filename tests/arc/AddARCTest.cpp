#include "ArcScreenFixture.h"

namespace {

using arctest::ArcScreens;

struct FourArcs {
    const char* what;
    ArcScreens::Arc arc;
    std::vector<float> headings;
};

class ArcTransfer : public ArcScreens, public ::testing::WithParamInterface<FourArcs> {};

TEST_P(ArcTransfer, PointsEndTheFeederAsNewRadialFixes) {
    const FourArcs& c = GetParam();
    makeArc(c.arc);

    EXPECT_FALSE(arcForm.isLoaded()) << c.what;
    const int n = static_cast<int>(c.headings.size());
    std::vector<std::string> expectedList = {"SEA", "OLM"};
    for (int i = 1; i <= n; ++i)
        expectedList.push_back("SEA" + std::to_string(i));
    EXPECT_EQ(listEntries(), expectedList);

    ASSERT_EQ(m->WorkFixCount, n);
    for (int i = 1; i <= n; ++i) {
        store::FixRecord expected = arctest::radialFix("SEA" + std::to_string(i), "SEA", 12,
                                                       c.headings[static_cast<size_t>(i - 1)]);
        expected.IsArcPoint = store::True;
        EXPECT_EQ(m->WorkFixes[i], expected) << c.what << " point " << i;
        EXPECT_EQ(m->WorkRunways[2 + i],
                  (store::RunwayWaypoint{"16C", "SEA" + std::to_string(i), "", "8000", store::False,
                                         store::False}));
    }
    // The next runway's rows moved up behind the arc.
    EXPECT_EQ(m->WorkRunwayCount, 3 + n);
    EXPECT_EQ(m->WorkRunways[3 + n].ID, "34R");
    EXPECT_EQ(m->LastInsertedRow, 2 + n);
    EXPECT_EQ(m->ArcCounter, n + 1);
    EXPECT_EQ(m->Store.FixesDefined, store::True);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcTransfer,
    ::testing::Values(
        FourArcs{
            "90-120 right", {"90", "120", "12", true, "10", false, "8000"}, {90, 100, 110, 120}},
        FourArcs{"350-10 right", {"350", "10", "12", true, "10", false, "8000"}, {350, 360, 10}},
        FourArcs{"10-350 left", {"10", "350", "12", false, "10", false, "8000"}, {10, 0, 350}},
        FourArcs{"90-120 right step 7",
                 {"90", "120", "12", true, "7", false, "8000"},
                 {90, 97.5f, 105, 112.5f, 120}}));

TEST_F(ArcScreens, TurnInPointTwoInsideOnTheLastRadial) {
    makeArc({"90", "120", "12", true, "10", true, ""});
    ASSERT_EQ(m->WorkFixCount, 5);
    EXPECT_EQ(m->WorkFixes[4].Heading, 120.0f);
    EXPECT_EQ(m->WorkFixes[4].VORDist, 12.0f);
    EXPECT_EQ(m->WorkFixes[5].Name, "SEA5");
    EXPECT_EQ(m->WorkFixes[5].Heading, 120.0f);
    EXPECT_EQ(m->WorkFixes[5].VORDist, 10.0f);
    EXPECT_EQ(listEntries().back(), "SEA5");
}

TEST_F(ArcScreens, PointOnAnExistingFixReusesItsNameAndAddsNoFix) {
    m->WorkFixes[1] = arctest::radialFix("HUMPP", "SEA", 12, 100);
    m->WorkFixCount = 1;
    makeArc({"90", "120", "12", true, "10", false, ""});
    EXPECT_EQ(listEntries(),
              (std::vector<std::string>{"SEA", "OLM", "SEA1", "HUMPP", "SEA3", "SEA4"}));
    EXPECT_EQ(m->WorkFixCount, 4);
    EXPECT_EQ(m->WorkFixes[1].Name, "HUMPP");
    EXPECT_EQ(m->WorkFixes[3].Name, "SEA3");
    EXPECT_EQ(m->WorkRunways[4].FIX, "HUMPP");
}

TEST_F(ArcScreens, LaterArcsContinueTheNumberingAndKeepTheStepAngle) {
    // A 10 degree sweep at step 7.5 is one step: two points.
    makeArc({"90", "100", "12", true, "7.5", false, ""});
    EXPECT_EQ(m->StepAngle, "7.5");
    openArc();
    EXPECT_EQ(arcForm.StepAngleText.text(), "7.5");
    // Design state again: the label waits for a navaid, no direction chosen.
    EXPECT_FALSE(arcForm.ArcText.visible());
    EXPECT_FALSE(arcForm.RightOption.value());
    t.app.dispatch([&] { arcForm.unload(); });

    makeArc({"200", "210", "12", true, "10", false, ""});
    EXPECT_EQ(listEntries(),
              (std::vector<std::string>{"SEA", "OLM", "SEA1", "SEA2", "SEA3", "SEA4"}));
}

TEST_F(ArcScreens, TypedLabelNamesThePointsUpperCasedAndTheNavaidStaysTheCentre) {
    openArc();
    chooseNavaid("SEA");
    t.user.replaceText(arcForm.ArcText, "arc");
    fillIn({"90", "100", "12", true, "10", false, ""});
    EXPECT_EQ(arcForm.ArcText.text(), "ARC");
    t.user.click(arcForm.TransferCommand);
    EXPECT_EQ(m->WorkFixes[1].Name, "ARC1");
    EXPECT_EQ(m->WorkFixes[1].VOR, "SEA");
}

TEST_F(ArcScreens, OpenShowsTheStepAngleAndHidesTheLabel) {
    m->StepAngle = " 10 ";
    openArc();
    EXPECT_EQ(arcForm.caption(), "ARC Designer");
    EXPECT_EQ(arcForm.StepAngleText.text(), " 10 ");
    EXPECT_FALSE(arcForm.ArcText.visible());
    EXPECT_FALSE(arcForm.Label4.visible());
    EXPECT_FALSE(arcForm.LeftOption.value());
    EXPECT_FALSE(arcForm.RightOption.value());
    EXPECT_TRUE(arcForm.TurnInOptionNo.value());

    t.user.click(arcForm.SelectNavaidCommand);
    EXPECT_TRUE(search.visible());
}

TEST_F(ArcScreens, ExitGeneratesNothingAndClosesTheSearchToo) {
    openArc();
    chooseNavaid("SEA");
    fillIn({"90", "120", "12", true, "10", false, ""});
    t.user.click(arcForm.SelectNavaidCommand);
    t.user.click(arcForm.ExitCommand);
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(m->WorkRunwayCount, 3);
    EXPECT_EQ(m->WorkFixCount, 0);
    EXPECT_EQ(listEntries().size(), 2u);
    EXPECT_EQ(m->ArcCounter, 1);
}

TEST_F(ArcScreens, TransitionEditorClosedMeanwhileTakesNothing) {
    openArc();
    chooseNavaid("SEA");
    fillIn({"90", "120", "12", true, "10", false, ""});
    t.app.dispatch([&] { editor.unload(); });
    t.user.click(arcForm.TransferCommand);
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_EQ(m->WorkRunwayCount, 3);
    EXPECT_EQ(m->WorkFixCount, 0);
    EXPECT_EQ(m->ArcCounter, 1);
}

// Leaving a box with a value it refuses: the message, and the box keeps the
// focus with its text selected.
struct BoxCase {
    const char* box;
    const char* typed;
    const char* message; // nullptr: accepted
};

class LeavingABox : public ArcScreens, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(LeavingABox, ChecksItsText) {
    const BoxCase& c = GetParam();
    openArc();
    auto& box = dynamic_cast<ui::TextBox&>(*arcForm.find(c.box));
    t.user.replaceText(box, c.typed);
    if (c.message != nullptr)
        t.messages.expectNotice(c.message);
    t.user.click(arcForm.ArcAltText);
    t.messages.verify();
    if (c.message != nullptr) {
        EXPECT_TRUE(box.hasFocus()) << c.box;
        EXPECT_EQ(box.selLength(), static_cast<int>(box.text().size())) << c.box;
    } else {
        EXPECT_TRUE(arcForm.ArcAltText.hasFocus()) << c.box;
    }
}

const char* const Above360 =
    "This value must be less than or equal to 360.\r\n                       Please correct.";
const char* const Numbers = "Enter only numbers please.";

INSTANTIATE_TEST_SUITE_P(
    Boxes, LeavingABox,
    ::testing::Values(
        BoxCase{"ArcStartText", "400", Above360}, BoxCase{"ArcStartText", "36O", Numbers},
        BoxCase{"ArcStartText", "360", nullptr}, BoxCase{"ArcStartText", "-10", nullptr},
        BoxCase{"ArcEndText", "360.5", Above360}, BoxCase{"ArcEndText", "1e2", Numbers},
        BoxCase{"ArcEndText", "\b", nullptr}, BoxCase{"ArcRadiusText", "12nm", Numbers},
        BoxCase{"ArcRadiusText", "\b", nullptr},
        BoxCase{"StepAngleText", "\b", "There must be a Step Angle."},
        BoxCase{"StepAngleText", "ten", Numbers}, BoxCase{"StepAngleText", " 5 ", nullptr}));

// Transfer refused: the message, the focus where it points, nothing added.
struct Refusal {
    const char* what;
    bool navaid;
    ArcScreens::Arc arc;
    const char* message;
    const char* focus; // nullptr: stays on the transfer button
};

class TransferRefused : public ArcScreens, public ::testing::WithParamInterface<Refusal> {};

TEST_P(TransferRefused, SaysWhyAndAddsNothing) {
    const Refusal& c = GetParam();
    openArc();
    if (c.navaid)
        chooseNavaid("SEA");
    fillIn(c.arc);
    t.messages.expectNotice(c.message);
    t.user.click(arcForm.TransferCommand);
    t.messages.verify();

    const ui::Control* focus = t.app.focusOwner();
    ASSERT_NE(focus, nullptr) << c.what;
    EXPECT_EQ(focus->name(), c.focus ? c.focus : "TransferCommand") << c.what;
    EXPECT_TRUE(arcForm.visible());
    EXPECT_EQ(listEntries().size(), 2u);
    EXPECT_EQ(m->WorkRunwayCount, 3);
    EXPECT_EQ(m->WorkFixCount, 0);
    EXPECT_EQ(m->ArcCounter, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, TransferRefused,
    ::testing::Values(
        Refusal{"no navaid",
                false,
                {.start = "90", .end = "120", .radius = "12"},
                "You have not selected a Navaid.\r\n                  Please Correct.",
                "ArcStartText"},
        Refusal{"no start",
                true,
                {.start = "\b", .end = "120", .radius = "12"},
                "You have not typed in the Arc starting radial.\r\n           Please Complete.",
                "ArcStartText"},
        Refusal{"no end",
                true,
                {.start = "90", .end = "\b", .radius = "12"},
                "You have not typed in the Arc ending radial.\r\n          Please Complete.",
                "ArcEndText"},
        Refusal{"no radius",
                true,
                {.start = "90", .end = "120", .radius = "\b"},
                "You have not typed in the Arc radius.\r\n        Please Complete.",
                "ArcRadiusText"},
        Refusal{"step 0",
                true,
                {.start = "90", .end = "120", .radius = "12", .step = "0"},
                "The Step Angle must be greater than 0.\r\nPlease Correct.",
                "StepAngleText"},
        Refusal{"negative step",
                true,
                {.start = "90", .end = "120", .radius = "12", .right = false, .step = "-5"},
                "The Step Angle must be greater than 0.\r\nPlease Correct.",
                "StepAngleText"},
        Refusal{"negative start",
                true,
                {.start = "-10", .end = "120", .radius = "12"},
                "An Arc radial cannot be less than 0.\r\nPlease Correct.",
                "ArcStartText"},
        Refusal{"negative end",
                true,
                {.start = "90", .end = "-5", .radius = "12"},
                "An Arc radial cannot be less than 0.\r\nPlease Correct.",
                "ArcEndText"},
        Refusal{"start equal to end going left",
                true,
                {.start = "90", .end = "90", .radius = "12", .right = false},
                "The Arc starting and ending radials are the same.\r\nThere is no Arc to "
                "create.",
                "ArcEndText"},
        Refusal{"turn-in at radius 2",
                true,
                {.start = "90", .end = "120", .radius = "2", .turnIn = true},
                "The Arc radius must be more than 2 for a Turn-in.\r\nPlease Correct.",
                "ArcRadiusText"},
        Refusal{"radius beyond single precision",
                true,
                {.start = "90", .end = "120", .radius = "1" + std::string(40, '0')},
                "The Arc radius is too large.\r\nPlease Correct.",
                "ArcRadiusText"}));

TEST_F(ArcScreens, TransferWithoutDirectionSaysSoAndLeavesTheFocus) {
    openArc();
    chooseNavaid("SEA");
    t.user.replaceText(arcForm.ArcStartText, "90");
    t.user.replaceText(arcForm.ArcEndText, "120");
    t.user.replaceText(arcForm.ArcRadiusText, "12");
    t.messages.expectNotice(
        "You have not selected a turn direction.\r\n                  Please Correct.");
    t.user.click(arcForm.TransferCommand);
    EXPECT_TRUE(arcForm.TransferCommand.hasFocus());
    EXPECT_EQ(m->WorkRunwayCount, 3);
}

TEST_F(ArcScreens, ArcThatWouldOverflowTheRunwayRowsIsRefused) {
    m->WorkRunwayCount = 397; // three rows left, four points
    t.messages.expectNotice("There is no room for this ARC: the runway table holds 400 rows."
                            "\r\nNothing has been added.");
    makeArc({"90", "120", "12", true, "10", false, ""});
    t.messages.verify();
    EXPECT_TRUE(arcForm.visible());
    EXPECT_EQ(m->WorkRunwayCount, 397);
    EXPECT_EQ(listEntries().size(), 2u);
    EXPECT_EQ(m->ArcCounter, 1);

    m->WorkRunwayCount = 396;
    t.user.click(arcForm.TransferCommand);
    EXPECT_EQ(m->WorkRunwayCount, 400);
    EXPECT_EQ(m->WorkRunways[6].FIX, "SEA4");
    EXPECT_EQ(m->WorkRunways[7].ID, "34R");
}

TEST_F(ArcScreens, ArcThatWouldOverflowTheFixesIsRefused) {
    for (int row = 1; row <= 697; ++row)
        m->WorkFixes[row] = arctest::radialFix("F" + std::to_string(row), "OLM", 1, 1);
    m->WorkFixCount = 697;
    t.messages.expectNotice("There is no room for this ARC: the fix table holds 700 fixes."
                            "\r\nNothing has been added.");
    makeArc({"90", "120", "12", true, "10", false, ""});
    t.messages.verify();
    EXPECT_EQ(m->WorkFixCount, 697);
    EXPECT_EQ(m->WorkRunwayCount, 3);

    // With one of the points on a known fix, three new ones fit.
    m->WorkFixes[697] = arctest::radialFix("KNOWN", "SEA", 12, 110);
    t.user.click(arcForm.TransferCommand);
    EXPECT_EQ(m->WorkFixCount, 700);
    EXPECT_EQ(listEntries()[4], "KNOWN");
}

} // namespace
