// Rules 1 and 2: assigning and typing text, Enter.
#include "TestScreen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

using TextBoxTest = ScreenTest;

TEST_F(TextBoxTest, AssignedTextIsCutToMaxLengthAndChangeFiresOnlyOnRealChange) {
    struct Case {
        int maxLength;
        std::string before, assigned, after;
        bool change;
    };
    const Case cases[] = {
        {4, "", "KSEATTLE", "KSEA", true},     {4, "KSEA", "KSEATTLE", "KSEA", false},
        {0, "", "KSEATTLE", "KSEATTLE", true}, {4, "KS", "", "", true},
        {3, "SEATTLE", "TACOMA", "TAC", true},
    };
    for (const Case& c : cases) {
        screen.NameText.setMaxLength(0);
        screen.NameText.setText(c.before);
        screen.NameText.setMaxLength(c.maxLength);
        EXPECT_EQ(screen.NameText.text(), c.before) << "a lower limit keeps the text";
        screen.log.clear();
        screen.NameText.setText(c.assigned);
        EXPECT_EQ(screen.NameText.text(), c.after) << c.assigned;
        EXPECT_EQ(screen.log.size(), c.change ? 1u : 0u) << c.before << " <- " << c.assigned;
    }
}

TEST_F(TextBoxTest, TypingFiresKeyPressThenChangePerKeystrokeAndStopsAtMaxLength) {
    h.user.typeInto(screen.IdentText, "KSEAX");
    EXPECT_EQ(screen.IdentText.text(), "KSEA");
    EXPECT_THAT(screen.log,
                ElementsAre("IdentText_KeyPress 75", "IdentText_Change K", "IdentText_KeyPress 83",
                            "IdentText_Change KS", "IdentText_KeyPress 69", "IdentText_Change KSE",
                            "IdentText_KeyPress 65", "IdentText_Change KSEA",
                            "IdentText_KeyPress 88"));
    // A selection makes room for a key even at the limit.
    screen.IdentText.selectAll();
    h.user.pressKey('C');
    EXPECT_EQ(screen.IdentText.text(), "C");
}

TEST_F(TextBoxTest, KeysEditAtTheCaretAndKeyPressCanReplaceOrSwallowThem) {
    screen.NameText.setText("SEA");
    EXPECT_EQ(screen.NameText.selStart(), 0) << "assignment puts the caret at the start";
    h.user.typeInto(screen.NameText, "X");
    EXPECT_EQ(screen.NameText.text(), "SEAX");
    screen.NameText.setSelStart(1);
    screen.NameText.setSelLength(99);
    EXPECT_EQ(screen.NameText.selLength(), 3) << "clamped to the text";
    screen.NameText.setSelLength(2);
    h.user.pressKey('Q');
    EXPECT_EQ(screen.NameText.text(), "SQX");
    h.user.typeInto(screen.NameText, "\b\b\b\b");
    EXPECT_EQ(screen.NameText.text(), "X") << "Backspace does nothing at the start";

    screen.upperCase = true;
    screen.swallow = '-';
    h.user.replaceText(screen.NameText, "ab-c");
    EXPECT_EQ(screen.NameText.text(), "ABC");
}

} // namespace
