#pragma once

#include "ui/Captioned.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class CommandButton : public Captioned {
public:
    CommandButton(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "CommandButton"; }
    bool focusable() const override { return true; }

    // Keys that click the button wherever the focus is in its form, written
    // as "Ctrl+Shift+Z". Set at design time.
    const std::vector<std::string>& shortcuts() const { return shortcuts_; }
    void setShortcuts(std::vector<std::string> keys);

    bool causesValidation() const override { return causesValidation_; }
    // The screen's button that leaves or cancels: a box left half typed
    // is no obstacle to it (no check runs), and Escape clicks it. Set at
    // design time.
    void makeLeaveButton() {
        causesValidation_ = false;
        shortcuts_.push_back("Esc");
    }

    Event Click;

protected:
    void clickedByUser() override;

private:
    std::vector<std::string> shortcuts_;
    bool causesValidation_ = true;
};

// The letter (upper case) that Alt clicks `button` with, or 0: the first
// letter of a word of its caption, else another letter of it, that no
// button before it in its form's tab order has taken.
char mnemonic(const CommandButton& button);
// Where that letter stands in screenText(caption), or npos.
std::size_t mnemonicPosition(const CommandButton& button);

// The button of `form` that `keys` click ("Alt+S" for a mnemonic), or none.
CommandButton* buttonForShortcut(const Form& form, std::string_view keys);

} // namespace ui
