#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "CheckBox"; }
    bool focusable() const override { return true; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

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
    std::string caption_;
    std::string designCaption_;
    int value_ = 0;
    int designValue_ = 0;
};

} // namespace ui
