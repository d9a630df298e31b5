// Rules 3 and 4: focus moves, LostFocus, and clicks behind a refusal.
#include "TestScreen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

using FocusTest = ScreenTest;

TEST_F(FocusTest, LostFocusRunsAfterTheMoveByTheUserOrInCode) {
    EXPECT_TRUE(screen.IdentText.hasFocus()) << "the first control in tab order";
    h.user.click(screen.NameText);
    screen.OtherText.setFocus();
    h.user.doubleClick(screen.IdentText);
    screen.WaypointList.AddItem("SEA");
    screen.WaypointList.AddItem("OLM");
    h.user.select(screen.WaypointList, 1);
    h.user.doubleClick(screen.WaypointList, 0);
    EXPECT_THAT(screen.log,
                ElementsAre("IdentText_LostFocus, focus in NameText",
                            "NameText_LostFocus, focus in OtherText",
                            "OtherText_LostFocus, focus in IdentText", "IdentText_DblClick",
                            "IdentText_LostFocus, focus in WaypointList", "WaypointList_Click 1",
                            "WaypointList_Click 0", "WaypointList_DblClick"));
}

TEST_F(FocusTest, TwoRefusingBoxesDoNotBounceTheFocus) {
    // Each box takes the focus back when it loses it; the move made inside
    // the first LostFocus must not run the second one.
    screen.IdentText.LostFocus = [this] {
        screen.log.push_back("IdentText_LostFocus");
        screen.IdentText.setFocus();
    };
    screen.NameText.LostFocus = [this] {
        screen.log.push_back("NameText_LostFocus");
        screen.NameText.setFocus();
    };
    h.user.click(screen.NameText);
    EXPECT_TRUE(screen.IdentText.hasFocus());
    EXPECT_THAT(screen.log, ElementsAre("IdentText_LostFocus"));
}

TEST_F(FocusTest, DisabledOrHiddenControlsNeitherTakeNorKeepTheFocus) {
    // Losing the focus this way runs no LostFocus.
    screen.IdentText.setEnabled(false);
    EXPECT_EQ(h.app.focusOwner(), nullptr);
    screen.NameText.setFocus();
    screen.NameText.setVisible(false);
    EXPECT_EQ(h.app.focusOwner(), nullptr);

    screen.HemFrame.setVisible(false);
    TestScreen other(h.app, "Other");
    other.load();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&screen.IdentText, &screen.NameText,
                                                              &screen.NorthOption, &other.NameText})
        c->setFocus();
    EXPECT_EQ(h.app.focusOwner(), nullptr);

    h.user.click(screen.OkCommand);
    screen.hide();
    EXPECT_EQ(h.app.focusOwner(), nullptr);
    EXPECT_THAT(screen.log, ElementsAre("OkCommand_Click"));
}

TEST_F(FocusTest, ARefusingLostFocusStopsTheClickItInterrupted) {
    screen.refuse = &screen.IdentText;
    h.user.typeInto(screen.IdentText, "12A");
    screen.log.clear();

    h.user.click(screen.OkCommand);
    h.user.click(screen.SouthOption);
    h.user.click(screen.FloatCheck);
    h.user.select(screen.WaypointList, 0);

    EXPECT_TRUE(screen.IdentText.hasFocus());
    EXPECT_EQ(screen.IdentText.selLength(), 3);
    EXPECT_TRUE(screen.NorthOption.value());
    EXPECT_EQ(screen.FloatCheck.value(), 0);
    EXPECT_EQ(screen.WaypointList.listIndex(), -1);
    for (const std::string& line : screen.log)
        EXPECT_THAT(line, testing::StartsWith("IdentText_LostFocus")) << line;
    EXPECT_EQ(screen.log.size(), 4u);
}

// A button that leaves or cancels takes its click, or Escape, past a
// refusing box; the box is checked when the focus moves on to a control
// that checks, not when it comes back to the box itself.
TEST_F(FocusTest, ALeaveButtonTakesItsClickAndTheCheckWaits) {
    screen.refuse = &screen.IdentText;
    screen.OkCommand.makeLeaveButton();
    h.user.typeInto(screen.IdentText, "12A");
    screen.log.clear();
    h.user.click(screen.OkCommand);
    h.user.click(screen.IdentText);
    EXPECT_THAT(screen.log, ElementsAre("OkCommand_Click"));
    EXPECT_TRUE(h.app.userShortcut(screen, "Esc"));
    h.user.click(screen.NameText);
    EXPECT_THAT(screen.log, ElementsAre("OkCommand_Click", "OkCommand_Click",
                                        "IdentText_LostFocus, focus in NameText"));
    EXPECT_TRUE(screen.IdentText.hasFocus());
}

