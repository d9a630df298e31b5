#pragma once

#include "ui/Forms.h"

#include <string>
#include <string_view>

namespace support {

// A person at the keyboard and mouse. Every action goes through the
// application's event boundary, moving the focus and firing events in the
// order a real click or keystroke does.
class ScriptedUser {
public:
    explicit ScriptedUser(ui::App& app) : app_(app) {}

    // Starts the program the way main does: shows the first screen.
    void start(ui::Form& first);
    // Clicks into the box (rule 3), caret after the last character when the
    // click moved the focus there, then types each character (KeyPress,
    // then Change per keystroke). Keys go wherever the focus is: into a box
    // that refused to let go of it, for instance. "\b" is Backspace.
    void typeInto(ui::TextBox& box, std::string_view text);
    // Clicks into the box, selects its whole text and types over it.
    void replaceText(ui::TextBox& box, std::string_view text);
    // Clicks into the box (when it has not the focus) and presses Enter.
    void pressEnter(ui::TextBox& box);
    // One key (character code) to whatever box has the focus.
    void pressKey(int keyAscii);
    // A click on a button, option, check box or entry box (rule 4).
    void click(ui::Control& control);
    // A click on entry index of a list (rule 4).
    void select(ui::ListControl& list, int index);
    void doubleClick(ui::Control& control);
    // A double click on entry index: the click on it, then the double click.
    void doubleClick(ui::ListControl& list, int index);
    void tab();
    void backTab();
    // The window's close box.
    void close(ui::Form& form);

private:
    ui::App& app_;
};

} // namespace support
