#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "CommandButton"; }
    bool focusable() const override { return true; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    Event Click;

protected:
    void saveDesign() override;
    void restoreDesign() override;
    void clickedByUser() override;

private:
    std::string caption_;
    std::string designCaption_;
};

} // namespace ui
