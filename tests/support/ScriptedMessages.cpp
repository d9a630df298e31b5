#include "ScriptedMessages.h"

#include <gtest/gtest.h>

namespace support {

namespace {

std::string visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

const char* nameOf(ui::Buttons b) {
    return b == ui::Buttons::OK ? "OK" : "YesNo";
}
const char* nameOf(ui::Icon i) {
    return i == ui::Icon::None ? "no icon" : "critical";
}
const char* nameOf(ui::DefaultButton d) {
    return d == ui::DefaultButton::First ? "default 1" : "default 2";
}

bool fits(ui::Buttons buttons, int answer) {
    if (buttons == ui::Buttons::OK)
        return answer == ui::answers::OK;
    return answer == ui::answers::Yes || answer == ui::answers::No;
}

// What a person pressing Enter would answer: the default button.
int defaultAnswer(const ui::Message& m) {
    if (m.buttons == ui::Buttons::OK)
        return ui::answers::OK;
    return m.defaultButton == ui::DefaultButton::First ? ui::answers::Yes : ui::answers::No;
}

} // namespace

std::string describe(const ui::Message& m) {
    return "\"" + visible(m.prompt) + "\" [" + nameOf(m.buttons) + ", " + nameOf(m.icon) + ", " +
           nameOf(m.defaultButton) + ", title \"" + visible(m.title) + "\"]";
}

ScriptedMessages::~ScriptedMessages() {
    verify();
}

ScriptedMessages& ScriptedMessages::expect(std::string prompt, ui::Buttons buttons, ui::Icon icon,
                                           ui::DefaultButton defaultButton, std::string title,
                                           int answer) {
    ui::Message m{std::move(prompt), buttons, icon, defaultButton, std::move(title)};
    if (!fits(buttons, answer))
        ADD_FAILURE() << "scripted answer " << answer << " cannot be given to " << describe(m);
    expected_.push_back({std::move(m), answer});
    return *this;
}

ScriptedMessages& ScriptedMessages::expectNotice(std::string prompt) {
    return expect(std::move(prompt), ui::Buttons::OK, ui::Icon::None, ui::DefaultButton::First,
                  ui::ProgramTitle, ui::answers::OK);
}

void ScriptedMessages::verify() {
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected message never shown: " << describe(e.message);
    expected_.clear();
}

int ScriptedMessages::show(const ui::Message& m) {
    shown_.push_back(m);
    if (expected_.empty() || expected_.front().message.prompt != m.prompt) {
        ADD_FAILURE() << "unexpected message: " << describe(m)
                      << (expected_.empty() ? std::string(", none expected")
                                            : ", expected " + describe(expected_.front().message));
        return defaultAnswer(m);
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    const ui::Message& want = e.message;
    if (want.buttons != m.buttons || want.icon != m.icon || want.defaultButton != m.defaultButton ||
        want.title != m.title)
        ADD_FAILURE() << "message shown as " << describe(m) << ", expected " << describe(want);
    return e.answer;
}

} // namespace support
