// Rule 7: one message port, and the scripted messages that check it.
#include "TestScreen.h"

#include "support/TestApp.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using ui::Buttons;
using ui::DefaultButton;
using ui::Icon;

TEST(MessagesTest, TheTitleDefaultsToTheProgramsTitleAndAnswersComeBack) {
    support::TestApp h;
    TestScreen screen(h.app);
    h.messages.expectNotice("Enter only numbers please.")
        .expect("Save?\r\nSure?", Buttons::YesNo, Icon::Critical, DefaultButton::Second,
                "Program termination.", ui::answers::No);
    EXPECT_EQ(screen.MsgBox("Enter only numbers please."), ui::answers::OK);
    EXPECT_EQ(screen.MsgBox("Save?\r\nSure?", Buttons::YesNo, Icon::Critical, DefaultButton::Second,
                            "Program termination."),
              ui::answers::No);
    ASSERT_EQ(h.messages.shown().size(), 2u);
    EXPECT_EQ(h.messages.shown()[0].title, "Vextrel");
}

TEST(MessagesTest, AnUnexpectedMessageFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            support::ScriptedMessages messages;
            EXPECT_EQ(
                messages.MsgBox("Surprise", Buttons::YesNo, Icon::None, DefaultButton::Second),
                ui::answers::No);
        },
        "unexpected message: \"Surprise\"");
}

TEST(MessagesTest, AMessageShownDifferentlyFailsTheTest) {
    const struct {
        Buttons buttons;
        Icon icon;
        DefaultButton defaultButton;
        const char* title;
    } wrong[] = {
        {Buttons::YesNo, Icon::None, DefaultButton::First, "Vextrel"},
        {Buttons::OK, Icon::Critical, DefaultButton::First, "Vextrel"},
        {Buttons::OK, Icon::None, DefaultButton::Second, "Vextrel"},
        {Buttons::OK, Icon::None, DefaultButton::First, "Other"},
    };
    for (const auto& w : wrong)
        EXPECT_NONFATAL_FAILURE(
            {
                support::ScriptedMessages messages;
                messages.expectNotice("Hello");
                messages.MsgBox("Hello", w.buttons, w.icon, w.defaultButton, w.title);
            },
            "expected \"Hello\"");
}

TEST(MessagesTest, AnExpectedMessageThatNeverCameFailsAtTheEnd) {
    EXPECT_NONFATAL_FAILURE(
        {
            support::ScriptedMessages messages;
            messages.expectNotice("Line one\r\nLine two");
        },
        "never shown: \"Line one\\r\\nLine two\"");
}

TEST(MessagesTest, AnAnswerTheButtonsCannotGiveIsAScriptError) {
    EXPECT_NONFATAL_FAILURE(
        {
            support::ScriptedMessages messages;
            messages.expect("Q", Buttons::OK, Icon::None, DefaultButton::First, "Vextrel",
                            ui::answers::Yes);
            messages.MsgBox("Q");
        },
        "cannot be given");
}

} // namespace
