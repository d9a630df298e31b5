#pragma once

#include "ui/Captioned.h"

#include <string>

namespace ui {

class CheckBox : public Captioned {
public:
    CheckBox(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "CheckBox"; }
    bool focusable() const override { return true; }

    // 0 unticked, 1 ticked. Setting it in code fires no event (rule 5).
    int value() const { return value_; }
    void setValue(int value);

    // A user's click toggles the value, then fires Click.
    Event Click;

protected:
    void saveDesign() override;
    void restoreDesign() override;
    void clickedByUser() override;

private:
    int value_ = 0;
    int designValue_ = 0;
};

} // namespace ui
