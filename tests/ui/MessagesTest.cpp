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

TEST(MessagesTest, AMessageNotScriptedExactlyFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(support::ScriptedMessages().MsgBox("Surprise"),
                            "unexpected message: \"Surprise\"");
    const ui::Message wrong[] = {
        {"Hello", Buttons::YesNo},
        {"Hello", Buttons::OK, Icon::Critical},
        {"Hello", Buttons::OK, Icon::None, DefaultButton::Second},
        {"Hello", Buttons::OK, Icon::None, DefaultButton::First, "Other"},
    };
    for (const ui::Message& w : wrong)
        EXPECT_NONFATAL_FAILURE(
            {
                support::ScriptedMessages messages;
                messages.expectNotice("Hello");
                messages.MsgBox(w.prompt, w.buttons, w.icon, w.defaultButton, w.title);
            },
            "expected \"Hello\"");
    EXPECT_NONFATAL_FAILURE(support::ScriptedMessages().expectNotice("Line one\r\nLine two"),
                            "never shown: \"Line one\\r\\nLine two\"");
}

} // namespace
