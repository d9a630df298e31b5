// Rules 1 and 2: assigning and typing text, Enter.
#include "TestScreen.h"

#include "support/TestApp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

struct TextBoxTest : testing::Test {
    TextBoxTest() {
        h.user.start(screen);
        screen.log.clear();
    }
    support::TestApp h;
    TestScreen screen{h.app};
};

TEST_F(TextBoxTest, AssignedTextIsCutToMaxLengthAndChangeFiresOnlyOnRealChange) {
    struct Case {
        int maxLength;
        std::string before, assigned, after;
        bool change;
    };
    const Case cases[] = {
        {4, "", "KSEA", "KSEA", true},          {4, "", "KSEATTLE", "KSEA", true},
        {4, "KSEA", "KSEATTLE", "KSEA", false}, {4, "KSEA", "KSEA", "KSEA", false},
        {0, "", "KSEATTLE", "KSEATTLE", true},  {4, "KS", "", "", true},
    };
    for (const Case& c : cases) {
        screen.NameText.setMaxLength(0);
        screen.NameText.setText(c.before);
        screen.NameText.setMaxLength(c.maxLength);
        screen.log.clear();
        screen.NameText.setText(c.assigned);
        EXPECT_EQ(screen.NameText.text(), c.after) << c.assigned;
        EXPECT_EQ(screen.log.size(), c.change ? 1u : 0u) << c.before << " <- " << c.assigned;
    }
}

TEST_F(TextBoxTest, LoweringMaxLengthKeepsTheTextButLimitsTheNextAssignment) {
    screen.NameText.setText("SEATTLE");
    screen.NameText.setMaxLength(3);
    EXPECT_EQ(screen.NameText.text(), "SEATTLE");
    screen.NameText.setText("TACOMA");
    EXPECT_EQ(screen.NameText.text(), "TAC");
}

TEST_F(TextBoxTest, TypingFiresKeyPressThenChangePerKeystrokeAndStopsAtMaxLength) {
    h.user.typeInto(screen.IdentText, "KSEAX");
    EXPECT_EQ(screen.IdentText.text(), "KSEA");
    EXPECT_THAT(screen.log,
                ElementsAre("IdentText_KeyPress 75", "IdentText_Change K", "IdentText_KeyPress 83",
                            "IdentText_Change KS", "IdentText_KeyPress 69", "IdentText_Change KSE",
                            "IdentText_KeyPress 65", "IdentText_Change KSEA",
                            "IdentText_KeyPress 88"));
}

TEST_F(TextBoxTest, TypingInsertsAtTheCaretAndReplacesTheSelection) {
    screen.NameText.setText("SEA");
    h.user.typeInto(screen.NameText, "X");
    EXPECT_EQ(screen.NameText.text(), "SEAX");
    screen.NameText.setSelStart(1);
    screen.NameText.setSelLength(2);
    EXPECT_EQ(screen.NameText.selText(), "EA");
    h.user.pressKey('Q');
    EXPECT_EQ(screen.NameText.text(), "SQX");
    h.user.replaceText(screen.NameText, "AB");
    EXPECT_EQ(screen.NameText.text(), "AB");
}

TEST_F(TextBoxTest, ASelectionMakesRoomForAKeyAtMaxLength) {
    h.user.typeInto(screen.IdentText, "KSEA");
    screen.IdentText.selectAll();
    h.user.pressKey('C');
    EXPECT_EQ(screen.IdentText.text(), "C");
}

TEST_F(TextBoxTest, BackspaceDeletesBeforeTheCaretAndDoesNothingAtTheStart) {
    h.user.typeInto(screen.NameText, "AB\b");
    EXPECT_EQ(screen.NameText.text(), "A");
    h.user.typeInto(screen.NameText, "\b\b");
    EXPECT_EQ(screen.NameText.text(), "");
    EXPECT_EQ(screen.log.back(), "NameText_KeyPress 8");
}

TEST_F(TextBoxTest, KeyPressCanReplaceOrSwallowTheKey) {
    screen.upperCase = true;
    screen.swallow = '-';
    h.user.typeInto(screen.NameText, "ab-c");
    EXPECT_EQ(screen.NameText.text(), "ABC");
}

TEST_F(TextBoxTest, EnterFiresKeyPress13AndInsertsNothing) {
    h.user.typeInto(screen.NameText, "SEA");
    screen.log.clear();
    h.user.pressEnter(screen.NameText);
    EXPECT_EQ(screen.NameText.text(), "SEA");
    EXPECT_THAT(screen.log, ElementsAre("NameText_KeyPress 13"));
}

TEST_F(TextBoxTest, EnterCanMoveTheFocusAlongAChain) {
    screen.IdentText.KeyPress = [this](int& key) {
        if (key == 13)
            screen.NameText.setFocus();
    };
    h.user.pressEnter(screen.IdentText);
    EXPECT_TRUE(screen.NameText.hasFocus());
    EXPECT_THAT(screen.log, ElementsAre("IdentText_LostFocus, focus in NameText"));
}

TEST_F(TextBoxTest, AssignmentPutsTheCaretAtTheStartAndSelectionIsClamped) {
    screen.NameText.setText("SEATTLE");
    EXPECT_EQ(screen.NameText.selStart(), 0);
    screen.NameText.setSelStart(99);
    EXPECT_EQ(screen.NameText.selStart(), 7);
    screen.NameText.setSelStart(5);
    screen.NameText.setSelLength(99);
    EXPECT_EQ(screen.NameText.selLength(), 2);
    screen.NameText.setSelLength(-3);
    EXPECT_EQ(screen.NameText.selLength(), 0);
}

TEST_F(TextBoxTest, KeysGoToTheBoxWithTheFocusWhenTheClickedBoxIsDisabled) {
    screen.NameText.setEnabled(false);
    h.user.typeInto(screen.NameText, "X");
    EXPECT_EQ(screen.NameText.text(), "");
    EXPECT_EQ(screen.IdentText.text(), "X");
}

} // namespace
