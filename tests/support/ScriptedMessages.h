#pragma once

#include "ui/Messages.h"

#include <deque>
#include <string>
#include <vector>

namespace support {

// The message port for tests: each message must have been expected, in
// order, with its exact prompt, buttons, icon, default button and title;
// it gets the scripted answer. Anything else is a test failure, and so is
// an expected message that never came (checked when this object goes,
// at the end of the test, or by verify()).
class ScriptedMessages : public ui::Messages {
public:
    ScriptedMessages() = default;
    ~ScriptedMessages() override;

    ScriptedMessages& expect(std::string prompt, ui::Buttons buttons, ui::Icon icon,
                             ui::DefaultButton defaultButton, std::string title, int answer);
    // A plain notice: OK button, no icon, the program's title.
    ScriptedMessages& expectNotice(std::string prompt);

    // Fails for every expected message still waiting, and forgets them.
    void verify();
    // Every message shown so far, expected or not.
    const std::vector<ui::Message>& shown() const { return shown_; }

protected:
    int show(const ui::Message& message) override;

private:
    struct Expected {
        ui::Message message;
        int answer;
    };
    std::deque<Expected> expected_;
    std::vector<ui::Message> shown_;
};

// The message as a readable line, CR and LF spelled out.
std::string describe(const ui::Message& message);

} // namespace support
