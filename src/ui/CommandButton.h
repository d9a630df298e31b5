#pragma once

#include "ui/Captioned.h"

#include <string>

namespace ui {

class CommandButton : public Captioned {
public:
    CommandButton(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "CommandButton"; }
    bool focusable() const override { return true; }

    Event Click;

protected:
    void clickedByUser() override;
};

} // namespace ui
