#pragma once

#include "ui/Captioned.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

class CommandButton : public Captioned {
public:
    CommandButton(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "CommandButton"; }
    bool focusable() const override { return true; }

    // The text shown while the pointer rests on the button.
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text);

    // Keys that click the button wherever the focus is in its form, written
    // as "Ctrl+Shift+Z". Set at design time.
    const std::vector<std::string>& shortcuts() const { return shortcuts_; }
    void setShortcuts(std::vector<std::string> keys);

    Event Click;

protected:
    void clickedByUser() override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::string toolTip_;
    std::string designToolTip_;
    std::vector<std::string> shortcuts_;
};

// The button of `form` that `keys` click, or none.
CommandButton* buttonForShortcut(const Form& form, std::string_view keys);

} // namespace ui
