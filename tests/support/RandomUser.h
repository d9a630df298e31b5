#pragma once

#include "support/ScriptedMessages.h"
#include "support/ScriptedUser.h"
#include "ui/Forms.h"
#include "ui/Messages.h"

#include <charconv>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// Whatever a file cannot hold as one token or one number.
inline const std::vector<std::string> HostileText = {
    "",    " ",     "AB C", "\"Q",  "A\tB",   std::string(300, 'W'),
    "1,5", "6,000", "1e3",  "FL60", "6000ft", "\xC3\xA9T\xC3\xA9",
    "-1",  "999",   "0",    ".",    "+",      " 12 ",
    "360", "12.25"};

// VEXTREL_RANDOM_STEPS sets the steps of each seed for a longer run by hand.
inline int randomSteps(int steps) {
    if (const char* text = std::getenv("VEXTREL_RANDOM_STEPS")) {
        const std::string_view view(text);
        std::from_chars(view.data(), view.data() + view.size(), steps);
    }
    return steps;
}

// A user who types, clicks and answers every message at random from a seed,
// logging each step for the failure message.
class RandomUser : public ui::Messages {
public:
    RandomUser(unsigned seed, ScriptedUser& user) : random(seed), user_(user) {}

    template <class T> const T& pick(const std::vector<T>& from) {
        return from[random() % from.size()];
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); }
    void type(ui::TextBox& box, const std::string& text) {
        log << "type " << box.name() << " '" << text.substr(0, 20) << "'\n";
        user_.replaceText(box, text);
    }
    void click(ui::Control& control) {
        log << "click " << control.name() << "\n";
        user_.click(control);
    }
    void select(ui::ListBox& list) {
        if (list.ListCount() == 0)
            return;
        const int line = below(list.ListCount());
        log << "select " << list.name() << " " << line << "\n";
        user_.select(list, line);
    }
    // The end of the log.
    std::string lastCommands() const {
        const std::string all = log.str();
        return all.substr(all.size() > 6000 ? all.size() - 6000 : 0);
    }

    std::mt19937 random;
    std::ostringstream log;
    int shown = 0;

protected:
    int show(const ui::Message& message) override {
        ++shown;
        int answer = ui::answers::OK;
        if (message.buttons != ui::Buttons::OK)
            answer = random() % 2 == 0 ? ui::answers::Yes : ui::answers::No;
        log << "  message " << describe(message) << " -> " << answer << "\n";
        return answer;
    }

private:
    ScriptedUser& user_;
};

} // namespace support
