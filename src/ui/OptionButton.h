#pragma once

#include "ui/Captioned.h"

#include <string>

namespace ui {

// One of a group of options: those of one form in the same container
// (frame, or none). At most one of a group is true.
class OptionButton : public Captioned {
public:
    OptionButton(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "OptionButton"; }
    bool focusable() const override { return true; }

    bool value() const { return value_; }
    // Setting true clears the rest of the group. No event (rule 5).
    void setValue(bool on);

    // Tab stops at the chosen option of a group (the arrow keys move within
    // it), or at each one while none that can take the focus is chosen.
    bool tabStopsHere() const;
    // The option an arrow key moves to: the next one of the group (or the
    // one before) that can take the focus, around the end; null if none.
    OptionButton* neighbour(bool forward) const;

    // A user's click sets the value, then fires Click.
    Event Click;

protected:
    void saveDesign() override;
    void restoreDesign() override;
    void clickedByUser() override;

private:
    bool sameGroup(const Control& other) const;
    bool value_ = false;
    bool designValue_ = false;
};

} // namespace ui
