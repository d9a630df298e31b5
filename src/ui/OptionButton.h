#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// One of a group of options: those of one form in the same container
// (frame, or none). At most one of a group is true.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "OptionButton"; }
    bool focusable() const override { return true; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    bool value() const { return value_; }
    // Setting true clears the rest of the group. No event (rule 5).
    void setValue(bool on);

    // A user's click sets the value, then fires Click.
    Event Click;

protected:
    void saveDesign() override;
    void restoreDesign() override;
    void clickedByUser() override;

private:
    bool sameGroup(const Control& other) const;
    std::string caption_;
    std::string designCaption_;
    bool value_ = false;
    bool designValue_ = false;
};

} // namespace ui
