#pragma once

#include "ui/Captioned.h"

#include <string>

namespace ui {

class Label : public Captioned {
public:
    Label(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "Label"; }
};

} // namespace ui