TEST_F(FocusTest, NoClickReachesADisabledControl) {
    screen.IdentText.LostFocus = [this] { screen.OkCommand.setEnabled(false); };
    h.user.click(screen.OkCommand);
    screen.HemFrame.setEnabled(false);
    h.user.click(screen.SouthOption);
    EXPECT_FALSE(screen.SouthOption.value());
    EXPECT_TRUE(screen.log.empty());
}

TEST_F(FocusTest, TabFollowsTheTabOrderSkippingWhatCannotTakeTheFocus) {
    screen.setTabOrder({&screen.IdentText, &screen.OtherText, &screen.NameText});
    screen.OtherText.setEnabled(false);
    screen.OkCommand.setTabStop(false);
    h.user.tab();
    EXPECT_TRUE(screen.NameText.hasFocus());
    h.user.tab();
    EXPECT_TRUE(screen.NorthOption.hasFocus());
    h.user.tab();
    EXPECT_TRUE(screen.FloatCheck.hasFocus()) << "one stop a group: its chosen option";
    h.user.backTab();
    EXPECT_TRUE(screen.NorthOption.hasFocus());
    h.user.backTab();
    h.user.backTab();
    EXPECT_TRUE(screen.IdentText.hasFocus());
    h.user.backTab();
    EXPECT_TRUE(screen.WaypointList.hasFocus()) << "wraps to the last";
    EXPECT_EQ(screen.log.front(), "IdentText_LostFocus, focus in NameText");
}

TEST_F(FocusTest, ShowingAnotherScreenMovesTheFocusIntoItAndBack) {
    TestScreen other(h.app, "Other");
    other.show();
    EXPECT_TRUE(other.IdentText.hasFocus());
    EXPECT_THAT(screen.log, ElementsAre("IdentText_LostFocus, focus in IdentText"));
    // Coming back, the focus returns to the control that had it.
    h.user.click(screen.NameText);
    other.hide();
    screen.OtherText.setFocus();
    other.show();
    other.NameText.setFocus();
    screen.show();
    EXPECT_TRUE(screen.OtherText.hasFocus());
}

} // namespace

namespace {

// A button's keys click it as the user would, wherever the focus is in its
// form: LostFocus first, and a refusal or a disabled button stops the click.
TEST_F(FocusTest, KeysOfAButtonClickItAfterTheFocusMoves) {
    screen.OkCommand.setShortcuts({"Ctrl+Shift+Z", "Ctrl+Y"});
    h.user.click(screen.NameText);
    screen.log.clear();
    EXPECT_FALSE(h.app.userShortcut(screen, "Ctrl+Z"));
    EXPECT_TRUE(h.app.userShortcut(screen, "Ctrl+Y"));
    screen.refuse = &screen.OtherText;
    screen.OtherText.setFocus();
    h.app.userShortcut(screen, "Ctrl+Shift+Z");
    screen.refuse = nullptr;
    screen.OkCommand.setEnabled(false);
    h.app.userShortcut(screen, "Ctrl+Y");
    EXPECT_THAT(screen.log, ElementsAre("NameText_LostFocus, focus in OkCommand", "OkCommand_Click",
                                        "OtherText_LostFocus, focus in OkCommand"));
}

// One user action, however many events it sets off inside, is one piece
// for every loaded form.
TEST_F(FocusTest, LoadedFormsHearWhereEachUserActionBeginsAndEnds) {
    struct Counting : TestScreen {
        using TestScreen::TestScreen;
        void userEventBegins() override { log.push_back("begins"); }
        void userEventEnded() override { log.push_back("ended"); }
    };
    auto& other = h.app.add<Counting>("Other");
    other.load();
    screen.OkCommand.Click = [this] { h.app.dispatch([] {}); };
    h.user.click(screen.OkCommand);
    screen.OkCommand.setToolTip("Undo: move SEA up");
    screen.unload();
    EXPECT_EQ(screen.OkCommand.toolTip(), "");
    EXPECT_THAT(other.log, ElementsAre("Form_Load", "begins", "ended", "begins", "ended"));
}

} // namespace
